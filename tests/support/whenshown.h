#pragma once

// Acts on a modal window from inside its own event loop: polls until the window is up and has
// the keyboard, runs the action once, then closes the window whatever the action did. A check
// that failed inside the action therefore cannot leave the loop running; better still, the
// action only records what it sees and the test checks it after the loop has returned.

#include <QScopeGuard>
#include <QTest>
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
        const auto closeAfterwards = qScopeGuard([] {
            if (Window::isLoaded() && Window::get().isVisible())
                Window::get().close();
        });
        // The window takes the focus only once the window system has activated it; one that is
        // never activated is acted on all the same, and the checks after the loop tell.
        (void)QTest::qWaitFor([] { return !Window::isLoaded() || Window::get().isActiveWindow(); });
        if (Window::isLoaded())
            action(Window::get());
    });
    poll->start();
}
