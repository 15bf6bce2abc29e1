// Start-up: the single-copy rule, the order of the first steps, and the promotional label.

#include "app/commandline.h"
#include "app/instancelock.h"
#include "app/modStartup.h"
#include "common/apprandom.h"
#include "common/modHelp.h"
#include "common/reminderdate.h"
#include "common/windowmodel.h"
#include "messageboxes.h"
#include "openedurls.h"
#include "shapetest/frmMain.h"
#include "testapp.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {
void storeReminderValue(const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, u"ZVFreeTamsilo"_s);
    settings.setValue(u"Settings/"_s + modHelp::ScrambleSetting(u"Duration"_s), value);
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareTestApplication();
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void init() { m_settings = useFreshSettings(); }
    void cleanup() { resetApplication(); }

    void oneLockPerPath()
    {
        const QString path = m_runtime.filePath(u"one.lock"_s);
        InstanceLock first(path);
        QCOMPARE(first.acquire(), InstanceLock::Outcome::FirstInstance);
        InstanceLock second(path);
        QCOMPARE(second.acquire(), InstanceLock::Outcome::AlreadyRunning);
        QCOMPARE(first.acquire(), InstanceLock::Outcome::FirstInstance);
    }

    void aLockThatCannotBeMadeLetsTheProgramRun()
    {
        QFile plainFile(m_runtime.filePath(u"not-a-folder"_s));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        InstanceLock lock(plainFile.fileName() + u"/zv-tamsilo.lock"_s);
        QCOMPARE(lock.acquire(), InstanceLock::Outcome::Unavailable);
    }

    void theLockLivesInTheUsersRuntimeFolder()
    {
        QCOMPARE(InstanceLock::userLockPath(), m_runtime.filePath(u"zv-tamsilo.lock"_s));
    }

    void theProgramRunsOnXUnlessAPlatformIsNamed_data()
    {
        QTest::addColumn<QByteArrayList>("line"); // picked, QT_QPA_PLATFORM, DISPLAY, then argv
        QTest::newRow("nothing named") << QByteArrayList{"xcb", {}, ":0", "zv", "-platformtheme"};
        QTest::newRow("named empty") << QByteArrayList{"xcb", "", ":0", "zv"};
        QTest::newRow("named wayland") << QByteArrayList{{}, "wayland", ":0", "zv"};
        QTest::newRow("-platform") << QByteArrayList{{}, {}, ":0", "zv", "-platform", "wayland"};
        QTest::newRow("--platform") << QByteArrayList{{}, {}, ":0", "zv", "--platform", "xcb"};
        QTest::newRow("no X display") << QByteArrayList{{}, {}, {}, "zv"};
        QTest::newRow("empty DISPLAY") << QByteArrayList{{}, {}, "", "zv"};
    }
    void theProgramRunsOnXUnlessAPlatformIsNamed()
    {
        QFETCH(QByteArrayList, line);
        std::vector<const char *> c;
        for (const QByteArray &part : line)
            c.push_back(part.isNull() ? nullptr : part.constData());
        QCOMPARE(CommandLine::chosenPlatform(c[1], c[2], int(c.size()) - 3, &c[3]), c[0]);
    }
    // Runs before a copy of the program holds the lock in this process.
    void aSecondCopySaysSoAndEnds()
    {
        InstanceLock running(InstanceLock::userLockPath());
        QCOMPARE(running.acquire(), InstanceLock::Outcome::FirstInstance);
        MessageBoxAnswerer boxes;
        modStartup::StartApplication();
        QCOMPARE(boxes.texts(), QStringList{u"Application is already running"_s});
        QCOMPARE(boxes.seen().first().title, u"ZV Tamsilo"_s);
        QCOMPARE(boxes.seen().first().icon, QMessageBox::Information);
        QVERIFY(modHelp::applicationEnded());
        QVERIFY(!frmMain::isLoaded());
    }

    void theFirstCopyShowsTheWelcomeWindowAndHoldsTheLock()
    {
        MessageBoxAnswerer boxes;
        modStartup::StartApplication();
        const qsizetype windowsAtStart = QApplication::topLevelWidgets().size();
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(frmMain::get().isVisible());
        QVERIFY(!modHelp::applicationEnded());
        InstanceLock other(InstanceLock::userLockPath());
        QCOMPARE(other.acquire(), InstanceLock::Outcome::AlreadyRunning);
        const int drawn = modStartup::coBrandRandomNumber();
        QVERIFY(drawn >= 1 && drawn <= 6);
        // What start-up prepares once the window is up keeps the first start's date, then loads
        // no other window and leaves none.
        const QString settingsFile = m_settings + u"/ZVFreeTamsilo.conf"_s;
        QVERIFY(!QFileInfo::exists(settingsFile));
        QTRY_VERIFY(QFileInfo::exists(settingsFile));
        QCOMPARE(loadedWindows(), QList<LoadedWindow *>{&frmMain::get()});
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsAtStart);
    }

    void theFirstStartKeepsItsDateHoweverSoonItEnds()
    {
        modStartup::StartApplication();
        modHelp::EndApplication();
        QVERIFY(QFileInfo::exists(m_settings + u"/ZVFreeTamsilo.conf"_s));
    }

    void theReminderAsksBeforeTheWelcomeWindowComesUp_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<int>("pagesOpened");
        QTest::newRow("Yes") << QMessageBox::Yes << 1;
        QTest::newRow("No") << QMessageBox::No << 0;
    }

    void theReminderAsksBeforeTheWelcomeWindowComesUp()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(int, pagesOpened);
        const QDate lastReminder = QDate::currentDate().addDays(-20);
        storeReminderValue(modHelp::ScrambleSetting(ReminderDate::dateText(lastReminder)));
        MessageBoxAnswerer boxes(answer);
        bool welcomeLoadedDuringQuestion = true;
        boxes.setBeforeAnswer(
            [&](QMessageBox &) { welcomeLoadedDuringQuestion = frmMain::isLoaded(); });
        OpenedUrls opened;
        modStartup::StartApplication();
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(!welcomeLoadedDuringQuestion);
        QVERIFY(frmMain::get().isVisible());
        QCOMPARE(opened.addresses().size(), pagesOpened);
    }

    void aReminderThatCannotRunStillShowsTheWelcomeWindow_data()
    {
        QTest::addColumn<bool>("unreadableStore");
        QTest::newRow("stored value not a date") << false;
        QTest::newRow("settings store unreadable") << true;
    }

    void aReminderThatCannotRunStillShowsTheWelcomeWindow()
    {
        QFETCH(bool, unreadableStore);
        if (unreadableStore)
            QVERIFY(QDir().mkpath(m_settings + u"/ZVFreeTamsilo.conf"_s));
        else
            storeReminderValue(u"garbage"_s);
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        modStartup::StartApplication();
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(frmMain::get().isVisible());
    }

    void eachPromotionalLabelIsInFrontAboutHalfTheTime()
    {
        frmMain &window = frmMain::get();
        window.show();
        auto *coBrand = window.findChild<QLabel *>(u"lblCobrand"_s);
        const QPoint middle = coBrand->geometry().center();
        QWidget *strip = coBrand->parentWidget();
        AppRandom::seedRepeatably(2026);
        const int draws = 2000;
        int coBrandInFront = 0;
        QList<int> seen(7);
        for (int i = 0; i < draws; ++i) {
            modStartup::CoBrand_Randomize();
            const int n = modStartup::coBrandRandomNumber();
            ++seen[n];
            const bool odd = n % 2 == 1;
            QCOMPARE(strip->childAt(middle) == coBrand, odd);
            coBrandInFront += odd;
        }
        // Five standard deviations either side of 1000.
        QVERIFY2(coBrandInFront > 888 && coBrandInFront < 1112,
                 qPrintable(QString::number(coBrandInFront)));
        for (int n = 1; n <= 6; ++n)
            QVERIFY2(seen[n] > 200, qPrintable(QString::number(n)));
    }

private:
    QTemporaryDir m_runtime;
    QString m_settings;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
