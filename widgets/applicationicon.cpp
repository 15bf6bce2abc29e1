#include "widgets/applicationicon.h"

#include <QLabel>

QIcon applicationIcon()
{
    // The icon finds app-icon@2x.png beside the picture on its own.
    return QIcon(QStringLiteral(":/assets/app-icon.png"));
}

void sharpenIconPicture(QLabel &picture)
{
    const QSize size = picture.pixmap().deviceIndependentSize().toSize();
    picture.setPixmap(applicationIcon().pixmap(size, picture.devicePixelRatioF()));
}
