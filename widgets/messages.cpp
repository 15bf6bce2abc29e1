#include "widgets/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {
QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        bool aboveAll = false)
{
    // On the heap and watched: should the window under it be discarded while it is up, the box
    // goes with it, and must not then be deleted a second time.
    const QPointer<QMessageBox> box = new QMessageBox(icon, QString::fromLatin1(ApplicationTitle),
                                                      text, buttons, QApplication::activeWindow());
    box->setDefaultButton(defaultButton);
    // A window kept above the others, another program's too, would otherwise cover the box.
    if (aboveAll)
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
    delete box;
    return answer;
}
} // namespace

void showInformation(const QString &text)
{
    showMessage(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void showInformationAboveAll(const QString &text)
{
    showMessage(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok, true);
}

void showStop(const QString &text)
{
    showMessage(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(const QString &text)
{
    return showMessage(QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::Yes) == QMessageBox::Yes;
}
