// The refer-a-friend submission: the five messages in their order, and the address opened on
// every submission that gets through.

#include "farewell/modTellAFriend.h"
#include "messageboxes.h"
#include "openedurls.h"
#include "testapp.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
void store(const QString &name, const QString &email, const QString &message,
           const QString &friendName, const QString &friendEmail)
{
    modTellAFriend::strTafName = name;
    modTellAFriend::strTafEmail = email;
    modTellAFriend::strTafMessage = message;
    modTellAFriend::strTafFriendName = friendName;
    modTellAFriend::strTafFriendEmail = friendEmail;
}

void storeComplete()
{
    store(u"Ann"_s, u"ann@a.example"_s, u"Your Message\r\n"_s, u"Bob"_s, u"bob@b.example"_s);
}
} // namespace

class TestModTellAFriend : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init()
    {
        storeComplete();
        modTellAFriend::strTafUrl = u"unchanged"_s;
    }
    void cleanup() { resetApplication(); }

    void theFiveMessagesComeInOrder()
    {
        // Each value put right in turn uncovers the next message.
        store(u" "_s, u"Your Email Address"_s, u"Your Message"_s, u"Friend's Name"_s,
              u"Friend's Email Address"_s);
        const QStringList messages{u"Please Enter Your Name"_s, u"Please Enter Your Email"_s,
                                   u"Please Enter Your Message"_s,
                                   u"Please Enter Your Friend's Name"_s,
                                   u"Please Enter Your Friend's Email"_s};
        const QList<QString *> fixes{&modTellAFriend::strTafName, &modTellAFriend::strTafEmail,
                                     &modTellAFriend::strTafMessage,
                                     &modTellAFriend::strTafFriendName,
                                     &modTellAFriend::strTafFriendEmail};
        OpenedUrls opened;
        MessageBoxAnswerer boxes;
        for (QString *fix : fixes) {
            modTellAFriend::SendTellAFriend();
            *fix = u"x@y.z"_s;
        }
        QCOMPARE(boxes.texts(), messages);
        for (const SeenMessageBox &box : boxes.seen()) {
            QCOMPARE(box.title, u"ZV Tamsilo"_s);
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QVERIFY(opened.addresses().isEmpty());
        QCOMPARE(modTellAFriend::strTafUrl, u"unchanged"_s);

        modTellAFriend::SendTellAFriend();
        QCOMPARE(boxes.texts().size(), messages.size());
        QCOMPARE(opened.addresses().size(), 1);
    }

    void everySubmissionOpensTheAddressAgain()
    {
        OpenedUrls opened;
        MessageBoxAnswerer boxes;
        modTellAFriend::SendTellAFriend();
        modTellAFriend::SendTellAFriend();
        QVERIFY(boxes.seen().isEmpty());
        const QString expected =
            u"http://www.zelvara.example/zvkt-refer-a-friend.php?taf1=Ann&taf2=ann%40a.example"
            "&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob%40b.example"
            "&taf6=http%3A%2F%2Ftamsilo.zelvara.example%2F"_s;
        QCOMPARE(modTellAFriend::strTafUrl, expected);
        QCOMPARE(opened.addresses(), QStringList({expected, expected}));
    }

    void valuesAreSentAsStored()
    {
        // The window trims; the submission sends what it is given.
        store(u" Ann "_s, u"a@b.c"_s, u"Hi"_s, u"Bob"_s, u"d@e.f"_s);
        OpenedUrls opened;
        modTellAFriend::SendTellAFriend();
        QCOMPARE(opened.addresses().size(), 1);
        QVERIFY(opened.addresses().first().contains(u"?taf1=%20Ann%20&"_s));
    }
};

QTEST_MAIN(TestModTellAFriend)
#include "tst_modtellafriend.moc"
