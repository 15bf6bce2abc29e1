#include "resultcard/resultcardfile.h"

#include <QCoreApplication>
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

QString extensionOf(FileType type)
{
    return type == FileType::Png ? u"png"_s : u"pdf"_s;
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

CardFile cardFile(const QString &typed, FileType chosen)
{
    const QString suffix = QFileInfo(typed).suffix();
    for (const FileType type : {FileType::Pdf, FileType::Png}) {
        if (suffix.compare(extensionOf(type), Qt::CaseInsensitive) == 0)
            return {typed, type};
    }
    return {typed + u'.' + extensionOf(chosen), chosen};
}

} // namespace ResultCard

bool saveResultCard(const ResultCardData &data, const ResultCard::CardFile &card, QString *error)
{
    QSaveFile file(card.path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        written = card.type == ResultCard::FileType::Png ? ResultCard::writePng(data, file)
                                                         : ResultCard::writePdf(data, file);
        written = written && file.commit();
    }
    if (!written && error) {
        *error = file.error() == QFileDevice::NoError
                     ? QCoreApplication::translate("ResultCard", "The card could not be drawn.")
                     : file.errorString();
    }
    return written;
}
