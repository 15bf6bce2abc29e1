// The update reminder at start-up: the first start, when it asks, what it stores, the download
// page after a Yes, and the stores and values it cannot use.

#include "common/modHelp.h"
#include "common/reminderdate.h"
#include "common/updatereminder.h"
#include "messageboxes.h"
#include "openedurls.h"
#include "testapp.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QDate Today(2026, 3, 10);
const QString Question =
    u"There maybe an update to this software available\rDo you want to check for an update?"_s;

QString scrambledDate(QDate date)
{
    return modHelp::ScrambleSetting(ReminderDate::dateText(date));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init()
    {
        QLocale::setDefault(QLocale(u"en_US"_s));
        m_settingsFolder = useFreshSettings();
    }

    void firstStartStoresTodayAndAsksNothing()
    {
        MessageBoxAnswerer boxes;
        OpenedUrls opened;
        UpdateReminder::checkUpdateReminderOn(Today);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(opened.addresses().isEmpty());
        // "3/10/26", scrambled, under the scrambled "Duration".
        QCOMPARE(contents(settingsFile()), "[Settings]\nEvsbujpo=4021037\n");
    }

    void asksOnlyWhen15DaysAway_data()
    {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<bool>("asks");
        QTest::newRow("same day") << 0 << false;
        QTest::newRow("14 days ago") << -14 << false;
        QTest::newRow("15 days ago") << -15 << true;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("15 days ahead, the clock set back") << 15 << true;
        QTest::newRow("a year ago") << -365 << true;
    }

    void asksOnlyWhen15DaysAway()
    {
        QFETCH(int, daysFromToday);
        QFETCH(bool, asks);
        const QString stored = scrambledDate(Today.addDays(daysFromToday));
        storeValue(stored);
        MessageBoxAnswerer boxes(QMessageBox::No);
        OpenedUrls opened;
        UpdateReminder::checkUpdateReminderOn(Today);
        QVERIFY(opened.addresses().isEmpty());
        if (!asks) {
            QVERIFY(boxes.seen().isEmpty());
            QCOMPARE(storedValue(), stored);
            return;
        }
        QCOMPARE(boxes.seen().size(), 1);
        const SeenMessageBox &box = boxes.seen().first();
        QCOMPARE(box.title, u"ZV Tamsilo"_s);
        QCOMPARE(box.text, Question);
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        QCOMPARE(storedValue(), scrambledDate(Today));
    }

    void yesOpensTheDownloadPageOnceTodayIsStored()
    {
        storeValue(scrambledDate(Today.addDays(-20)));
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        OpenedUrls opened;
        QString storedWhenOpened;
        opened.setOnOpen([&](const QUrl &) { storedWhenOpened = storedValue(); });
        UpdateReminder::checkUpdateReminderOn(Today);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(opened.addresses(),
                 QStringList{u"http://tamsilo.zelvara.example/download-zv-free-tamsilo.html"_s});
        QCOMPARE(storedWhenOpened, scrambledDate(Today));
    }

    void aSecondStartTheSameDayAsksNothing()
    {
        storeValue(scrambledDate(Today.addDays(-20)));
        MessageBoxAnswerer boxes(QMessageBox::No);
        UpdateReminder::checkUpdateReminderOn(Today);
        QCOMPARE(boxes.seen().size(), 1);
        UpdateReminder::checkUpdateReminderOn(Today);
        QCOMPARE(boxes.seen().size(), 1);
        // And the next question comes 15 days later.
        UpdateReminder::checkUpdateReminderOn(Today.addDays(14));
        QCOMPARE(boxes.seen().size(), 1);
        UpdateReminder::checkUpdateReminderOn(Today.addDays(15));
        QCOMPARE(boxes.seen().size(), 2);
    }

    void aValueThatIsNotADateIsLeftAlone_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("words") << modHelp::ScrambleSetting(u"not a date"_s);
        QTest::newRow("a date stored unscrambled") << u"2/18/26"_s;
        QTest::newRow("a date in another format") << modHelp::ScrambleSetting(u"18.02.26"_s);
        // The settings file reads a comma-separated value as a list.
        QTest::newRow("a list, not a text") << scrambledDate(Today) + u',' + scrambledDate(Today);
    }

    void aValueThatIsNotADateIsLeftAlone()
    {
        QFETCH(QString, value);
        storeValue(value);
        const QByteArray before = contents(settingsFile());
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        OpenedUrls opened;
        UpdateReminder::checkUpdateReminderOn(Today);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(opened.addresses().isEmpty());
        QCOMPARE(contents(settingsFile()), before);
    }

    void anUnreadableStoreAsksNothing()
    {
        QVERIFY(QDir().mkpath(settingsFile()));
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        OpenedUrls opened;
        UpdateReminder::checkUpdateReminderOn(Today);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(opened.addresses().isEmpty());
        QVERIFY(QFileInfo(settingsFile()).isDir());
    }

    void anUnwritableStoreAtTheFirstStartAsksNothing()
    {
        // The settings folder's place is taken by a plain file.
        const QString blocker = m_settingsFolder + u"/plain"_s;
        QFile plain(blocker);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker);
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        OpenedUrls opened;
        UpdateReminder::checkUpdateReminderOn(Today);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(opened.addresses().isEmpty());
        QVERIFY(QFileInfo(blocker).isFile());
    }

    void aYesWhoseDateCannotBeStoredOpensNothing()
    {
        storeValue(scrambledDate(Today.addDays(-20)));
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        // The store becomes unwritable while the question is up.
        boxes.setBeforeAnswer([this](QMessageBox &) {
            QFile::remove(settingsFile());
            QDir().mkpath(settingsFile());
        });
        OpenedUrls opened;
        UpdateReminder::checkUpdateReminderOn(Today);
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(opened.addresses().isEmpty());
    }

    void todayIsStoredAsWrittenAndReadBack_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dateText");
        QTest::newRow("en_US") << u"en_US"_s << u"3/10/26"_s;
        QTest::newRow("en_GB") << u"en_GB"_s << u"10/03/2026"_s;
        QTest::newRow("de_DE") << u"de_DE"_s << u"10.03.26"_s;
        QTest::newRow("ja_JP") << u"ja_JP"_s << u"2026/03/10"_s;
        QTest::newRow("ko_KR") << u"ko_KR"_s << u"26. 3. 10."_s;
        QTest::newRow("nl_NL") << u"nl_NL"_s << u"10-03-2026"_s;
        QTest::newRow("C") << u"C"_s << u"10 Mar 2026"_s;
    }

    void todayIsStoredAsWrittenAndReadBack()
    {
        QFETCH(QString, locale);
        QFETCH(QString, dateText);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(ReminderDate::dateText(Today), dateText);
        MessageBoxAnswerer boxes(QMessageBox::No);
        UpdateReminder::checkUpdateReminderOn(Today);
        // Stored as it is, with no quotes or escapes of the settings file.
        const QByteArray file = contents(settingsFile());
        QCOMPARE(file,
                 "[Settings]\nEvsbujpo=" + modHelp::ScrambleSetting(dateText).toLatin1() + '\n');
        // A copy is read from the disk, not from what this process holds of the file.
        const QString copy = m_settingsFolder + u"/copy.conf"_s;
        QVERIFY(QFile::copy(settingsFile(), copy));
        const QSettings reread(copy, QSettings::IniFormat);
        QCOMPARE(modHelp::UnscrambleSetting(reread.value(u"Settings/Evsbujpo"_s).toString()),
                 dateText);
        UpdateReminder::checkUpdateReminderOn(Today);
        UpdateReminder::checkUpdateReminderOn(Today.addDays(14));
        QVERIFY(boxes.seen().isEmpty());
        UpdateReminder::checkUpdateReminderOn(Today.addDays(15));
        QCOMPARE(boxes.seen().size(), 1);
    }

    // The settings file keeps the scrambled short dates of every locale without quotes or
    // escapes, in every month.
    void everyLocalesDatesAreStoredAsWritten()
    {
        const QString file = m_settingsFolder + u"/locales.conf"_s;
        QSet<QByteArray> expected;
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.beginGroup(u"Settings"_s);
            for (const QLocale &locale : QLocale::matchingLocales(
                     QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
                for (int month = 1; month <= 12; ++month) {
                    const QString text =
                        locale.toString(QDate(2026, month, 7), QLocale::ShortFormat);
                    const QString scrambled = modHelp::ScrambleSetting(text);
                    if (scrambled.size() < text.size())
                        continue; // not 8-bit text: it cannot be kept whole anyway
                    const QString key = u'k' + QString::number(expected.size());
                    settings.setValue(key, scrambled);
                    expected.insert(key.toLatin1() + '=' + scrambled.toLatin1());
                }
            }
        }
        QVERIFY(expected.size() > 5000);
        QList<QByteArray> lines = contents(file).split('\n');
        QCOMPARE(lines.takeFirst(), "[Settings]");
        QCOMPARE(lines.takeLast(), "");
        QCOMPARE(QSet<QByteArray>(lines.cbegin(), lines.cend()), expected);
    }

private:
    QString settingsFile() const { return m_settingsFolder + u"/ZVFreeTamsilo.conf"_s; }

    // Writes the file as the program does, before the reminder first opens it.
    void storeValue(const QString &value) const
    {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nEvsbujpo=" + value.toUtf8() + '\n');
    }

    // The value as the file holds it, empty when there is none.
    QString storedValue() const
    {
        const QByteArray prefix = "Evsbujpo=";
        bool inSettings = false;
        for (const QByteArray &line : contents(settingsFile()).split('\n')) {
            if (line.startsWith('['))
                inSettings = line == "[Settings]";
            else if (inSettings && line.startsWith(prefix))
                return QString::fromUtf8(line.mid(prefix.size()));
        }
        return QString();
    }

    QString m_settingsFolder;
};

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
