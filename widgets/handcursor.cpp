#include "widgets/handcursor.h"

#include <QGuiApplication>
#include <QPixmap>

namespace {
// The tip of the index finger, where the click lands (assets/draw_assets.py draws it there).
constexpr int HandHotSpotX = 10;
constexpr int HandHotSpotY = 1;

QPixmap handPicture()
{
    // Twice the size on a high-density screen; the hot spot stays where the finger points.
    QPixmap picture;
    if (qApp->devicePixelRatio() > 1.0 && picture.load(QStringLiteral(":/assets/hand@2x.png"))) {
        picture.setDevicePixelRatio(2.0);
        return picture;
    }
    picture.load(QStringLiteral(":/assets/hand.png"));
    return picture;
}
} // namespace

const QCursor &handCursor()
{
    // The window system takes the picture pixel for pixel, the double-size one too, and the
    // hot spot with it: it is counted in the picture's own pixels.
    static const QPixmap picture = handPicture();
    static const QCursor cursor(picture, qRound(HandHotSpotX * picture.devicePixelRatio()),
                                qRound(HandHotSpotY * picture.devicePixelRatio()));
    return cursor;
}
