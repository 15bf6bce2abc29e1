#include "widgets/messages.h"

#include <QMessageBox>
#include <QPointer>

namespace {
QMessageBox::StandardButton showMessage(QWidget *owner, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        bool aboveAll = false)
{
    // On the heap and watched: should the window under it be discarded while it is up, the box
    // goes with it, and must not then be deleted a second time.
    const QPointer<QMessageBox> box =
        new QMessageBox(icon, QString::fromLatin1(ApplicationTitle), text, buttons, owner);
    box->setDefaultButton(defaultButton);
    // A window kept above the others, another program's too, would otherwise cover the box.
    if (aboveAll)
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
    delete box;
    return answer;
}
} // namespace

void showInformation(QWidget *owner, const QString &text)
{
    showMessage(owner, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void showInformationAboveAll(QWidget *owner, const QString &text)
{
    showMessage(owner, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok, true);
}

void showStop(QWidget *owner, const QString &text)
{
    showMessage(owner, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(QWidget *owner, const QString &text)
{
    return showMessage(owner, QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::Yes) == QMessageBox::Yes;
}
