// A monkey test: thousands of random user actions on whatever windows are up (clicks on the
// controls, keys, access keys, menu items, close boxes, pastes, answers to message boxes),
// checking after every one that the program still keeps its rules: the windows on screen are
// those of one state of the program's life, and only ever move to a next state; a test never
// counts more than four answers; only the program's own addresses are opened; and the settings
// hold nothing but the reminder's date. When the program ends it is started again.
//
// Reproducible: MONKEY_SEEDS (comma-separated) and MONKEY_STEPS choose the runs; a failure
// names its seed, its step and the actions that led to it.

#include "about/frmAbout.h"
#include "app/modStartup.h"
#include "common/clicklabel.h"
#include "common/modHelp.h"
#include "common/reminderdate.h"
#include "common/weblinks.h"
#include "common/windowmodel.h"
#include "farewell/frmFarewell.h"
#include "farewell/modTellAFriend.h"
#include "openedurls.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "shapetest/modShapeTest.h"
#include "testapp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>

using namespace Qt::StringLiterals;

namespace {
enum class State { Starting, Welcome, Testing, Farewell, Ended };

QString nameOf(State state)
{
    switch (state) {
    case State::Starting:
        return u"Starting"_s;
    case State::Welcome:
        return u"Welcome"_s;
    case State::Testing:
        return u"Testing"_s;
    case State::Farewell:
        return u"Farewell"_s;
    case State::Ended:
        break;
    }
    return u"Ended"_s;
}

// The moves the program may make between two user actions.
bool mayFollow(State from, State to)
{
    if (from == to)
        return true;
    switch (from) {
    case State::Starting:
        return to == State::Welcome;
    case State::Welcome:
        return to == State::Testing || to == State::Farewell;
    case State::Testing:
        return to == State::Welcome || to == State::Farewell;
    case State::Farewell:
        return to == State::Ended;
    case State::Ended:
        break;
    }
    return false;
}

const QStringList Words{
    u"ann"_s,
    u"Bob Lee"_s,
    u"a@b.c"_s,
    u"x@y.z"_s,
    u"ann@a.example"_s,
    u"bob@b.example"_s,
    u"Your Name"_s,
    u"Your Email Address"_s,
    u"Friend's Name"_s,
    u"Your Message"_s,
    u"a&b=c#d"_s,
    u"50% off?"_s,
    u"  "_s,
    u"Z"_s,
    u"taf1=x&taf6=y"_s,
    u"http://elsewhere.example/"_s,
};

const QStringList Pastes{u"mary ann"_s, u"r2d2"_s,     u"zoë"_s,  u"x\ny"_s,
                         u"a@b.c"_s,    u"\u00a0\t"_s, u"ANNA"_s, QString()};

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

const QList<Key> Keys{
    {Qt::Key_A, Qt::NoModifier, u"a"_s},
    {Qt::Key_N, Qt::NoModifier, u"n"_s},
    {Qt::Key_Z, Qt::ShiftModifier, u"Z"_s},
    {Qt::Key_7, Qt::NoModifier, u"7"_s},
    {Qt::Key_Space, Qt::NoModifier, u" "_s},
    {Qt::Key_At, Qt::ShiftModifier, u"@"_s},
    {Qt::Key_Period, Qt::NoModifier, u"."_s},
    {Qt::Key_Eacute, Qt::NoModifier, u"é"_s},
    {Qt::Key_Return, Qt::NoModifier, u"\r"_s},
    {Qt::Key_Enter, Qt::KeypadModifier, u"\r"_s},
    {Qt::Key_Escape, Qt::NoModifier, u"\x1b"_s},
    {Qt::Key_Tab, Qt::NoModifier, u"\t"_s},
    {Qt::Key_Backtab, Qt::ShiftModifier, QString()},
    {Qt::Key_Backspace, Qt::NoModifier, u"\b"_s},
    {Qt::Key_Delete, Qt::NoModifier, QString()},
    {Qt::Key_Up, Qt::NoModifier, QString()},
    {Qt::Key_Down, Qt::NoModifier, QString()},
    {Qt::Key_Left, Qt::NoModifier, QString()},
    {Qt::Key_Right, Qt::NoModifier, QString()},
    {Qt::Key_Home, Qt::NoModifier, QString()},
    {Qt::Key_End, Qt::NoModifier, QString()},
    {Qt::Key_F1, Qt::NoModifier, QString()},
    {Qt::Key_V, Qt::ControlModifier, u"\x16"_s},
    {Qt::Key_C, Qt::ControlModifier, u"\x03"_s},
    {Qt::Key_A, Qt::ControlModifier, u"\x01"_s},
    {Qt::Key_Z, Qt::ControlModifier, u"\x1a"_s},
    {Qt::Key_Insert, Qt::ShiftModifier, QString()},
};

// The access keys of the program's captions, and a few that none has; the ones that lead on
// come up more often than Exit, so that runs get deep into a test before they end.
const QString AccessKeys = u"TTTNNNNNNBFHOVCADUYQX"_s;

QString settingsFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"ZVFreeTamsilo"_s).fileName();
}

