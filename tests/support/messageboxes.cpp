#include "messageboxes.h"

#include <QApplication>
#include <QPushButton>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer) : m_answer(answer)
{
    m_poll.setInterval(10);
    connect(&m_poll, &QTimer::timeout, this, &MessageBoxAnswerer::answerOpenBox);
    m_poll.start();
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    m_poll.stop();
}

QStringList MessageBoxAnswerer::texts() const
{
    QStringList result;
    for (const SeenMessageBox &box : m_seen)
        result.append(box.text);
    return result;
}

void MessageBoxAnswerer::answerOpenBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        const QMessageBox::StandardButton defaultButton =
            box->defaultButton() ? box->standardButton(box->defaultButton())
                                 : QMessageBox::NoButton;
        m_seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                       defaultButton, box->parentWidget()});
        if (m_beforeAnswer)
            m_beforeAnswer(*box);
        QAbstractButton *button = box->button(m_answer);
        if (!button && box->buttons().size() == 1)
            button = box->buttons().constFirst();
        if (button)
            button->click();
        return;
    }
}
