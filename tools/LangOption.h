// The --lang option of the dump tools: zh_CN, zh_TW or zh_HK, the script their labels are written in.
#pragma once

#include "core/Script.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace orlenvo::tools {

// Reads "--lang zh_CN|zh_TW|zh_HK" (or no argument: Simplified) and sets the script. Prints the
// usage and gives false on anything else.
inline bool ReadLangOption(int argc, char **argv, const char *program)
{
    std::optional<Script> script = Script::Simplified;
    if (argc == 3 && std::strcmp(argv[1], "--lang") == 0) {
        if (std::strcmp(argv[2], "zh_TW") == 0)
            script = Script::Taiwan;
        else if (std::strcmp(argv[2], "zh_HK") == 0)
            script = Script::HongKong;
        else if (std::strcmp(argv[2], "zh_CN") != 0)
            script.reset();
    } else if (argc != 1) {
        script.reset();
    }
    if (!script) {
        std::fprintf(stderr, "usage: %s [--lang zh_CN|zh_TW|zh_HK]\n", program);
        return false;
    }
    SetScript(*script);
    return true;
}

}  // namespace orlenvo::tools
