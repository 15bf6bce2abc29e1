#include "widgets/windowsystem.h"

#include "widgets/displayprobe.h"

#include <QGuiApplication>

namespace WindowSystem {

QByteArray chosenPlatform(const QByteArray &namedPlatform, const QByteArray &namedDisplay)
{
    // Qt takes an empty QT_QPA_PLATFORM as none.
    if (!namedPlatform.isNull() || !qgetenv("QT_QPA_PLATFORM").isEmpty())
        return {};
    const QByteArray x = namedDisplay.isNull() ? qgetenv("DISPLAY") : namedDisplay;
    if (!x.isEmpty() && DisplayProbe::xServerAnswers(x))
        return QByteArrayLiteral("xcb");
    if (DisplayProbe::waylandAnswers(qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_RUNTIME_DIR")))
        return QByteArrayLiteral("wayland");
    return x.isEmpty() ? QByteArray() : QByteArrayLiteral("xcb");
}

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

bool maximisesAnyWindow()
{
    return onWayland();
}

bool disconnectsSafely()
{
    return !onWayland();
}

} // namespace WindowSystem
