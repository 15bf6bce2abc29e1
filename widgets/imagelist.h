#pragma once

// A list of pictures kept by a window for others to use, each with a 1-based position and a
// key. A picture is decoded the first time it is asked for, then kept. On a high-density
// screen a picture drawn at twice the size stands in for it, where there is one.

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

class ImageList {
public:
    void add(const QString &key, const QString &resourcePath,
             const QString &doubleSizePath = QString());

    int count() const { return static_cast<int>(m_images.size()); }
    // Position 1 to count(); a null pixmap outside that range.
    QPixmap picture(int position) const;
    QString key(int position) const;
    // The largest drawing there is of a picture, for paper rather than a screen; not kept.
    QImage largestImage(int position) const;

private:
    struct Image {
        QString key;
        QString resourcePath;
        QString doubleSizePath;
        mutable QPixmap pixmap;
    };
    const Image *at(int position) const;

    QList<Image> m_images;
};
