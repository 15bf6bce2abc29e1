// Clicks that land late: an access key holds its button down for a moment before the click
// arrives, and a quick user may in that moment press the button with the mouse too, or leave
// the window. A click arriving when its button can no longer be clicked is dropped.

#include "controls.h"
#include "farewell/frmFarewell.h"
#include "messageboxes.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "shapetest/modShapeTest.h"
#include "testapp.h"
#include "welcome.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Longer than an access key holds its button down.
constexpr int AfterLateClicks = 300;

void pressAccessKey(QWidget &window, Qt::Key letter)
{
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, letter, Qt::AltModifier);
}

int answersCounted()
{
    const modShapeTest::Tally &tally = modShapeTest::currentTally();
    return tally.intRulerCount + tally.intHourglassCount + tally.intSpoonCount + tally.intConeCount;
}
} // namespace

class TestLateClicks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { resetApplication(); }

    // Alt+N and a click on Next together count the page once and move on by one page.
    void nextByKeyAndMouseCountsOnce()
    {
        startTest();
        frmDisplay &display = frmDisplay::get();
        QTRY_VERIFY(display.isVisible());
        pressAccessKey(display, Qt::Key_N);
        QTest::mouseClick(control<QPushButton>(display, u"cmdNext1"_s), Qt::LeftButton);
        QTest::qWait(AfterLateClicks);
        QCOMPARE(answersCounted(), 1);
        QVERIFY(control<QPushButton>(display, u"cmdNext2"_s)->isEnabled());
        // The rest of the test then counts four answers in all.
        for (const QString &next : {u"cmdNext2"_s, u"cmdNext3"_s, u"cmdNext4"_s})
            QTest::mouseClick(control<QPushButton>(display, next), Qt::LeftButton);
        QCOMPARE(answersCounted(), 4);
    }

    // Alt+T and then Alt+X before the first lands: the test starts, and the welcome window,
    // hidden by then, does not leave for the farewell window behind the questionnaire.
    void startThenExitStartsTheTestOnly()
    {
        frmMain &welcome = showWelcome();
        auto *name = control<QLineEdit>(welcome, u"txtFirstName"_s);
        name->setFocus();
        QTest::keyClicks(name, u"ann"_s);
        pressAccessKey(welcome, Qt::Key_T);
        pressAccessKey(welcome, Qt::Key_X);
        QTest::qWait(AfterLateClicks);
        QVERIFY(frmDisplay::isLoaded() && frmDisplay::get().isVisible());
        QVERIFY(frmMain::isLoaded() && !frmMain::get().isVisible());
        QVERIFY(!frmFarewell::isLoaded() || !frmFarewell::get().isVisible());
    }

    // Alt+X, then a key refused with a message before Exit lands: the message holds the
    // window, and a click that lands under it is one the user could not have made.
    void exitByKeyUnderAMessageIsDropped()
    {
        frmMain &welcome = showWelcome();
        auto *name = control<QLineEdit>(welcome, u"txtFirstName"_s);
        name->setFocus();
        pressAccessKey(welcome, Qt::Key_X);
        QTimer::singleShot(AfterLateClicks, this, [] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                    box->button(QMessageBox::Ok)->click();
            }
        });
        QTest::keyClick(name, Qt::Key_7);
        QTest::qWait(AfterLateClicks);
        QVERIFY(frmMain::isLoaded() && frmMain::get().isVisible());
        QVERIFY(!frmFarewell::isLoaded());
    }

    // Alt+X and a click on the window's close box: the farewell window comes up once and stays.
    void exitByKeyThenCloseBoxLeavesOnce()
    {
        frmMain &welcome = showWelcome();
        pressAccessKey(welcome, Qt::Key_X);
        welcome.close();
        QTest::qWait(AfterLateClicks);
        QVERIFY(!frmMain::isLoaded());
        QVERIFY(frmFarewell::isLoaded() && frmFarewell::get().isVisible());
    }
};

QTEST_MAIN(TestLateClicks)
#include "tst_lateclicks.moc"
