// The single-copy lock against what may lie in its place: a running copy's lock keeps a second
// copy out, and nothing else does for good.

#include "app/instancelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(InstanceLock::Outcome)

namespace {
enum class Left { Nothing, EmptyFile, Garbage, BinaryGarbage, DeadCopysLock, Folder, BrokenLink };

void writeFile(const QString &path, const QByteArray &content, qint64 ageSeconds)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime));
}

// A process id above any the system gives out, so no process has it.
qint64 deadProcessId()
{
    return 0x3fffffff;
}
} // namespace

class TestInstanceLock : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_folder.isValid()); }
    void cleanup()
    {
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
    }

    void whatLiesInThePlaceOfTheLock_data()
    {
        QTest::addColumn<Left>("left");
        QTest::addColumn<qint64>("ageSeconds");
        QTest::addColumn<InstanceLock::Outcome>("outcome");
        using Outcome = InstanceLock::Outcome;
        QTest::newRow("nothing") << Left::Nothing << qint64(0) << Outcome::FirstInstance;
        QTest::newRow("a lock of a copy that was killed")
            << Left::DeadCopysLock << qint64(60) << Outcome::FirstInstance;
        QTest::newRow("an empty file left a minute ago")
            << Left::EmptyFile << qint64(60) << Outcome::FirstInstance;
        QTest::newRow("text that names no process")
            << Left::Garbage << qint64(60) << Outcome::FirstInstance;
        QTest::newRow("binary garbage")
            << Left::BinaryGarbage << qint64(3600) << Outcome::FirstInstance;
        QTest::newRow("dated in the future")
            << Left::Garbage << qint64(-3600) << Outcome::FirstInstance;
        // A copy starting this very moment has made the file and not yet written to it.
        QTest::newRow("an empty file made just now")
            << Left::EmptyFile << qint64(0) << Outcome::AlreadyRunning;
        // Not ours to remove: the program runs without the rule.
        QTest::newRow("a folder") << Left::Folder << qint64(0) << Outcome::Unavailable;
        QTest::newRow("a link to nowhere") << Left::BrokenLink << qint64(0) << Outcome::Unavailable;
    }

    void whatLiesInThePlaceOfTheLock()
    {
        QFETCH(Left, left);
        QFETCH(qint64, ageSeconds);
        const QString path = m_folder.filePath(u"zv-tamsilo.lock"_s);
        switch (left) {
        case Left::Nothing:
            break;
        case Left::EmptyFile:
            writeFile(path, {}, ageSeconds);
            break;
        case Left::Garbage:
            writeFile(path, "garbage\nmore garbage\n", ageSeconds);
            break;
        case Left::BinaryGarbage:
            writeFile(path, QByteArray("\x00\xff\x12\n\n\x80", 6), ageSeconds);
            break;
        case Left::DeadCopysLock:
            writeFile(path, QByteArray::number(deadProcessId()) + "\nzv-tamsilo\n\n", ageSeconds);
            break;
        case Left::Folder:
            QVERIFY(QDir().mkpath(path));
            break;
        case Left::BrokenLink:
            QVERIFY(QFile::link(m_folder.filePath(u"nowhere"_s), path));
            break;
        }
        InstanceLock lock(path);
        QTEST(lock.acquire(), "outcome");
        if (lock.acquire() == InstanceLock::Outcome::FirstInstance) {
            // Taken over: a copy started now keeps the next one out.
            InstanceLock next(path);
            QCOMPARE(next.acquire(), InstanceLock::Outcome::AlreadyRunning);
        }
        if (left == Left::Folder)
            QVERIFY(QFileInfo(path).isDir());
        if (left == Left::BrokenLink)
            QVERIFY(QFileInfo(path).isSymLink());
    }

    void aRunningCopysLockIsNeverTaken()
    {
        const QString path = m_folder.filePath(u"zv-tamsilo.lock"_s);
        InstanceLock running(path);
        QCOMPARE(running.acquire(), InstanceLock::Outcome::FirstInstance);
        // However old its file has become.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-30),
                                 QFileDevice::FileModificationTime));
        file.close();
        InstanceLock second(path);
        QCOMPARE(second.acquire(), InstanceLock::Outcome::AlreadyRunning);
        QCOMPARE(running.acquire(), InstanceLock::Outcome::FirstInstance);
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
