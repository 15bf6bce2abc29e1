#pragma once

// What the window system lets the program do with its windows. Under X11 the program places a
// window where it likes, and the window manager tells the frame it adds. A Wayland compositor
// places every window itself and tells nothing of frames; Qt draws the title bars there. The
// windows never ask which one they run on, only what it lets them do.

namespace WindowSystem {

// Windows can be moved to a place of the program's choosing, and their frames be known.
bool placesWindows();

// A cursor picture's hot spot is counted in the picture's own pixels (X takes the picture pixel
// for pixel), not in the window's (Wayland scales the picture by its pixel ratio).
bool cursorHotSpotInPicturePixels();

// Qt can close its connection to the window system safely. Qt 6.4 on Wayland can hang for good
// in it: its event thread waits to read events that the main thread, waiting for that thread
// to end, never reads.
bool disconnectsSafely();

} // namespace WindowSystem
