#include "resultcard/cardsilhouette.h"

#include <QtMath>
#include <array>

namespace ResultCard {

namespace {

// The silhouettes have three greys: the figure, the guide lines and the ground, with
// antialiased steps between them.
constexpr int Figure = 0x40;
constexpr int Guide = 0xD0;
constexpr int Ground = 0xFF;
// Half the width, in grey levels, of the ramp left between two of them.
constexpr int Ramp = 8;

int steepened(int grey)
{
    const auto step = [](int value, int from, int to) {
        const int middle = (from + to) / 2;
        const int offset = qBound(-Ramp, value - middle, Ramp);
        return from + (to - from) * (offset + Ramp) / (2 * Ramp);
    };
    return grey < (Figure + Guide + Guide + Ground) / 4 ? step(grey, Figure, Guide)
                                                        : step(grey, Guide, Ground);
}

} // namespace

QImage printableSilhouette(const QImage &picture, const QSizeF &box)
{
    if (picture.isNull())
        return {};
    QSizeF printed = picture.size();
    printed.scale(box, Qt::KeepAspectRatio);
    const qreal neededDots = printed.height() / 72.0 * PrintDpi;
    const int factor = qMax(1, qCeil(neededDots / picture.height()));
    // A smooth enlargement leaves each edge a ramp as wide as the factor; steepening the ramp
    // keeps the edge where it was, now about a dot wide.
    QImage large =
        picture.convertToFormat(QImage::Format_Grayscale8)
            .scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::array<uchar, 256> curve{};
    for (int grey = 0; grey < 256; ++grey)
        curve[grey] = uchar(steepened(grey));
    for (int y = 0; y < large.height(); ++y) {
        uchar *line = large.scanLine(y);
        for (int x = 0; x < large.width(); ++x)
            line[x] = curve[line[x]];
    }
    return large;
}

} // namespace ResultCard
