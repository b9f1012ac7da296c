// The windows and operations each command reaches.
#include "app/Dispatch.h"

namespace orlenvo::app {

void RegisterProgramOperations(AppDispatcher &dispatcher)
{
    (void)dispatcher;
}

}  // namespace orlenvo::app
