#include "app/application.h"
#include "app/commandline.h"
#include "app/modStartup.h"
#include "app/programend.h"
#include "common/modHelp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    CommandLine::Arguments arguments(argc, argv);
    if (const std::optional<int> status = arguments.answerInformationOption())
        return *status;
    CommandLine::watchForMissingDisplay(arguments);
    QApplication app(arguments.count(), arguments.values());
    CommandLine::displayFound();
    prepareApplication();
    modStartup::StartApplication();
    if (modHelp::applicationEnded())
        return endOfProgram(0);
    const int status = QApplication::exec();
    // The unloaded windows are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return endOfProgram(status);
}
