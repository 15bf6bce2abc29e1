#include "randomuser.h"
#include "programstate.h"

#include "farewell/frmFarewell.h"
#include "shapetest/frmDisplay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
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

} // namespace

RandomUser::RandomUser(QRandomGenerator &random, std::function<void(const QString &)> note)
    : m_random(random), m_note(std::move(note))
{}

void RandomUser::act()
{
    if (QWidget *popup = QApplication::activePopupWidget()) {
        if (auto *menu = qobject_cast<QMenu *>(popup))
            return actOnPopup(*menu);
        m_note(u"close popup "_s + describe(popup));
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

void RandomUser::actOnPopup(QMenu &popup)
{
    QList<QAction *> items;
    for (QAction *action : popup.actions()) {
        if (action->isVisible() && !action->isSeparator())
            items.append(action);
    }
    const int choice = int(m_random.bounded(4));
    if (choice == 0 && !items.isEmpty()) {
        QAction *item = pick(items);
        m_note(u"click menu item "_s + item->text());
        QTest::mouseClick(&popup, Qt::LeftButton, {}, popup.actionGeometry(item).center());
    } else if (choice == 1) {
        m_note(u"Escape on the menu"_s);
        QTest::keyClick(&popup, Qt::Key_Escape);
    } else {
        const Key &key = pick(Keys);
        m_note(u"key %1 on the menu"_s.arg(QKeySequence(key.key | key.modifiers).toString()));
        QTest::sendKeyEvent(QTest::Click, &popup, key.key, key.text, key.modifiers);
    }
}

void RandomUser::actOnModal(QWidget &modal)
{
    QApplication::setActiveWindow(&modal);
    if (auto *box = qobject_cast<QMessageBox *>(&modal)) {
        ++m_answeredBoxes;
        const int choice = int(m_random.bounded(5));
        if (choice <= 1 && !box->buttons().isEmpty()) {
            QAbstractButton *button = pick(box->buttons());
            m_note(u"answer %1 with %2"_s.arg(describe(box), button->text()));
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (choice == 2) {
            m_note(u"close box of "_s + describe(box));
            box->close();
        } else {
            const Key key = pick(QList<Key>{{Qt::Key_Return, Qt::NoModifier, u"\r"_s},
                                            {Qt::Key_Escape, Qt::NoModifier, u"\x1b"_s},
                                            {Qt::Key_Y, Qt::AltModifier, u"y"_s},
                                            {Qt::Key_N, Qt::AltModifier, u"n"_s},
                                            {Qt::Key_Space, Qt::NoModifier, u" "_s},
                                            {Qt::Key_Tab, Qt::NoModifier, u"\t"_s},
                                            {Qt::Key_N, Qt::NoModifier, u"n"_s}});
            m_note(u"key %1 on %2"_s.arg(QKeySequence(key.key | key.modifiers).toString(),
                                         describe(box)));
            QTest::sendKeyEvent(QTest::Click, keyboardTarget(*box), key.key, key.text,
                                key.modifiers);
        }
        return;
    }
    // Cancelled, so that a run never writes or prints anything.
    if (isQtDialog(&modal)) {
        m_note(u"cancel "_s + describe(&modal));
        modal.close();
        return;
    }
    // The about window: its controls and keys, like any other window.
    actOnWindow(modal);
}

void RandomUser::actOnWindow(QWidget &window)
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

void RandomUser::clickEnabled(QWidget &window, const QString &namePrefix)
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
    m_note(u"click "_s + describe(button));
    QTest::mouseClick(button, Qt::LeftButton);
}

void RandomUser::answerPage(QWidget &window)
{
    clickEnabled(window, u"opt"_s);
    if (QApplication::activeModalWidget() || !window.isVisible())
        return;
    clickEnabled(window, u"cmdNext"_s);
}

void RandomUser::fillInReferral(QWidget &window)
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

QWidget *RandomUser::keyboardTarget(QWidget &window)
{
    QWidget *focus = window.focusWidget();
    return focus && focus->isVisible() ? focus : &window;
}

void RandomUser::click(QWidget &window)
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
    m_note(u"click %1 (lands on %2)"_s.arg(describe(control), describe(hit ? hit : &window)));
    QTest::mouseClick(hit ? hit : &window, Qt::LeftButton, {},
                      hit ? hit->mapFrom(&window, at) : at);
}

void RandomUser::typeKey(QWidget &target)
{
    const Key &key = pick(Keys);
    m_note(
        u"key %1 on %2"_s.arg(QKeySequence(key.key | key.modifiers).toString(), describe(&target)));
    QTest::sendKeyEvent(QTest::Click, &target, key.key, key.text, key.modifiers);
}

void RandomUser::typeWord(QWidget &target)
{
    const QString &word = pick(Words);
    m_note(u"type \"%1\" on %2"_s.arg(word, describe(&target)));
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

void RandomUser::paste(QWidget &target)
{
    const QString &text = pick(Pastes);
    m_note(u"paste \"%1\" into %2"_s.arg(text, describe(&target)));
    QApplication::clipboard()->setText(text);
    QTest::sendKeyEvent(QTest::Click, &target, Qt::Key_Insert, QString(), Qt::ShiftModifier);
}

void RandomUser::pressAccessKey(QWidget &window)
{
    const QChar letter = AccessKeys.at(m_random.bounded(AccessKeys.size()));
    m_note(u"Alt+%1 on %2"_s.arg(letter, describe(&window)));
    QTest::sendKeyEvent(QTest::Click, keyboardTarget(window), Qt::Key(letter.unicode()),
                        QString(letter.toLower()), Qt::AltModifier);
}

void RandomUser::chooseMenuItem(QWidget &window)
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
        m_note(u"click menu title "_s + title->text());
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
    m_note(u"menu %1 > %2"_s.arg(title->text(), item->text()));
    item->trigger();
}

void RandomUser::closeWindow(QWidget &window)
{
    m_note(u"close box of "_s + describe(&window));
    window.close();
}
