#pragma once

// The result card: one page that keeps a finished test for the person who took it. The
// questionnaire window's File menu hands over the first name and the shapes' pictures; the card
// actions (resultcardactions) add the tally and what the tape measure said on this visit of the
// results page, and the card is painted onto whatever asks for it: a PDF file, a PNG picture
// (resultcardfile) or a printer. Nothing of it is kept by the program.

#include "measure/measuredresult.h"
#include "shapetest/modShapeTest.h"

#include <QDate>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

class QPainter;
class QRectF;

struct ResultCardData {
    QString firstName;
    QDate date;
    modShapeTest::ShapeIndex shape = modShapeTest::Ruler;
    modShapeTest::Tally tally;
    QImage silhouette;
    // What the measure window showed on this visit of the results page, if anything.
    std::optional<MeasuredResult> measured;
};

namespace ResultCard {

// The card is laid out on an A4 page measured in points, and scaled to the page it lands on.
inline constexpr QSizeF PageSize{595.0, 842.0};

// The card's margin on every side, in points.
inline constexpr qreal Margin = 50.0;

// Paints the card as large as fits into `page` (in the painter's coordinates), centred there.
void paint(QPainter &painter, const QRectF &page, const ResultCardData &data);

// Paints the card without its margin as large as fits into `area`, centred there: for a page
// whose margin is already set aside, as a printer's is.
void paintWithinMargin(QPainter &painter, const QRectF &area, const ResultCardData &data);

} // namespace ResultCard
