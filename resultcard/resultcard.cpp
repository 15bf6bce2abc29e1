#include "resultcard/resultcard.h"

#include "common/textlist.h"
#include "resultcard/cardsilhouette.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace ResultCard {

namespace {

using modShapeTest::ShapeIndex;

// In points, on the A4 page.
constexpr qreal ContentWidth = PageSize.width() - 2 * Margin;
constexpr qreal PictureWidth = 150.0;
constexpr qreal PictureHeight = 400.0;
constexpr qreal ColumnWidth = ContentWidth - PictureWidth - 24.0;
constexpr qreal BarLength = 220.0;

const QColor Ink(0x20, 0x20, 0x20);
const QColor Quiet(0x5A, 0x5A, 0x5A);
const QColor Olive(0x4F, 0x4E, 0x1A);
const QColor Accent(0xC0, 0xC0, 0x00);

int countOf(const modShapeTest::Tally &tally, ShapeIndex shape)
{
    switch (shape) {
    case modShapeTest::Ruler:
        return tally.intRulerCount;
    case modShapeTest::Hourglass:
        return tally.intHourglassCount;
    case modShapeTest::Spoon:
        return tally.intSpoonCount;
    case modShapeTest::Cone:
        break;
    }
    return tally.intConeCount;
}

QString shapeName(int shape)
{
    return modShapeTest::Shape_Result(ShapeIndex(shape)).strShapeName;
}

// A shape has 0 to 4 answers, counted in each language's plural forms (Russian has three,
// Arabic six) and the locale's digits; English has its two from the program's plural forms.
QString answers(int count)
{
    //: Beside a shape's bar on the card: %Ln is how many of the four answers counted toward
    //: that shape, 0 to 4, e.g. "2 answers"
    return QCoreApplication::translate("ResultCard", "%Ln answers", nullptr, count);
}

// Fonts are sized in points of the card, whatever the resolution of the device and the
// scale the card is painted at.
QFont cardFont(const QPainter &painter, qreal points, bool bold = false)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points * 72.0 / painter.device()->logicalDpiY());
    font.setBold(bold);
    // No ligatures: text copied or searched in the PDF reads "fi", not one joined letter. Arabic
    // script cannot do without: its letters join, and Qt skips the bidirectional order too.
    if (painter.layoutDirection() == Qt::LeftToRight)
        font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Right to left the card reads from its right edge: each box stands mirrored across the page,
// and the painter, which takes the application's direction, aligns the text in it to its right.
QRectF place(const QPainter &painter, QRectF box)
{
    if (painter.layoutDirection() == Qt::RightToLeft)
        box.moveLeft(PageSize.width() - box.right());
    return box;
}

// Walks down the card, one block of text under the other.
class Writer {
public:
    Writer(QPainter &painter, qreal left, qreal top, qreal width)
        : m_painter(painter), m_left(left), m_top(top), m_width(width)
    {}

    qreal top() const { return m_top; }
    void skip(qreal points) { m_top += points; }

    void write(const QString &text, qreal points, const QColor &colour, bool bold = false)
    {
        m_painter.setFont(cardFont(m_painter, points, bold));
        m_painter.setPen(colour);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF bounds = m_painter.boundingRect(
            place(m_painter, QRectF(m_left, m_top, m_width, PageSize.height())), flags, text);
        m_painter.drawText(bounds, flags, text);
        m_top = bounds.bottom();
    }

    // One line only: a name as long as the box allows is cut short with an ellipsis.
    void writeLine(const QString &text, qreal points, const QColor &colour, bool bold = false)
    {
        const QFont font = cardFont(m_painter, points, bold);
        m_painter.setFont(font);
        write(QFontMetricsF(font, m_painter.device()).elidedText(text, Qt::ElideRight, m_width),
              points, colour, bold);
    }

private:
    QPainter &m_painter;
    qreal m_left;
    qreal m_top;
    qreal m_width;
};

