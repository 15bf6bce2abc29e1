#pragma once

// The program's command line, read once for its own options and for Qt's: --help (-h) and
// --version, answered before anything of the program is set up, so they work without a display
// and beside a running copy; Qt's own options, handed on to Qt as read here; and an error for
// anything else that looks like an option. Then, while Qt opens the display, a missing display
// is told in plain words instead of Qt's abort.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace CommandLine {

class Arguments {
public:
    Arguments(int argc, char *argv[]);

    // Prints the name and version for --version, the usage for --help or -h, or an error for an
    // unknown option or a missing value, and gives the exit status; gives none when the program
    // is to start as usual.
    std::optional<int> answerInformationOption() const;

    // What QApplication is given: the program's name, Qt's options as read here, and
    // "-platform NAME" for the window system named or picked (WindowSystem::chosenPlatform), so
    // that Qt and the program cannot read them differently and the choice is not handed down to
    // programs the program starts.
    int &count() { return m_count; }
    char **values() { return m_values.data(); }

    // What the program says when Qt finds no display to open, a line or two.
    QByteArray missingDisplayMessage() const;

private:
    enum class Answer { Start, Version, Help, WrongOption };
    Answer m_answer = Answer::Start;
    QString m_error;
    QByteArray m_namedPlatform;
    QByteArray m_display;
    std::vector<QByteArray> m_qtOptions;
    std::vector<char *> m_values;
    int m_count = 0;
};

// Around the making of the application object: should Qt find no display to open, says so on
// standard error and ends the program with status 1. Qt's messages in between are held back
// until the display is found, then shown as usual.
void watchForMissingDisplay(const Arguments &arguments);
void displayFound();

} // namespace CommandLine
