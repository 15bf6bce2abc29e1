#pragma once

class QWidget;

// Verdana 8.25 pt, the font every control of the program uses unless its window says
// otherwise. Where Verdana is missing the nearest substitute of a similar width is used.
// Set once, before the first window is built.
void useProgramFont();

// "MS Sans Serif" 8.25 pt, the classic dialog font, for a window that keeps it as its own.
// Call before the window's controls are built, so that their fonts derive from it.
void useMsSansSerifFont(QWidget &window);
