#include "app/application.h"

#include "common/programfont.h"

#include <QApplication>
#include <QIcon>

void PrepareApplication()
{
    // Closing a window never ends the program by itself; only the shutdown routine does.
    QApplication::setQuitOnLastWindowClosed(false);
    useProgramFont();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/app-icon.png")));
}
