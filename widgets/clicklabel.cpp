#include "widgets/clicklabel.h"
#include "widgets/handcursor.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

void ClickLabel::useHandCursor()
{
    setCursor(handCursor());
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // Like a button: the click counts only when released over the label it was pressed on.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click comes as this event, which would otherwise be taken
    // for a press, so that its release would click once more.
    m_pressed = false;
    event->accept();
}
