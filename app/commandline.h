#pragma once

// The two options a Linux user expects of any program. They are answered before anything of
// the program is set up, so they work without a display and beside a running copy. Every other
// argument goes to Qt as it is, as the program has no command line of its own; Qt's own
// options, -platform among them, keep working.

#include <optional>
#include <vector>

namespace CommandLine {

// Prints the name and version for --version, or the usage for --help, and gives the exit
// status; gives none when the program is to start as usual.
std::optional<int> answerInformationOption(int argc, const char *const argv[]);

// The window system the program picks when the user names none (in QT_QPA_PLATFORM or with
// -platform): X whenever an X display is there, as Xwayland gives every Wayland desktop, so that
// its windows are centred, kept on top and fixed in size as on any X desktop. Gives none when
// Qt is to choose as usual.
const char *chosenPlatform(const char *userPlatform, const char *display, int argc,
                           const char *const argv[]);

// The arguments QApplication is given: the program's own, and "-platform NAME" after them when
// the program picks the platform, so the choice is not handed down to programs it starts.
class QtArguments {
public:
    QtArguments(int argc, char *argv[]);
    int &count() { return m_count; }
    char **values() { return m_values.data(); }

private:
    std::vector<char *> m_values;
    int m_count;
};

} // namespace CommandLine
