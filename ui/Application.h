// The application object and what the program sets on it before its main window.
#pragma once

#include <QApplication>
#include <QString>

namespace orlenvo::ui {

// "Orlenvo": the application title and the main window's caption.
QString ApplicationTitle();

// The application object. Handlers guard themselves (Guarded); notify() stays as the last
// net for an exception that still escapes one: it is reported, counted, and the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // How many exceptions reached notify() in this process; window tests require none.
    static int EscapedExceptions();
};

// Everything the program sets on its application object before the main window: the title,
// the desktop identity, memory given back as windows close, the font substitutions and the
// program font "宋体" 12 px.
void SetUpApplication(QCoreApplication &app);

}  // namespace orlenvo::ui
