// What a screen reader meets: every control that can take the focus, and every picture, on
// every window has a name. And what the eye meets: controls that stand out from their
// background, pictures as sharp as the screen, and in every language every text whole within
// its control, the windows and their controls where they are in English, and access keys
// that neither clash nor stand off their text.

#include "about/frmAbout.h"
#include "farewell/frmFarewell.h"
#include "farewell/supportmessages.h"
#include "history/HistoryWindow.h"
#include "measure/MeasureGuide.h"
#include "measure/MeasureShapeWindow.h"
#include "openedurls.h"
#include "pseudolanguage.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "translations/language.h"
#include "welcome.h"
#include "widgets/handcursor.h"
#include "widgets/mirroredforms.h"

#include <QAccessible>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
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

// What a screen reader takes from a control: its name, description and text, a bar between.
QString heard(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QAccessibleTextInterface *text = face->textInterface();
    return face->text(QAccessible::Name) + u" | "_s + face->text(QAccessible::Description) +
           u" | "_s + (text ? text->text(0, text->characterCount()) : QString());
}

// The window as a reader meets it on a walk to the Spoon: page 1 to 4 of the questions, 5 the
// results page, 6 Measure My Shape with the tape measure's four lengths typed in.
QWidget &walkTo(int step)
{
    startTest();
    frmDisplay &display = frmDisplay::get();
    const QStringList spoon{u"optQa_1"_s, u"optQb_1"_s, u"optQc_2"_s, u"optQd_2"_s};
    for (int page = 1; page < std::min(step, 5); ++page) {
        display.findChild<QRadioButton *>(spoon[page - 1])->click();
        display.findChild<QPushButton *>(u"cmdNext"_s + QString::number(page))->click();
    }
    if (step < 6)
        return display;
    for (const auto &[field, length] : {std::pair{u"bustEdit"_s, u"90"_s},
                                        {u"waistEdit"_s, u"70"_s},
                                        {u"highHipEdit"_s, u"95"_s},
                                        {u"hipsEdit"_s, u"100"_s}})
        QTest::keyClicks(MeasureShapeWindow::get().findChild<QLineEdit *>(field), length);
    return MeasureShapeWindow::get();
}

// Runs an action as a widget is shown.
class OnShow : public QObject {
public:
    OnShow(QWidget &widget, std::function<void()> action) : m_action(std::move(action))
    {
        widget.installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_action();
        return false;
    }

private:
    std::function<void()> m_action;
};

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
    const QList<QWidget *> windows{
        &frmMain::get(),      &frmDisplay::get(),         &frmFarewell::get(),
        &frmAbout::get(),     &MeasureShapeWindow::get(), &MeasureGuide::get(),
        &HistoryWindow::get()};
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

// Whether a label's letters are drawn more than a pixel past its sides (the edge of a letter
// may be). Qt wraps a text by its letters' advances, but right to left it moves a line that
// ends in a blank over by that blank, and a letter's ink may reach beyond its advance.
bool inkPastSides(const QLabel &label)
{
    const QRect room = label.contentsRect();
    const qreal scale = label.devicePixelRatioF();
    const int spare = label.width() / 4;
    QImage image(((label.size() + QSize(2 * spare, 0)).toSizeF() * scale).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(label.font());
    painter.setLayoutDirection(label.layoutDirection());
    const int flags = int(QStyle::visualAlignment(label.layoutDirection(), label.alignment())) |
                      Qt::TextShowMnemonic | (label.wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(room.translated(spare, 0), flags, label.text());
    painter.end();
    const int left = int((spare - 1) * scale), right = int((spare + label.width() + 1) * scale);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((x < left || x >= right) && qAlpha(line[x]) > 0)
                return true;
        }
    }
    return false;
}

