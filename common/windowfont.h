#pragma once

class QWidget;

// Verdana 8.25 pt, the font a window's controls use unless they say otherwise. Where Verdana
// is missing the font system picks its nearest substitute.
void useVerdanaFont(QWidget &window);

// "MS Sans Serif" 8.25 pt, the system's classic dialog font, for windows that keep it.
void useMsSansSerifFont(QWidget &window);
