// The refer-a-friend address: its fixed shape, and values that reach the page exactly as the
// user typed them whatever they hold.

#include "farewell/referafriendaddress.h"

#include "common/weblinks.h"
#include "openedurls.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ReferralValues)

namespace {
const QString Page = u"http://www.zelvara.example/zvkt-refer-a-friend.php"_s;
const QString Site = u"http://tamsilo.zelvara.example/"_s;
const QStringList Keys{u"taf1"_s, u"taf2"_s, u"taf3"_s, u"taf4"_s, u"taf5"_s, u"taf6"_s};

QStringList valuesOf(const ReferralValues &values)
{
    return {values.name, values.email, values.message, values.friendName, values.friendEmail, Site};
}

QString queryOf(const QString &address)
{
    return address.mid(Page.size() + 1);
}

// How a web page reading form data takes a value apart: "+" is a space there.
QString formDecoded(QString value)
{
    return QUrl::fromPercentEncoding(value.replace(u'+', u' ').toLatin1());
}
} // namespace

class TestReferAFriendAddress : public QObject {
    Q_OBJECT

private slots:
    void plainValuesGiveThePlainAddress()
    {
        const ReferralValues values{u"Ann"_s, u"ann@a.example"_s, u"Hello"_s, u"Bob"_s,
                                    u"bob@b.example"_s};
        QCOMPARE(referAFriendAddress(values),
                 Page + u"?taf1=Ann&taf2=ann%40a.example&taf3=Hello&taf4=Bob"
                        "&taf5=bob%40b.example&taf6=http%3A%2F%2Ftamsilo.zelvara.example%2F"_s);
        QCOMPARE(WebLinks::productSiteRoot(), Site);
    }

    void valuesReachThePageExactly_data()
    {
        QTest::addColumn<ReferralValues>("values");
        const auto name = [](const QString &value) {
            return ReferralValues{value, u"a@b.c"_s, u"Hi"_s, u"Bob"_s, u"d@e.f"_s};
        };
        QTest::newRow("plus sign") << name(u"a+b"_s);
        QTest::newRow("ampersand and equals sign") << name(u"a&b=c"_s);
        QTest::newRow("number sign") << name(u"#x"_s);
        QTest::newRow("percent sign") << name(u"%41"_s);
        QTest::newRow("question mark and slash") << name(u"a?b/c"_s);
        QTest::newRow("spaces") << name(u"Ann  Lee"_s);
        QTest::newRow("sub-delimiters") << name(u"!$'()*,;:@[]"_s);
        QTest::newRow("unreserved") << name(u"-._~"_s);
        QTest::newRow("accented letter") << name(u"Zoë"_s);
        QTest::newRow("beyond the basic plane") << name(u"\U0001F600"_s);
        QTest::newRow("no-break space") << name(u"a\u00a0b"_s);
        QTest::newRow("10,000 characters") << name(QString(10000, u'é'));
        QTest::newRow("untouched message")
            << ReferralValues{u"Ann"_s, u"a@b.c"_s, u"Your Message\r\n"_s, u"Bob"_s, u"d@e.f"_s};
        QTest::newRow("every value hostile") << ReferralValues{
            u"a&taf6=evil"_s, u"x+y@b.c"_s, u"line\r\nnext #1 100%"_s, u"B=b"_s, u"d@e.f?x"_s};
        QTest::newRow("all empty") << ReferralValues{};
    }

    void valuesReachThePageExactly()
    {
        QFETCH(ReferralValues, values);
        const QString address = referAFriendAddress(values);
        QVERIFY(address.startsWith(Page + u"?taf1="_s));

        // Nothing in the query but unreserved characters, escapes and its own delimiters, so
        // no reader can split it elsewhere or read a "+" as a space.
        const QString query = queryOf(address);
        static const QRegularExpression unsafe(u"[^A-Za-z0-9._~=&%-]|%(?![0-9A-F]{2})"_s);
        QVERIFY2(!unsafe.match(query).hasMatch(), qPrintable(query.left(200)));

        const QStringList pairs = query.split(u'&');
        QCOMPARE(pairs.size(), Keys.size());
        const QStringList expected = valuesOf(values);
        QUrlQuery parsed(query);
        for (qsizetype i = 0; i < Keys.size(); ++i) {
            QVERIFY(pairs[i].startsWith(Keys[i] + u'='));
            QCOMPARE(parsed.queryItemValue(Keys[i], QUrl::FullyDecoded), expected[i]);
            QCOMPARE(formDecoded(pairs[i].mid(Keys[i].size() + 1)), expected[i]);
        }

        // Taken as it is, the address is opened exactly as built.
        const QUrl url = QUrl::fromEncoded(address.toLatin1(), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.toString(QUrl::FullyEncoded), address);
        QCOMPARE(url.path(), u"/zvkt-refer-a-friend.php"_s);
        QVERIFY(!url.hasFragment());
        OpenedUrls opened;
        QDesktopServices::openUrl(url);
        QCOMPARE(opened.addresses(), QStringList{address});
    }

    void aPlusSignIsNotASpace()
    {
        // QUrlQuery leaves "+" alone while form readers turn it into a space; encoding it keeps
        // the two readers in agreement.
        QCOMPARE(QUrlQuery(u"a=x+y"_s).queryItemValue(u"a"_s, QUrl::FullyDecoded), u"x+y"_s);
        QCOMPARE(formDecoded(u"x+y"_s), u"x y"_s);
        const ReferralValues values{u"x+y z"_s, {}, {}, {}, {}};
        QVERIFY(referAFriendAddress(values).contains(u"taf1=x%2By%20z&"_s));
    }
};

QTEST_MAIN(TestReferAFriendAddress)
#include "tst_referafriendaddress.moc"
