#pragma once

#include <QCursor>

// The pointing hand shown over every clickable text of the program.
const QCursor &handCursor();

// The tip of the index finger, where the click lands, for a hand picture of the given pixel
// ratio: in the picture's own pixels, or in the window's (the picture's over its ratio).
QPoint handHotSpot(qreal pictureRatio, bool inPicturePixels);
