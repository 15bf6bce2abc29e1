#pragma once

// Ends a benchmark process the moment its window has been painted for the first time, printing
// the monotonic clock (nanoseconds) so that the driver, which read the same clock just before
// starting the process, can tell how long it took.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <unistd.h>

inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

class QuitAtFirstPaint : public QObject {
public:
    QuitAtFirstPaint() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The first expose of a window paints all of it and flushes it to the screen; let
        // that happen, then stop the clock.
        if (event->type() != QEvent::Expose || !watched->isWindowType())
            return false;
        auto *window = static_cast<QWindow *>(watched);
        if (!window->isExposed() || window->title().isEmpty())
            return false;
        watched->event(event);
        std::printf("%lld\n", monotonicNanoseconds());
        std::fflush(stdout);
        _exit(0);
    }
};
