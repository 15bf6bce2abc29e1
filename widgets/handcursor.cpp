#include "widgets/handcursor.h"
#include "widgets/rawpicture.h"
#include "widgets/windowsystem.h"

#include <QGuiApplication>
#include <QPixmap>

namespace {
// The tip of the index finger, where the click lands (assets/draw_assets.py draws it there).
constexpr int HandHotSpotX = 10;
constexpr int HandHotSpotY = 1;

QPixmap handPicture()
{
    // Twice the size on a high-density screen; the hot spot stays where the finger points.
    return QPixmap::fromImage(rawPicture(qApp->devicePixelRatio() > 1.0
                                             ? QStringLiteral(":/assets/hand@2x.rgba")
                                             : QStringLiteral(":/assets/hand.rgba")));
}
} // namespace

QPoint handHotSpot(qreal pictureRatio, bool inPicturePixels)
{
    const qreal unit = inPicturePixels ? pictureRatio : 1.0;
    return {qRound(HandHotSpotX * unit), qRound(HandHotSpotY * unit)};
}

const QCursor &handCursor()
{
    static const QPixmap picture = handPicture();
    static const QPoint hotSpot =
        handHotSpot(picture.devicePixelRatio(), WindowSystem::cursorHotSpotInPicturePixels());
    static const QCursor cursor(picture, hotSpot.x(), hotSpot.y());
    return cursor;
}
