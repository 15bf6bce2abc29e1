#include "app/modStartup.h"
#include "app/instancelock.h"
#include "app/windowwarmup.h"

#include "common/apprandom.h"
#include "common/deferredwrites.h"
#include "common/modHelp.h"
#include "shapetest/frmMain.h"
#include "widgets/afterfirstpaint.h"
#include "widgets/messages.h"

#include <QCoreApplication>
#include <memory>

namespace {
std::int16_t intCoBrandRandomNumber = 0;

// Lives until the process ends; its destructor releases the lock.
InstanceLock &userLock()
{
    static InstanceLock lock(InstanceLock::userLockPath());
    return lock;
}

bool anotherInstanceRunning()
{
    if (InstanceLock::userLockPath().isEmpty())
        return false;
    return userLock().acquire() == InstanceLock::Outcome::AlreadyRunning;
}
} // namespace

namespace modStartup {

void StartApplication()
{
    if (anotherInstanceRunning()) {
        // Above the running copy's farewell window, which is kept above all others; this copy
        // has no window of its own for it to belong to.
        showInformationAboveAll(
            nullptr, QCoreApplication::translate("modStartup", "Application is already running"));
        modHelp::EndApplication();
        return;
    }
    AppRandom::seedFromClock();
    modHelp::CheckUpdateReminder();
    frmMain::get().show();
    CoBrand_Randomize();
    runAfterFirstPaint(frmMain::get(), [] {
        runDeferredWrites();
        warmUpLaterWindows();
    });
}

void CoBrand_Randomize()
{
    intCoBrandRandomNumber = static_cast<std::int16_t>(6 * AppRandom::nextUniform()) + 1;
    if (intCoBrandRandomNumber % 2 == 1)
        frmMain::get().bringCobrandToFront();
    else
        frmMain::get().bringFullBrandToFront();
}

void releaseInstanceLock()
{
    if (!InstanceLock::userLockPath().isEmpty())
        userLock().release();
}

std::int16_t coBrandRandomNumber()
{
    return intCoBrandRandomNumber;
}

} // namespace modStartup
