#pragma once

// The shape's silhouette as the card prints it. The pictures are drawn for the screen, at
// about 100 dots per inch on the card; on paper that shows every pixel's edge. Enlarged here
// to at least 300 dots per inch at the printed size, with the figure's edges redrawn crisp.

#include <QImage>
#include <QSizeF>

namespace ResultCard {

inline constexpr int PrintDpi = 300;

// `picture` enlarged so that, fitted into `box` (in points), it has at least PrintDpi dots per
// inch; a null picture stays null.
QImage printableSilhouette(const QImage &picture, const QSizeF &box);

} // namespace ResultCard
