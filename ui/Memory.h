// Giving memory back to the system once windows close.
#pragma once

class QCoreApplication;

namespace orlenvo::ui {

// Returns the heap memory that is free but still held by the allocator to the system
// (glibc: malloc_trim); does nothing where the allocator offers no such call.
void ReleaseFreedMemory();

// Shortly after a window closes, runs ReleaseFreedMemory(): a closed window's pictures, texts
// and controls are freed by then. Watches the events of `app`.
void ReleaseMemoryWhenWindowsClose(QCoreApplication &app);

}  // namespace orlenvo::ui