bool isProgramWindow(const QWidget *widget)
{
    return qobject_cast<const frmMain *>(widget) || qobject_cast<const frmDisplay *>(widget) ||
           qobject_cast<const frmFarewell *>(widget);
}

bool isModal(const QWidget *widget)
{
    return qobject_cast<const frmAbout *>(widget) || qobject_cast<const QMessageBox *>(widget);
}

QString describe(const QWidget *widget)
{
    if (!widget)
        return u"(none)"_s;
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(widget->metaObject()->className());
    if (const auto *box = qobject_cast<const QMessageBox *>(widget))
        name += u" \""_s + box->text() + u'"';
    return name;
}
} // namespace

class Monkey : public QObject {
public:
    Monkey(quint32 seed, int steps, OpenedUrls &urls)
        : m_random(seed), m_target(steps), m_urls(urls)
    {
        m_urls.setOnOpen([this](const QUrl &url) { checkOpened(url); });
    }
    ~Monkey() override { m_urls.setOnOpen({}); }

    // Runs until the steps are done or a rule is broken; the program is ended afterwards.
    void run();

    QString failure() const { return m_failure; }
    int steps() const { return m_steps; }
    int starts() const { return m_starts; }
    int answeredBoxes() const { return m_boxes; }
    int results() const { return m_results; }
    int opened() const { return int(m_urls.addresses().size()); }
    int referrals() const { return m_referrals; }
    // Steps taken in each state, Starting to Ended.
    QString stepsPerState() const
    {
        QStringList parts;
        for (int state = 0; state < int(m_stepsIn.size()); ++state)
            parts.append(u"%1 %2"_s.arg(nameOf(State(state))).arg(m_stepsIn[state]));
        return parts.join(u", "_s);
    }

private:
    void startProgram();
    void scheduleStep();
    void step(int generation);
    void fail(const QString &what);
    void checkRules();
    State currentState(const QList<QWidget *> &visible);
    void checkOpened(const QUrl &url);
    void checkSettings();

    void act();
    void actOnPopup(QMenu &popup);
    void actOnModal(QWidget &modal);
    void actOnWindow(QWidget &window);
    void click(QWidget &window);
    void typeKey(QWidget &target);
    void typeWord(QWidget &target);
    void paste(QWidget &target);
    void pressAccessKey(QWidget &window);
    void chooseMenuItem(QWidget &window);
    void closeWindow(QWidget &window);
    void clickEnabled(QWidget &window, const QString &namePrefix);
    void answerPage(QWidget &window);
    void fillInReferral(QWidget &window);
    void note(const QString &action);
    QWidget *keyboardTarget(QWidget &window);

    template <class T> const T &pick(const QList<T> &list)
    {
        return list.at(m_random.bounded(qsizetype(list.size())));
    }
    bool chance(int percent) { return int(m_random.bounded(100)) < percent; }

