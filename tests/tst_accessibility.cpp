// What a screen reader meets: every control that can take the focus, and every picture, on
// every window has a name. And what the eye meets: controls that stand out from their
// background, pictures as sharp as the screen, and in every language every text whole within
// its control, the windows and their controls where they are in English, and access keys
// that neither clash nor stand off their text.

#include "about/frmAbout.h"
#include "farewell/frmFarewell.h"
#include "farewell/supportmessages.h"
#include "measure/MeasureShapeWindow.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "translations/language.h"
#include "welcome.h"
#include "widgets/handcursor.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

// Fails naming every fault found.
#define VERIFY_NONE(faults)                                                                        \
    do {                                                                                           \
        const QStringList found = faults;                                                          \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u", ")));                                  \
    } while (false)

namespace {
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

bool isPicture(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    return label && !label->pixmap().isNull();
}

// The focusable controls and pictures of a window that a screen reader could not name.
QStringList namelessControls(QWidget &window)
{
    QStringList nameless;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const bool focusable = widget->focusPolicy() & Qt::TabFocus;
        if ((focusable || isPicture(widget)) && accessibleName(widget).trimmed().isEmpty())
            nameless << widget->objectName();
    }
    return nameless;
}

QStringList accessKeyFaults(QWidget &window);

// The program's windows as the user meets them, the results page showing the shape; the
// access keys of each question page are checked on the way.
QList<QWidget *> everyWindow(modShapeTest::ShapeIndex shape)
{
    resetApplication();
    startTest();
    // Answer a of questions 1 and 2 counts toward shape 3 - a, of questions 3 and 4 toward a.
    for (int page = 1; page <= 4; ++page) {
        const int answer = page <= 2 ? 3 - shape : shape;
        const QString option = u"optQ%1_%2"_s.arg(QChar(u'a' + page - 1)).arg(answer);
        frmDisplay::get().findChild<QRadioButton *>(option)->click();
        const QStringList faults = accessKeyFaults(frmDisplay::get());
        if (!faults.isEmpty())
            qFatal("access keys on page %d: %s", page, qPrintable(faults.join(u", ")));
        frmDisplay::get().findChild<QPushButton *>(u"cmdNext"_s + QString::number(page))->click();
    }
    const QList<QWidget *> windows{&frmMain::get(), &frmDisplay::get(), &frmFarewell::get(),
                                   &frmAbout::get(), &MeasureShapeWindow::get()};
    for (QWidget *window : windows) {
        window->ensurePolished();
        // Lines that a layout places get their room without the window being shown.
        for (QLayout *layout : window->findChildren<QLayout *>())
            layout->activate();
    }
    return windows;
}

// The controls the window's form names, menus and Qt's own parts of a control left out.
QList<QWidget *> controlsOf(QWidget &window)
{
    QList<QWidget *> named = window.findChildren<QWidget *>();
    named.removeIf([](QWidget *control) {
        return control->isWindow() || control->objectName().isEmpty() ||
               control->objectName().startsWith(u"qt_"_s);
    });
    return named;
}

QString where(const QWidget *control)
{
    return control->window()->objectName() + u'.' + control->objectName();
}

// The room a text needs in a control's font, wrapped to the control's width where it wraps.
QSize textSize(const QWidget &control, const QString &text, bool wraps)
{
    const QRect room(0, 0, control.contentsRect().width(), 10000);
    const int flags = Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : Qt::TextSingleLine);
    return control.fontMetrics().boundingRect(room, flags, text).size();
}

// Each control whose text outgrows it: labels, buttons, options, check boxes, group titles
// and the menu bar's titles.
QStringList overflowing(QWidget &window)
{
    QStringList found;
    for (QWidget *control : controlsOf(window)) {
        QSize needed, room = control->contentsRect().size();
        if (const auto *label = qobject_cast<QLabel *>(control); label && label->pixmap().isNull())
            needed = textSize(*label, label->text(), label->wordWrap());
        else if (const auto *button = qobject_cast<QAbstractButton *>(control))
            needed = QSize(button->sizeHint().width(), 0);
        else if (const auto *group = qobject_cast<QGroupBox *>(control))
            needed = textSize(*group, group->title(), false) + QSize(16, 0);
        if (needed.width() > room.width() || needed.height() > room.height())
            found << where(control);
        if (const auto *bar = qobject_cast<QMenuBar *>(control)) {
            for (QAction *title : bar->actions()) {
                const QRect place = bar->actionGeometry(title);
                if (!place.isValid() || place.right() >= bar->width() ||
                    place.top() != bar->actionGeometry(bar->actions().first()).top())
                    found << where(control) + u'.' + title->text();
            }
        }
    }
    return found;
}

