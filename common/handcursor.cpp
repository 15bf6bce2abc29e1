#include "common/handcursor.h"

#include <QPixmap>

namespace {
// The tip of the index finger, where the click lands (assets/draw_assets.py draws it there).
constexpr int HandHotSpotX = 10;
constexpr int HandHotSpotY = 1;
} // namespace

const QCursor &HandCursor()
{
    static const QCursor cursor(QPixmap(QStringLiteral(":/assets/hand.png")), HandHotSpotX,
                                HandHotSpotY);
    return cursor;
}
