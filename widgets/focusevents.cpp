#include "widgets/focusevents.h"

#include <QFocusEvent>
#include <QWidget>

FocusEvents::FocusEvents(QWidget &control, std::function<void()> gotFocus,
                         std::function<void()> lostFocus)
    : QObject(&control), m_control(control), m_gotFocus(std::move(gotFocus)),
      m_lostFocus(std::move(lostFocus))
{
    control.installEventFilter(this);
}

bool FocusEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_control || !m_control.isVisible())
        return false;
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    if (event->type() == QEvent::FocusIn)
        m_gotFocus();
    else
        m_lostFocus();
    return false;
}
