#pragma once

// Connects a button's click to its handler, for a click the user can still make when it lands.
// An access key holds its button down for a moment before the click arrives; in that moment a
// quick user may press the same button with the mouse, leave the window, or type a key that
// brings up a message. A click that finds its button hidden (its window gone), disabled (its
// page covered) or under a message box or the about window is dropped, so that no handler
// runs for a window that is no longer on screen or that a modal window holds, and no page
// counts its answer twice.

#include <QAbstractButton>
#include <QApplication>

template <class Window>
void connectClick(QAbstractButton *button, Window *window, void (Window::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, window, [button, window, handler] {
        const QWidget *modal = QApplication::activeModalWidget();
        if (button->isVisible() && button->isEnabled() && (!modal || modal == button->window()))
            (window->*handler)();
    });
}
