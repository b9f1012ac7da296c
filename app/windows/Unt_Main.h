// The main window: menu bar, banner strip, side panel, work area, bottom bar, status bar.
#pragma once

#include "app/windows/Dispatch.h"
#include "app/windows/Links.h"

#include <QMainWindow>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace orlenvo::banner {
class Banner;
}

namespace orlenvo::app {

class WrappingMenuBar;

class TFrmmain final : public QMainWindow {
    Q_OBJECT
public:
    // Every command, button and link goes to `dispatcher`. `services` holds the maker's server
    // and addresses, the URL handler and the start-page store that the banner and "退出" use.
    TFrmmain(Dispatcher &dispatcher, ServiceEnvironment services, QWidget *parent = nullptr);
    ~TFrmmain() override;

    Dispatcher &dispatch() { return *dispatcher_; }
    WrappingMenuBar *menu() const { return dxBarManager1; }

    // Regions, for the banner and for tests.
    QWidget *bannerStrip() const { return bannerStrip_; }
    QWidget *sidePanel() const { return sidePanel_; }
    QWidget *workArea() const { return workArea_; }
    QWidget *bottomBar() const { return bottomBar_; }
    banner::Banner *banner() const { return banner_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void BuildCentralArea();
    void BuildStatusBar();
    void RzBitBtn4Click();

    Dispatcher *dispatcher_;
    ServiceEnvironment services_;
    banner::Banner *banner_ = nullptr;
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
