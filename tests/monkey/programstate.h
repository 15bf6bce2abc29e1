#pragma once

// What the monkey test checks the program against: the states of the program's life, told
// apart by the windows on screen, and the moves between them the program may make.

#include <QString>

class QWidget;

enum class ProgramState { Starting, Welcome, Testing, Farewell, Ended };

QString nameOf(ProgramState state);

// Between two user actions the program stays where it is or makes one of these moves.
bool mayFollow(ProgramState from, ProgramState to);

// The welcome, questionnaire and farewell windows.
bool isProgramWindow(const QWidget *widget);
// The about window, Measure My Shape, message boxes and Qt's dialogs, which open modal over a
// program window.
bool isModal(const QWidget *widget);
// The file and print dialogs that the result card asks with.
bool isQtDialog(const QWidget *widget);
// The object name, and a message box's text, for the record of a run.
QString describe(const QWidget *widget);