    QRandomGenerator m_random;
    const int m_target;
    OpenedUrls &m_urls;
    int m_steps = 0;
    int m_starts = 0;
    int m_boxes = 0;
    int m_results = 0;
    int m_referrals = 0;
    int m_generation = 0;
    bool m_running = false;
    bool m_starting = false;
    bool m_resultCounted = false;
    State m_state = State::Starting;
    std::array<int, 5> m_stepsIn{};
    QEventLoop *m_loop = nullptr;
    QString m_failure;
    QStringList m_recent;
};

void Monkey::run()
{
    while (m_failure.isEmpty() && m_steps < m_target) {
        startProgram();
        QEventLoop loop;
        m_loop = &loop;
        // Returns when the steps are done, or when the program ends and leaves every loop.
        if (m_running)
            loop.exec();
        m_loop = nullptr;
        m_running = false;
        ++m_generation;
        if (modHelp::ApplicationEnded() && m_failure.isEmpty()) {
            note(u"the program ended"_s);
            checkRules();
        }
        checkSettings();
        resetApplication();
    }
}

void Monkey::startProgram()
{
    ++m_starts;
    m_state = State::Starting;
    m_resultCounted = false;
    // A new process starts with an empty tally.
    modShapeTest::Tally_Reset();
    // Now and then the last reminder lies weeks back, so that the question comes first.
    if (chance(30)) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, u"ZVFreeTamsilo"_s);
        settings.setValue(
            u"Settings/"_s + modHelp::ScrambleSetting(u"Duration"_s),
            modHelp::ScrambleSetting(reminderdate::DateText(QDate::currentDate().addDays(-20))));
    }
    note(u"start"_s);
    m_running = true;
    // The steps run inside the reminder's question too, which holds start-up until answered.
    scheduleStep();
    m_starting = true;
    modStartup::StartApplication();
    m_starting = false;
}

void Monkey::scheduleStep()
{
    QTimer::singleShot(0, this, [this, generation = m_generation] { step(generation); });
}

void Monkey::step(int generation)
{
    if (generation != m_generation || !m_running || modHelp::ApplicationEnded())
        return;
    // Scheduled first, so that the next step also runs inside any modal loop this one opens.
    scheduleStep();
    checkRules();
    if (!m_failure.isEmpty())
        return;
    if (m_steps >= m_target) {
        // Done: answer whatever is still open, so that every loop can end.
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        else if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        else if (m_loop)
            m_loop->quit();
        return;
    }
    ++m_steps;
    ++m_stepsIn[std::size_t(m_state)];
    act();
}

void Monkey::fail(const QString &what)
{
    if (!m_failure.isEmpty())
        return;
    m_failure =
        u"step %1: %2\nlast actions:\n  %3"_s.arg(m_steps).arg(what, m_recent.join(u"\n  "_s));
    m_running = false;
    // Close what is open so that the loops unwind; the test then reports.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && (isModal(widget) || qobject_cast<QMenu *>(widget)))
            widget->close();
    }
    if (m_loop)
        m_loop->quit();
}

void Monkey::note(const QString &action)
{
    m_recent.append(u"%1 [%2] %3"_s.arg(m_steps).arg(nameOf(m_state), action));
    if (qEnvironmentVariableIsSet("MONKEY_TRACE"))
        qInfo("%s", qPrintable(m_recent.last()));
    if (m_recent.size() > 25)
        m_recent.removeFirst();
}

State Monkey::currentState(const QList<QWidget *> &visible)
{
    QList<QWidget *> programWindows;
    for (QWidget *widget : visible) {
        if (isProgramWindow(widget))
            programWindows.append(widget);
    }
    if (programWindows.size() > 1) {
        fail(u"two windows of the program at once: %1 and %2"_s.arg(describe(programWindows[0]),
                                                                    describe(programWindows[1])));
        return m_state;
    }
    if (modHelp::ApplicationEnded())
        return State::Ended;
    if (programWindows.isEmpty())
        return State::Starting;
    if (qobject_cast<frmMain *>(programWindows[0]))
        return State::Welcome;
    if (qobject_cast<frmDisplay *>(programWindows[0]))
        return State::Testing;
    return State::Farewell;
}

