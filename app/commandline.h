#pragma once

// The program's command line: --help (-h) and --version, answered before anything of the
// program is set up, so they work without a display and beside a running copy; Qt's own
// options, which go on to Qt; and an error for anything else that looks like an option. Then,
// while Qt opens the display, a missing display is told in plain words instead of Qt's abort.
// When the user names no window system, the program picks X wherever an X display is there.

#include <optional>
#include <vector>

namespace CommandLine {

// Prints the name and version for --version, the usage for --help or -h, or an error for an
// unknown option, and gives the exit status; gives none when the program is to start as usual.
std::optional<int> answerInformationOption(int argc, const char *const argv[]);

// Around the making of the application object: should Qt find no display to open, says so on
// standard error in a line or two and ends the program with status 1. Qt's messages in between
// are held back until the display is found, then shown as usual.
void watchForMissingDisplay();
void displayFound();

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
