#pragma once

// Option buttons as the program's users know them: a light circle, with a dark dot in it when
// chosen, whatever the colours of the window around them. The desktop's own circles take their
// colours from the background, and on a dark one they all but vanish.

class QWidget;

// Draws every option button of the window so.
void useClassicOptionButtons(QWidget &window);
