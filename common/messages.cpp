#include "common/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
void showMessage(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QString::fromLatin1(ApplicationTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
} // namespace

void ShowInformation(const QString &text)
{
    showMessage(QMessageBox::Information, text);
}

void ShowStop(const QString &text)
{
    showMessage(QMessageBox::Critical, text);
}
