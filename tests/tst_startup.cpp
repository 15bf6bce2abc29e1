// Start-up: the single-copy rule, the order of the first steps, and the promotional label.

#include "app/instancelock.h"
#include "app/modStartup.h"
#include "common/modHelp.h"
#include "messageboxes.h"
#include "shapetest/frmMain.h"
#include "testapp.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
    void cleanup() { resetApplication(); }

    void oneLockPerPath()
    {
        const QString path = m_runtime.filePath(u"one.lock"_s);
        InstanceLock first(path);
        QCOMPARE(first.acquire(), InstanceLock::Outcome::FirstInstance);
        InstanceLock second(path);
        QCOMPARE(second.acquire(), InstanceLock::Outcome::AlreadyRunning);
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
        QVERIFY(modHelp::ApplicationEnded());
        QVERIFY(!frmMain::isLoaded());
    }

    void theFirstCopyShowsTheWelcomeWindowAndHoldsTheLock()
    {
        MessageBoxAnswerer boxes;
        modStartup::StartApplication();
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(frmMain::get().isVisible());
        QVERIFY(!modHelp::ApplicationEnded());
        InstanceLock other(InstanceLock::userLockPath());
        QCOMPARE(other.acquire(), InstanceLock::Outcome::AlreadyRunning);
        const int drawn = modStartup::CoBrandRandomNumber();
        QVERIFY(drawn >= 1 && drawn <= 6);
    }

    void eachPromotionalLabelIsInFrontAboutHalfTheTime()
    {
        frmMain &window = frmMain::get();
        window.show();
        auto *coBrand = window.findChild<QLabel *>(u"lblCobrand"_s);
        const QPoint middle = coBrand->geometry().center();
        QWidget *strip = coBrand->parentWidget();
        const int draws = 2000;
        int coBrandInFront = 0;
        QList<int> seen(7);
        for (int i = 0; i < draws; ++i) {
            modStartup::CoBrand_Randomize();
            const int n = modStartup::CoBrandRandomNumber();
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
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
