// Time from the fourth Next to the results page painted on screen, over repeated tests in one
// run of the program. Prints one duration in microseconds a line.

#include "app/application.h"
#include "app/modStartup.h"
#include "firstpaint.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
// Notes when a window has finished repainting itself after a change.
class RepaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::UpdateRequest)
            return false;
        watched->event(event);
        painted = true;
        return true;
    }
};

void waitUntilShown(QWidget &window)
{
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "%s never came up\n", qPrintable(window.objectName()));
        _exit(1);
    }
}

QPushButton *button(QWidget &window, const char *name)
{
    return window.findChild<QPushButton *>(QString::fromLatin1(name));
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    modStartup::StartApplication();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    frmMain &welcome = frmMain::get();
    waitUntilShown(welcome);
    welcome.findChild<QLineEdit *>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("B"));
    for (int run = 0; run < runs; ++run) {
        button(welcome, "cmdNext")->click();
        frmDisplay &display = frmDisplay::get();
        waitUntilShown(display);
        for (const char *next : {"cmdNext1", "cmdNext2", "cmdNext3"})
            button(display, next)->click();
        QTest::qWait(50);
        RepaintWatch watch;
        display.installEventFilter(&watch);
        const long long start = monotonicNanoseconds();
        button(display, "cmdNext4")->click();
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const long long end = monotonicNanoseconds();
        std::printf("%lld\n", (end - start) / 1000);
        std::fflush(stdout);
        display.removeEventFilter(&watch);
        button(display, "cmdBack")->click();
        waitUntilShown(welcome);
    }
    _exit(0);
}