void Monkey::checkRules()
{
    QList<QWidget *> visible;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || qobject_cast<QMenu *>(widget) ||
            widget->windowType() == Qt::ToolTip)
            continue;
        if (!isProgramWindow(widget) && !isModal(widget))
            return fail(u"a window the program does not have: "_s + describe(widget));
        visible.append(widget);
    }
    const State state = currentState(visible);
    if (!m_failure.isEmpty())
        return;
    if (!mayFollow(m_state, state))
        return fail(u"%1 led to %2"_s.arg(nameOf(m_state), nameOf(state)));
    if (state != m_state)
        note(u"now "_s + nameOf(state));
    m_state = state;

    switch (state) {
    case State::Starting:
        // Only the reminder's question may come before the welcome window.
        for (QWidget *widget : visible) {
            if (!m_starting || !qobject_cast<QMessageBox *>(widget))
                return fail(u"before the welcome window: "_s + describe(widget));
        }
        break;
    case State::Welcome:
        if (frmDisplay::isLoaded())
            return fail(u"the questionnaire is loaded behind the welcome window"_s);
        break;
    case State::Testing:
        if (!frmMain::isLoaded())
            return fail(u"the welcome window was unloaded during a test"_s);
        break;
    case State::Farewell:
        if (frmDisplay::isLoaded())
            return fail(u"the questionnaire is still loaded behind the farewell window"_s);
        break;
    case State::Ended:
        if (!visible.isEmpty())
            return fail(u"a window is still up after the end: "_s + describe(visible.first()));
        if (!loadedWindows().isEmpty())
            return fail(u"a window is still loaded after the end"_s);
        break;
    }

    const modShapeTest::Tally &tally = modShapeTest::Tally_Current();
    const int counted =
        tally.intRulerCount + tally.intHourglassCount + tally.intSpoonCount + tally.intConeCount;
    if (counted > 4 || tally.intRulerCount < 0 || tally.intHourglassCount < 0 ||
        tally.intSpoonCount < 0 || tally.intConeCount < 0)
        return fail(u"the tally counts %1 answers"_s.arg(counted));
    if (counted == 4 && !m_resultCounted && state == State::Testing) {
        m_resultCounted = true;
        ++m_results;
    } else if (counted == 0) {
        m_resultCounted = false;
    }
}

void Monkey::checkOpened(const QUrl &url)
{
    const QString address = url.toString(QUrl::FullyEncoded);
    note(u"opened "_s + address);
    for (const QString &page :
         {weblinks::HelpPage(), weblinks::DownloadPage(), weblinks::HomePage(),
          weblinks::SoftwareCataloguePage(), weblinks::DonatePage(), weblinks::FullBrandPage(),
          weblinks::CoBrandPage()}) {
        if (address == QUrl(page).toString(QUrl::FullyEncoded))
            return;
    }
    const QString start = weblinks::ReferAFriendPage() + u'?';
    const QStringList pairs =
        address.startsWith(start) ? address.mid(start.size()).split(u'&') : QStringList();
    const QStringList values{modTellAFriend::strTafName,        modTellAFriend::strTafEmail,
                             modTellAFriend::strTafMessage,     modTellAFriend::strTafFriendName,
                             modTellAFriend::strTafFriendEmail, weblinks::ProductSiteRoot()};
    bool wellFormed = pairs.size() == 6;
    for (int key = 0; wellFormed && key < 6; ++key) {
        const QString prefix = u"taf%1="_s.arg(key + 1);
        wellFormed =
            pairs[key].startsWith(prefix) &&
            QUrl::fromPercentEncoding(pairs[key].mid(prefix.size()).toLatin1()) == values[key];
    }
    if (!wellFormed)
        return fail(u"an address that is not the program's: "_s + address);
    ++m_referrals;
}

