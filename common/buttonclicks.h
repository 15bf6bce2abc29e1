#pragma once

// Connects a button's click to its handler, for a click the user can still make when it lands.
// An access key holds its button down for a moment before the click arrives; in that moment a
// quick user may press the same button with the mouse, or leave the window. A click that finds
// its button hidden (its window gone) or disabled (its page covered) is dropped, so that no
// handler runs for a window that is no longer on screen, and no page counts its answer twice.

#include <QAbstractButton>

template <class Window>
void connectClick(QAbstractButton *button, Window *window, void (Window::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, window, [button, window, handler] {
        if (button->isVisible() && button->isEnabled())
            (window->*handler)();
    });
}