// Each control whose text outgrows it: labels, buttons, options, check boxes, group titles
// and the menu bar's titles.
QStringList overflowing(QWidget &window)
{
    QStringList found;
    for (QWidget *control : controlsOf(window)) {
        QSize needed, room = control->contentsRect().size();
        if (const auto *label = qobject_cast<QLabel *>(control); label && label->pixmap().isNull())
            needed = inkPastSides(*label) ? room + QSize(1, 0)
                                          : textSize(*label, label->text(), label->wordWrap());
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

// Right to left, labels whose text reads from the left: Qt takes a text's direction from its
// first letter, not from the window.
QStringList readFromTheLeft(QWidget &window)
{
    QStringList found;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        const bool letters = std::any_of(label->text().begin(), label->text().end(),
                                         [](QChar c) { return c.isLetter(); });
        // The program's name and version are the same in every language.
        if (isMirroredControl(*label) && letters && !label->text().isRightToLeft() &&
            label->text() != window.windowTitle())
            found << where(label) + u": "_s + label->text();
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

// A language the program has, English (""), or the tests' own "pseudo".
bool useLanguage(const QString &language)
{
    // The pseudo-language after English's plural forms, so that it is asked first.
    const bool used = Language::use(language == "pseudo"_L1 ? QString() : language);
    usePseudoLanguage(language == "pseudo"_L1);
    return used;
}

// Where a control stands if it stood at `english` in English: right to left, a control placed
// by its form rather than by a layout stands mirrored in its parent, and a label sized to its
// text keeps its right edge there.
bool standsAsInEnglish(const QWidget &control, const QRect &english)
{
    const QWidget *parent = control.parentWidget();
    const bool label = qobject_cast<const QLabel *>(&control);
    if (!control.isRightToLeft() || parent->layout())
        return control.pos() == english.topLeft() && (label || control.size() == english.size());
    const int right = parent->width() - english.x();
    return control.y() == english.y() && control.x() + control.width() == right &&
           (label || control.size() == english.size());
}

// Access keys on letters of another script than most of their text's letters (a Latin key in
// an Arabic menu, say), which the keyboard in use for the language does not have.
QStringList foreignKeys(QWidget &window)
{
    QStringList found;
    QStringList texts;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        texts << button->text();
    for (QLabel *label : window.findChildren<QLabel *>())
        texts << (label->buddy() ? label->text() : QString());
    for (QAction *action : window.findChildren<QAction *>())
        texts << action->text();
    for (const QString &text : texts) {
        const std::optional<QChar> key = accessKey(text);
        if (!key || key->isNull())
            continue;
        QHash<QChar::Script, int> letters;
        for (const QChar c : text)
            letters[c.script()] += c.isLetter();
        const auto most = std::max_element(letters.begin(), letters.end());
        if (key->script() != most.key())
            found << window.objectName() + u": "_s + text;
    }
    return found;
}

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
        QCOMPARE(namelessControls(MeasureGuide::get()), QStringList());
    }

    // Each tape of the measuring guide at its designed size, drawn for the screen's density.
    void theGuidesPicturesAreAsSharpAsTheScreen()
    {
        const qreal density = qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
        qsizetype pictures = 0;
        for (QLabel *picture : MeasureGuide::get().findChildren<QLabel *>()) {
            if (!isPicture(picture))
                continue;
            ++pictures;
            QCOMPARE(picture->pixmap().devicePixelRatio(), density);
            QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), picture->size());
        }
        QCOMPARE(pictures, 4);
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

    void aScreenReaderHearsWhereItIs_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("heard"); // how it starts
        const QString questions[]{
            u"Which part of your body would you like to change?"_s,
            u"Which part of your body do you find most difficult to lose weight?"_s,
            u"Which part of your body are you thinnest at?"_s,
            u"Which part of your body do you put on weight?"_s};
        const char *groups[]{"Frame4", "Frame14", "Frame13", "Frame15"};
        for (int page = 1; page <= 4; ++page) {
            const QString question = u"Question %1 of 4: "_s.arg(page) + questions[page - 1];
            QTest::addRow("answers %d", page) << page << QString::fromLatin1(groups[page - 1])
                                              << QAccessible::Grouping << question + u" |  | "_s;
            QTest::addRow("Back on page %d", page) << page << u"cmdBack"_s << QAccessible::Button
                                                   << u"Back | "_s + question + u" | "_s;
        }
        QTest::newRow("Back on the results page")
            << 5 << u"cmdBack"_s << QAccessible::Button
            << u"Back | Your body shape: Spoon. In this type of body shape the circumference"_s;
        QTest::newRow("shape") << 5 << u"lblBodyShape"_s << QAccessible::EditableText
                               << u"Your body shape |  | Spoon"_s;
        QTest::newRow("people")
            << 5 << u"lblCelebrities"_s << QAccessible::EditableText
            << u"Well-known people of this shape |  | Jennifer Lopez, Shakira"_s;
        QTest::newRow("description") << 5 << u"lblDesc"_s << QAccessible::EditableText
                                     << u"About this shape |  | In this type of body shape"_s;
        QTest::newRow("tape measure") << 6 << u"hipsEdit"_s << QAccessible::EditableText
                                      << u"Hips | Measured shape: Spoon\n"_s;
        QTest::newRow("unit") << 6 << u"inchesButton"_s << QAccessible::RadioButton
                              << u"Inches | Measured shape: Spoon\n"_s;
        QTest::newRow("about text") << 7 << u"Label1"_s << QAccessible::EditableText
                                    << u" |  | ZV Tamsilo helps you analyze your body shape."_s;
        QTest::newRow("farewell window")
            << 8 << u"frmFarewell"_s << QAccessible::Window << u"ZV Tamsilo v1.0 |  | "_s;
        QTest::newRow("farewell link") << 8 << u"Check1"_s << QAccessible::Link
                                       << u"Click Here To Visit www.zelvara.example Now |  | "_s;
    }

    // Each question with its number, the result, the tape measure's shape, the about text and
    // the farewell window, as a reader finds them: never under a form's own texts.
    void aScreenReaderHearsWhereItIs()
    {
        QFETCH(int, step);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, heard);
        QWidget &window = step <= 6   ? walkTo(step)
                          : step == 7 ? static_cast<QWidget &>(frmAbout::get())
                                      : frmFarewell::get();
        QWidget *found =
            window.objectName() == control ? &window : window.findChild<QWidget *>(control);
        QVERIFY(found);
        QCOMPARE(QAccessible::queryAccessibleInterface(found)->role(), role);
        QVERIFY2(::heard(found).startsWith(heard), qPrintable(::heard(found)));
        for (QWidget *each : frmDisplay::get().findChildren<QWidget *>())
            QVERIFY(!QStringList({u"lblBodyShape"_s, u"Desc"_s}).contains(accessibleName(each)));
    }

    // Pressed through a screen reader, the farewell window's link opens the maker's home page.
    void theFarewellLinkCanBePressed()
    {
        OpenedUrls opened;
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(
            frmFarewell::get().findChild<QWidget *>(u"Check1"_s));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened.addresses(), QStringList(u"http://www.zelvara.example"_s));
    }

    // The results page is whole as it comes forward: a reader never meets its form's texts.
    void theResultsPageIsFilledBeforeItShows()
    {
        walkTo(4);
        QWidget *results = frmDisplay::get().findChild<QWidget *>(u"fraAnswer"_s);
        QStringList seen;
        OnShow watch(*results, [&] {
            seen << frmDisplay::get().findChild<QLabel *>(u"lblBodyShape"_s)->text()
                 << frmDisplay::get().findChild<QLabel *>(u"lblDesc"_s)->text().left(7)
                 << frmDisplay::get()
                        .findChild<QWidget *>(u"cmdBack"_s)
                        ->accessibleDescription()
                        .left(22);
        });
        frmDisplay::get().findChild<QPushButton *>(u"cmdNext4"_s)->click();
        QCOMPARE(seen, QStringList({u"Spoon"_s, u"In this"_s, u"Your body shape: Spoon"_s}));
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
        // Controls known to be outgrown by their texts or pushed from their places, until the
        // window that holds them is redone.
        QTest::addColumn<QStringList>("outgrowing");
        QTest::newRow("en") << QString() << QStringList();
        for (const QString &language : Language::builtIn()) {
            QTest::newRow(qPrintable(language)) << language << QStringList();
        }
        // Two fifths longer, what a language may well need: the long texts of every window
        // but the measure window's and the guide's. There, the hints stand in a column between
        // the reading fields and the frame, the readings heading over the three fields, the unit
        // beside the inches, and the privacy line on the one line above the buttons; the guide's
        // sentences and note fill the height of a window that would have to grow for them, as
        // does My History's paragraph on what it keeps.
        QTest::newRow("pseudo")
            << u"pseudo"_s
            << u"HistoryWindow.keptLabel MeasureGuide.bustSentence MeasureGuide.highHipSentence "
               "MeasureGuide.hipsSentence MeasureGuide.readingsNote MeasureGuide.waistSentence "
               "MeasureShapeWindow.bustHint MeasureShapeWindow.centimetresButton "
               "MeasureShapeWindow.highHipHint MeasureShapeWindow.privacyLabel "
               "MeasureShapeWindow.readingsLabel "
               "frmAbout.Label1 frmAbout.Label3 frmDisplay.Label5 frmDisplay.Label61 "
               "frmDisplay.Label8 frmDisplay.lblCobrand frmDisplay.lblDesc "
               "frmDisplay.lblFullBrand frmDisplay.lblQuestion1 frmDisplay.lblQuestion2 "
               "frmDisplay.lblQuestion4 frmFarewell.Check1 frmFarewell.Frame6 "
               "frmFarewell.Label2 frmFarewell.Label3 frmMain.Label2 frmMain.Label61 "
               "frmMain.lblCobrand frmMain.lblFullBrand"_s.split(u' ');
    }

    // The English windows' sizes and places (mirrored right to left), then each shape's results
    // page and each support message of the farewell window in the language; also the Yes/No box's
    // keys.
    void everyTextFitsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, outgrowing);
        Language::use(QString());
        QHash<QString, QRect> english;
        for (QWidget *window : everyWindow(modShapeTest::Ruler)) {
            english.insert(window->objectName(), QRect(QPoint(), window->size()));
            for (QWidget *control : controlsOf(*window))
                english.insert(where(control), control->geometry());
        }
        QVERIFY(useLanguage(language));
        auto restore = qScopeGuard([] { useLanguage(QString()); });
        QStringList outgrown;
        for (const auto shape : {modShapeTest::Ruler, modShapeTest::Hourglass, modShapeTest::Spoon,
                                 modShapeTest::Cone}) {
            for (QWidget *window : everyWindow(shape)) {
                QCOMPARE(window->size(), english.value(window->objectName()).size());
                QStringList misfits = overflowing(*window);
                for (QWidget *control : controlsOf(*window)) {
                    if (!standsAsInEnglish(*control, english.value(where(control))))
                        misfits << where(control) + u" moved"_s;
                }
                for (const QString &control : misfits) {
                    if (!outgrown.contains(control))
                        outgrown << control;
                }
                VERIFY_NONE(accessKeyFaults(*window));
                VERIFY_NONE(foreignKeys(*window));
                if (qApp->isRightToLeft())
                    VERIFY_NONE(readFromTheLeft(*window));
            }
        }

        auto *support = frmFarewell::get().findChild<QLabel *>(u"Label2"_s);
        for (int n = 0; n < SupportMessageCount; ++n) {
            support->setText(supportMessage(n));
            if (qApp->isRightToLeft())
                VERIFY_NONE(readFromTheLeft(frmFarewell::get()));
            for (const QString &control : overflowing(frmFarewell::get())) {
                if (!outgrown.contains(control))
                    outgrown << control;
            }
        }
        outgrown.sort();
        QCOMPARE(outgrown.join(u", "), outgrowing.join(u", "));
        QMessageBox question(QMessageBox::Information, {}, {}, QMessageBox::Yes | QMessageBox::No);
        QList<std::pair<QString, QString>> answers;
        for (QAbstractButton *button : question.buttons())
            answers.append({u"message box"_s, button->text()});
        VERIFY_NONE(keyFaults(answers));
    }

    // In the pseudo-language every text a person reads on every window, the results of each
    // shape included, comes through translation: a text that does not was written into the
    // program. TAMSILO_SHOTS names a folder for pictures of the windows.
    void everyShownTextIsTranslated()
    {
        QVERIFY(useLanguage(u"pseudo"_s));
        auto restore = qScopeGuard([] { useLanguage(QString()); });
        QStringList untranslated;
        for (const auto shape : {modShapeTest::Ruler, modShapeTest::Hourglass, modShapeTest::Spoon,
                                 modShapeTest::Cone}) {
            for (QWidget *window : everyWindow(shape)) {
                for (const QString &line : textsOf(*window)) {
                    const QString text = line.section(u": "_s, 1);
                    if (!isPseudoText(text) && !untranslated.contains(line))
                        untranslated << line;
                }
                if (const QString shots = qEnvironmentVariable("TAMSILO_SHOTS"); !shots.isEmpty())
                    window->grab().save(shots + u"/pseudo-"_s + window->objectName() + u'-' +
                                        QString::number(shape) + u".png"_s);
            }
        }
        // The program's name and version, and people's names, are the same in every language.
        untranslated.removeIf([](const QString &line) {
            return line.endsWith(u": ZV Tamsilo v1.0"_s) ||
                   line.startsWith(u"frmDisplay.lblCelebrities: "_s);
        });
        QCOMPARE(untranslated.join(u"\n"), QString());
    }

    // Word for word and blank for blank, as written here: each window with the results page
    // of the Ruler, the other shapes' results, then the farewell window's support messages.
    void everyEnglishTextIsAsWritten()
    {
        QStringList shown;
        for (const auto shape : {modShapeTest::Ruler, modShapeTest::Hourglass, modShapeTest::Spoon,
                                 modShapeTest::Cone}) {
            for (QWidget *window : everyWindow(shape)) {
                for (QString line : textsOf(*window)) {
                    // The support message is drawn at random; the history's folder is this
                    // machine's.
                    line.replace(
                        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
                        u"$DATA"_s);
                    if (!shown.contains(line) && !line.startsWith(u"frmFarewell.Label2:"_s))
                        shown << line;
                }
            }
        }
        for (int n = 0; n < SupportMessageCount; ++n)
            shown << u"support message: "_s + supportMessage(n);
        // Written out in english-texts.txt; three lines end in a blank, several hold two blanks.
        QFile file(QStringLiteral(TAMSILO_TESTS_DIR "/english-texts.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList written = QString::fromUtf8(file.readAll()).chopped(1).split(u'\n');
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
