#pragma once

// Work that can wait until a window is on screen: it runs once, right after the window's first
// paint, while the user looks at the window and the program would otherwise wait for input.

#include <functional>

class QWidget;

// Call after the window has been shown.
void runAfterFirstPaint(QWidget &window, std::function<void()> work);