void paintHeader(QPainter &painter, const ResultCardData &data, Writer &writer)
{
    writer.writeLine(u"ZV Tamsilo"_s, 24, Olive, true);
    // The date stands on the same line as the title, at the right.
    const QFont dateFont = cardFont(painter, 11);
    const QString date = QLocale().toString(data.date, QLocale::LongFormat);
    const qreal baseline =
        Margin + QFontMetricsF(cardFont(painter, 24, true), painter.device()).ascent();
    painter.setFont(dateFont);
    painter.setPen(Quiet);
    const qreal width = QFontMetricsF(dateFont, painter.device()).horizontalAdvance(date);
    painter.drawText(
        QPointF(place(painter, QRectF(Margin + ContentWidth - width, 0, width, 0)).left(),
                baseline),
        date);
    writer.skip(6);
    painter.setPen(QPen(Accent, 2));
    painter.drawLine(QPointF(Margin, writer.top()), QPointF(Margin + ContentWidth, writer.top()));
    writer.skip(14);
    const QString name = data.firstName.simplified();
    //: The card's title: %1 is the person's first name as typed, e.g. ANNA. Put the name where
    //: no ending or preposition must agree with it, e.g. "Body shape result: %1".
    const QString named = QCoreApplication::translate("ResultCard", "Body shape result for %1");
    writer.writeLine(name.isEmpty() ? QCoreApplication::translate("ResultCard", "Body shape result")
                                    : named.arg(name),
                     14, Ink);
    writer.skip(20);
}

