#include "app/windows/StartPage.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace orlenvo::app {

namespace {

// QSettings separates sub-keys with "/": this is "Software\Microsoft\Internet Explorer\Main",
// value "Start Page".
QString StartPageKey()
{
    return QStringLiteral("Software/Microsoft/Internet Explorer/Main/Start Page");
}

}  // namespace

IniStartPageStore::IniStartPageStore(QString filePath) : filePath_(std::move(filePath)) {}

QString IniStartPageStore::ReadStartPage()
{
    // Reading never creates the file: the program writes nothing unless the user agrees.
    if (!QFileInfo(filePath_).isFile())
        return {};
    const QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return {};
    return settings.value(StartPageKey()).toString();
}

void IniStartPageStore::WriteStartPage(const QString &text)
{
    QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return;
    settings.setValue(StartPageKey(), text);
    settings.sync();
}

QString UserStartPageFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Orlenvo/StartPage.ini");
}

StartPageStore &UserStartPageStore()
{
    static IniStartPageStore store(UserStartPageFile());
    return store;
}

}  // namespace orlenvo::app
