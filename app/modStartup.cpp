#include "app/modStartup.h"
#include "app/instancelock.h"

#include "common/appRandom.h"
#include "common/messages.h"
#include "common/modHelp.h"
#include "shapetest/frmMain.h"

#include <memory>

namespace {
std::int16_t intCoBrandRandomNumber = 0;

bool AnotherInstanceRunning()
{
    const QString path = InstanceLock::userLockPath();
    if (path.isEmpty())
        return false;
    // Lives until the process ends; its destructor releases the lock.
    static InstanceLock lock(path);
    return lock.acquire() == InstanceLock::Outcome::AlreadyRunning;
}
} // namespace

namespace modStartup {

void StartApplication()
{
    if (AnotherInstanceRunning()) {
        ShowInformation(QStringLiteral("Application is already running"));
        modHelp::EndApplication();
        return;
    }
    appRandom::Randomize();
    modHelp::CheckUpdateReminder();
    frmMain::get().show();
    CoBrand_Randomize();
}

void CoBrand_Randomize()
{
    intCoBrandRandomNumber = static_cast<std::int16_t>(6 * appRandom::Rnd()) + 1;
    if (intCoBrandRandomNumber % 2 == 1)
        frmMain::get().bringCobrandToFront();
    else
        frmMain::get().bringFullBrandToFront();
}

std::int16_t CoBrandRandomNumber()
{
    return intCoBrandRandomNumber;
}

} // namespace modStartup
