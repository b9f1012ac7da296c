#include "ui/Desktop.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace orlenvo::ui {

QString DesktopId()
{
    return QStringLiteral("example.orlenvo.Orlenvo");
}

QIcon ApplicationIcon()
{
    // Qt's SVG icon engine draws the built-in picture at whatever size and pixel ratio is asked.
    return QIcon::fromTheme(DesktopId(), QIcon(QStringLiteral(":/pictures/orlenvo.svg")));
}

bool LoadQtTranslation(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void InstallDesktopIdentity(QCoreApplication &app)
{
    QGuiApplication::setDesktopFileName(DesktopId());
    QGuiApplication::setWindowIcon(ApplicationIcon());
    LoadQtTranslation(app);
}

}  // namespace orlenvo::ui