// The letter after a lone "&", a blank character when the "&" stands on anything else, none
// without an access key.
std::optional<QChar> accessKey(QString text)
{
    text.replace(u"&&"_s, QString());
    const qsizetype at = text.indexOf(u'&');
    if (at < 0)
        return std::nullopt;
    const QChar key = at + 1 < text.size() ? text.at(at + 1) : QChar();
    return key.isLetter() && text.indexOf(u'&', at + 1) < 0 ? key.toLower() : QChar();
}

// Access keys that clash or stand off a letter, among the texts one press of Alt can reach.
QStringList keyFaults(const QList<std::pair<QString, QString>> &namedTexts)
{
    QStringList found;
    QHash<QChar, QString> taken;
    for (const auto &[name, text] : namedTexts) {
        const std::optional<QChar> key = accessKey(text);
        if (key && (key->isNull() || taken.contains(*key)))
            found << name + u" "_s + text + (key->isNull() ? QString() : u" / "_s + taken[*key]);
        else if (key)
            taken.insert(*key, name);
    }
    return found;
}

// The window's enabled controls and menu titles, then each menu's items.
QStringList accessKeyFaults(QWidget &window)
{
    QList<std::pair<QString, QString>> controls;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->isEnabled())
            controls.append({where(button), button->text()});
    }
    for (QGroupBox *group : window.findChildren<QGroupBox *>())
        controls.append({where(group), group->title()});
    // A label's key moves to the control it names.
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->buddy() && label->isEnabled())
            controls.append({where(label), label->text()});
    }
    QStringList found;
    for (QMenuBar *bar : window.findChildren<QMenuBar *>()) {
        for (QAction *title : bar->actions()) {
            controls.append({where(bar), title->text()});
            QList<std::pair<QString, QString>> items;
            for (QAction *item : title->menu() ? title->menu()->actions() : QList<QAction *>())
                items.append({title->text(), item->text()});
            found << keyFaults(items);
        }
    }
    return found << keyFaults(controls);
}

// Every English text of a window, one "control: text" a line: captions, titles, menus, and
// what a screen reader says; Qt's own parts and the text boxes' contents left out.
QStringList textsOf(QWidget &window)
{
    const QString in = window.objectName() + u'.';
    QStringList lines{window.objectName() + u": "_s + window.windowTitle()};
    const auto add = [&](const QObject *object, const QString &text) {
        if (!text.isEmpty())
            lines << in + object->objectName() + u": "_s + text;
    };
    for (QWidget *control : controlsOf(window)) {
        if (const auto *label = qobject_cast<QLabel *>(control))
            add(label, label->text());
        else if (const auto *button = qobject_cast<QAbstractButton *>(control))
            add(button, button->text());
        else if (const auto *group = qobject_cast<QGroupBox *>(control))
            add(group, group->title());
        else if (const auto *menu = qobject_cast<QMenu *>(control))
            add(menu, menu->title());
        if (!control->accessibleName().isEmpty())
            lines << in + control->objectName() + u" is named: "_s + control->accessibleName();
        if (!control->accessibleDescription().isEmpty())
            lines << in + control->objectName() + u" is described: "_s +
                         control->accessibleDescription();
    }
    for (const QAction *action : window.findChildren<QAction *>())
        add(action, action->text());
    return lines;
}

