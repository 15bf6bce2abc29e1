// The farewell window: what it shows, its links, the placeholders and the space filter of the
// referral form, the order of the submit checks, and the ways out.

#include "common/apprandom.h"
#include "common/modHelp.h"
#include "controls.h"
#include "farewell/frmFarewell.h"
#include "farewell/modTellAFriend.h"
#include "farewell/supportmessages.h"
#include "messageboxes.h"
#include "openedurls.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "widgets/clicklabel.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {
const QString Home = u"http://www.zelvara.example"_s;
const QString Catalogue = u"http://www.zelvara.example/zelvarasoftwares"_s;
const QString Distinct = u"Please Enter Distinct Email Addresses"_s;
const QString Proper = u"Please Enter Proper Email Address"_s;
const QString NoSpace = u"Email Address Cannot Contain Space"_s;
const QString CataloguePart1 =
    u"If you have enjoyed this software you will surely be interested in our other Zelvara "
    "Softwares. From a single software, we have now grown to become the world\u2019s largest "
    "resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we "
    "have programs in all fields thus giving our users a wide choice depending on their "
    "interests."_s;
const QString CataloguePart2 =
    u"All the programs in the Zelvara Softwares suite are simple and easy to use. They are not "
    "only fun to use but also very informative. Try them out today and share your experience "
    "with your friends and family. "_s;