void Monkey::checkSettings()
{
    // The one setting, under its scrambled name, holding a date that reads back.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, u"ZVFreeTamsilo"_s);
    const QString entry = u"Settings/"_s + modHelp::ScrambleSetting(u"Duration"_s);
    if (settings.allKeys() != QStringList{entry})
        return fail(u"the settings hold "_s + settings.allKeys().join(u", "_s));
    const QString stored = modHelp::UnscrambleSetting(settings.value(entry).toString());
    if (!reminderdate::ReadDateText(stored, QDate::currentDate()).isValid())
        fail(u"the stored date does not read back: "_s + stored);
    const QStringList files = QDir(QFileInfo(settingsFile()).path()).entryList(QDir::Files);
    if (files != QStringList{QFileInfo(settingsFile()).fileName()})
        fail(u"files beside the settings: "_s + files.join(u", "_s));
}

void Monkey::act()
{
    if (QWidget *popup = QApplication::activePopupWidget()) {
        if (auto *menu = qobject_cast<QMenu *>(popup))
            return actOnPopup(*menu);
        note(u"close popup "_s + describe(popup));
        popup->close();
        return;
    }
    if (QWidget *modal = QApplication::activeModalWidget())
        return actOnModal(*modal);
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && isProgramWindow(widget))
            windows.append(widget);
    }
    if (windows.isEmpty()) {
        // A box of the program with no window under it, or nothing yet: let events run.
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && isModal(widget))
                return actOnModal(*widget);
        }
        return;
    }
    actOnWindow(*pick(windows));
}

void Monkey::actOnPopup(QMenu &popup)
{
    QList<QAction *> items;
    for (QAction *action : popup.actions()) {
        if (action->isVisible() && !action->isSeparator())
            items.append(action);
    }
    const int choice = int(m_random.bounded(4));
    if (choice == 0 && !items.isEmpty()) {
        QAction *item = pick(items);
        note(u"click menu item "_s + item->text());
        QTest::mouseClick(&popup, Qt::LeftButton, {}, popup.actionGeometry(item).center());
    } else if (choice == 1) {
        note(u"Escape on the menu"_s);
        QTest::keyClick(&popup, Qt::Key_Escape);
    } else {
        const Key &key = pick(Keys);
        note(u"key %1 on the menu"_s.arg(QKeySequence(key.key | key.modifiers).toString()));
        QTest::sendKeyEvent(QTest::Click, &popup, key.key, key.text, key.modifiers);
    }
}

