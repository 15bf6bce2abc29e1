#pragma once

// Windows of a fixed size, message boxes included, stay at that size: a request to maximise
// one, from the title bar Qt draws on Wayland or from the compositor, is taken back at once.
// Left to itself, Qt 6.4 would answer the compositor's maximised size with the fixed one, and
// the compositor ends the program's connection for it.

// Watches every window of the application from now on.
void keepFixedSizeWindowsUnmaximised();
