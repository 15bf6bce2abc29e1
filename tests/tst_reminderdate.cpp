// The reminder's dates: the text stored in the user's short date format, read back in any
// locale, two-digit years, and when 15 days have passed.

#include "common/reminderdate.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestReminderDate : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qputenv("LC_ALL", "C.UTF-8"); }

    // Dates are written as the C library writes times (the environment of the process; the
    // language of the texts never enters).
    void datesFollowTheLocaleOfTimes_data()
    {
        QTest::addColumn<QByteArrayList>("environment"); // LC_ALL, LC_TIME, LANG
        QTest::addColumn<QString>("locale");
        QTest::newRow("LC_TIME before LANG")
            << QByteArrayList{"", "ar_EG.UTF-8", "en_US.UTF-8"} << u"ar_EG"_s;
        QTest::newRow("LC_ALL before both")
            << QByteArrayList{"ru_RU.UTF-8", "ar_EG.UTF-8", "en_US.UTF-8"} << u"ru_RU"_s;
    }

    void datesFollowTheLocaleOfTimes()
    {
        QFETCH(QByteArrayList, environment);
        QFETCH(QString, locale);
        qputenv("LC_ALL", environment[0]);
        qputenv("LC_TIME", environment[1]);
        qputenv("LANG", environment[2]);
        const QDate day(2026, 3, 10);
        QCOMPARE(ReminderDate::dateText(day), QLocale(locale).toString(day, QLocale::ShortFormat));
    }

    void aDateWrittenTodayReadsBackAsToday_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("today");
        const QList<QDate> days = {
            QDate(2026, 12, 7),  QDate(2027, 1, 1),  QDate(2028, 2, 29), QDate(2000, 2, 29),
            QDate(1999, 12, 31), QDate(2049, 6, 30), QDate(2050, 7, 1),  QDate(2099, 12, 31),
        };
        for (const char *locale : {"en_US", "en_GB", "de_DE", "ja_JP", "fr_FR", "ko_KR", "es_ES",
                                   "zh_CN", "hu_HU", "C"}) {
            for (const QDate &today : days)
                QTest::addRow("%s %s", locale, qPrintable(today.toString(Qt::ISODate)))
                    << QString::fromLatin1(locale) << today;
        }
    }

    void aDateWrittenTodayReadsBackAsToday()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, today);
        qputenv("LC_ALL", locale.toLatin1());
        QCOMPARE(ReminderDate::readDateText(ReminderDate::dateText(today), today), today);
    }

    void twoDigitYear_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("last year")
            << u"en_US"_s << QDate(2026, 3, 10) << u"12/20/25"_s << QDate(2025, 12, 20);
        QTest::newRow("across the turn of the century")
            << u"en_US"_s << QDate(2001, 1, 5) << u"12/20/00"_s << QDate(2000, 12, 20);
        QTest::newRow("into the next century")
            << u"en_US"_s << QDate(2099, 12, 31) << u"1/1/00"_s << QDate(2100, 1, 1);
        QTest::newRow("49 years ahead")
            << u"de_DE"_s << QDate(2026, 3, 10) << u"01.01.75"_s << QDate(2075, 1, 1);
        QTest::newRow("50 years either way is the past")
            << u"de_DE"_s << QDate(2026, 3, 10) << u"01.01.76"_s << QDate(1976, 1, 1);
        QTest::newRow("year first")
            << u"ko_KR"_s << QDate(2026, 3, 10) << u"26. 2. 1."_s << QDate(2026, 2, 1);
        QTest::newRow("leap day") << u"en_US"_s << QDate(2028, 3, 10) << u"2/29/28"_s
                                  << QDate(2028, 2, 29);
        QTest::newRow("leap day of a century year")
            << u"en_US"_s << QDate(2000, 3, 30) << u"2/29/00"_s << QDate(2000, 2, 29);
        QTest::newRow("leap day of a century year, read a century later")
            << u"de_DE"_s << QDate(2399, 12, 31) << u"29.02.00"_s << QDate(2400, 2, 29);
        QTest::newRow("leap day of a century year, kept with ASCII digits")
            << u"bn_BD"_s << QDate(2000, 3, 1) << u"29/2/00"_s << QDate(2000, 2, 29);
        QTest::newRow("no leap day in a century year like 2100")
            << u"en_US"_s << QDate(2100, 3, 1) << u"2/29/00"_s << QDate();
        QTest::newRow("a four-digit year is taken as written")
            << u"en_GB"_s << QDate(2026, 3, 10) << u"07/12/1926"_s << QDate(1926, 12, 7);
    }

    void twoDigitYear()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, today);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        qputenv("LC_ALL", locale.toLatin1());
        QCOMPARE(ReminderDate::readDateText(text, today), date);
    }

    void notADate_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("words") << u"en_US"_s << u"not a date"_s;
        QTest::newRow("no such day") << u"en_US"_s << u"13/45/26"_s;
        QTest::newRow("no year") << u"en_US"_s << u"3/10"_s;
        QTest::newRow("another format") << u"en_US"_s << u"2026-03-10"_s;
        QTest::newRow("written with a four-digit year, read with two")
            << u"en_US"_s << u"3/10/2026"_s;
        QTest::newRow("written with a two-digit year, read with four")
            << u"en_GB"_s << u"10/03/26"_s;
        QTest::newRow("text after the date") << u"de_DE"_s << u"10.03.26 x"_s;
        // As earlier versions kept it under English texts: the "г." lost its letter.
        QTest::newRow("a Bulgarian date without its year word") << u"bg_BG"_s << u"10.03.26 ."_s;
    }

    void notADate()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        qputenv("LC_ALL", locale.toLatin1());
        QVERIFY(!ReminderDate::readDateText(text, QDate(2026, 3, 10)).isValid());
    }

    void reminderDue_data()
    {
        QTest::addColumn<QDate>("stored");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("due");
        const QDate today(2026, 3, 10);
        QTest::newRow("same day") << today << today << false;
        QTest::newRow("14 days ago") << today.addDays(-14) << today << false;
        QTest::newRow("15 days ago") << today.addDays(-15) << today << true;
        QTest::newRow("14 days ahead") << today.addDays(14) << today << false;
        QTest::newRow("15 days ahead") << today.addDays(15) << today << true;
        QTest::newRow("same day of an earlier month") << QDate(2026, 2, 10) << today << true;
        QTest::newRow("15 days over a leap day") << QDate(2024, 2, 15) << QDate(2024, 3, 1) << true;
        QTest::newRow("14 days over a leap day")
            << QDate(2024, 2, 16) << QDate(2024, 3, 1) << false;
        QTest::newRow("14 days over the new year")
            << QDate(2025, 12, 25) << QDate(2026, 1, 8) << false;
        QTest::newRow("15 days over the new year")
            << QDate(2025, 12, 24) << QDate(2026, 1, 8) << true;
        QTest::newRow("a century ahead") << QDate(2126, 3, 10) << today << true;
    }

    void reminderDue()
    {
        QFETCH(QDate, stored);
        QFETCH(QDate, today);
        QFETCH(bool, due);
        QCOMPARE(ReminderDate::reminderDue(stored, today), due);
    }
};

QTEST_MAIN(TestReminderDate)
#include "tst_reminderdate.moc"
