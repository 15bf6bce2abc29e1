// Scrambling of the stored setting: the fixed shift, the code page of the locale, the characters
// it leaves out, and the texts that come back unchanged.

#include "common/modHelp.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QString codes(int first, int last)
{
    QString text;
    for (int code = first; code <= last; ++code)
        text.append(QChar(code));
    return text;
}
} // namespace

class TestSettingScrambling : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qputenv("LC_ALL", "C.UTF-8"); }

    void scramble_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("empty") << QString() << QString();
        // Settings stored by earlier runs are found under this name.
        QTest::newRow("entry name") << u"Duration"_s << u"Evsbujpo"_s;
        QTest::newRow("short date with a two-digit year") << u"3/10/26"_s << u"4021037"_s;
        QTest::newRow("date with dots") << u"07.12.26"_s << u"18/23/37"_s;
        QTest::newRow("date with a month name") << u"7 Dec 2026"_s << u"8!Efd!3137"_s;
        QTest::newRow("last 8-bit code is left out") << u"a\u00FFb"_s << u"bc"_s;
        QTest::newRow("next to last 8-bit code is kept") << u"\u00FE"_s << u"\u00FF"_s;
        QTest::newRow("no 8-bit code: euro sign") << u"a\u20ACb"_s << u"bc"_s;
        QTest::newRow("a digit without a code is its ASCII digit") << u"\u0667/1"_s << u"802"_s;
        QTest::newRow("no 8-bit code: both halves of a surrogate pair")
            << u"a\U0001F600b"_s << u"bc"_s;
        QTest::newRow("nothing left") << u"\u00FF\u20AC"_s << u""_s;
    }

    void scramble()
    {
        QFETCH(QString, text);
        QFETCH(QString, scrambled);
        QCOMPARE(modHelp::ScrambleSetting(text), scrambled);
    }

    void unscramble_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unscrambled");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("entry name") << u"Evsbujpo"_s << u"Duration"_s;
        QTest::newRow("code 0 is left out") << u"\u0000a"_s << u"`"_s;
        QTest::newRow("code 1 becomes code 0") << u"\u0001"_s << u"\u0000"_s;
        QTest::newRow("no 8-bit code") << u"b\u20ACc"_s << u"ab"_s;
    }

    void unscramble()
    {
        QFETCH(QString, text);
        QFETCH(QString, unscrambled);
        QCOMPARE(modHelp::UnscrambleSetting(text), unscrambled);
    }

    // Beyond Latin-1, the code page of the dates' locale's script; reading takes its upper half so
    // too.
    void codePage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scrambled");
        QTest::addColumn<QString>("unscrambled");
        QTest::newRow("Windows-1251") << u"bg_BG"_s << u" г."_s << u"!\u00E4/"_s << u" г."_s;
        QTest::newRow("Latin-1 keeps its codes under 1251")
            << u"bg_BG"_s << u"\u00E3"_s << u"\u00E4"_s << u"г"_s;
        QTest::newRow("a code 1251 lacks reads as Latin-1")
            << u"ru_RU"_s << u"\u0098"_s << u"\u0099"_s << u"\u0098"_s;
        QTest::newRow("Windows-1256")
            << u"ar_EG"_s << u"\u200F/\u06BE"_s << u"\u00FF0\u00AB"_s << u"\u200F/\u06BE"_s;
        QTest::newRow("no code page for the script") << u"el_GR"_s << u"\u03B3"_s << u""_s << u""_s;
    }

    void codePage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, scrambled);
        QFETCH(QString, unscrambled);
        qputenv("LC_ALL", locale.toLatin1());
        QCOMPARE(modHelp::ScrambleSetting(text), scrambled);
        QCOMPARE(modHelp::UnscrambleSetting(scrambled), unscrambled);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every code up to 254") << codes(0, 254) << codes(0, 254);
        QTest::newRow("printable ASCII") << codes(32, 126) << codes(32, 126);
        QTest::newRow("code 255 is lost") << u"a\u00FFb"_s << u"ab"_s;
        QTest::newRow("codes above 255 are lost") << u"2026\u5E74"_s << u"2026"_s;
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString scrambled = modHelp::ScrambleSetting(text);
        QVERIFY(scrambled.size() <= text.size());
        QCOMPARE(modHelp::UnscrambleSetting(scrambled), expected);
    }
};

QTEST_MAIN(TestSettingScrambling)
#include "tst_settingscrambling.moc"
