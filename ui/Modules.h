// The program's own modules: shared objects beside the program that it loads when first needed,
// so that it links none of the libraries they use.
#pragma once

#include <QString>

namespace orlenvo::ui {

// The path of a module: beside the program in the build, in engine/ beside the installed
// program, or in its library folder; empty when there is none.
QString ProgramModule(const char *fileName);

// Resolves `symbol` in the module `fileName`, which then stays loaded for the program's life (its
// objects' code lives there); null when the module or the symbol is missing.
void *ModuleEntry(const char *fileName, const char *symbol);

}  // namespace orlenvo::ui
