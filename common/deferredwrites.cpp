#include "common/deferredwrites.h"

#include <QList>
#include <utility>

namespace {
QList<std::function<void()>> &queued()
{
    static QList<std::function<void()>> writes;
    return writes;
}
} // namespace

void deferWrite(std::function<void()> write)
{
    queued().append(std::move(write));
}

void runDeferredWrites()
{
    // Taken first, so a write that queues another cannot run it twice.
    const QList<std::function<void()>> writes = std::exchange(queued(), {});
    for (const std::function<void()> &write : writes)
        write();
}
