#include "ui/Messages.h"

#include "ui/Application.h"
#include "ui/Language.h"

#include <QApplication>
#include <QMessageBox>

#include <stdexcept>

namespace orlenvo::ui {

void ShowInformation(const QString &text)
{
    QMessageBox box(QMessageBox::Information, Tr(QStringLiteral("提示")), Tr(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("InformationMessage"));
    box.exec();
}

void ShowErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), Tr(text), QMessageBox::Ok, QApplication::activeWindow());
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

}  // namespace orlenvo::ui
