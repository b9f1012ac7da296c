#include "ui/Messages.h"

#include <QMessageBox>

#include <atomic>
#include <stdexcept>

namespace orlenvo::ui {

void ShowInformation(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("InformationMessage"));
    box.exec();
}

QString ApplicationTitle()
{
    return QStringLiteral("Orlenvo");
}

void ShowErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorMessage"));
    box.exec();
}

void ReportException(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unknown error"));
    }
}

namespace {

std::atomic<int> escapedExceptions{0};

}  // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

int Application::EscapedExceptions()
{
    return escapedExceptions.load();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ++escapedExceptions;
        ReportException(std::current_exception());
        return true;
    }
}

}  // namespace orlenvo::ui
