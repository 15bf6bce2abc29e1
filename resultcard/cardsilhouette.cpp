#include "resultcard/cardsilhouette.h"

#include <QtMath>

namespace ResultCard {

namespace {

// The silhouettes are drawn in three greys: the figure over the guide lines over the ground,
// with edges antialiased.
constexpr qreal Figure = 0x40;
constexpr qreal Guide = 0xD0;
constexpr qreal Ground = 0xFF;
// How wide an edge is left, in dots of the enlarged picture.
constexpr qreal EdgeWidth = 1.5;

qreal mix(qreal from, qreal to, qreal share)
{
    return from + (to - from) * share;
}

// How much of each column the guide lines cover: they run from top to bottom, and the top row
// is above the figure's head.
QList<qreal> guideCoverage(const QImage &grey)
{
    QList<qreal> coverage(grey.width());
    for (int x = 0; x < grey.width(); ++x)
        coverage[x] = qBound(0.0, (Ground - grey.pixelColor(x, 0).red()) / (Ground - Guide), 1.0);
    return coverage;
}

// How much of each pixel the figure covers, as a grey of 0 to 255.
QImage figureCoverage(const QImage &grey, const QList<qreal> &guides)
{
    QImage coverage(grey.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *in = grey.constScanLine(y);
        uchar *out = coverage.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            const qreal behind = mix(Ground, Guide, guides[x]);
            out[x] = uchar(qRound(255 * qBound(0.0, (behind - in[x]) / (behind - Figure), 1.0)));
        }
    }
    return coverage;
}

} // namespace

QImage printableSilhouette(const QImage &picture, const QSizeF &box)
{
    if (picture.isNull())
        return {};
    QSizeF printed = picture.size();
    printed.scale(box, Qt::KeepAspectRatio);
    const int factor = qMax(1, qCeil(printed.height() / 72.0 * PrintDpi / picture.height()));
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const QList<qreal> guides = guideCoverage(grey);
    // A smooth enlargement of the figure's coverage leaves each edge a ramp as wide as the
    // factor; steepening it keeps the edge where it was, now about a dot wide.
    const QImage coverage =
        figureCoverage(grey, guides)
            .scaled(grey.size() * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const qreal steepness = factor / EdgeWidth;
    QImage large(coverage.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < large.height(); ++y) {
        const uchar *in = coverage.constScanLine(y);
        uchar *out = large.scanLine(y);
        for (int x = 0; x < large.width(); ++x) {
            const qreal figure = qBound(0.0, (in[x] / 255.0 - 0.5) * steepness + 0.5, 1.0);
            out[x] = uchar(qRound(mix(mix(Ground, Guide, guides[x / factor]), Figure, figure)));
        }
    }
    return large;
}

} // namespace ResultCard
