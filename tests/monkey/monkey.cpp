#include "monkey.h"

#include "app/modStartup.h"
#include "common/apprandom.h"
#include "common/modHelp.h"
#include "common/reminderdate.h"
#include "common/weblinks.h"
#include "common/windowmodel.h"
#include "farewell/modTellAFriend.h"
#include "openedurls.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "shapetest/modShapeTest.h"
#include "testapp.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
QString settingsFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"ZVFreeTamsilo"_s).fileName();
}
} // namespace

Monkey::Monkey(quint32 seed, int steps, OpenedUrls &urls)
    : m_random(seed), m_user(m_random, [this](const QString &action) { note(action); }),
      m_target(steps), m_urls(urls)
{
    // The program's own draws follow the seed too, so that a seed repeats its run.
    AppRandom::seedRepeatably(seed);
    m_urls.setOnOpen([this](const QUrl &url) { checkOpened(url); });
}

Monkey::~Monkey()
{
    m_urls.setOnOpen({});
}

int Monkey::opened() const
{
    return int(m_urls.addresses().size());
}

QString Monkey::stepsPerState() const
{
    QStringList parts;
    for (int state = 0; state < int(m_stepsIn.size()); ++state)
        parts.append(u"%1 %2"_s.arg(nameOf(ProgramState(state))).arg(m_stepsIn[state]));
    return parts.join(u", "_s);
}

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
        if (modHelp::applicationEnded() && m_failure.isEmpty()) {
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
    m_state = ProgramState::Starting;
    m_resultCounted = false;
    // A new process starts with an empty tally.
    modShapeTest::Tally_Reset();
    // Now and then the last reminder lies weeks back, so that the question comes first.
    if (chance(30)) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, u"ZVFreeTamsilo"_s);
        settings.setValue(
            u"Settings/"_s + modHelp::ScrambleSetting(u"Duration"_s),
            modHelp::ScrambleSetting(ReminderDate::dateText(QDate::currentDate().addDays(-20))));
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
    if (generation != m_generation || !m_running || modHelp::applicationEnded())
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
    m_user.act();
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

ProgramState Monkey::currentState(const QList<QWidget *> &visible)
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
    if (modHelp::applicationEnded())
        return ProgramState::Ended;
    if (programWindows.isEmpty())
        return ProgramState::Starting;
    if (qobject_cast<frmMain *>(programWindows[0]))
        return ProgramState::Welcome;
    if (qobject_cast<frmDisplay *>(programWindows[0]))
        return ProgramState::Testing;
    return ProgramState::Farewell;
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
    const ProgramState state = currentState(visible);
    if (!m_failure.isEmpty())
        return;
    if (!mayFollow(m_state, state))
        return fail(u"%1 led to %2"_s.arg(nameOf(m_state), nameOf(state)));
    if (state != m_state)
        note(u"now "_s + nameOf(state));
    m_state = state;

    switch (state) {
    case ProgramState::Starting:
        // Only the reminder's question may come before the welcome window.
        for (QWidget *widget : visible) {
            if (!m_starting || !qobject_cast<QMessageBox *>(widget))
                return fail(u"before the welcome window: "_s + describe(widget));
        }
        break;
    case ProgramState::Welcome:
        if (frmDisplay::isLoaded())
            return fail(u"the questionnaire is loaded behind the welcome window"_s);
        break;
    case ProgramState::Testing:
        if (!frmMain::isLoaded())
            return fail(u"the welcome window was unloaded during a test"_s);
        break;
    case ProgramState::Farewell:
        if (frmDisplay::isLoaded())
            return fail(u"the questionnaire is still loaded behind the farewell window"_s);
        break;
    case ProgramState::Ended:
        if (!visible.isEmpty())
            return fail(u"a window is still up after the end: "_s + describe(visible.first()));
        if (!loadedWindows().isEmpty())
            return fail(u"a window is still loaded after the end"_s);
        break;
    }

    const modShapeTest::Tally &tally = modShapeTest::currentTally();
    const int counted =
        tally.intRulerCount + tally.intHourglassCount + tally.intSpoonCount + tally.intConeCount;
    if (counted > 4 || tally.intRulerCount < 0 || tally.intHourglassCount < 0 ||
        tally.intSpoonCount < 0 || tally.intConeCount < 0)
        return fail(u"the tally counts %1 answers"_s.arg(counted));
    if (counted == 4 && !m_resultCounted && state == ProgramState::Testing) {
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
         {WebLinks::helpPage(), WebLinks::downloadPage(), WebLinks::homePage(),
          WebLinks::softwareCataloguePage(), WebLinks::donatePage(), WebLinks::fullBrandPage(),
          WebLinks::coBrandPage()}) {
        if (address == QUrl(page).toString(QUrl::FullyEncoded))
            return;
    }
    const QString start = WebLinks::referAFriendPage() + u'?';
    const QStringList pairs =
        address.startsWith(start) ? address.mid(start.size()).split(u'&') : QStringList();
    const QStringList values{modTellAFriend::strTafName,        modTellAFriend::strTafEmail,
                             modTellAFriend::strTafMessage,     modTellAFriend::strTafFriendName,
                             modTellAFriend::strTafFriendEmail, WebLinks::productSiteRoot()};
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
    if (!ReminderDate::readDateText(stored, QDate::currentDate()).isValid())
        fail(u"the stored date does not read back: "_s + stored);
    const QStringList files = QDir(QFileInfo(settingsFile()).path()).entryList(QDir::Files);
    if (files != QStringList{QFileInfo(settingsFile()).fileName()})
        fail(u"files beside the settings: "_s + files.join(u", "_s));
}
