#include "widgets/rawpicture.h"

#include <QResource>
#include <QtEndian>

QImage rawPicture(const QString &resource)
{
    const QByteArray bytes = QResource(resource).uncompressedData();
    constexpr qsizetype HeaderSize = 8;
    if (bytes.size() < HeaderSize)
        return {};
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 width = qFromLittleEndian<quint32>(data);
    const quint32 height = qFromLittleEndian<quint32>(data + 4);
    if (width == 0 || width > 4096 || height == 0 || height > 4096 ||
        bytes.size() != HeaderSize + qsizetype(width) * height * 4)
        return {};
    // A copy, so that the picture owns its pixels whatever the resource does with its bytes.
    QImage picture =
        QImage(data + HeaderSize, int(width), int(height), int(width) * 4, QImage::Format_RGBA8888)
            .copy();
    // As Qt reads a PNG named so: drawn for a screen of twice the pixel density.
    if (resource.contains(QLatin1String("@2x.")))
        picture.setDevicePixelRatio(2.0);
    return picture;
}
