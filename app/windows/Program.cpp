#include "app/windows/Program.h"

#include "app/windows/Unt_Main.h"

namespace orlenvo::app {

Program::Program(ServiceEnvironment services)
{
    dispatcher_.services = services;
    RegisterProgramOperations(dispatcher_);
    mainWindow_ = std::make_unique<TFrmmain>(dispatcher_, std::move(services));
    dispatcher_.SetMainWindow(mainWindow_.get());
}

Program::~Program() = default;

}  // namespace orlenvo::app