void Monkey::actOnModal(QWidget &modal)
{
    QApplication::setActiveWindow(&modal);
    if (auto *box = qobject_cast<QMessageBox *>(&modal)) {
        ++m_boxes;
        const int choice = int(m_random.bounded(5));
        if (choice <= 1 && !box->buttons().isEmpty()) {
            QAbstractButton *button = pick(box->buttons());
            note(u"answer %1 with %2"_s.arg(describe(box), button->text()));
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (choice == 2) {
            note(u"close box of "_s + describe(box));
            box->close();
        } else {
            const Key key = pick(QList<Key>{{Qt::Key_Return, Qt::NoModifier, u"\r"_s},
                                            {Qt::Key_Escape, Qt::NoModifier, u"\x1b"_s},
                                            {Qt::Key_Y, Qt::AltModifier, u"y"_s},
                                            {Qt::Key_N, Qt::AltModifier, u"n"_s},
                                            {Qt::Key_Space, Qt::NoModifier, u" "_s},
                                            {Qt::Key_Tab, Qt::NoModifier, u"\t"_s},
                                            {Qt::Key_N, Qt::NoModifier, u"n"_s}});
            note(u"key %1 on %2"_s.arg(QKeySequence(key.key | key.modifiers).toString(),
                                       describe(box)));
            QTest::sendKeyEvent(QTest::Click, keyboardTarget(*box), key.key, key.text,
                                key.modifiers);
        }
        return;
    }
    // The about window: its controls and keys, like any other window.
    actOnWindow(modal);
}

void Monkey::actOnWindow(QWidget &window)
{
    QApplication::setActiveWindow(&window);
    const int choice = int(m_random.bounded(100));
    // Now and then a purposeful user: answers a page, or fills in the referral and sends it.
    if (choice < 10 && qobject_cast<frmDisplay *>(&window))
        return answerPage(window);
    if (choice < 10 && qobject_cast<frmFarewell *>(&window))
        return fillInReferral(window);
    if (choice < 35)
        click(window);
    else if (choice < 60)
        typeKey(*keyboardTarget(window));
    else if (choice < 70)
        typeWord(*keyboardTarget(window));
    else if (choice < 75)
        paste(*keyboardTarget(window));
    else if (choice < 85)
        pressAccessKey(window);
    else if (choice < 98)
        chooseMenuItem(window);
    else
        closeWindow(window);
}

void Monkey::clickEnabled(QWidget &window, const QString &namePrefix)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->objectName().startsWith(namePrefix) && button->isVisible() &&
            button->isEnabled())
            buttons.append(button);
    }
    if (buttons.isEmpty())
        return;
    QAbstractButton *button = pick(buttons);
    note(u"click "_s + describe(button));
    QTest::mouseClick(button, Qt::LeftButton);
}

void Monkey::answerPage(QWidget &window)
{
    clickEnabled(window, u"opt"_s);
    if (QApplication::activeModalWidget() || !window.isVisible())
        return;
    clickEnabled(window, u"cmdNext"_s);
}

void Monkey::fillInReferral(QWidget &window)
{
    for (const QString &name :
         {u"txtName"_s, u"txtEmail"_s, u"txtFriendName"_s, u"txtFriendEmail"_s}) {
        if (QApplication::activeModalWidget() || !window.isVisible())
            return;
        auto *box = window.findChild<QLineEdit *>(name);
        if (!box || !box->isVisible())
            return;
        QTest::mouseClick(box, Qt::LeftButton);
        if (chance(50))
            box->selectAll();
        typeWord(*box);
    }
    if (!QApplication::activeModalWidget() && window.isVisible())
        clickEnabled(window, u"cmdSubmit"_s);
}

QWidget *Monkey::keyboardTarget(QWidget &window)
{
    QWidget *focus = window.focusWidget();
    return focus && focus->isVisible() ? focus : &window;
}

void Monkey::click(QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != &window)
            continue;
        if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLabel *>(widget) ||
            qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget))
            controls.append(widget);
    }
    if (controls.isEmpty())
        return;
    // The answers and the Next buttons more often than the links, for the same reason.
    QWidget *control = pick(controls);
    for (int tries = 0;
         tries < 2 && !control->objectName().contains(QRegularExpression(u"^(cmdNext|opt)"_s));
         ++tries)
        control = pick(controls);
    // At its middle: whatever lies on top there gets the click, as on a screen.
    const QPoint at = control->mapTo(&window, control->rect().center());
    QWidget *hit = window.childAt(at);
    note(u"click %1 (lands on %2)"_s.arg(describe(control), describe(hit ? hit : &window)));
    QTest::mouseClick(hit ? hit : &window, Qt::LeftButton, {},
                      hit ? hit->mapFrom(&window, at) : at);
}

void Monkey::typeKey(QWidget &target)
{
    const Key &key = pick(Keys);
    note(
        u"key %1 on %2"_s.arg(QKeySequence(key.key | key.modifiers).toString(), describe(&target)));
    QTest::sendKeyEvent(QTest::Click, &target, key.key, key.text, key.modifiers);
}

