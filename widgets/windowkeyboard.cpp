#include "widgets/windowkeyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace {
class WindowKeyboard : public QObject {
public:
    explicit WindowKeyboard(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pressOnEnter(QObject *watched, const QKeyEvent &key);
    static bool isUnusedAccessKey(QObject *watched, const QKeyEvent &key);
    void focusChanged(QWidget *now);
    void comeHome();

    QWidget &m_window;
    QPointer<QWidget> m_home;
};

WindowKeyboard::WindowKeyboard(QWidget &window) : QObject(&window), m_window(window)
{
    window.installEventFilter(this);
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (!button->isCheckable())
            button->installEventFilter(this);
    }
    for (QLineEdit *box : window.findChildren<QLineEdit *>())
        box->installEventFilter(this);
    for (QPlainTextEdit *box : window.findChildren<QPlainTextEdit *>())
        box->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { focusChanged(now); });
}

bool WindowKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        return isUnusedAccessKey(watched, key) || pressOnEnter(watched, key);
    }
    if (watched == &m_window && event->type() == QEvent::Show) {
        comeHome();
        // What the styles look at; Qt clears it when it makes the native window.
        m_window.setAttribute(Qt::WA_KeyboardFocusChange);
    }
    return false;
}

bool WindowKeyboard::pressOnEnter(QObject *watched, const QKeyEvent &key)
{
    auto *button = qobject_cast<QPushButton *>(watched);
    if (!button || (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter))
        return false;
    // With Ctrl, Alt or Shift it is another key; Enter on the keypad is the same key.
    if (key.modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier))
        return false;
    // One press, one click: a key held down does not click over and over.
    if (!key.isAutoRepeat())
        button->click();
    return true;
}

bool WindowKeyboard::isUnusedAccessKey(QObject *watched, const QKeyEvent &key)
{
    // An Alt+key that reaches a text box is one no access key of the window took; it types
    // nothing. Ctrl+Alt is AltGr on some keyboards, which types characters.
    const bool textBox =
        qobject_cast<QLineEdit *>(watched) || qobject_cast<QPlainTextEdit *>(watched);
    return textBox && key.modifiers().testFlag(Qt::AltModifier) &&
           !key.modifiers().testFlag(Qt::ControlModifier);
}

void WindowKeyboard::focusChanged(QWidget *now)
{
    // Focus moving in a hidden window is Qt tidying up, not the user.
    if (now && now->window() == &m_window && m_window.isVisible() && !qobject_cast<QMenuBar *>(now))
        m_home = now;
}

void WindowKeyboard::comeHome()
{
    if (m_home && m_window.focusWidget() != m_home && m_home->isEnabled())
        m_home->setFocus(Qt::OtherFocusReason);
}
} // namespace

void useWindowKeyboard(QWidget &window)
{
    new WindowKeyboard(window);
}