// Every English text, as the windows show it. Two lines end in a blank (the Ruler's
// description and the farewell window's offer), and several hold double blanks.
const char EnglishTexts[] = R"(frmMain: ZV Tamsilo v1.0
frmMain.Label61: The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit www.zelvara.example Now
frmMain.Label2: Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.
frmMain.Label1: Name
frmMain.txtFirstName is named: First name
frmMain.cmdNext: Take The Body Shape &Test
frmMain.lblCobrand: Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  link here. See "Help" for details.    Click Here for more info on co-branding.
frmMain.lblFullBrand: Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.
frmMain.cmdExit: E&xit
frmMain.mnuNext: Take The Body Shape &Test
frmMain.mnuExit: E&xit
frmMain.mnuOnline: &Online Help
frmMain.mnuVisit: &Visit Us Online
frmMain.mnuUpdate: &Check for Software Update
frmMain.mnuAbout: &About Software
frmMain.mnuDonate: &Donate
frmMain.mnumakemoney: Make Money &Online
frmMain.: &File
frmMain.: &Help
frmDisplay: ZV Tamsilo v1.0
frmDisplay.Label61: The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit www.zelvara.example Now
frmDisplay.cmdBack: &Back
frmDisplay.lblFullBrand: Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.
frmDisplay.lblCobrand: Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  link here. See "Help" for details.    Click Here for more info on co-branding.
frmDisplay.Frame3: Question
frmDisplay.lblQuestion1: Which part of your body would you like to change?
frmDisplay.Frame4: Answer
frmDisplay.optQa_0: Upper Body
frmDisplay.optQa_1: Lower Body
frmDisplay.optQa_2: Upper And Lower Body
frmDisplay.optQa_3: Stomach
frmDisplay.cmdNext1: &Next
frmDisplay.Frame12: Question
frmDisplay.lblQuestion2: Which part of your body do you find most difficult to lose weight?
frmDisplay.Frame14: Answer
frmDisplay.optQb_0: Upper Body
frmDisplay.optQb_1: Lower Body
frmDisplay.optQb_2: Upper And Lower Body
frmDisplay.optQb_3: I can lose weight easily
frmDisplay.cmdNext2: &Next
frmDisplay.Frame11: Question
frmDisplay.lblQuestion3: Which part of your body are you thinnest at?
frmDisplay.Frame13: Answer
frmDisplay.optQc_0: Upper Body
frmDisplay.optQc_1: Lower Body
frmDisplay.optQc_2: Middle Body
frmDisplay.optQc_3: Entire Body
frmDisplay.cmdNext3: &Next
frmDisplay.Frame10: Question
frmDisplay.lblQuestion4: Which part of your body do you put on weight?
frmDisplay.Frame15: Answer
frmDisplay.optQd_0: Stomach and buttocks
frmDisplay.optQd_1: Both upper and lower body
frmDisplay.optQd_2: Hips, thighs and buttocks
frmDisplay.optQd_3: Back, chest, arms and stomach
frmDisplay.cmdNext4: &Next
frmDisplay.fraAnswer: ZV Tamsilo Results
frmDisplay.Label5: Your Body Shape is :-
frmDisplay.lblBodyShape: Ruler
frmDisplay.Label8: Celebrities :-
frmDisplay.lblCelebrities: Cameron Diaz, Keira Knightley, Natalie Portman, Gwyneth Paltrow
frmDisplay.lblDesc: In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. 
frmDisplay.picBodyShape is named: Silhouette of the Ruler body shape
frmDisplay.mnuBack: Back
frmDisplay.mnuMeasureShape: Measure My &Shape…
frmDisplay.mnuSaveResult: Save Result &As…
frmDisplay.mnuPrintResult: &Print Result…
frmDisplay.mnuExit: E&xit
frmDisplay.mnuOnline: &Online Help
frmDisplay.mnuVisit: &Visit Us Online
frmDisplay.mnuUpdate: Check for Software &Update
frmDisplay.mnuAbout: &About Software
frmDisplay.mnuDonate: &Donate
frmDisplay.mnumakemoney: Make Money &Online
frmDisplay.: &File
frmDisplay.: &Help
frmFarewell: ZV Tamsilo v1.0
frmFarewell.Picture1 is named: ZV Tamsilo icon
frmFarewell.Label1: ZV Tamsilo v1.0
frmFarewell.Check1: Click Here To Visit www.zelvara.example Now
frmFarewell.cmdClose: E&xit
frmFarewell.Frame2: Refer A Friend
frmFarewell.txtName is named: Your name
frmFarewell.txtEmail is named: Your email address
frmFarewell.txtFriendName is named: Friend's name
frmFarewell.txtFriendEmail is named: Friend's email address
frmFarewell.cmdSubmit: Refer A Friend &Now
frmFarewell.txtMessage is named: Your message
frmFarewell.Frame6: Download Zelvara Softwares
frmFarewell.Label3: If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. 
frmFarewell.lblGoToHome: Click Here To Visit Zelvara Softwares
frmAbout: ZV Tamsilo v1.0
frmAbout.cmdOK: &OK
frmAbout.Picture1 is named: ZV Tamsilo icon
frmAbout.Label1: ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.
frmAbout.Label2: ZV Tamsilo v1.0
frmAbout.lblCoBrand: Click here for more details.
frmAbout.Label3: Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.
frmAbout.lblHomePage: Click here to visit http://www.zelvara.example
MeasureShapeWindow: Measure My Shape
MeasureShapeWindow.measurementsFrame: Your measurements
MeasureShapeWindow.bustLabel: &Bust
MeasureShapeWindow.bustEdit is named: Bust
MeasureShapeWindow.bustEdit is described: Around the fullest part of the bust, the tape kept level
MeasureShapeWindow.bustHint: Around the fullest part of the bust, the tape kept level
MeasureShapeWindow.waistLabel: &Waist
MeasureShapeWindow.waistEdit is named: Waist
MeasureShapeWindow.waistEdit is described: Around the narrowest part of the waist
MeasureShapeWindow.waistHint: Around the narrowest part of the waist
MeasureShapeWindow.highHipLabel: Hi&gh hip
MeasureShapeWindow.highHipEdit is named: High hip
MeasureShapeWindow.highHipEdit is described: Around the upper swell of the hips, about 18 cm (7 in) below the waist
MeasureShapeWindow.highHipHint: Around the upper swell of the hips, about 18 cm (7 in) below the waist
MeasureShapeWindow.hipsLabel: &Hips
MeasureShapeWindow.hipsEdit is named: Hips
MeasureShapeWindow.hipsEdit is described: Around the widest part of the hips and buttocks
MeasureShapeWindow.hipsHint: Around the widest part of the hips and buttocks
MeasureShapeWindow.unitLabel: Unit:
MeasureShapeWindow.centimetresButton: Centimetres
MeasureShapeWindow.inchesButton: Inches
MeasureShapeWindow.resultFrame: By the tape measure
MeasureShapeWindow.shapeLabel: Type all four measurements to see the shape they give.
MeasureShapeWindow.comparisonLabel: Your answers said Ruler.
MeasureShapeWindow.onCardBox: Put my &measurements on the result card
MeasureShapeWindow.privacyLabel: Nothing you type here is kept or sent anywhere.
MeasureShapeWindow.whyButton: Why these &four?
MeasureShapeWindow.closeButton: &Close
frmDisplay.lblBodyShape: Hourglass
frmDisplay.lblCelebrities: Marilyn Monroe, Sophia Loren, Scarlett Johansson
frmDisplay.lblDesc: In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.
frmDisplay.picBodyShape is named: Silhouette of the Hourglass body shape
MeasureShapeWindow.comparisonLabel: Your answers said Hourglass.
frmDisplay.lblBodyShape: Spoon
frmDisplay.lblCelebrities: Jennifer Lopez, Shakira, Kim Kardashian, Alicia Keys
frmDisplay.lblDesc: In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.
frmDisplay.picBodyShape is named: Silhouette of the Spoon body shape
MeasureShapeWindow.comparisonLabel: Your answers said Spoon.
frmDisplay.lblBodyShape: Cone
frmDisplay.lblCelebrities: Naomi Campbell, Angelina Jolie, Demi Moore, Teri Hatcher
frmDisplay.lblDesc: In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.
frmDisplay.picBodyShape is named: Silhouette of the Cone body shape
MeasureShapeWindow.comparisonLabel: Your answers said Cone.
support message: Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.
support message: Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara
support message: Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.
support message: Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.)";

