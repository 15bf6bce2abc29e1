#pragma once

// The application icon, the red silhouette every window carries, in the size the screen needs.

#include <QIcon>

class QLabel;

// The icon with its double-size picture, for screens of twice the pixel density.
QIcon applicationIcon();

// Redraws a picture box that shows the icon (as its window was designed) at the pixel density of
// its screen, so that it is as sharp there as at the designed size.
void sharpenIconPicture(QLabel &picture);
