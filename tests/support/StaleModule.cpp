// A module as a broken or stale build leaves it, for the module loader's tests. With
// STALE_VERSION_OFFSET it reports the program's version plus that offset, without it no version
// at all; it has no entry point.
#include "ui/Modules.h"

#ifdef STALE_VERSION_OFFSET
extern "C" Q_DECL_EXPORT int orlenvo_module_version() noexcept
{
    return orlenvo::ui::kModuleVersion + STALE_VERSION_OFFSET;
}
#endif
