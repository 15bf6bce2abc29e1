#include "widgets/keypress.h"

#include <QKeyEvent>
#include <QLineEdit>

std::optional<int> windowsCharCode(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    // Derived from the key, not the text: a real X server sends "\x03" for Ctrl+C, a
    // synthesised event sends "c".
    if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    if (text.isEmpty())
        return std::nullopt;
    return text.front().unicode();
}

std::optional<int> windowsCharCode(const QKeyEvent &event)
{
    return windowsCharCode(event.key(), event.modifiers(), event.text());
}

KeyPressFilter::KeyPressFilter(QLineEdit &edit, Handler handler)
    : QObject(&edit), m_edit(edit), m_handler(std::move(handler))
{
    edit.installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_edit || event->type() != QEvent::KeyPress)
        return false;
    const std::optional<int> typed = windowsCharCode(*static_cast<QKeyEvent *>(event));
    if (!typed)
        return false;
    int code = *typed;
    m_handler(code);
    if (code == *typed)
        return false;
    if (code != 0)
        m_edit.insert(QString(QChar(code)));
    return true;
}
