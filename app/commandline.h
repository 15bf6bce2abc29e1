#pragma once

// The two options a Linux user expects of any program. They are answered before anything of
// the program is set up, so they work without a display and beside a running copy. Every other
// argument is left alone, as the program has no command line of its own.

#include <optional>

namespace CommandLine {

// Prints the name and version for --version, or the usage for --help, and gives the exit
// status; gives none when the program is to start as usual.
std::optional<int> answerInformationOption(int argc, const char *const argv[]);

} // namespace CommandLine
