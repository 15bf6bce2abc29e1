// Scrambling of the stored setting: the fixed shift, the characters it leaves out, and the
// texts that come back unchanged.

#include "common/modHelp.h"

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
        QTest::newRow("no 8-bit code: Arabic digit") << u"\u0667/1"_s << u"02"_s;
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
