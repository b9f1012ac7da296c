#include "ui/Modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <QStringList>

namespace orlenvo::ui {

Q_LOGGING_CATEGORY(ModuleLog, "orlenvo.modules", QtWarningMsg)

namespace {

// The network module loads in a thread while the main window is built.
QMutex folderMutex;
QString folderOverride;

QStringList ModulePlaces(const char *fileName)
{
    QString dir;
    {
        const QMutexLocker lock(&folderMutex);
        dir = folderOverride;
    }
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    const QLatin1String file(fileName);
    return {dir + QLatin1Char('/') + file, dir + QStringLiteral("/engine/") + file,
            dir + QStringLiteral("/../lib/orlenvo/") + file};
}

}  // namespace

QString ProgramModule(const char *fileName)
{
    for (const QString &candidate : ModulePlaces(fileName)) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

void OverrideModuleFolder(const QString &folder)
{
    const QMutexLocker lock(&folderMutex);
    folderOverride = folder;
}

void WarnModule(const QString &path, const QString &reason)
{
    qCWarning(ModuleLog).noquote().nospace() << "module " << path << " not used: " << reason;
}

void *ModuleEntryAt(const QString &path, const char *symbol)
{
    if (!QFileInfo::exists(path)) {
        WarnModule(path, QStringLiteral("no such file"));
        return nullptr;
    }
    QLibrary module(path);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    if (!module.load()) {
        WarnModule(path, module.errorString());
        return nullptr;
    }
    const auto version = reinterpret_cast<ModuleVersionFn>(module.resolve(kModuleVersionSymbol));
    if (!version) {
        WarnModule(path, QStringLiteral("no version symbol %1 (a module of another build)")
                             .arg(QLatin1String(kModuleVersionSymbol)));
        return nullptr;
    }
    if (const int found = version(); found != kModuleVersion) {
        WarnModule(path, QStringLiteral("version %1, the program's is %2").arg(found).arg(kModuleVersion));
        return nullptr;
    }
    void *entry = reinterpret_cast<void *>(module.resolve(symbol));
    if (!entry)
        WarnModule(path, QStringLiteral("no entry %1").arg(QLatin1String(symbol)));
    return entry;
}

void *ModuleEntry(const char *fileName, const char *symbol)
{
    const QString path = ProgramModule(fileName);
    if (path.isEmpty()) {
        WarnModule(
            QLatin1String(fileName),
            QStringLiteral("no such file (looked for %1)").arg(ModulePlaces(fileName).join(QStringLiteral(", "))));
        return nullptr;
    }
    return ModuleEntryAt(path, symbol);
}

}  // namespace orlenvo::ui
