// The yardstick: a bare Qt Widgets window of the welcome window's size, ended at its first
// paint.

#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QuitAtFirstPaint quit;
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(497, 366);
    window.show();
    return QApplication::exec();
}
