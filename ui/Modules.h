// The program's own modules: shared objects beside the program that it loads when first needed,
// so that it links none of the libraries they use. One loader for all of them: it checks each
// module's version before it uses any other entry, and logs why a module is not used.
#pragma once

#include <QLoggingCategory>
#include <QString>

namespace orlenvo::ui {

// "orlenvo.modules": why a module is not used, each warning naming the module's path and the
// reason. Warnings are on by default; information (the banner's engine not tried) is off.
Q_DECLARE_LOGGING_CATEGORY(ModuleLog)

// The version every module reports through kModuleVersionSymbol. Raise it whenever an entry
// point or a type that crosses a module's boundary changes: a module of another build is then
// refused instead of called.
inline constexpr int kModuleVersion = 1;
inline constexpr char kModuleVersionSymbol[] = "orlenvo_module_version";
using ModuleVersionFn = int (*)() noexcept;

// Defines a module's version symbol; each module's source states it once.
#define ORLENVO_MODULE_VERSION()                                                                                       \
    extern "C" Q_DECL_EXPORT int orlenvo_module_version() noexcept                                                     \
    {                                                                                                                  \
        return orlenvo::ui::kModuleVersion;                                                                            \
    }

// The path of a module: beside the program in the build, in engine/ beside the installed
// program, or in its library folder; empty when there is none.
QString ProgramModule(const char *fileName);

// Makes ProgramModule() search from `folder` instead of the program's folder (tests put modules
// of their own there); an empty folder restores the program's.
void OverrideModuleFolder(const QString &folder);

// The entry `symbol` of the module at `path`, once the module has loaded and reported the
// program's version. The module then stays loaded for the program's life (its objects' code lives
// there). Null when the file is missing, does not load, reports no version or another one, or
// lacks the entry; each is logged by WarnModule(). Nothing is remembered: a later call tries
// again.
void *ModuleEntryAt(const QString &path, const char *symbol);
// The same for the module `fileName` that ProgramModule() finds; one found nowhere is logged with
// the folders searched.
void *ModuleEntry(const char *fileName, const char *symbol);

// Logs that the module at `path` is not used, and why.
void WarnModule(const QString &path, const QString &reason);

}  // namespace orlenvo::ui
