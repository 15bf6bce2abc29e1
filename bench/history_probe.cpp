// My History with many entries, each figure in a fresh process:
//   history_probe fill N    keeps N entries, a day apart, in the history (not timed)
//   history_probe window    File > My History… on the welcome window, to the window's first
//                           paint: Qt SQL's driver loaded, the file read, table and chart filled
//   history_probe export    every entry read from the file and written as CSV, as Export does
// Prints the duration in microseconds.

#include "app/application.h"
#include "app/modStartup.h"
#include "firstpaint.h"
#include "history/historyfiles.h"
#include "history/historystore.h"
#include "shapetest/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
class PaintOfHistoryWindow : public QObject {
public:
    PaintOfHistoryWindow() { QCoreApplication::instance()->installEventFilter(this); }
    long long start = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || !watched->isWindowType() ||
            !static_cast<QWindow *>(watched)->isExposed())
            return false;
        const QWidgetList windows = QApplication::topLevelWidgets();
        const bool history = std::any_of(windows.cbegin(), windows.cend(), [&](QWidget *window) {
            return window->windowHandle() == watched && window->objectName() == u"HistoryWindow"_s;
        });
        if (!history)
            return false;
        watched->event(event);
        std::printf("%lld\n", (monotonicNanoseconds() - start) / 1000);
        std::fflush(stdout);
        _exit(0);
    }
};

int fill(int count)
{
    QList<History::Entry> entries;
    const QDate first = QDate::currentDate().addDays(-count);
    for (int day = 0; day < count; ++day) {
        const auto step = [day](int base) { return QString::number(base + day % 7) + u".5"_s; };
        entries << History::Entry{0,
                                  first.addDays(day),
                                  FigureRules::Unit::Centimetres,
                                  {step(88), step(68), step(80), step(97)},
                                  step(165),
                                  modShapeTest::ShapeIndex(day % 4),
                                  modShapeTest::ShapeIndex((day + 1) % 4)};
    }
    const std::unique_ptr<HistoryStore> store = HistoryStore::open();
    if (!store->removeAll() || !store->keepAll(entries)) {
        std::fprintf(stderr, "%s\n", qPrintable(store->error()));
        return 1;
    }
    return 0;
}

int exportAll()
{
    const long long start = monotonicNanoseconds();
    const std::optional<QList<History::Entry>> entries = HistoryStore::open()->entries();
    QSaveFile file(QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                   u"/history-export.csv"_s);
    if (!entries || !file.open(QIODevice::WriteOnly) ||
        !file.write(HistoryFiles::toCsv(*entries)) || !file.commit())
        return 1;
    std::printf("%lld\n", (monotonicNanoseconds() - start) / 1000);
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (which != "window"_L1) {
        QCoreApplication app(argc, argv);
        if (which == "fill"_L1 && argc > 2)
            return fill(QString::fromLocal8Bit(argv[2]).toInt());
        if (which == "export"_L1)
            return exportAll();
        std::fprintf(stderr, "usage: %s fill N|window|export\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    prepareApplication();
    modStartup::StartApplication();
    frmMain &welcome = frmMain::get();
    if (!QTest::qWaitForWindowExposed(&welcome))
        return 1;
    QTest::qWait(100);
    PaintOfHistoryWindow clock;
    clock.start = monotonicNanoseconds();
    welcome.findChild<QAction *>(u"mnuHistory"_s)->trigger();
    std::fprintf(stderr, "the history window was never painted\n");
    return 1;
}
