#pragma once

// Connects a menu item to what it does, for a choice the user can still make. A hidden window's
// menu is out of sight and out of reach of its keys, but a screen reader can still choose its
// items; such a choice is dropped, so that nothing runs for a window that is not on screen.

#include <QAction>
#include <QWidget>
#include <type_traits>

template <class Window, class Handler>
void connectMenuItem(QAction *item, Window *window, Handler handler)
{
    QObject::connect(item, &QAction::triggered, window, [window, handler] {
        if (!window->isVisible())
            return;
        if constexpr (std::is_member_function_pointer_v<Handler>)
            (window->*handler)();
        else
            handler();
    });
}