// Contrast ratio of two colours, as the usual accessibility rules measure it (gamma 2.2).
double contrast(const QColor &one, const QColor &other)
{
    const auto luminance = [](const QColor &c) {
        return 0.2126 * std::pow(c.redF(), 2.2) + 0.7152 * std::pow(c.greenF(), 2.2) +
               0.0722 * std::pow(c.blueF(), 2.2) + 0.05;
    };
    return std::max(luminance(one), luminance(other)) / std::min(luminance(one), luminance(other));
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { resetApplication(); }

    void everyWindowNamesItsControlsAndPictures()
    {
        QCOMPARE(namelessControls(frmMain::get()), QStringList());
        QCOMPARE(namelessControls(frmDisplay::get()), QStringList());
        QCOMPARE(namelessControls(frmFarewell::get()), QStringList());
        QCOMPARE(namelessControls(frmAbout::get()), QStringList());
        QCOMPARE(namelessControls(MeasureShapeWindow::get()), QStringList());
    }

    void theResultsPictureSaysWhichShapeItShows()
    {
        startTest();
        frmDisplay &display = frmDisplay::get();
        const QStringList choices{u"optQa_1"_s, u"optQb_1"_s, u"optQc_2"_s, u"optQd_2"_s};
        for (int page = 1; page <= 4; ++page) {
            display.findChild<QRadioButton *>(choices[page - 1])->click();
            display.findChild<QPushButton *>(u"cmdNext"_s + QString::number(page))->click();
        }
        QCOMPARE(accessibleName(display.findChild<QLabel *>(u"picBodyShape"_s)),
                 u"Silhouette of the Spoon body shape"_s);
    }

    // Covered pages are out of sight; a screen reader lists only the page in front as showing.
    void onlyThePageInFrontIsShowing()
    {
        startTest();
        frmDisplay &display = frmDisplay::get();
        const auto showing = [](QWidget *widget) {
            return !QAccessible::queryAccessibleInterface(widget)->state().invisible;
        };
        for (int page = 1; page <= 5; ++page) {
            const QList<QRadioButton *> answers = display.findChildren<QRadioButton *>();
            QCOMPARE(std::count_if(answers.begin(), answers.end(), showing), page < 5 ? 4 : 0);
            QCOMPARE(showing(display.findChild<QLabel *>(u"lblBodyShape"_s)), page == 5);
            if (page < 5)
                display.findChild<QPushButton *>(u"cmdNext"_s + QString::number(page))->click();
        }
    }

    void theAnswerCirclesStandOutFromTheirBackground()
    {
        startTest();
        const QColor background(0x404040);
        QColor face[2];
        for (const bool chosen : {false, true}) {
            auto *button =
                frmDisplay::get().findChild<QRadioButton *>(chosen ? u"optQa_0"_s : u"optQa_1"_s);
            const QImage shot = button->grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() - 1, 0), background);
            // Inward from the left along the middle: the outermost two pixels of the circle.
            int x = 0, y = shot.height() / 2;
            while (x < shot.width() - 2 && contrast(shot.pixelColor(x, y), background) < 1.2)
                ++x;
            const double ring = std::min(contrast(shot.pixelColor(x, y), background),
                                         contrast(shot.pixelColor(x + 1, y), background));
            QVERIFY2(ring >= 3.0, qPrintable(u"ring %1:1"_s.arg(ring, 0, 'f', 2)));
            const int diameter = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
            face[chosen] = shot.pixelColor(x + int(diameter * shot.devicePixelRatio() / 2), y);
        }
        QVERIFY2(contrast(face[false], background) >= 3.0, "the circle is dark");
        QVERIFY2(contrast(face[true], face[false]) >= 3.0, "the dot cannot be seen");
    }

    void everyTextFitsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const QString &language : Language::builtIn())
            QTest::newRow(qPrintable(language)) << language;
    }

    // The English windows' sizes and places, then each shape's results page and each support
    // message of the farewell window in the language; also the Yes/No box's keys.
    void everyTextFitsInEveryLanguage()
    {
        QFETCH(QString, language);
        Language::use(QString());
        QHash<QString, QRect> english;
        for (QWidget *window : everyWindow(modShapeTest::Ruler)) {
            english.insert(window->objectName(), QRect(QPoint(), window->size()));
            for (QWidget *control : controlsOf(*window))
                english.insert(where(control), control->geometry());
        }
        QVERIFY(Language::use(language));
        auto restore = qScopeGuard([] { Language::use(QString()); });
        for (const auto shape : {modShapeTest::Ruler, modShapeTest::Hourglass, modShapeTest::Spoon,
                                 modShapeTest::Cone}) {
            for (QWidget *window : everyWindow(shape)) {
                QCOMPARE(window->size(), english.value(window->objectName()).size());
                for (QWidget *control : controlsOf(*window)) {
                    // Labels sized to their text keep their places only.
                    const QRect was = english.value(where(control));
                    QVERIFY2(control->pos() == was.topLeft() &&
                                 (qobject_cast<QLabel *>(control) || control->size() == was.size()),
                             qPrintable(where(control)));
                }
                VERIFY_NONE(overflowing(*window));
                VERIFY_NONE(accessKeyFaults(*window));
            }
        }
        auto *support = frmFarewell::get().findChild<QLabel *>(u"Label2"_s);
        for (int n = 0; n < SupportMessageCount; ++n) {
            support->setText(supportMessage(n));
            VERIFY_NONE(overflowing(frmFarewell::get()));
        }
        QMessageBox question(QMessageBox::Information, {}, {}, QMessageBox::Yes | QMessageBox::No);
        QList<std::pair<QString, QString>> answers;
        for (QAbstractButton *button : question.buttons())
            answers.append({u"message box"_s, button->text()});
        VERIFY_NONE(keyFaults(answers));
    }

    // Word for word and blank for blank, as written here: each window with the results page
    // of the Ruler, the other shapes' results, then the farewell window's support messages.
    void everyEnglishTextIsAsWritten()
    {
        QStringList shown;
        for (const auto shape : {modShapeTest::Ruler, modShapeTest::Hourglass, modShapeTest::Spoon,
                                 modShapeTest::Cone}) {
            for (QWidget *window : everyWindow(shape)) {
                for (const QString &line : textsOf(*window)) {
                    // The support message is drawn at random.
                    if (!shown.contains(line) && !line.startsWith(u"frmFarewell.Label2:"_s))
                        shown << line;
                }
            }
        }
        for (int n = 0; n < SupportMessageCount; ++n)
            shown << u"support message: "_s + supportMessage(n);
        const QStringList written = QString::fromUtf8(EnglishTexts).split(u'\n');
        for (qsizetype line = 0; line < std::max(shown.size(), written.size()); ++line)
            QCOMPARE(shown.value(line), written.value(line));
    }

    void aHighDensityScreenGetsTheDoubleSizePictures()
    {
        // The pictures are chosen for the screen the program starts on.
        if (qApp->devicePixelRatio() < 2.0)
            QSKIP("run with QT_SCALE_FACTOR=2 to check the double-size pictures");
        const QPixmap spoon = frmMain::get().IMG().picture(4);
        QCOMPARE(spoon.devicePixelRatio(), 2.0);
        QCOMPARE(spoon.deviceIndependentSize().toSize(), QSize(84, 271));
        for (QLabel *icon : {frmAbout::get().findChild<QLabel *>(u"Picture1"_s),
                             frmFarewell::get().findChild<QLabel *>(u"Picture1"_s)})
            QCOMPARE(icon->pixmap().size(), QSize(64, 64));
        // The hand clicks with the tip of its finger, the dark outline at the top of it.
        QCOMPARE(handCursor().pixmap().toImage().pixelColor(handCursor().hotSpot()), Qt::black);
        const QImage hand = handCursor().pixmap().toImage();
        QCOMPARE(hand.pixelColor(handHotSpot(2.0, true)), Qt::black);
        QCOMPARE(hand.pixelColor(handHotSpot(2.0, false) * 2), Qt::black);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
