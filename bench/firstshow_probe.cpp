// Time from a user's action to the first paint of a window's first showing in the process:
//   firstshow questionnaire   Take The Body Shape Test on the welcome window
//   firstshow results         the fourth Next, which fills and shows the results page
//   firstshow farewell        Exit on the welcome window
//   firstshow about           Help > About Software on the welcome window
// Prints the duration in microseconds and ends at once.

#include "app/application.h"
#include "app/modStartup.h"
#include "firstpaint.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
// Stops the clock once the named window has painted itself and flushed the paint to the
// screen: at its first expose for a window that comes up, at its next repaint for one that is
// already up (the results page takes the place of the last question page).
class FirstPaintOf : public QObject {
public:
    FirstPaintOf(const QString &windowName, bool alreadyUp)
        : m_windowName(windowName), m_alreadyUp(alreadyUp)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    long long start = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool painting =
            m_alreadyUp
                ? event->type() == QEvent::UpdateRequest && watched->objectName() == m_windowName
                : event->type() == QEvent::Expose && isExposedWindowNamed(watched);
        if (!painting)
            return false;
        watched->event(event);
        std::printf("%lld\n", (monotonicNanoseconds() - start) / 1000);
        std::fflush(stdout);
        _exit(0);
    }

private:
    bool isExposedWindowNamed(QObject *watched) const
    {
        if (!watched->isWindowType() || !static_cast<QWindow *>(watched)->isExposed())
            return false;
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.cbegin(), windows.cend(), [&](const QWidget *window) {
            return window->windowHandle() == watched && window->objectName() == m_windowName;
        });
    }

    QString m_windowName;
    bool m_alreadyUp;
};

void waitUntilShown(QWidget &window)
{
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "%s never came up\n", qPrintable(window.objectName()));
        _exit(1);
    }
    // Lets the window manager and the first paints settle before the user acts.
    QTest::qWait(100);
}

// From the action to the paint in one function, so that callgrind can count just that span:
//   valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*actUntilPainted*' ...
[[noreturn, gnu::noinline]] void actUntilPainted(const std::function<void()> &act)
{
    act();
    QApplication::exec();
    std::fprintf(stderr, "the window was never painted\n");
    _exit(1);
}

QAbstractButton *button(QWidget &window, const QString &name)
{
    return window.findChild<QAbstractButton *>(name);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    modStartup::StartApplication();
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    frmMain &welcome = frmMain::get();
    waitUntilShown(welcome);
    welcome.findChild<QLineEdit *>(u"txtFirstName"_s)->setText(u"B"_s);

    QString windowName;
    std::function<void()> act;
    if (which == "questionnaire"_L1) {
        windowName = u"frmDisplay"_s;
        act = [&] { button(welcome, u"cmdNext"_s)->click(); };
    } else if (which == "results"_L1) {
        button(welcome, u"cmdNext"_s)->click();
        frmDisplay &display = frmDisplay::get();
        waitUntilShown(display);
        for (const QString &next : {u"cmdNext1"_s, u"cmdNext2"_s, u"cmdNext3"_s})
            button(display, next)->click();
        QTest::qWait(100);
        windowName = u"frmDisplay"_s;
        act = [&display] { button(display, u"cmdNext4"_s)->click(); };
    } else if (which == "farewell"_L1) {
        windowName = u"frmFarewell"_s;
        act = [&] { button(welcome, u"cmdExit"_s)->click(); };
    } else if (which == "about"_L1) {
        windowName = u"frmAbout"_s;
        act = [&] { welcome.findChild<QAction *>(u"mnuAbout"_s)->trigger(); };
    } else {
        std::fprintf(stderr, "usage: %s questionnaire|results|farewell|about\n", argv[0]);
        return 2;
    }

    FirstPaintOf clock(windowName, which == "results"_L1);
    clock.start = monotonicNanoseconds();
    actUntilPainted(act);
}
