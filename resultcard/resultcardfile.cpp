#include "resultcard/resultcardfile.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace ResultCard {

namespace {

// The name box takes any length; a file name cannot.
constexpr int LongestNameInFileName = 60;

bool isPicture(const QString &path)
{
    return QFileInfo(path).suffix().compare(u"png"_s, Qt::CaseInsensitive) == 0;
}

bool writePdf(const ResultCardData &data, QSaveFile &file)
{
    QPdfWriter writer(&file);
    writer.setTitle(u"ZV Tamsilo"_s);
    writer.setCreator(u"ZV Tamsilo"_s);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paint(painter, QRectF(0, 0, writer.width(), writer.height()), data);
    return painter.end();
}

bool writePng(const ResultCardData &data, QSaveFile &file)
{
    QImage picture(PictureSize, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(PictureDpi / 0.0254);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&picture);
    paint(painter, picture.rect(), data);
    painter.end();
    return picture.save(&file, "PNG");
}

} // namespace

QString suggestedFileName(const ResultCardData &data)
{
    const QString shape = modShapeTest::Shape_Result(data.shape).strShapeName;
    // The name box lets through letters and spaces only, but a file name must never be able
    // to climb into another folder.
    QString name = data.firstName;
    name.replace(u'/', u' ').replace(u'\\', u' ');
    name = name.simplified().left(LongestNameInFileName).trimmed();
    return (name.isEmpty() ? shape : name + u" - "_s + shape) + u".pdf"_s;
}

QString cardFilePath(const QString &chosen)
{
    const QString suffix = QFileInfo(chosen).suffix();
    if (suffix.compare(u"pdf"_s, Qt::CaseInsensitive) == 0 ||
        suffix.compare(u"png"_s, Qt::CaseInsensitive) == 0)
        return chosen;
    return chosen + u".pdf"_s;
}

} // namespace ResultCard

bool saveResultCard(const ResultCardData &data, const QString &path, QString *error)
{
    const QString target = ResultCard::cardFilePath(path);
    QSaveFile file(target);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        written = ResultCard::isPicture(target) ? ResultCard::writePng(data, file)
                                                : ResultCard::writePdf(data, file);
        written = written && file.commit();
    }
    if (!written && error) {
        *error = file.error() == QFileDevice::NoError ? u"The card could not be drawn."_s
                                                      : file.errorString();
    }
    return written;
}
