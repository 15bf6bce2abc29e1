#pragma once

// Pictures needed before the first paint (the icon, the pointing hand), kept as plain pixels.
// Reading a PNG makes Qt load every image-format plugin to ask whether it reads PNG before it
// uses its own reader; at start-up that costs more than drawing the whole welcome window's text.

#include <QImage>

// The picture in a resource written by assets/draw_assets.py: width and height (32-bit
// little-endian), then RGBA rows; a name with "@2x" is for twice the pixel density, as with
// Qt's own pictures. A null image when the resource is missing or malformed.
QImage rawPicture(const QString &resource);
