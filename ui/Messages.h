// Message boxes every window uses, and the application's general error handling.
#pragma once

#include <QApplication>
#include <QString>

#include <exception>
#include <string>

namespace orlenvo::ui {

// "Orlenvo": the application title and the main window's caption.
QString ApplicationTitle();

// Modal information message: caption "提示", information icon, one OK button.
void ShowInformation(const QString &text);

// The general error box: caption = the application title, critical icon, one OK button.
void ShowErrorBox(const QString &text);

// Shows the text of an exception that escaped a command or event handler.
void ReportException(const std::exception_ptr &error);

// UTF-8 std::string <-> QString.
inline QString FromUtf8(const std::string &text) { return QString::fromStdString(text); }
inline std::string ToUtf8(const QString &text) { return text.toStdString(); }

// Runs fn; an exception escaping it is shown in the general error box.
template <typename Fn>
void Guarded(Fn &&fn)
{
    try {
        fn();
    } catch (...) {
        ReportException(std::current_exception());
    }
}

// The application object: every event handler runs inside the general error handling,
// so an exception that escapes one is reported and the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

}  // namespace orlenvo::ui
