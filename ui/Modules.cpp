#include "ui/Modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace orlenvo::ui {

QString ProgramModule(const char *fileName)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QLatin1String file(fileName);
    for (const QString &candidate :
         {QString(dir + QLatin1Char('/') + file), QString(dir + QStringLiteral("/engine/") + file),
          QString(dir + QStringLiteral("/../lib/orlenvo/") + file)}) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

void *ModuleEntry(const char *fileName, const char *symbol)
{
    const QString path = ProgramModule(fileName);
    if (path.isEmpty())
        return nullptr;
    QLibrary module(path);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    return reinterpret_cast<void *>(module.resolve(symbol));
}

}  // namespace orlenvo::ui
