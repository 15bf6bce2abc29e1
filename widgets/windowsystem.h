#pragma once

// What the window system lets the program do with its windows. Under X11 the program places a
// window where it likes, and the window manager tells the frame it adds. A Wayland compositor
// places every window itself and tells nothing of frames; Qt draws the title bars there. The
// windows never ask which one they run on, only what it lets them do.

#include <QByteArray>

namespace WindowSystem {

// The window system the program asks Qt for, given the platform and the X display named on the
// command line (-platform, -display; null when not named). None, for Qt to choose as usual, when
// the user named one there or in QT_QPA_PLATFORM. Otherwise X whenever its display (-display,
// else DISPLAY) answers, as Xwayland gives every Wayland desktop, so that the windows are
// centred, kept on top and fixed in size as the program was made; else Wayland when its display
// (WAYLAND_DISPLAY) answers, so that a stale DISPLAY costs nothing; else X when a display is
// named, for Qt to fail on it and the program to say which; else none.
QByteArray chosenPlatform(const QByteArray &namedPlatform, const QByteArray &namedDisplay);

// Windows can be moved to a place of the program's choosing, and their frames be known.
bool placesWindows();

// A cursor picture's hot spot is counted in the picture's own pixels (X takes the picture pixel
// for pixel), not in the window's (Wayland scales the picture by its pixel ratio).
bool cursorHotSpotInPicturePixels();

// The window system may maximise any window, whatever its largest size, and then wants a frame
// of the size it gives.
bool maximisesAnyWindow();

// Qt can close its connection to the window system safely. Qt 6.4 on Wayland can hang for good
// in it: its event thread waits to read events that the main thread, waiting for that thread
// to end, never reads.
bool disconnectsSafely();

} // namespace WindowSystem
