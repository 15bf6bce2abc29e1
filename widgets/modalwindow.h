#pragma once

// A window opened modally over the window that asked for it: owned by that window (no task-bar
// button of its own, and kept above it), fixed at its designed size and centred, and discarded
// once closed. Esc closes a dialog without a close event, so it is unloaded here all the same.

#include "widgets/windowframe.h"

#include <QWidget>

namespace ModalWindow {

namespace Detail {
// The window the modal window now being built is for.
inline QWidget *ownerOfWindowBeingBuilt = nullptr;
} // namespace Detail

// Called first in the constructor of a window shown by showOver: takes the asking window as its
// owner before the controls are made, since a new owner afterwards styles every control again.
inline void takeOwner(QWidget &window)
{
    if (Detail::ownerOfWindowBeingBuilt)
        window.setParent(Detail::ownerOfWindowBeingBuilt, window.windowFlags());
}

// Returns once the window is closed and unloaded. `prepare` is given the window before it is
// shown, for what the opener decides; `closed` reads the window between closing and unloading.
template <class Window, class Prepare = void (*)(Window &), class Closed = void (*)(Window &)>
void showOver(
    QWidget &opener, Prepare prepare = [](Window &) {}, Closed closed = [](Window &) {})
{
    QWidget *const owner = opener.window();
    Detail::ownerOfWindowBeingBuilt = owner;
    Window &window = Window::get();
    Detail::ownerOfWindowBeingBuilt = nullptr;
    if (window.parentWidget() != owner)
        window.setParent(owner, window.windowFlags());
    useFixedSingleBorder(window, window.size());
    prepare(window);
    window.exec();
    closed(window);
    Window::unload();
}

} // namespace ModalWindow
