#include "app/commandline.h"

#include "widgets/messages.h"

#include <cstdio>
#include <string_view>

namespace CommandLine {

std::optional<int> answerInformationOption(int argc, const char *const argv[])
{
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--version") {
            std::printf("%s %s\n", ApplicationTitle, TAMSILO_VERSION);
            return 0;
        }
        if (argument == "--help") {
            std::printf("Usage: zv-tamsilo [--help] [--version]\n"
                        "Tells you your natural body shape from four questions.\n"
                        "\n"
                        "  --help     print this help and exit\n"
                        "  --version  print the name and version and exit\n");
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace CommandLine
