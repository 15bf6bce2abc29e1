// Part of modHelp: EndApplication, the one way the program ends, and the shutdown state that
// unload handlers look at.

#include "common/deferredwrites.h"
#include "common/modHelp.h"
#include "common/shutdownstate.h"
#include "common/windowmodel.h"

#include <QCoreApplication>

namespace {
bool underway = false;
bool ended = false;
} // namespace

namespace modHelp {

void EndApplication()
{
    if (underway)
        return;
    underway = true;
    // What start-up left for after the first paint, should the program end before it.
    runDeferredWrites();
    // Unload handlers may load a window while we walk (a farewell window shown late), so take
    // the oldest loaded window each time round rather than a snapshot.
    while (!loadedWindows().isEmpty())
        unloadWindow(*loadedWindows().constFirst());
    underway = false;
    ended = true;
    // Leaves every event loop, including a modal one; main() does not start one if start-up
    // ended the application before it got that far.
    QCoreApplication::exit(0);
}

bool shutdownUnderway()
{
    return underway;
}

bool applicationEnded()
{
    return ended;
}

} // namespace modHelp

void forgetApplicationEnded()
{
    ended = false;
}
