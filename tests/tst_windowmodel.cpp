// The life of a window and the shutdown routine, on windows made for the test.

#include "common/modHelp.h"
#include "common/windowmodel.h"
#include "testapp.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {
QStringList journal;

// Writes its life into the journal; holds a text box whose contents should survive hiding.
template <class Window> class JournalWindow : public Form<Window, QWidget> {
public:
    QLineEdit *edit = new QLineEdit(this);

protected:
    void Form_Load() override { journal << name() + QStringLiteral(" load"); }
    void Form_Unload() override
    {
        journal << name() + QStringLiteral(" unload");
        onUnload();
    }
    virtual QString name() const = 0;
    virtual void onUnload() {}
};

class WindowA : public JournalWindow<WindowA> {
    QString name() const override { return QStringLiteral("A"); }
};

class WindowB : public JournalWindow<WindowB> {
    QString name() const override { return QStringLiteral("B"); }
};

// Ends the program when it goes, as the farewell window does.
class EndingWindow : public JournalWindow<EndingWindow> {
    QString name() const override { return QStringLiteral("Ending"); }
    void onUnload() override { modHelp::EndApplication(); }
};

// Loads another window while it goes, as a careless unload handler might.
class LoadingWindow : public JournalWindow<LoadingWindow> {
    QString name() const override { return QStringLiteral("Loading"); }
    void onUnload() override { WindowB::get(); }
};
} // namespace

class TestWindowModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init() { journal.clear(); }
    void cleanup() { resetApplication(); }

    void touchingAWindowLoadsItOnce()
    {
        QVERIFY(!WindowA::isLoaded());
        WindowA &first = WindowA::get();
        QVERIFY(WindowA::isLoaded());
        QCOMPARE(&WindowA::get(), &first);
        QVERIFY(!first.isVisible());
        QCOMPARE(journal, QStringList{QStringLiteral("A load")});
    }

    void loadedWindowsComeInLoadOrder()
    {
        WindowB::get();
        WindowA::get();
        const QList<LoadedWindow *> loaded = loadedWindows();
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(&loaded[0]->widget(), &WindowB::get());
        QCOMPARE(&loaded[1]->widget(), &WindowA::get());
    }

    void hidingKeepsTheContents()
    {
        WindowA::get().show();
        WindowA::get().edit->setText(QStringLiteral("kept"));
        WindowA::get().hide();
        QCOMPARE(WindowA::get().edit->text(), QStringLiteral("kept"));
    }

    void unloadingRunsTheHandlerAndTheNextUseIsFresh()
    {
        WindowA::get().edit->setText(QStringLiteral("gone"));
        QPointer<WindowA> old = &WindowA::get();
        WindowA::unload();
        QVERIFY(!WindowA::isLoaded());
        QVERIFY(loadedWindows().isEmpty());
        QCOMPARE(journal, QStringList({QStringLiteral("A load"), QStringLiteral("A unload")}));
        QVERIFY(WindowA::get().edit->text().isEmpty());
        QVERIFY(&WindowA::get() != old.data());
        QTRY_VERIFY(old.isNull());
    }

    void aWindowIsUnloadedAtMostOnce()
    {
        LoadedWindow &window = WindowA::get();
        unloadWindow(window);
        unloadWindow(window);
        WindowA::unload();
        QCOMPARE(journal.count(QStringLiteral("A unload")), 1);
    }

    void theCloseBoxUnloads()
    {
        WindowA::get().show();
        QVERIFY(WindowA::get().close());
        QVERIFY(!WindowA::isLoaded());
        QCOMPARE(journal.last(), QStringLiteral("A unload"));
    }

    void endApplicationUnloadsEveryWindowInLoadOrderOnce()
    {
        WindowA::get().show();
        EndingWindow::get().show();
        WindowB::get();
        modHelp::EndApplication();
        QCOMPARE(journal,
                 QStringList({QStringLiteral("A load"), QStringLiteral("Ending load"),
                              QStringLiteral("B load"), QStringLiteral("A unload"),
                              QStringLiteral("Ending unload"), QStringLiteral("B unload")}));
        QVERIFY(loadedWindows().isEmpty());
        QVERIFY(modHelp::applicationEnded());
        QVERIFY(!modHelp::shutdownUnderway());
    }

    void closingAWindowThatEndsTheProgramEndsIt()
    {
        WindowA::get();
        EndingWindow::get().show();
        EndingWindow::get().close();
        QCOMPARE(journal.count(QStringLiteral("Ending unload")), 1);
        QCOMPARE(journal.count(QStringLiteral("A unload")), 1);
        QVERIFY(loadedWindows().isEmpty());
        QVERIFY(modHelp::applicationEnded());
    }

    void aWindowLoadedDuringTheShutdownIsUnloadedToo()
    {
        LoadingWindow::get();
        modHelp::EndApplication();
        QCOMPARE(journal.count(QStringLiteral("B unload")), 1);
        QVERIFY(loadedWindows().isEmpty());
    }

    void endApplicationLeavesTheEventLoopsWithStatusZero()
    {
        WindowA::get().show();
        QEventLoop outer;
        QTimer::singleShot(0, &outer, [] {
            // A modal loop inside the main one, as when a message box is up.
            QEventLoop inner;
            QTimer::singleShot(0, &inner, &modHelp::EndApplication);
            inner.exec();
        });
        QCOMPARE(outer.exec(), 0);
        QVERIFY(!WindowA::isLoaded());
    }
};

QTEST_MAIN(TestWindowModel)
#include "tst_windowmodel.moc"
