#pragma once

// The program's command line: --help (-h) and --version, answered before anything of the
// program is set up, so they work without a display and beside a running copy; Qt's own
// options, which go on to Qt; and an error for anything else that looks like an option. Then,
// while Qt opens the display, a missing display is told in plain words instead of Qt's abort.

#include <optional>

namespace CommandLine {

// Prints the name and version for --version, the usage for --help or -h, or an error for an
// unknown option, and gives the exit status; gives none when the program is to start as usual.
std::optional<int> answerInformationOption(int argc, const char *const argv[]);

// Around the making of the application object: should Qt find no display to open, says so on
// standard error in a line or two and ends the program with status 1. Qt's messages in between
// are held back until the display is found, then shown as usual.
void watchForMissingDisplay();
void displayFound();

} // namespace CommandLine
