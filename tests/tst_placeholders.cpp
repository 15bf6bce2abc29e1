// The placeholder rule of the referral boxes and the trimming it rests on: only spaces are
// blank, so line breaks and tabs keep a text from counting as empty or as its placeholder.

#include "farewell/placeholders.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TranslatedText)

class TestPlaceholders : public QObject {
    Q_OBJECT

private slots:
    void trimSpacesRemovesOnlySpacesAtEitherEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("only spaces") << u"    "_s << QString();
        QTest::newRow("spaces both ends") << u"  Ann Lee "_s << u"Ann Lee"_s;
        QTest::newRow("inner spaces stay") << u"a  b"_s << u"a  b"_s;
        QTest::newRow("tabs stay") << u"\tx\t"_s << u"\tx\t"_s;
        QTest::newRow("CR LF stays") << u"Your Message\r\n"_s << u"Your Message\r\n"_s;
        QTest::newRow("spaces outside a line break")
            << u" Your Message\r\n  "_s << u"Your Message\r\n"_s;
        QTest::newRow("no-break space stays") << u"\u00a0x\u00a0"_s << u"\u00a0x\u00a0"_s;
        QTest::newRow("ideographic space stays") << u"\u3000x"_s << u"\u3000x"_s;
    }

    void trimSpacesRemovesOnlySpacesAtEitherEnd()
    {
        QFETCH(QString, text);
        QTEST(trimSpaces(text), "trimmed");
    }

    void enteringABoxClearsOnlyItsExactPlaceholder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TranslatedText>("placeholder");
        QTest::addColumn<bool>("clears");
        QTest::newRow("placeholder") << u"Your Name"_s << Placeholder::Name << true;
        QTest::newRow("placeholder in spaces") << u"  Your Name   "_s << Placeholder::Name << true;
        QTest::newRow("small letters") << u"your name"_s << Placeholder::Name << false;
        QTest::newRow("capitals") << u"YOUR NAME"_s << Placeholder::Name << false;
        QTest::newRow("another box's placeholder")
            << u"Friend's Name"_s << Placeholder::Name << false;
        QTest::newRow("typed after the placeholder")
            << u"Your Name Ann"_s << Placeholder::Name << false;
        QTest::newRow("message with its line break")
            << u"Your Message\r\n"_s << Placeholder::Message << false;
        QTest::newRow("message placeholder") << u"Your Message"_s << Placeholder::Message << true;
        QTest::newRow("friend's address")
            << u"Friend's Email Address"_s << Placeholder::FriendEmail << true;
        QTest::newRow("empty") << QString() << Placeholder::Email << false;
    }

    void enteringABoxClearsOnlyItsExactPlaceholder()
    {
        QFETCH(QString, text);
        QFETCH(TranslatedText, placeholder);
        QTEST(clearsOnGotFocus(text, placeholder), "clears");
    }

    void leavingABoxBlankRestoresThePlaceholder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("restores");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("spaces") << u"   "_s << true;
        QTest::newRow("a tab") << u"\t"_s << false;
        QTest::newRow("a line break") << u"\r\n"_s << false;
        QTest::newRow("text") << u"x"_s << false;
    }

    void leavingABoxBlankRestoresThePlaceholder()
    {
        QFETCH(QString, text);
        QTEST(restoresOnLostFocus(text), "restores");
    }

    void theFivePlaceholders()
    {
        QCOMPARE(Placeholder::Name, u"Your Name"_s);
        QCOMPARE(Placeholder::Email, u"Your Email Address"_s);
        QCOMPARE(Placeholder::Message, u"Your Message"_s);
        QCOMPARE(Placeholder::FriendName, u"Friend's Name"_s);
        QCOMPARE(Placeholder::FriendEmail, u"Friend's Email Address"_s);
    }
};

QTEST_APPLESS_MAIN(TestPlaceholders)
#include "tst_placeholders.moc"
