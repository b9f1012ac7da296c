// The program assembled: its operations bound to a dispatcher, the services they reach, and the
// main window over both. The entry makes one; tests make one to drive the whole program.
#pragma once

#include "app/windows/Dispatch.h"
#include "app/windows/Links.h"

#include <memory>

namespace orlenvo::app {

class TFrmmain;

class Program final {
public:
    // `services`: the maker's server and addresses, the URL handler and the start-page store;
    // tests point them at a loopback server and record the links.
    explicit Program(ServiceEnvironment services = {});
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    TFrmmain &mainWindow() { return *mainWindow_; }
    AppDispatcher &dispatcher() { return dispatcher_; }

private:
    AppDispatcher dispatcher_;
    std::unique_ptr<TFrmmain> mainWindow_;
};

}  // namespace orlenvo::app
