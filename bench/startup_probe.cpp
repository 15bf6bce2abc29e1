// The program's own start-up, ended at the first paint of the welcome window: the same
// preparation and start-up routine as the program, with a clock at the end.

#include "app/application.h"
#include "app/modStartup.h"
#include "firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QuitAtFirstPaint quit;
    prepareApplication();
    modStartup::StartApplication();
    return QApplication::exec();
}
