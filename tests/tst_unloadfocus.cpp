// Focus handlers and discarded windows. A window is discarded by hiding it, then deleting it.
// A late activation from the window system (a message box closed just before, say) can still
// make the hidden window active and give its text box the focus back; the box is then told it
// lost the focus from its own destructor, when it is no longer whole. No handler may run then.

#include "testapp.h"
#include "widgets/focusevents.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

class TestUnloadFocus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void aHiddenWindowsControlsRunNoFocusHandler()
    {
        auto *window = new QWidget;
        auto *layout = new QVBoxLayout(window);
        auto *box = new QLineEdit(window);
        auto *other = new QLineEdit(window);
        layout->addWidget(box);
        layout->addWidget(other);
        int lost = 0;
        bool halfDestroyed = false;
        new FocusEvents(
            *box, [] {},
            [&lost, &halfDestroyed, box] {
                ++lost;
                // What a handler reads, the text, needs the whole line edit.
                halfDestroyed = halfDestroyed || !qobject_cast<QLineEdit *>(box);
            });
        window->show();
        QApplication::setActiveWindow(window);
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);
        other->setFocus();
        QCOMPARE(lost, 1);

        window->hide();
        // The late activation Qt acts on gives the focus to the first box of the hidden window.
        QApplication::setActiveWindow(window);
        QCOMPARE(QApplication::focusWidget(), box);
        delete window;
        QVERIFY(!halfDestroyed);
        QCOMPARE(lost, 1);
    }
};

QTEST_MAIN(TestUnloadFocus)
#include "tst_unloadfocus.moc"
