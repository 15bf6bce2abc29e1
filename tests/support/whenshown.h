#pragma once

// Acts on a modal window from inside its own event loop: polls until the window is up, then
// runs the action once.

#include <QTimer>
#include <functional>

template <class Window> void whenShown(QObject *context, std::function<void(Window &)> action)
{
    auto *poll = new QTimer(context);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, context, [poll, action] {
        if (!Window::isLoaded() || !Window::get().isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(Window::get());
    });
    poll->start();
}
