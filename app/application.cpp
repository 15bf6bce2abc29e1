#include "app/application.h"

#include "translations/language.h"
#include "widgets/applicationicon.h"
#include "widgets/fixedsize.h"
#include "widgets/mirroredforms.h"
#include "widgets/programfont.h"
#include "widgets/programstyle.h"

#include <QApplication>

void prepareApplication()
{
    // The menus belong to the windows, as they are laid out, never to a desktop-wide menu bar;
    // asking the desktop for one would also cost a session-bus connection at start-up.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // Closing a window never ends the program by itself; only the shutdown routine does.
    QApplication::setQuitOnLastWindowClosed(false);
    useProgramStyle();
    useProgramFont();
    Language::useDesktopLanguage();
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.zelvara.Tamsilo"));
    QApplication::setWindowIcon(applicationIcon());
    keepFixedSizeWindowsUnmaximised();
    mirrorFormsRightToLeft();
}
