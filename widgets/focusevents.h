#pragma once

// GotFocus and LostFocus handlers for a control: they run when the focus moves onto or away
// from it within its window. A window going to the background or coming back, a message box
// or a context menu opening over it, moves no focus between its controls and runs neither;
// nor does anything that happens to a control of a hidden window, which is how a window is
// discarded (a control destroyed with the focus is told so from its own destructor, when it
// is no longer whole enough for a handler to look at).

#include <QObject>
#include <functional>

class QWidget;

class FocusEvents : public QObject {
public:
    FocusEvents(QWidget &control, std::function<void()> gotFocus, std::function<void()> lostFocus);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_control;
    std::function<void()> m_gotFocus;
    std::function<void()> m_lostFocus;
};
