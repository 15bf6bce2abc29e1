#include "common/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, QString::fromLatin1(ApplicationTitle), text, buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void ShowInformation(const QString &text)
{
    showMessage(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowStop(const QString &text)
{
    showMessage(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool AskYesNo(const QString &text)
{
    return showMessage(QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::Yes) == QMessageBox::Yes;
}
