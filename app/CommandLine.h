// The program's command line for scripts: exporting the calendar to an iCalendar file and importing
// holiday data, both without a display or a window.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orlenvo {

// The arguments after the program name ask for the command line: --export-ics, --import-holidays or
// --help (or -h) among them.
bool WantsCommandLine(const std::vector<std::string> &args);

// Runs the command line: reads the stored holidays over the built-in ones, imports, exports, prints
// to out and err. Returns the exit status: 0 done; 1 an imported file rejected or the store not
// written; 2 bad arguments, a year outside 1901-2050 or a file that cannot be written (none is
// left behind). now (seconds since 1970) stamps the events and gives this year.
int RunCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, std::int64_t now);

// The text of --help.
std::string CommandLineHelp();

}  // namespace orlenvo
