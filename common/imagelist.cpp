#include "common/imagelist.h"

void ImageList::add(const QString &key, const QString &resourcePath)
{
    m_images.append({key, resourcePath, {}});
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
    if (image->pixmap.isNull())
        image->pixmap.load(image->resourcePath);
    return image->pixmap;
}

QString ImageList::key(int position) const
{
    const Image *image = at(position);
    return image ? image->key : QString();
}
