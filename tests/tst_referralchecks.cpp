// The checks a referral passes before it is sent, and the order in which they speak.

#include "farewell/referralchecks.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ReferralValues)

namespace {
const QString Distinct = u"Please Enter Distinct Email Addresses"_s;
const QString Proper = u"Please Enter Proper Email Address"_s;
const QString Passes;

ReferralValues complete()
{
    return {u"Ann"_s, u"ann@a.example"_s, u"Hello"_s, u"Bob"_s, u"bob@b.example"_s};
}
} // namespace

class TestReferralChecks : public QObject {
    Q_OBJECT

private slots:
    void addresses_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("message");
        QTest::newRow("the two placeholders")
            << u"Your Email Address"_s << u"Friend's Email Address"_s << Proper;
        QTest::newRow("the same address") << u"a@b.c"_s << u"a@b.c"_s << Distinct;
        QTest::newRow("the same improper text, distinct comes first")
            << u"nothing"_s << u"nothing"_s << Distinct;
        QTest::newRow("both empty") << QString() << QString() << Distinct;
        QTest::newRow("differ in letter case only") << u"A@b.c"_s << u"a@b.c"_s << Passes;
        QTest::newRow("no at sign in the first") << u"ab.c"_s << u"a@b.c"_s << Proper;
        QTest::newRow("no at sign in the second") << u"a@b.c"_s << u"ab.c"_s << Proper;
        QTest::newRow("no full stop in the first") << u"a@bc"_s << u"a@b.c"_s << Proper;
        QTest::newRow("no full stop in the second") << u"a@b.c"_s << u"a@bc"_s << Proper;
        QTest::newRow("only an at sign and a full stop") << u"@."_s << u"x@y.z"_s << Passes;
        QTest::newRow("full stop before the at sign") << u".@"_s << u"x.y@z"_s << Passes;
        QTest::newRow("empty against an address") << QString() << u"a@b.c"_s << Proper;
    }

    void addresses()
    {
        QFETCH(QString, email);
        QFETCH(QString, friendEmail);
        QFETCH(QString, message);
        QCOMPARE(addressesProblem(email, friendEmail).value_or(QString()), message);
    }

    void missingValues_data()
    {
        QTest::addColumn<ReferralValues>("values");
        QTest::addColumn<QString>("message");
        const QString name = u"Please Enter Your Name"_s;
        const QString email = u"Please Enter Your Email"_s;
        const QString message = u"Please Enter Your Message"_s;
        const QString friendName = u"Please Enter Your Friend's Name"_s;
        const QString friendEmail = u"Please Enter Your Friend's Email"_s;
        const auto with = [](auto member, const QString &value) {
            ReferralValues values = complete();
            values.*member = value;
            return values;
        };
        QTest::newRow("complete") << complete() << Passes;
        QTest::newRow("empty name") << with(&ReferralValues::name, QString()) << name;
        QTest::newRow("name of spaces") << with(&ReferralValues::name, u"   "_s) << name;
        QTest::newRow("name placeholder") << with(&ReferralValues::name, u"Your Name"_s) << name;
        QTest::newRow("name placeholder in spaces")
            << with(&ReferralValues::name, u"  Your Name "_s) << name;
        QTest::newRow("name placeholder in small letters")
            << with(&ReferralValues::name, u"your name"_s) << Passes;
        QTest::newRow("email placeholder")
            << with(&ReferralValues::email, u"Your Email Address"_s) << email;
        QTest::newRow("empty email") << with(&ReferralValues::email, QString()) << email;
        QTest::newRow("message placeholder")
            << with(&ReferralValues::message, u"Your Message"_s) << message;
        QTest::newRow("message placeholder with its line break")
            << with(&ReferralValues::message, u"Your Message\r\n"_s) << Passes;
        QTest::newRow("message of a tab") << with(&ReferralValues::message, u"\t"_s) << Passes;
        QTest::newRow("friend's name placeholder")
            << with(&ReferralValues::friendName, u"Friend's Name"_s) << friendName;
        QTest::newRow("friend's address placeholder")
            << with(&ReferralValues::friendEmail, u"Friend's Email Address"_s) << friendEmail;
        QTest::newRow("empty friend's address")
            << with(&ReferralValues::friendEmail, QString()) << friendEmail;
        QTest::newRow("all missing, the name comes first") << ReferralValues{} << name;
        QTest::newRow("message and friend missing, the message comes first")
            << ReferralValues{u"Ann"_s, u"a@b.c"_s, QString(), QString(), QString()} << message;
    }

    void missingValues()
    {
        QFETCH(ReferralValues, values);
        QFETCH(QString, message);
        QCOMPARE(missingValueProblem(values).value_or(QString()), message);
    }
};

QTEST_APPLESS_MAIN(TestReferralChecks)
#include "tst_referralchecks.moc"
