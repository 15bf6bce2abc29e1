// The same-content yardstick: a Qt Widgets main window with a menu bar and a Designer form of
// about the welcome window's text, in the program's font, ended at its first paint. Unlike
// the bare window it starts the font system and draws glyphs, as any window with text does.

#include "firstpaint.h"
#include "ui_baseline.h"
#include "widgets/programfont.h"

#include <QApplication>
#include <QMainWindow>
#include <optional>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // --stay keeps it open for a clock outside the process (bench_paintwatch).
    std::optional<QuitAtFirstPaint> quit;
    if (QCoreApplication::arguments().value(1) != QStringLiteral("--stay"))
        quit.emplace();
    // Menus in the window, as the program has them.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    useProgramFont();
    QMainWindow window;
    Ui::BaselineWindow form;
    form.setupUi(&window);
    window.show();
    return QApplication::exec();
}
