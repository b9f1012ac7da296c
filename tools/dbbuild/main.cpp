// dbbuild --content DIR --pictures DIR --output DIR
// Builds dream.dll, QorvFile.dll and QorvBirth.dll into the output folder.
#include "calendar/BuiltInTables.h"
#include "tools/dbbuild/DbBuild.h"

#include <cstring>
#include <iostream>

int main(int argc, char **argv)
{
    std::filesystem::path content, pictures, output;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--content") == 0)
            content = argv[i + 1];
        else if (std::strcmp(argv[i], "--pictures") == 0)
            pictures = argv[i + 1];
        else if (std::strcmp(argv[i], "--output") == 0)
            output = argv[i + 1];
    }
    if (argc != 7 || content.empty() || pictures.empty() || output.empty()) {
        std::cerr << "usage: dbbuild --content DIR --pictures DIR --output DIR\n";
        return 2;
    }
    try {
        // The almanac lists come from the month table compiled into the core, as the calendar reads it.
        orlenvo::dbbuild::BuildDatabases(content, pictures, output,
                                         orlenvo::AlmanacRows(orlenvo::BuiltInAlmanacMonthTable()));
    } catch (const std::exception &e) {
        std::cerr << "dbbuild: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
