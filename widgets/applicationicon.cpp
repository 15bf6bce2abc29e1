#include "widgets/applicationicon.h"
#include "widgets/rawpicture.h"

#include <QLabel>

QIcon applicationIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(rawPicture(QStringLiteral(":/assets/app-icon.rgba"))));
    icon.addPixmap(QPixmap::fromImage(rawPicture(QStringLiteral(":/assets/app-icon@2x.rgba"))));
    return icon;
}

void sharpenIconPicture(QLabel &picture)
{
    const QSize size = picture.pixmap().deviceIndependentSize().toSize();
    picture.setPixmap(applicationIcon().pixmap(size, picture.devicePixelRatioF()));
}
