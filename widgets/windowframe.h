#pragma once

// The frame every window of the program has: a title bar with a close box only, a client
// area of fixed size, centred on the screen with its title bar and border when it opens.

#include <QSize>

class QMainWindow;
class QWidget;

void useFixedSingleBorder(QWidget &window, QSize clientSize);
void useFixedSingleBorder(QMainWindow &window, QSize clientSize);

void centreOnScreen(QWidget &window);
