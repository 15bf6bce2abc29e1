// The welcome window: the first-name filter and check, starting the test, the ways out, and
// its links.

#include "common/modHelp.h"
#include "controls.h"
#include "farewell/frmFarewell.h"
#include "messageboxes.h"
#include "openedurls.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "shapetest/modShapeTest.h"
#include "testapp.h"
#include "translations/language.h"
#include "welcome.h"
#include "widgets/clicklabel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString OnlyAlphabet = u"Please Enter Only Alphabet"_s;
const QString EnterYourName = u"Please Enter Your Name"_s;

QLineEdit *nameBox()
{
    return control<QLineEdit>(frmMain::get(), u"txtFirstName"_s);
}

QLineEdit *focusedNameBox()
{
    QLineEdit *box = nameBox();
    box->setFocus();
    return box;
}

void typeCode(QWidget *widget, Qt::Key key, const QString &text,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Click, widget, key, text, modifiers);
}

QAction *menuItem(const QString &name)
{
    return control<QAction>(frmMain::get(), name);
}
} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup()
    {
        resetApplication();
        Language::use(QString());
    }

    void smallLettersAreTypedAsCapitals()
    {
        showWelcome();
        MessageBoxAnswerer boxes;
        QTest::keyClicks(focusedNameBox(), u"anna Lee"_s);
        QCOMPARE(nameBox()->text(), u"ANNA LEE"_s);
        QVERIFY(boxes.seen().isEmpty());
    }

    // Each language's own letters are typed as its capitals, besides A to Z; a letter of
    // another alphabet is refused.
    void eachLanguageTakesItsOwnLetters_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("capitals");
        QTest::addColumn<QString>("foreign");
        QTest::newRow("English") << QString() << u"anna"_s << u"ANNA"_s << u"é"_s;
        QTest::newRow("German") << u"de"_s << u"jäöüßẞ"_s << u"JÄÖÜSSẞ"_s << u"Ж"_s;
        QTest::newRow("Spanish") << u"es"_s << u"jáéíñóúü"_s << u"JÁÉÍÑÓÚÜ"_s << u"ç"_s;
        QTest::newRow("French") << u"fr"_s << u"jàâæçéèêëîïôœùûüÿ"_s << u"JÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ"_s
                                << u"ñ"_s;
        QTest::newRow("Italian") << u"it"_s << u"jàèéìíîòóùú"_s << u"JÀÈÉÌÍÎÒÓÙÚ"_s << u"ä"_s;
        QTest::newRow("Portuguese")
            << u"pt_BR"_s << u"jáâãàçéêíóôõú"_s << u"JÁÂÃÀÇÉÊÍÓÔÕÚ"_s << u"ñ"_s;
        QTest::newRow("Russian") << u"ru"_s << u"jабвгдеёжзийклмнопрстуфхцчшщъыьэюя"_s
                                 << u"JАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_s << u"é"_s;
    }

    void eachLanguageTakesItsOwnLetters()
    {
        QFETCH(QString, language);
        QFETCH(QString, letters);
        QFETCH(QString, capitals);
        QFETCH(QString, foreign);
        QVERIFY(Language::use(language));
        showWelcome();
        QLineEdit *box = focusedNameBox();
        MessageBoxAnswerer boxes;
        // As a keyboard sends them: the key of the letter's capital, and the letter.
        for (const QChar letter : letters + capitals)
            typeCode(box, Qt::Key(letter.toUpper().unicode()), QString(letter));
        QCOMPARE(box->text(), capitals + capitals);
        QVERIFY(boxes.seen().isEmpty());
        typeCode(box, Qt::Key(foreign.front().toUpper().unicode()), foreign);
        QCOMPARE(box->text(), capitals + capitals);
        QCOMPARE(boxes.seen().size(), 1);
    }

    void otherCharactersAreRefusedWithAMessage_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        const auto none = Qt::KeyboardModifiers(Qt::NoModifier);
        const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("digit") << int(Qt::Key_7) << u"7"_s << none;
        QTest::newRow("hyphen") << int(Qt::Key_Minus) << u"-"_s << none;
        QTest::newRow("full stop") << int(Qt::Key_Period) << u"."_s << none;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << u"\x1b"_s << none;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << u"c"_s << ctrl;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << u"v"_s << ctrl;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << u"\x18"_s << ctrl;
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << u"\b"_s << ctrl;
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << u"\r"_s << ctrl;
        QTest::newRow("e acute") << int(Qt::Key_Eacute) << u"é"_s << none;
        QTest::newRow("beyond Latin-1") << int(Qt::Key_unknown) << u"ж"_s << none;
    }

    void otherCharactersAreRefusedWithAMessage()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        showWelcome();
        QLineEdit *box = focusedNameBox();
        QTest::keyClicks(box, u"ab"_s);
        QApplication::clipboard()->setText(u"zz"_s);
        MessageBoxAnswerer boxes;
        typeCode(box, Qt::Key(key), text, modifiers);
        QCOMPARE(boxes.texts(), QStringList{OnlyAlphabet});
        QCOMPARE(boxes.seen().first().title, u"ZV Tamsilo"_s);
        QCOMPARE(boxes.seen().first().icon, QMessageBox::Information);
        QCOMPARE(boxes.seen().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(boxes.seen().first().owner, box->window());
        QCOMPARE(box->text(), u"AB"_s);
        QCOMPARE(frmMain::get().focusWidget(), box);
    }

    void backspaceSpaceAndEnterPassWithoutAMessage()
    {
        showWelcome();
        MessageBoxAnswerer boxes;
        QLineEdit *box = focusedNameBox();
        QTest::keyClicks(box, u"ab c"_s);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        // Ctrl+Space types a space; Ctrl with a digit of the keypad, nothing.
        QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_7, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(box->text(), u"AB  "_s);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(!frmDisplay::isLoaded());
        // Keys that type nothing still edit as usual.
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), u"B  "_s);
        QVERIFY(boxes.seen().isEmpty());
    }

    void pastedTextFollowsTheSameRule_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("refused");
        QTest::newRow("small letters") << u"mary ann"_s << u"ABMARY ANN"_s << false;
        QTest::newRow("digits") << u"r2d2"_s << u"AB"_s << true;
        QTest::newRow("line break") << u"x\ny"_s << u"AB"_s << true;
        QTest::newRow("accented") << u"zoë"_s << u"AB"_s << true;
    }

    void pastedTextFollowsTheSameRule()
    {
        QFETCH(QString, pasted);
        showWelcome();
        QLineEdit *box = focusedNameBox();
        QTest::keyClicks(box, u"ab"_s);
        QApplication::clipboard()->setText(pasted);
        MessageBoxAnswerer boxes;
        box->paste();
        QTEST(box->text(), "result");
        QFETCH(bool, refused);
        QTRY_COMPARE(boxes.texts(), refused ? QStringList{OnlyAlphabet} : QStringList());
    }

    void droppedTextFollowsTheSameRule()
    {
        showWelcome();
        QLineEdit *box = nameBox();
        MessageBoxAnswerer boxes;
        for (const QString &dropped : {u"bob"_s, u"bob!"_s}) {
            QMimeData data;
            data.setText(dropped);
            const QPointF at(5, 5);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &drop);
        }
        QCOMPARE(box->text(), u"BOB"_s);
        QTRY_COMPARE(boxes.texts(), QStringList{OnlyAlphabet});
    }

    void startingWithoutANameAsksForOne_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << u"button"_s;
        QTest::newRow("File menu") << u"menu"_s;
        QTest::newRow("Alt+T") << u"access key"_s;
    }

    void startingWithoutANameAsksForOne()
    {
        QFETCH(QString, how);
        frmMain &window = showWelcome();
        control<QPushButton>(window, u"cmdNext"_s)->setFocus();
        MessageBoxAnswerer boxes;
        if (how == u"button"_s)
            QTest::mouseClick(control<QPushButton>(window, u"cmdNext"_s), Qt::LeftButton);
        else if (how == u"menu"_s)
            menuItem(u"mnuNext"_s)->trigger();
        else
            QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(boxes.texts(), QStringList{EnterYourName});
        QCOMPARE(boxes.seen().first().icon, QMessageBox::Information);
        QCOMPARE(boxes.seen().first().owner, &window);
        QCOMPARE(window.focusWidget(), nameBox());
        QVERIFY(!frmDisplay::isLoaded());
        QVERIFY(window.isVisible());
    }

    void aNameOfOneSpaceStartsAFreshTest()
    {
        frmMain &window = showWelcome();
        QTest::keyClick(focusedNameBox(), Qt::Key_Space);
        modShapeTest::Tally_CountAnswer(1, 0);
        modShapeTest::Tally_CountAnswer(2, 0);
        MessageBoxAnswerer boxes;
        QTest::mouseClick(control<QPushButton>(window, u"cmdNext"_s), Qt::LeftButton);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(frmMain::isLoaded());
        QVERIFY(!window.isVisible());
        QVERIFY(frmDisplay::get().isVisible());
        QCOMPARE(modShapeTest::currentTally().intConeCount, std::int16_t(0));
        // Not loaded just to be hidden.
        QVERIFY(!frmFarewell::isLoaded());
        // The hidden welcome window keeps the name for the way back.
        QCOMPARE(nameBox()->text(), u" "_s);
    }

    void startingHidesAFarewellWindowThatIsUp()
    {
        frmMain &window = showWelcome();
        frmFarewell::get().show();
        QTest::keyClicks(focusedNameBox(), u"x"_s);
        menuItem(u"mnuNext"_s)->trigger();
        QVERIFY(!frmFarewell::get().isVisible());
        QVERIFY(frmDisplay::get().isVisible());
        QVERIFY(!window.isVisible());
        // A hidden window's menu, which a screen reader can still reach, does nothing.
        menuItem(u"mnuExit"_s)->trigger();
        QVERIFY(!frmFarewell::get().isVisible() && frmDisplay::get().isVisible());
    }

    void leavingBringsUpTheFarewellWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << u"button"_s;
        QTest::newRow("File > Exit") << u"menu"_s;
        QTest::newRow("close box") << u"close"_s;
    }

    void leavingBringsUpTheFarewellWindow()
    {
        QFETCH(QString, how);
        frmMain &window = showWelcome();
        if (how == u"button"_s)
            control<QPushButton>(window, u"cmdExit"_s)->click();
        else if (how == u"menu"_s)
            menuItem(u"mnuExit"_s)->trigger();
        else
            window.close();
        QVERIFY(!frmMain::isLoaded());
        QVERIFY(frmFarewell::get().isVisible());
        QVERIFY(!modHelp::applicationEnded());
    }

    void closingTheFarewellWindowEndsEvenWithTheWelcomeWindowHidden()
    {
        showWelcome();
        QTest::keyClicks(focusedNameBox(), u"x"_s);
        menuItem(u"mnuNext"_s)->trigger();
        frmDisplay::get().close();
        QVERIFY(frmFarewell::get().isVisible());
        QVERIFY(frmMain::isLoaded());
        QVERIFY(!frmMain::get().isVisible());
        frmFarewell::get().close();
        QVERIFY(modHelp::applicationEnded());
        QVERIFY(loadedWindows().isEmpty());
    }

    void linksOpenTheirPagesAndLeaveTheWindowAsItWas_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        const QString home = u"http://www.zelvara.example"_s;
        const QString fullBrand = u"http://help.zelvara.example/fully-branded.html"_s;
        QTest::newRow("banner") << u"Label61"_s << home;
        QTest::newRow("introduction") << u"Label2"_s << fullBrand;
        QTest::newRow("full brand label") << u"lblFullBrand"_s << fullBrand;
        QTest::newRow("co-brand label")
            << u"lblCobrand"_s << u"http://help.zelvara.example/co-brand.html"_s;
        QTest::newRow("Online Help")
            << u"mnuOnline"_s << u"http://tamsilo.zelvara.example/zv-free-tamsilo-help.html"_s;
        QTest::newRow("Visit Us Online") << u"mnuVisit"_s << home;
        QTest::newRow("Check for Software Update")
            << u"mnuUpdate"_s << u"http://tamsilo.zelvara.example/download-zv-free-tamsilo.html"_s;
        QTest::newRow("Donate") << u"mnuDonate"_s << u"http://help.zelvara.example/donate.html"_s;
    }

    void linksOpenTheirPagesAndLeaveTheWindowAsItWas()
    {
        QFETCH(QString, control);
        QFETCH(QString, address);
        frmMain &window = showWelcome();
        QTest::keyClicks(focusedNameBox(), u"ann"_s);
        if (control == u"lblCobrand"_s)
            window.bringCobrandToFront();
        OpenedUrls opened;
        if (auto *label = window.findChild<ClickLabel *>(control)) {
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() / 2, 8));
        } else {
            menuItem(control)->trigger();
        }
        QCOMPARE(opened.addresses(), QStringList{address});
        QVERIFY(window.isVisible());
        QCOMPARE(nameBox()->text(), u"ANN"_s);
        // Hidden, the window's menu opens nothing, though a screen reader can still reach it.
        window.hide();
        if (QAction *item = window.findChild<QAction *>(control))
            item->trigger();
        QCOMPARE(opened.addresses().size(), 1);
    }

    void makeMoneyIsShownGreyed()
    {
        showWelcome();
        QAction *makeMoney = menuItem(u"mnumakemoney"_s);
        QVERIFY(makeMoney->isVisible());
        QVERIFY(!makeMoney->isEnabled());
        OpenedUrls opened;
        makeMoney->trigger();
        QVERIFY(opened.addresses().isEmpty());
    }

    void bannerNamesTheSiteItOpens()
    {
        const QString banner = control<QLabel>(showWelcome(), u"Label61"_s)->text();
        QCOMPARE(banner, u"The Most Popular Online Zelvara Discussion Board. Best Resource For "
                         "Everything Zelvara. Visit www.zelvara.example Now"_s);
    }

    void promotionalLabelsShareOnePlace()
    {
        frmMain &window = showWelcome();
        auto *fullBrand = control<QLabel>(window, u"lblFullBrand"_s);
        auto *coBrand = control<QLabel>(window, u"lblCobrand"_s);
        QCOMPARE(fullBrand->geometry(), coBrand->geometry());
        const QPoint middle = fullBrand->geometry().center();
        QWidget *strip = fullBrand->parentWidget();
        QCOMPARE(strip->childAt(middle), fullBrand);
        window.bringCobrandToFront();
        QCOMPARE(strip->childAt(middle), coBrand);
        window.bringFullBrandToFront();
        QCOMPARE(strip->childAt(middle), fullBrand);
    }

    void focusStartsInTheNameBoxAndCyclesThroughThreeControls()
    {
        frmMain &window = showWelcome();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.focusWidget(), nameBox());
        QStringList cycle;
        for (QWidget *w = nameBox(); cycle.size() < 4; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                cycle << w->objectName();
        }
        QCOMPARE(cycle,
                 QStringList({u"txtFirstName"_s, u"cmdNext"_s, u"cmdExit"_s, u"txtFirstName"_s}));
    }

    void imageListHoldsTheFourPicturesByPosition()
    {
        const ImageList &pictures = frmMain::get().IMG();
        QCOMPARE(pictures.count(), 4);
        const QStringList keys{u"cone.jpg"_s, u"hourglass.jpg"_s, u"ruler.jpg"_s, u"spoon.jpg"_s};
        const QList<QSize> sizes{{80, 270}, {85, 271}, {80, 271}, {84, 271}};
        for (int position = 1; position <= 4; ++position) {
            QCOMPARE(pictures.key(position), keys[position - 1]);
            QCOMPARE(pictures.picture(position).size(), sizes[position - 1]);
        }
        QVERIFY(pictures.picture(0).isNull());
        QVERIFY(pictures.picture(5).isNull());
    }

    void windowIsOfFixedSizeWithItsCaption()
    {
        frmMain &window = showWelcome();
        QCOMPARE(window.windowTitle(), u"ZV Tamsilo v1.0"_s);
        QCOMPARE(window.centralWidget()->size(), QSize(497, 345));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(control<QMenu>(window, u"nuFile"_s)->title(), u"&File"_s);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
