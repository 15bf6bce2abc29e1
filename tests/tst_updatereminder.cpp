// The update reminder at start-up: the first start, when it asks, what it stores, the download
// page after a Yes, and the stores and values it cannot use.

#include "common/deferredwrites.h"
#include "common/modHelp.h"
#include "common/reminderdate.h"
#include "common/updatereminder.h"
#include "messageboxes.h"
#include "openedurls.h"
#include "testapp.h"

#include <QDir>
#include <QFile>
#include <QHash>
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

// Earlier versions stored each character of a Latin-1 date one code up; other dates lost
// characters (empty: nothing to compare with).
QString storedBefore(const QLocale &locale)
{
    QString stored;
    for (const QChar ch : locale.toString(Today, QLocale::ShortFormat)) {
        if (ch.unicode() >= 0xFF)
            return QString();
        stored.append(QChar(ch.unicode() + 1));
    }
    return stored;
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
        qputenv("LC_ALL", "en_US.UTF-8");
        m_settingsFolder = useFreshSettings();
    }

    void firstStartStoresTodayAndAsksNothing()
    {
        MessageBoxAnswerer boxes;
        OpenedUrls opened;
        UpdateReminder::checkUpdateReminderOn(Today);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(opened.addresses().isEmpty());
        // Nothing on disk until start-up runs the waiting writes.
        QVERIFY(!QFileInfo::exists(settingsFile()));
        runDeferredWrites();
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
        runDeferredWrites();
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

    // Today's date in every locale: stored as the file shows it (Latin-1 dates exactly as earlier
    // versions stored them), read back from the disk, and asked about again 15 days later.
    void everyLocaleKeepsTodaysDate_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored");
        const QHash<QString, QString> shown = {
            {u"en_Latn_US"_s, u"4021037"_s},          // 3/10/26
            {u"en_Latn_GB"_s, u"2101403137"_s},       // 10/03/2026
            {u"ru_Cyrl_RU"_s, u"21/14/3137"_s},       // 10.03.2026
            {u"bg_Cyrl_BG"_s, u"21/14/37!\u00E4/"_s}, // 10.03.26 г.
            // ١٠/٣/٢٠٢٦ with a right-to-left mark before each /
            {u"ar_Arab_EG"_s, u"21\u00FF04\u00FF03137"_s},
            {u"bn_Beng_BD"_s, u"2104037"_s},   // ১০/৩/২৬
            {u"my_Mymr_MM"_s, u"21.14.37"_s},  // ၁၀-၀၃-၂၆
            {u"fa_Arab_IR"_s, u"313704021"_s}, // ۲۰۲۶/۳/۱۰
        };
        for (const QLocale &locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const QString tag = QLocale::languageToCode(locale.language()) + u'_' +
                                QLocale::scriptToCode(locale.script()) + u'_' +
                                QLocale::territoryToCode(locale.territory());
            QTest::newRow(qPrintable(tag))
                << tag << locale << shown.value(tag, storedBefore(locale));
        }
    }

    void everyLocaleKeepsTodaysDate()
    {
        QFETCH(QString, tag);
        QFETCH(QLocale, locale);
        QFETCH(QString, stored);
        QCOMPARE(QLocale(tag), locale);
        qputenv("LC_ALL", tag.toLatin1());
        MessageBoxAnswerer boxes(QMessageBox::No);
        UpdateReminder::checkUpdateReminderOn(Today);
        runDeferredWrites();
        const QByteArray file = contents(settingsFile());
        if (!stored.isEmpty())
            QCOMPARE(file, "[Settings]\nEvsbujpo=" + stored.toUtf8() + '\n');
        // The next starts read the file from the disk, not what this process holds of it.
        m_settingsFolder = useFreshSettings();
        QFile copy(settingsFile());
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(file) == file.size());
        copy.close();
        UpdateReminder::checkUpdateReminderOn(Today.addDays(14));
        QVERIFY(boxes.seen().isEmpty());
        UpdateReminder::checkUpdateReminderOn(Today.addDays(15));
        QCOMPARE(boxes.seen().size(), 1);
        // Every month's date is kept as it is, with no quotes or escapes of the settings file.
        const QString months = m_settingsFolder + u"/months.conf"_s;
        QString expected = u"[Settings]\n"_s;
        {
            QSettings settings(months, QSettings::IniFormat);
            for (int month = 1; month <= 12; ++month) {
                const QString key = u"m%1"_s.arg(month, 2, 10, QChar(u'0'));
                const QString value =
                    modHelp::ScrambleSetting(ReminderDate::dateText(QDate(2026, month, 10)));
                settings.setValue(u"Settings/"_s + key, value);
                expected += key + u'=' + value + u'\n';
            }
        }
        QCOMPARE(QString::fromUtf8(contents(months)), expected);
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