template <class T> T *control(const QString &name)
{
    T *found = frmFarewell::get().findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QLineEdit *box(const QString &name)
{
    return control<QLineEdit>(name);
}

QPlainTextEdit *messageBox()
{
    return control<QPlainTextEdit>(u"txtMessage"_s);
}

frmFarewell &activeFarewell()
{
    frmFarewell &window = frmFarewell::get();
    QApplication::setActiveWindow(&window);
    return window;
}

// Moves the focus as the Tab key does, running the boxes' focus handlers.
void enter(QWidget *widget)
{
    widget->setFocus(Qt::TabFocusReason);
}

void leave()
{
    enter(control<QPushButton>(u"cmdClose"_s));
}

void fill(const QString &name, const QString &email, const QString &friendName,
          const QString &friendEmail)
{
    box(u"txtName"_s)->setText(name);
    box(u"txtEmail"_s)->setText(email);
    box(u"txtFriendName"_s)->setText(friendName);
    box(u"txtFriendEmail"_s)->setText(friendEmail);
}

void submit()
{
    QTest::mouseClick(control<QPushButton>(u"cmdSubmit"_s), Qt::LeftButton);
}

// The whole text fits the label's width and height as the label wraps it.
bool fitsWhole(const QLabel &label)
{
    const QRect room = label.contentsRect();
    const QRect needed = label.fontMetrics().boundingRect(
        QRect(0, 0, room.width(), 10000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
        label.text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The visible part of a control's parent that the control may use.
QRect insideBorder(const QWidget &parent)
{
    return parent.rect().adjusted(2, 2, -2, -2);
}
} // namespace

class TestFrmFarewell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { resetApplication(); }

    void loadingShowsItAboveOtherWindows()
    {
        frmFarewell &window = frmFarewell::get();
        QVERIFY(window.isVisible());
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(window.windowTitle(), u"ZV Tamsilo v1.0"_s);
        QCOMPARE(window.size(), QSize(741, 315));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    }

    void eachSupportMessageComesUpAboutAQuarterOfTheTime()
    {
        QStringList messages;
        for (int n = 0; n < SupportMessageCount; ++n)
            messages << supportMessage(n);
        QList<int> seen(SupportMessageCount);
        AppRandom::seedRepeatably(2026);
        const int loads = 400;
        for (int i = 0; i < loads; ++i) {
            const qsizetype n = messages.indexOf(control<QLabel>(u"Label2"_s)->text());
            QVERIFY(n >= 0);
            ++seen[n];
            resetApplication();
        }
        // Five standard deviations either side of 100.
        for (int n = 0; n < SupportMessageCount; ++n)
            QVERIFY2(seen[n] > 57 && seen[n] < 143, qPrintable(QString::number(seen[n])));
    }

    void theMessageStaysWhileTheWindowIsLoaded()
    {
        frmFarewell &window = frmFarewell::get();
        const QString message = control<QLabel>(u"Label2"_s)->text();
        box(u"txtName"_s)->setText(u"Ann"_s);
        for (int i = 0; i < 20; ++i) {
            window.hide();
            window.show();
        }
        QCOMPARE(control<QLabel>(u"Label2"_s)->text(), message);
        QCOMPARE(box(u"txtName"_s)->text(), u"Ann"_s);
    }

    void captionsAndInitialTexts()
    {
        QCOMPARE(control<QLabel>(u"Label1"_s)->text(), u"ZV Tamsilo v1.0"_s);
        QCOMPARE(control<QPushButton>(u"Check1"_s)->text(),
                 u"Click Here To Visit www.zelvara.example Now"_s);
        QVERIFY(control<QPushButton>(u"Check1"_s)->isCheckable());
        QVERIFY(!control<QPushButton>(u"Check1"_s)->isChecked());
        QCOMPARE(control<QPushButton>(u"cmdClose"_s)->text(), u"E&xit"_s);
        QCOMPARE(control<QGroupBox>(u"Frame2"_s)->title(), u"Refer A Friend"_s);
        QCOMPARE(control<QPushButton>(u"cmdSubmit"_s)->text(), u"Refer A Friend &Now"_s);
        QCOMPARE(control<QGroupBox>(u"Frame6"_s)->title(), u"Download Zelvara Softwares"_s);
        QCOMPARE(control<QLabel>(u"Label3"_s)->text(),
                 CataloguePart1 + QString(61, u' ') + CataloguePart2);
        QCOMPARE(control<QLabel>(u"lblGoToHome"_s)->text(),
                 u"Click Here To Visit Zelvara Softwares"_s);
        QCOMPARE(box(u"txtName"_s)->text(), u"Your Name"_s);
        QCOMPARE(box(u"txtEmail"_s)->text(), u"Your Email Address"_s);
        QCOMPARE(box(u"txtFriendName"_s)->text(), u"Friend's Name"_s);
        QCOMPARE(box(u"txtFriendEmail"_s)->text(), u"Friend's Email Address"_s);
        QCOMPARE(messageBox()->toPlainText(), u"Your Message\n"_s);
        QVERIFY(!control<QLabel>(u"Picture1"_s)->pixmap().isNull());
    }

    void theMessageBoxIsOutOfSightButUsable()
    {
        QPlainTextEdit *message = messageBox();
        auto *frame = control<QGroupBox>(u"Frame2"_s);
        QCOMPARE(message->parentWidget(), frame);
        QVERIFY(message->y() > frame->height());
        QVERIFY(message->visibleRegion().isEmpty());
        QVERIFY(message->isEnabled());
        QCOMPARE(message->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void everyTextIsWhole()
    {
        frmFarewell &window = frmFarewell::get();
        window.ensurePolished();
        for (const char *name : {"Label1", "Label2", "Label3", "lblGoToHome"}) {
            const QLabel *label = control<QLabel>(QString::fromLatin1(name));
            QVERIFY2(fitsWhole(*label), name);
            QVERIFY2(insideBorder(*label->parentWidget()).contains(label->geometry()), name);
        }
        auto *support = control<QLabel>(u"Label2"_s);
        for (int n = 0; n < SupportMessageCount; ++n) {
            support->setText(supportMessage(n));
            QVERIFY2(fitsWhole(*support), qPrintable(QString::number(n)));
        }
        for (const char *name : {"Check1", "cmdClose", "cmdSubmit"}) {
            const QPushButton *button = control<QPushButton>(QString::fromLatin1(name));
            QString text = button->text();
            text.remove(u'&');
            QVERIFY2(button->fontMetrics().horizontalAdvance(text) < button->width() - 8, name);
        }
        for (const char *name : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"}) {
            const QLineEdit *edit = box(QString::fromLatin1(name));
            QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->text()) < edit->width() - 6, name);
            QVERIFY2(edit->fontMetrics().height() <= edit->height() - 4, name);
        }
    }

    void theCatalogueParagraphBreaksAfterItsFirstPart()
    {
        // The run of spaces fills the line, so the second part begins a line of its own.
        const QLabel *label = control<QLabel>(u"Label3"_s);
        label->ensurePolished();
        QTextLayout layout(label->text(), label->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QList<int> lineStarts;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width());
            lineStarts << line.textStart();
        }
        layout.endLayout();
        QVERIFY(lineStarts.contains(CataloguePart1.size() + 61));
    }

    void check1OpensTheHomePageOncePerClickAndStaysClear()
    {
        activeFarewell();
        auto *check = control<QPushButton>(u"Check1"_s);
        OpenedUrls opened;
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(opened.addresses(), QStringList{Home});
        QVERIFY(!check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton);
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QTest::keyClick(check, Qt::Key_Return); // a check box, whatever it looks like
        QCOMPARE(opened.addresses(), QStringList({Home, Home, Home}));
        QVERIFY(!check->isChecked());
    }

    void theCatalogueLinkOpensTheCataloguePage()
    {
        auto *link = control<ClickLabel>(u"lblGoToHome"_s);
        OpenedUrls opened;
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
        QCOMPARE(opened.addresses(), QStringList{Catalogue});
        QVERIFY(frmFarewell::get().isVisible());
    }

    void placeholdersComeAndGo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("placeholder");
        QTest::newRow("txtName") << u"txtName"_s << u"Your Name"_s;
        QTest::newRow("txtEmail") << u"txtEmail"_s << u"Your Email Address"_s;
        QTest::newRow("txtFriendName") << u"txtFriendName"_s << u"Friend's Name"_s;
        QTest::newRow("txtFriendEmail") << u"txtFriendEmail"_s << u"Friend's Email Address"_s;
    }

    void placeholdersComeAndGo()
    {
        QFETCH(QString, name);
        QFETCH(QString, placeholder);
        activeFarewell();
        QLineEdit *edit = box(name);
        enter(edit);
        QCOMPARE(edit->text(), QString());
        leave();
        QCOMPARE(edit->text(), placeholder);

        edit->setText(u"  "_s + placeholder + u" "_s);
        enter(edit);
        QCOMPARE(edit->text(), QString());
        edit->setText(u"   "_s);
        leave();
        QCOMPARE(edit->text(), placeholder);

        // The same words in other letters are the user's own.
        edit->setText(placeholder.toLower());
        enter(edit);
        QCOMPARE(edit->text(), placeholder.toLower());
        leave();
        QCOMPARE(edit->text(), placeholder.toLower());

        edit->setText(u"\t"_s);
        enter(edit);
        leave();
        QCOMPARE(edit->text(), u"\t"_s);
    }

    void leavingTheWindowIsNotLeavingTheBox()
    {
        frmFarewell &window = activeFarewell();
        QLineEdit *name = box(u"txtName"_s);
        enter(name);
        QCOMPARE(name->text(), QString());
        // Another window takes the keyboard for a while, or a context menu opens to paste.
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QCOMPARE(name->text(), QString());
        QApplication::setActiveWindow(&window);
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(name, &popup);
        QCOMPARE(name->text(), QString());
        QCOMPARE(window.focusWidget(), name);
        QCOMPARE(name->text(), QString());
    }

    void theUntouchedMessageTravelsWithItsLineBreak()
    {
        activeFarewell();
        enter(messageBox());
        QCOMPARE(messageBox()->toPlainText(), u"Your Message\n"_s);
        leave();
        fill(u"Ann"_s, u"ann@a.example"_s, u"Bob"_s, u"bob@b.example"_s);
        OpenedUrls opened;
        submit();
        QCOMPARE(modTellAFriend::strTafMessage, u"Your Message\r\n"_s);
        QCOMPARE(opened.addresses().size(), 1);
        QVERIFY(opened.addresses().first().contains(u"&taf3=Your%20Message%0D%0A&"_s));
    }

    void anEmptiedMessageStopsEverySubmission()
    {
        activeFarewell();
        enter(messageBox());
        messageBox()->clear();
        leave();
        QCOMPARE(messageBox()->toPlainText(), u"Your Message"_s);
        fill(u"Ann"_s, u"ann@a.example"_s, u"Bob"_s, u"bob@b.example"_s);
        OpenedUrls opened;
        MessageBoxAnswerer boxes;
        submit();
        submit();
        QCOMPARE(boxes.texts(),
                 QStringList({u"Please Enter Your Message"_s, u"Please Enter Your Message"_s}));
        QVERIFY(opened.addresses().isEmpty());
    }

    void aTypedMessageKeepsItsLineBreaks()
    {
        activeFarewell();
        QPlainTextEdit *message = messageBox();
        enter(message);
        message->clear();
        QTest::keyClicks(message, u"Hi"_s);
        QTest::keyClick(message, Qt::Key_Return);
        QTest::keyClicks(message, u"Bob"_s);
        QTest::keyClick(message, Qt::Key_Return, Qt::ShiftModifier);
        QTest::sendKeyEvent(QTest::Click, message, Qt::Key_unknown, u"\u00a0"_s, Qt::NoModifier);
        fill(u"Ann"_s, u"ann@a.example"_s, u"Bob"_s, u"bob@b.example"_s);
        OpenedUrls opened;
        submit();
        QCOMPARE(modTellAFriend::strTafMessage, u"Hi\r\nBob\r\n\u00a0"_s);
        QCOMPARE(opened.addresses().size(), 1);
    }

    void spacesAreRefusedInTheAddressBoxesOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("txtEmail") << u"txtEmail"_s << true;
        QTest::newRow("txtFriendEmail") << u"txtFriendEmail"_s << true;
        QTest::newRow("txtName") << u"txtName"_s << false;
        QTest::newRow("txtFriendName") << u"txtFriendName"_s << false;
    }

    void spacesAreRefusedInTheAddressBoxesOnly()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        frmFarewell &window = activeFarewell();
        QLineEdit *edit = box(name);
        enter(edit);
        MessageBoxAnswerer boxes;
        QTest::keyClicks(edit, u"a b"_s);
        QCOMPARE(edit->text(), refused ? u"ab"_s : u"a b"_s);
        QCOMPARE(boxes.texts(), refused ? QStringList{NoSpace} : QStringList());
        if (refused) {
            QCOMPARE(boxes.seen().first().title, u"ZV Tamsilo"_s);
            QCOMPARE(boxes.seen().first().icon, QMessageBox::Critical);
            QCOMPARE(boxes.seen().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(boxes.seen().first().owner, &window);
        }
        QCOMPARE(window.focusWidget(), edit);

        // Pasted text is taken as it comes.
        boxes.clear();
        QApplication::clipboard()->setText(u" c d"_s);
        edit->paste();
        QVERIFY(edit->text().endsWith(u" c d"_s));
        QVERIFY(boxes.seen().isEmpty());
    }

    void submitChecksInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("messages");
        const auto fields = [](const QString &a, const QString &b, const QString &c,
                               const QString &d) {
            return QStringList{a, b, c, d};
        };
        QTest::newRow("untouched form") << fields(u"Your Name"_s, u"Your Email Address"_s,
                                                  u"Friend's Name"_s, u"Friend's Email Address"_s)
                                        << QStringList{Proper};
        QTest::newRow("the same address, distinct before anything else")
            << fields(QString(), u"a@b.c"_s, QString(), u"a@b.c"_s) << QStringList{Distinct};
        QTest::newRow("the same improper text")
            << fields(u"Ann"_s, u"abc"_s, u"Bob"_s, u"abc"_s) << QStringList{Distinct};
        QTest::newRow("the same address within spaces")
            << fields(u"Ann"_s, u" a@b.c  "_s, u"Bob"_s, u"a@b.c"_s) << QStringList{Distinct};
        QTest::newRow("no at sign")
            << fields(u"Ann"_s, u"ab.c"_s, u"Bob"_s, u"d@e.f"_s) << QStringList{Proper};
        QTest::newRow("no full stop in the friend's")
            << fields(u"Ann"_s, u"a@b.c"_s, u"Bob"_s, u"d@ef"_s) << QStringList{Proper};
        QTest::newRow("improper before a missing name")
            << fields(QString(), u"a@b.c"_s, u"Bob"_s, u"def"_s) << QStringList{Proper};
        QTest::newRow("name placeholder")
            << fields(u"Your Name"_s, u"a@b.c"_s, u"Bob"_s, u"d@e.f"_s)
            << QStringList{u"Please Enter Your Name"_s};
        QTest::newRow("name of spaces") << fields(u"   "_s, u"a@b.c"_s, u"Bob"_s, u"d@e.f"_s)
                                        << QStringList{u"Please Enter Your Name"_s};
        QTest::newRow("friend's name placeholder")
            << fields(u"Ann"_s, u"a@b.c"_s, u"Friend's Name"_s, u"d@e.f"_s)
            << QStringList{u"Please Enter Your Friend's Name"_s};
        QTest::newRow("letter case makes addresses distinct")
            << fields(u"Ann"_s, u"A@b.c"_s, u"Bob"_s, u"a@b.c"_s) << QStringList();
        QTest::newRow("an at sign and a full stop are enough")
            << fields(u"Ann"_s, u"@."_s, u"Bob"_s, u"x@y.z"_s) << QStringList();
    }

    void submitChecksInTheirOrder()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, messages);
        frmFarewell &window = activeFarewell();
        fill(fields[0], fields[1], fields[2], fields[3]);
        OpenedUrls opened;
        MessageBoxAnswerer boxes;
        submit();
        QCOMPARE(boxes.texts(), messages);
        for (const SeenMessageBox &seen : boxes.seen()) {
            QCOMPARE(seen.title, u"ZV Tamsilo"_s);
            QCOMPARE(seen.icon, QMessageBox::Critical);
            QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(seen.owner, &window);
        }
        QCOMPARE(opened.addresses().size(), messages.isEmpty() ? 1 : 0);
        // Stored on every click, before any check.
        QCOMPARE(modTellAFriend::strTafName, fields[0].trimmed());
        QCOMPARE(modTellAFriend::strTafEmail, fields[1].trimmed());
        QCOMPARE(modTellAFriend::strTafFriendName, fields[2].trimmed());
        QCOMPARE(modTellAFriend::strTafFriendEmail, fields[3].trimmed());
        QCOMPARE(modTellAFriend::strTafMessage, u"Your Message\r\n"_s);
        // Nothing on the window changes, and the focus stays on the button.
        QCOMPARE(box(u"txtName"_s)->text(), fields[0]);
        QCOMPARE(box(u"txtEmail"_s)->text(), fields[1]);
        QCOMPARE(window.focusWidget(), control<QPushButton>(u"cmdSubmit"_s));
        QVERIFY(window.isVisible());
    }

    void twoSubmissionsOpenTheAddressTwice()
    {
        frmFarewell &window = activeFarewell();
        fill(u"Ann"_s, u"ann@a.example"_s, u"Bob"_s, u"bob@b.example"_s);
        OpenedUrls opened;
        MessageBoxAnswerer boxes;
        submit();
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(opened.addresses().size(), 2);
        QCOMPARE(opened.addresses().at(0), opened.addresses().at(1));
        QCOMPARE(opened.addresses().at(0),
                 u"http://www.zelvara.example/zvkt-refer-a-friend.php?taf1=Ann&taf2=ann%40a.example"
                 "&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob%40b.example"
                 "&taf6=http%3A%2F%2Ftamsilo.zelvara.example%2F"_s);
        QVERIFY(boxes.seen().isEmpty());
        QCOMPARE(box(u"txtName"_s)->text(), u"Ann"_s);
        QVERIFY(window.isVisible());
    }

    void whatTheUserTypedReachesThePageIntact()
    {
        activeFarewell();
        const QString name = u"a&b=c #x %41 a+b "_s + QString(10000, u'x');
        fill(u"  "_s + name + u" "_s, u"a+b@c.d"_s, u"Zo"_s, u"x@y.z?taf6=evil"_s);
        QLineEdit *friendName = box(u"txtFriendName"_s);
        friendName->end(false);
        QTest::sendKeyEvent(QTest::Click, friendName, Qt::Key_Ediaeresis, u"ë"_s, Qt::NoModifier);
        messageBox()->setPlainText(u"line 1\r\nline 2 & 100%"_s);
        OpenedUrls opened;
        MessageBoxAnswerer boxes;
        submit();
        QVERIFY(boxes.seen().isEmpty());
        QCOMPARE(opened.addresses().size(), 1);
        const QString address = opened.addresses().first();
        QCOMPARE(address, u"http://www.zelvara.example/zvkt-refer-a-friend.php"
                          "?taf1=a%26b%3Dc%20%23x%20%2541%20a%2Bb%20"_s +
                              QString(10000, u'x') +
                              u"&taf2=a%2Bb%40c.d&taf3=line%201%0D%0Aline%202%20%26%20100%25"
                              "&taf4=Zo%C3%AB&taf5=x%40y.z%3Ftaf6%3Devil"
                              "&taf6=http%3A%2F%2Ftamsilo.zelvara.example%2F"_s);
        const QUrlQuery query(QUrl::fromEncoded(address.toLatin1(), QUrl::StrictMode));
        QCOMPARE(query.queryItems(QUrl::FullyDecoded),
                 (QList<std::pair<QString, QString>>{
                     {u"taf1"_s, name},
                     {u"taf2"_s, u"a+b@c.d"_s},
                     {u"taf3"_s, u"line 1\r\nline 2 & 100%"_s},
                     {u"taf4"_s, u"Zoë"_s},
                     {u"taf5"_s, u"x@y.z?taf6=evil"_s},
                     {u"taf6"_s, u"http://tamsilo.zelvara.example/"_s},
                 }));
    }

    void tabOrderStartsAtExit()
    {
        frmFarewell &window = activeFarewell();
        QVERIFY(showsFocusMark(*control<QPushButton>(u"cmdClose"_s)));
        const QStringList order{u"Check1"_s,     u"txtName"_s,        u"cmdSubmit"_s,
                                u"txtEmail"_s,   u"txtFriendEmail"_s, u"txtFriendName"_s,
                                u"txtMessage"_s, u"cmdClose"_s};
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            visited << window.focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
        // Tabbing blindly through the hidden message leaves it as it was.
        QCOMPARE(messageBox()->toPlainText(), u"Your Message\n"_s);
    }

    void closingEndsTheProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("welcomeHidden");
        for (const QString &how : {u"Exit button"_s, u"Alt+X"_s, u"close box"_s, u"Enter"_s}) {
            QTest::addRow("%s", qPrintable(how)) << how << false;
            QTest::addRow("%s, welcome window hidden", qPrintable(how)) << how << true;
        }
    }

    void closingEndsTheProgram()
    {
        QFETCH(QString, how);
        QFETCH(bool, welcomeHidden);
        if (welcomeHidden) {
            frmMain::get().show();
            frmMain::get().hide();
        }
        frmFarewell &window = activeFarewell();
        if (how == u"Exit button"_s)
            QTest::mouseClick(control<QPushButton>(u"cmdClose"_s), Qt::LeftButton);
        else if (how == u"Alt+X"_s)
            QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
        else if (how == u"Enter"_s)
            QTest::keyClick(window.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        else
            window.close();
        QTRY_VERIFY(modHelp::applicationEnded());
        QVERIFY(loadedWindows().isEmpty());
        QVERIFY(!frmMain::isLoaded());
        QVERIFY(!frmFarewell::isLoaded());
    }
};

QTEST_MAIN(TestFrmFarewell)
#include "tst_frmfarewell.moc"
