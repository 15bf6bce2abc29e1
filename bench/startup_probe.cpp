// The program's own start-up, ended at the first paint of the welcome window: the same
// preparation and start-up routine as the program, with a clock at the end.

#include "app/application.h"
#include "app/modStartup.h"
#include "firstpaint.h"
#include "translations/language.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QuitAtFirstPaint quit;
    prepareApplication();
    // A language given ("de") is loaded as the desktop's choice would load it, our translation
    // and Qt's, whether or not the program offers it yet.
    if (argc > 1)
        Language::use(QString::fromLatin1(argv[1]));
    modStartup::StartApplication();
    return QApplication::exec();
}
