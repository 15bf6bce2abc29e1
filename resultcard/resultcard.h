#pragma once

// The result card: one page that keeps a finished test for the person who took it. The
// questionnaire window's File menu gathers what the results page shows, the first name from
// the welcome window and the tally (resultcardactions), and the card is painted onto whatever
// asks for it: a PDF file, a PNG picture (resultcardfile) or a printer. Nothing of it is kept
// by the program.

#include "shapetest/modShapeTest.h"

#include <QDate>
#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;
class QRectF;

struct ResultCardData {
    QString firstName;
    QDate date;
    modShapeTest::ShapeIndex shape = modShapeTest::Ruler;
    modShapeTest::Tally tally;
    QImage silhouette;
};

namespace ResultCard {

// The card is laid out on an A4 page measured in points, and scaled to the page it lands on.
inline constexpr QSizeF PageSize{595.0, 842.0};

// Paints the card as large as fits into `page` (in the painter's coordinates), centred there.
void paint(QPainter &painter, const QRectF &page, const ResultCardData &data);

} // namespace ResultCard
