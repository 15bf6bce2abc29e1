#include "app/modStartup.h"
#include "common/modHelp.h"
#include "common/programfont.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Closing a window never ends the program by itself; only the shutdown routine does.
    QApplication::setQuitOnLastWindowClosed(false);
    useProgramFont();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/app-icon.png")));

    modStartup::StartApplication();
    if (modHelp::ApplicationEnded())
        return 0;
    const int status = QApplication::exec();
    // The unloaded windows are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
