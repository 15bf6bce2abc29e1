#pragma once

class QWidget;

// Verdana 8.25 pt, the font a window's controls use unless they say otherwise. Where Verdana
// is missing the font system picks its nearest substitute.
void useVerdanaFont(QWidget &window);