void paintSilhouette(QPainter &painter, const ResultCardData &data, qreal top)
{
    const QRectF box = place(
        painter, QRectF(Margin + ContentWidth - PictureWidth, top, PictureWidth, PictureHeight));
    const QImage silhouette = printableSilhouette(data.silhouette, box.size());
    if (!silhouette.isNull()) {
        QSizeF size = silhouette.size();
        size.scale(box.size(), Qt::KeepAspectRatio);
        QRectF picture(QPointF(), size);
        picture.moveCenter(box.center());
        picture.moveTop(box.top());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(picture, silhouette);
        painter.setPen(QPen(Quiet, 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(picture);
    }
}

void paintResult(const ResultCardData &data, Writer &writer)
{
    const modShapeTest::ShapeResult &result = modShapeTest::Shape_Result(data.shape);
    //: A heading: the shape's name follows on a line of its own in large letters, e.g. Spoon
    writer.write(QCoreApplication::translate("ResultCard", "Your body shape is"), 12, Quiet);
    writer.write(result.strShapeName, 30, Olive, true);
    writer.skip(14);
    writer.write(QCoreApplication::translate("ResultCard", "Well-known people of this shape"), 11,
                 Ink, true);
    writer.skip(3);
    writer.write(result.strCelebrities, 11, Ink);
    writer.skip(14);
    writer.write(QCoreApplication::translate("ResultCard", "About this shape"), 11, Ink, true);
    writer.skip(3);
    writer.write(result.strDescription, 11, Ink);
}

void paintTally(QPainter &painter, const ResultCardData &data, Writer &writer)
{
    writer.write(QCoreApplication::translate("ResultCard", "How your answers counted"), 11, Ink,
                 true);
    writer.skip(3);
    writer.write(QCoreApplication::translate("ResultCard",
                                             "Each of the four answers counted toward one shape."),
                 10, Quiet);
    writer.skip(8);
    // The names' column is as wide as the longest name needs, in every language.
    painter.setFont(cardFont(painter, 11, true));
    qreal column = 90;
    for (int shape = 0; shape < modShapeTest::ShapeCount; ++shape)
        column = std::max(column, painter.fontMetrics().horizontalAdvance(shapeName(shape)) + 10.0);
    const int best = countOf(data.tally, data.shape);
    QStringList tied;
    for (int shape = 0; shape < modShapeTest::ShapeCount; ++shape) {
        const int count = countOf(data.tally, ShapeIndex(shape));
        if (count == best)
            tied.append(shapeName(shape));
        const bool winner = shape == data.shape;
        const qreal top = writer.top();
        painter.setFont(cardFont(painter, 11, winner));
        painter.setPen(winner ? Olive : Ink);
        painter.drawText(place(painter, QRectF(Margin, top, column, 20)),
                         Qt::AlignLeft | Qt::AlignVCenter, shapeName(shape));
        const qreal length =
            BarLength * qBound(0, count, modShapeTest::QuestionCount) / modShapeTest::QuestionCount;
        painter.fillRect(place(painter, QRectF(Margin + column, top + 4, BarLength, 12)),
                         QColor(0xEE, 0xEE, 0xE0));
        painter.fillRect(place(painter, QRectF(Margin + column, top + 4, length, 12)),
                         winner ? Olive : Accent);
        painter.drawText(place(painter, QRectF(Margin + column + 10 + BarLength, top, 100, 20)),
                         Qt::AlignLeft | Qt::AlignVCenter, answers(count));
        writer.skip(22);
    }
    writer.skip(6);
    const QString winner = shapeName(data.shape);
    if (tied.size() == 1) {
        //: Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A
        //: shape's name does not fit a slot whose grammar must agree with it: "Most answers: %1."
        writer.write(
            QCoreApplication::translate("ResultCard", "%1 had the most answers.").arg(winner), 10,
            Ink);
        return;
    }
    //: Under the bars: %1 is the list of two to four shape names, e.g. "Ruler and Cone"; %Ln is
    //: the number of answers each of them had, 1 or 2, e.g. "Ruler and Cone tied with 2 answers
    //: each." A colon form keeps the names out of the grammar: "Tie, 2 answers each: %1."
    writer.write(
        QCoreApplication::translate("ResultCard", "%1 tied with %Ln answers each.", nullptr, best)
            .arg(TextList::listOf(tied)),
        10, Ink);
    writer.write(QCoreApplication::translate(
                     "ResultCard",
                     "On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins."),
                 10, Ink);
}

// Only when the user measured on this visit of the results page.
void paintMeasured(const ResultCardData &data, Writer &writer)
{
    if (!data.measured)
        return;
    writer.skip(12);
    writer.write(QCoreApplication::translate("ResultCard", "What the tape measure said"), 11, Ink,
                 true);
    writer.skip(3);
    writer.write(data.measured->tapeMeasureLine, 11, Olive, true);
    writer.skip(2);
    writer.write(data.measured->comparisonLine, 10, Ink);
    if (!data.measured->measurements.isEmpty()) {
        writer.skip(2);
        writer.write(data.measured->measurements.join(u"      "_s), 10, Quiet);
    }
}

// The card's painter set so that the A4 page, margin included, fills `card`.
void paintCard(QPainter &painter, const QRectF &card, const ResultCardData &data)
{
    painter.translate(card.topLeft());
    painter.scale(card.width() / PageSize.width(), card.height() / PageSize.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setLayoutDirection(QGuiApplication::layoutDirection());

    Writer writer(painter, Margin, Margin, ContentWidth);
    paintHeader(painter, data, writer);
    const qreal bodyTop = writer.top();
    paintSilhouette(painter, data, bodyTop);
    Writer column(painter, Margin, bodyTop, ColumnWidth);
    paintResult(data, column);
    writer.skip(qMax(column.top() - bodyTop, PictureHeight) + 22);
    paintTally(painter, data, writer);
    paintMeasured(data, writer);
}

QRectF centred(QSizeF size, const QRectF &within)
{
    size.scale(within.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(), size);
    rect.moveCenter(within.center());
    return rect;
}

} // namespace

void paint(QPainter &painter, const QRectF &page, const ResultCardData &data)
{
    painter.save();
    painter.fillRect(page, Qt::white);
    paintCard(painter, centred(PageSize, page), data);
    painter.restore();
}

void paintWithinMargin(QPainter &painter, const QRectF &area, const ResultCardData &data)
{
    const QRectF inner = centred(PageSize.shrunkBy({Margin, Margin, Margin, Margin}), area);
    const qreal margin = Margin * inner.width() / (PageSize.width() - 2 * Margin);
    painter.save();
    paintCard(painter, inner.adjusted(-margin, -margin, margin, margin), data);
    painter.restore();
}

} // namespace ResultCard
