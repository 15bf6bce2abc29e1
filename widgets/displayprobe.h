#pragma once

// Whether a display answers, found out before Qt is asked to open it: a connection to the
// display's socket, without speaking its protocol, so that no X or Wayland library is needed
// and a display that is gone costs a failed connect, not Qt's abort.

#include <QByteArray>

namespace DisplayProbe {

// The X server of a display name as DISPLAY gives it, "[protocol/][host]:number[.screen]": on
// this machine its socket (Linux's abstract one, then the one in /tmp/.X11-unix), elsewhere TCP
// port 6000 + number. A name it cannot read counts as answering, for Qt to try.
bool xServerAnswers(const QByteArray &display);

// The Wayland compositor of a display name as WAYLAND_DISPLAY gives it: a socket in the runtime
// folder, or an absolute path.
bool waylandAnswers(const QByteArray &display, const QByteArray &runtimeFolder);

} // namespace DisplayProbe
