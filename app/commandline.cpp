#include "app/commandline.h"

#include "widgets/messages.h"

#include <cstdio>
#include <cstdlib>
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

const char *chosenPlatform(const char *userPlatform, const char *display, int argc,
                           const char *const argv[])
{
    // Qt takes an empty QT_QPA_PLATFORM as none, and --platform as -platform.
    if ((userPlatform && *userPlatform) || !display || !*display)
        return nullptr;
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "-platform" || argument == "--platform")
            return nullptr;
    }
    return "xcb";
}

QtArguments::QtArguments(int argc, char *argv[]) : m_values(argv, argv + argc), m_count(argc)
{
    static char option[] = "-platform";
    if (const char *platform =
            chosenPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), argc, argv)) {
        m_values.push_back(option);
        // Qt reorders the pointers it is given, and never writes into the texts.
        m_values.push_back(const_cast<char *>(platform));
        m_count += 2;
    }
    m_values.push_back(nullptr);
}

} // namespace CommandLine
