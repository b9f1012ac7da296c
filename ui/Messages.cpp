#include "ui/Messages.h"

#include <QFont>
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

void InstallFontSubstitutions()
{
    const QString uming = QStringLiteral("AR PL UMing CN");
    const QString ukai = QStringLiteral("AR PL UKai CN");
    const QString zenhei = QStringLiteral("WenQuanYi Zen Hei");
    const QString dejavu = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(QStringLiteral("宋体"), {uming, zenhei});
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), {ukai, uming});
    QFont::insertSubstitutions(QStringLiteral("黑体"), {zenhei, uming});
    QFont::insertSubstitutions(QStringLiteral("隶书"), {ukai, uming});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"), {dejavu, zenhei});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {dejavu, zenhei});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {dejavu, zenhei});
}

QFont DesignFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold || family == QStringLiteral("Arial Black"));
    return font;
}

}  // namespace orlenvo::ui
