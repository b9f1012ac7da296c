// dbbuild --content DIR --pictures DIR --output DIR [--script zh_TW|zh_HK --converter PROGRAM]
// Builds dream.dll, QorvFile.dll and QorvBirth.dll into the output folder; with a script, their
// texts converted by PROGRAM (tools/gen_traditional) and the pictures of DIR drawn in that script.
#include "calendar/BuiltInTables.h"
#include "tools/dbbuild/DbBuild.h"

#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    std::filesystem::path content, pictures, output, converter;
    std::string script;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--content") == 0)
            content = argv[i + 1];
        else if (std::strcmp(argv[i], "--pictures") == 0)
            pictures = argv[i + 1];
        else if (std::strcmp(argv[i], "--output") == 0)
            output = argv[i + 1];
        else if (std::strcmp(argv[i], "--script") == 0)
            script = argv[i + 1];
        else if (std::strcmp(argv[i], "--converter") == 0)
            converter = argv[i + 1];
    }
    const bool plain = argc == 7 && script.empty() && converter.empty();
    const bool converted = argc == 11 && (script == "zh_TW" || script == "zh_HK") && !converter.empty();
    if ((!plain && !converted) || content.empty() || pictures.empty() || output.empty()) {
        std::cerr << "usage: dbbuild --content DIR --pictures DIR --output DIR [--script zh_TW|zh_HK --converter "
                     "PROGRAM]\n";
        return 2;
    }
    try {
        // The almanac lists come from the month table compiled into the core, as the calendar reads it.
        orlenvo::dbbuild::BuildDatabases(
            content, pictures, output, orlenvo::AlmanacRows(orlenvo::BuiltInAlmanacMonthTable()),
            converted ? orlenvo::dbbuild::ProgramConverter(converter, script) : orlenvo::dbbuild::TextConverter());
    } catch (const std::exception &e) {
        std::cerr << "dbbuild: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
