#include "widgets/imagelist.h"

#include <QGuiApplication>

void ImageList::add(const QString &key, const QString &resourcePath, const QString &doubleSizePath)
{
    m_images.append({key, resourcePath, doubleSizePath, {}});
}

const ImageList::Image *ImageList::at(int position) const
{
    if (position < 1 || position > count())
        return nullptr;
    return &m_images.at(position - 1);
}

QPixmap ImageList::picture(int position) const
{
    const Image *image = at(position);
    if (!image)
        return {};
    if (image->pixmap.isNull()) {
        const bool highDensity = qApp->devicePixelRatio() > 1.0;
        if (highDensity && image->pixmap.load(image->doubleSizePath))
            image->pixmap.setDevicePixelRatio(2.0);
        else
            image->pixmap.load(image->resourcePath);
    }
    return image->pixmap;
}

QString ImageList::key(int position) const
{
    const Image *image = at(position);
    return image ? image->key : QString();
}

QImage ImageList::largestImage(int position) const
{
    const Image *image = at(position);
    if (!image)
        return {};
    const QImage large(image->doubleSizePath);
    return large.isNull() ? QImage(image->resourcePath) : large;
}
