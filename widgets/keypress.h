#pragma once

// KeyPress handlers see each typed character as a Windows character code, as a US keyboard
// gives it: Backspace 8, Return and Enter 13, Escape 27, any other key the first character it
// types. With Ctrl held, a letter gives 1 to 26, [ \ ] ^ _ give 27 to 31, Space 32, Backspace
// 127 and Return or Enter 10; every other key types nothing. Keys that type nothing (arrows,
// Delete, Tab, function keys, Ctrl with a digit, Alt combinations) never reach a KeyPress
// handler.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;

std::optional<int> windowsCharCode(int key, Qt::KeyboardModifiers modifiers, const QString &text);
std::optional<int> windowsCharCode(const QKeyEvent &event);

// Runs a KeyPress handler for every character typed into a text box. The handler may drop
// the character by setting the code to 0, or type another one by changing it.
class KeyPressFilter : public QObject {
public:
    using Handler = std::function<void(int &KeyAscii)>;

    KeyPressFilter(QLineEdit &edit, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit &m_edit;
    Handler m_handler;
};
