// The exit prompt `TFrmMsG` and ConfirmExit.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

namespace orlenvo::app {

class StartPageStore;
struct ServiceEnvironment;

class TFrmMsG final : public QDialog {
    Q_OBJECT
public:
    // Reads the start page from `store`; when it already equals `webDirectory`, the check box
    // is unchecked and hidden.
    TFrmMsG(StartPageStore &store, QString webDirectory, QWidget *parent = nullptr);

    bool Result() const { return result_; }

private:
    void Button1Click();
    void Button2Click();

    StartPageStore &store_;
    QString webDirectory_;
    bool result_ = false;

    QLabel *Image1;
    QLabel *Label1;
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QPushButton *Button2;
};

// Shows the exit prompt modally and returns its answer: true for "是(&Y)", false for "否(&N)"
// or a prompt closed any other way. The prompt is destroyed in every case.
bool ConfirmExit(const ServiceEnvironment &env, QWidget *parent = nullptr);

}  // namespace orlenvo::app
