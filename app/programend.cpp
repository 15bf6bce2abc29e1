#include "app/programend.h"
#include "app/modStartup.h"

#include "widgets/windowsystem.h"

#include <cstdio>
#include <cstdlib>

int endOfProgram(int status)
{
    if (WindowSystem::disconnectsSafely())
        return status;
    modStartup::releaseInstanceLock();
    std::fflush(nullptr);
    std::_Exit(status);
}
