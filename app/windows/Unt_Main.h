// The main window: menu bar, banner strip, side panel, work area, bottom bar, status bar.
#pragma once

#include "app/windows/Dispatch.h"
#include "app/windows/Links.h"

#include <QMainWindow>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace orlenvo::app {

class Banner;
class WrappingMenuBar;

class TFrmmain final : public QMainWindow {
    Q_OBJECT
public:
    // Without a dispatcher the window makes the program's own, with every operation bound.
    // `services` holds the maker's server and addresses, the URL handler and the start-page
    // store that the banner, the service commands and "退出" use (tests point it at a loopback
    // server and record the links).
    explicit TFrmmain(Dispatcher *dispatcher = nullptr, QWidget *parent = nullptr,
                      ServiceEnvironment services = {});
    ~TFrmmain() override;

    Dispatcher &dispatch() { return *dispatcher_; }
    WrappingMenuBar *menu() const { return dxBarManager1; }

    // Regions, for the banner and for tests.
    QWidget *bannerStrip() const { return bannerStrip_; }
    QWidget *sidePanel() const { return sidePanel_; }
    QWidget *workArea() const { return workArea_; }
    QWidget *bottomBar() const { return bottomBar_; }
    Banner *banner() const { return banner_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void BuildCentralArea();
    void BuildStatusBar();
    void RzBitBtn4Click();

    std::unique_ptr<Dispatcher> ownDispatcher_;
    Dispatcher *dispatcher_;
    ServiceEnvironment services_;
    Banner *banner_ = nullptr;
    QTimer *Timer1 = nullptr;

    WrappingMenuBar *dxBarManager1 = nullptr;
    QWidget *bannerStrip_ = nullptr;
    QWidget *sidePanel_ = nullptr;
    QWidget *workArea_ = nullptr;
    QWidget *bottomBar_ = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *RzButton3 = nullptr;
    QPushButton *RzBitBtn3 = nullptr;
    QPushButton *RzBitBtn5 = nullptr;
    QPushButton *RzBitBtn4 = nullptr;
};

}  // namespace orlenvo::app
