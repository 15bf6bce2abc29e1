#include "widgets/windowsystem.h"

#include <QGuiApplication>

namespace WindowSystem {

namespace {
bool onWayland()
{
    // "wayland", and "wayland-egl" when asked for by name.
    return QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}
} // namespace

bool placesWindows()
{
    return !onWayland();
}

bool cursorHotSpotInPicturePixels()
{
    return !onWayland();
}

bool disconnectsSafely()
{
    return !onWayland();
}

} // namespace WindowSystem
