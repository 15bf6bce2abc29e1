// The monkey test: the program under thousands of random user actions, for a few seeds.
// MONKEY_SEEDS (comma-separated) and MONKEY_STEPS choose other runs, MONKEY_TRACE=1 prints
// every step; a failure names its seed, its step and the actions that led to it.

#include "monkey.h"
#include "openedurls.h"
#include "testapp.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareTestApplication();
        QVERIFY(m_runtime.isValid());
        // The single-copy lock of these runs lives here, away from any real copy's.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void cleanup() { resetApplication(); }

    void randomUseKeepsTheRules_data()
    {
        QTest::addColumn<quint32>("seed");
        const QByteArray seeds = qgetenv("MONKEY_SEEDS");
        const QStringList list = seeds.isEmpty() ? QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}
                                                 : QString::fromLatin1(seeds).split(u',');
        for (const QString &seed : list)
            QTest::addRow("seed %s", qPrintable(seed.trimmed())) << seed.trimmed().toUInt();
    }

    void randomUseKeepsTheRules()
    {
        QFETCH(quint32, seed);
        const int steps = qEnvironmentVariableIntValue("MONKEY_STEPS") > 0
                              ? qEnvironmentVariableIntValue("MONKEY_STEPS")
                              : 2500;
        useFreshSettings();
        OpenedUrls urls;
        Monkey monkey(seed, steps, urls);
        monkey.run();
        if (!monkey.failure().isEmpty())
            QFAIL(qPrintable(u"seed %1, %2"_s.arg(seed).arg(monkey.failure())));
        qInfo("seed %u: %d steps (%s), %d starts, %d results pages, %d message boxes answered, "
              "%d addresses opened (%d referrals)",
              seed, monkey.steps(), qPrintable(monkey.stepsPerState()), monkey.starts(),
              monkey.results(), monkey.answeredBoxes(), monkey.opened(), monkey.referrals());
        QCOMPARE(monkey.steps(), steps);
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
