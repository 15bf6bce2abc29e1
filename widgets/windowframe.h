#pragma once

// The frame every window of the program has: a title bar with a close box only, a client
// area of fixed size, centred on the screen with its title bar and border when it opens (where
// the window system lets the program place its windows).

#include <QSize>

#include <Qt>

class QMainWindow;
class QWidget;

// A title bar with a close box only, plus any `extra` hints (staying on top). Called before the
// window's controls are made: new hints on a window that has its controls style every one of
// them again, which took half the time a window needs to come up the first time.
void useCloseBoxOnly(QWidget &window, Qt::WindowFlags extra = {});

// The close box (again, which costs nothing when the window has it), then the size and place.
void useFixedSingleBorder(QWidget &window, QSize clientSize);
void useFixedSingleBorder(QMainWindow &window, QSize clientSize);

void centreOnScreen(QWidget &window);