void Monkey::typeWord(QWidget &target)
{
    const QString &word = pick(Words);
    note(u"type \"%1\" on %2"_s.arg(word, describe(&target)));
    const QPointer<QWidget> guard(&target);
    for (const QChar c : word) {
        // A character may bring up a message, or take the window away.
        QWidget *modal = QApplication::activeModalWidget();
        if (!guard || !guard->isVisible() || (modal && modal != guard->window()))
            return;
        QTest::sendKeyEvent(QTest::Click, guard, Qt::Key(QChar(c).toUpper().unicode()), QString(c),
                            Qt::NoModifier);
    }
}

void Monkey::paste(QWidget &target)
{
    const QString &text = pick(Pastes);
    note(u"paste \"%1\" into %2"_s.arg(text, describe(&target)));
    QApplication::clipboard()->setText(text);
    QTest::sendKeyEvent(QTest::Click, &target, Qt::Key_Insert, QString(), Qt::ShiftModifier);
}

void Monkey::pressAccessKey(QWidget &window)
{
    const QChar letter = AccessKeys.at(m_random.bounded(AccessKeys.size()));
    note(u"Alt+%1 on %2"_s.arg(letter, describe(&window)));
    QTest::sendKeyEvent(QTest::Click, keyboardTarget(window), Qt::Key(letter.unicode()),
                        QString(letter.toLower()), Qt::AltModifier);
}

void Monkey::chooseMenuItem(QWidget &window)
{
    auto *menuBar = window.findChild<QMenuBar *>();
    if (!menuBar)
        return click(window);
    QList<QAction *> titles;
    for (QAction *action : menuBar->actions()) {
        if (action->isVisible() && !action->isSeparator())
            titles.append(action);
    }
    if (titles.isEmpty())
        return;
    QAction *title = pick(titles);
    if (chance(50) || !title->menu()) {
        // The way a user opens a menu or chooses a menu-bar item: a click on its title.
        note(u"click menu title "_s + title->text());
        QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(title).center());
        return;
    }
    QList<QAction *> items;
    for (QAction *action : title->menu()->actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator())
            items.append(action);
    }
    if (items.isEmpty())
        return;
    QAction *item = pick(items);
    note(u"menu %1 > %2"_s.arg(title->text(), item->text()));
    item->trigger();
}

void Monkey::closeWindow(QWidget &window)
{
    note(u"close box of "_s + describe(&window));
    window.close();
}

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareTestApplication();
        QVERIFY(m_runtime.isValid());
        // The single-copy lock of these runs lives here, away from any real copy's.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void cleanup() { resetApplication(); }

    void randomUseKeepsTheRules_data()
    {
        QTest::addColumn<quint32>("seed");
        const QByteArray seeds = qgetenv("MONKEY_SEEDS");
        const QStringList list = seeds.isEmpty() ? QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}
                                                 : QString::fromLatin1(seeds).split(u',');
        for (const QString &seed : list)
            QTest::addRow("seed %s", qPrintable(seed.trimmed())) << seed.trimmed().toUInt();
    }

    void randomUseKeepsTheRules()
    {
        QFETCH(quint32, seed);
        const int steps = qEnvironmentVariableIntValue("MONKEY_STEPS") > 0
                              ? qEnvironmentVariableIntValue("MONKEY_STEPS")
                              : 2500;
        useFreshSettings();
        OpenedUrls urls;
        Monkey monkey(seed, steps, urls);
        monkey.run();
        if (!monkey.failure().isEmpty())
            QFAIL(qPrintable(u"seed %1, %2"_s.arg(seed).arg(monkey.failure())));
        qInfo("seed %u: %d steps (%s), %d starts, %d results pages, %d message boxes answered, "
              "%d addresses opened (%d referrals)",
              seed, monkey.steps(), qPrintable(monkey.stepsPerState()), monkey.starts(),
              monkey.results(), monkey.answeredBoxes(), monkey.opened(), monkey.referrals());
        QCOMPARE(monkey.steps(), steps);
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
