#include "widgets/keypress.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
// The character a key types with Ctrl held, as a US keyboard gives it under Windows. Derived from
// the key, not the text: a real X server sends "\x03" for Ctrl+C, a synthesised event sends "c",
// and X makes control characters of keys that give none there.
std::optional<int> withControl(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_BracketLeft:
        return 27;
    case Qt::Key_Backslash:
        return 28;
    case Qt::Key_BracketRight:
        return 29;
    case Qt::Key_AsciiCircum:
        return 30;
    case Qt::Key_Underscore:
        return 31;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Backspace:
        return 127;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 10;
    default:
        return std::nullopt;
    }
}

// A line edit types the text of a key unless Ctrl alone (or with Shift) is held; a key of the
// keypad held with Ctrl counts as neither.
bool lineEditWouldType(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return !event.text().isEmpty() && event.text().front().isPrint() &&
           modifiers != Qt::ControlModifier &&
           modifiers != (Qt::ControlModifier | Qt::ShiftModifier);
}
} // namespace

std::optional<int> windowsCharCode(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (modifiers & Qt::ControlModifier)
        return withControl(key);
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
    const auto &key = *static_cast<const QKeyEvent *>(event);
    const std::optional<int> typed = windowsCharCode(key);
    // Ctrl with a key of the keypad types nothing, though a line edit would type its digit.
    if (!typed)
        return (key.modifiers() & Qt::ControlModifier) && lineEditWouldType(key);
    int code = *typed;
    m_handler(code);
    // Unchanged, the key does what it does in the box: types its character, or edits (Ctrl+C
    // copies, Backspace deletes). Ctrl+Space types its space here, as the box would not.
    const bool printable = code >= 32 && code != 127;
    if (code == *typed && (!printable || lineEditWouldType(key)))
        return false;
    if (code != 0)
        m_edit.insert(QString(QChar(code)));
    return true;
}
