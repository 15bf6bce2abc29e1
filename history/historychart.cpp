#include "history/historychart.h"

#include "common/textlist.h"
#include "measure/measurereport.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using History::Entry;

namespace {

// A colour and a dash for each girth, so that the lines are told apart without colour too.
struct Line {
    QColor colour;
    Qt::PenStyle style;
};
const std::array<Line, History::GirthCount> Lines{{
    {QColor(0xFF, 0x8C, 0x69), Qt::SolidLine},
    {QColor(0xFF, 0xFF, 0x00), Qt::DashLine},
    {QColor(0x7F, 0xD4, 0xFF), Qt::DotLine},
    {QColor(0xB0, 0xF0, 0x90), Qt::DashDotLine},
}};
const QColor Ink(0xC0, 0xC0, 0x00);
const QColor Grid(0x60, 0x60, 0x60);

QString shapeName(std::optional<modShapeTest::ShapeIndex> shape)
{
    return shape
               ? QString(modShapeTest::Shape_Result(*shape).strShapeName)
               : QCoreApplication::translate("HistoryChart", "no shape",
                                             "an entry whose tape measure found none of the four");
}

// Round steps (1, 2 or 5 times a power of ten) that split the range into about four.
double stepFor(double range)
{
    const double rough = std::max(range, 1e-6) / 4;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

} // namespace

void paintShapeMark(QPainter &painter, QPointF centre, qreal size,
                    std::optional<modShapeTest::ShapeIndex> shape)
{
    const qreal h = size / 2;
    QPainterPath path;
    if (!shape) {
        path.moveTo(centre + QPointF(-h, 0));
        path.lineTo(centre + QPointF(h, 0));
        painter.strokePath(path, QPen(Ink, 1.5));
        return;
    }
    switch (*shape) {
    case modShapeTest::Ruler: // a bar, as straight as the figure
        path.addRect(QRectF(centre.x() - h * 0.6, centre.y() - h, h * 1.2, 2 * h));
        break;
    case modShapeTest::Hourglass: // two triangles meeting at the waist
        path.moveTo(centre + QPointF(-h, -h));
        path.lineTo(centre + QPointF(h, -h));
        path.lineTo(centre + QPointF(-h, h));
        path.lineTo(centre + QPointF(h, h));
        path.closeSubpath();
        break;
    case modShapeTest::Spoon: // fuller below: a triangle on its base
        path.moveTo(centre + QPointF(0, -h));
        path.lineTo(centre + QPointF(h, h));
        path.lineTo(centre + QPointF(-h, h));
        path.closeSubpath();
        break;
    case modShapeTest::Cone: // broader above: a triangle on its tip
        path.moveTo(centre + QPointF(-h, -h));
        path.lineTo(centre + QPointF(h, -h));
        path.lineTo(centre + QPointF(0, h));
        path.closeSubpath();
        break;
    }
    painter.fillPath(path, Qt::white);
    painter.strokePath(path, QPen(Qt::black, 1));
}

HistoryChart::HistoryChart(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HistoryChart::showEntries(const QList<Entry> &entries, FigureRules::Unit unit)
{
    m_entries = entries;
    m_unit = unit;
    setAccessibleDescription(summary());
    update();
}

QString HistoryChart::summary() const
{
    if (m_entries.isEmpty())
        return QCoreApplication::translate("HistoryChart", "Nothing is kept yet.");
    const QLocale locale;
    const Entry &latest = m_entries.last();
    QStringList lengths;
    for (std::size_t index = 0; index < History::GirthCount; ++index) {
        //: %1 names a measurement, e.g. waist; %2 its length, e.g. 70 cm
        lengths << QCoreApplication::translate("HistoryChart", "%1 %2")
                       .arg(MeasureReport::nounOf(index),
                            MeasureReport::withUnit(History::shownLength(latest.girths[index],
                                                                         latest.unit, m_unit,
                                                                         locale),
                                                    m_unit));
    }
    //: %Ln is the number of entries; %1 and %2 are the first and last dates, e.g. 17/11/2026 and
    //: 07/12/2026; %3 the latest four lengths, e.g. bust 90 cm, waist 70 cm, high hip 80 cm and
    //: hips 99 cm; %4 the latest measured shape, e.g. Spoon
    return QCoreApplication::translate("HistoryChart",
                                       "%Ln entries from %1 to %2. Latest: %3, measured shape %4.",
                                       nullptr, int(m_entries.size()))
        .arg(locale.toString(m_entries.first().date, QLocale::ShortFormat),
             locale.toString(latest.date, QLocale::ShortFormat), TextList::listOf(lengths),
             shapeName(latest.measuredShape));
}

void HistoryChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x30, 0x30, 0x30));
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    painter.setPen(Ink);
    if (m_entries.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, summary());
    } else {
        const QLocale locale;
        // Legend: the girths on one line, the shapes' marks on the next.
        const int legendTop = height() - 2 * line - 4;
        int x = 8;
        for (std::size_t index = 0; index < History::GirthCount; ++index) {
            painter.setPen(QPen(Lines[index].colour, 2, Lines[index].style));
            painter.drawLine(x, legendTop + line / 2, x + 24, legendTop + line / 2);
            painter.setPen(Ink);
            const QString name = MeasureReport::fieldName(index);
            painter.drawText(x + 28, legendTop + metrics.ascent(), name);
            x += 28 + metrics.horizontalAdvance(name) + 16;
        }
        x = 8;
        for (int shape = -1; shape < modShapeTest::ShapeCount; ++shape) {
            const std::optional<modShapeTest::ShapeIndex> which =
                shape < 0 ? std::nullopt : std::optional(modShapeTest::ShapeIndex(shape));
            paintShapeMark(painter, QPointF(x + 6, legendTop + line * 1.5), 10, which);
            painter.setPen(Ink);
            const QString name = shapeName(which);
            painter.drawText(x + 16, legendTop + line + metrics.ascent(), name);
            x += 16 + metrics.horizontalAdvance(name) + 16;
        }

        // The lengths' range, with room above and below.
        double low = 1e9, high = -1e9;
        for (const Entry &entry : m_entries) {
            for (const QString &girth : entry.girths) {
                const double value = History::lengthIn(girth, entry.unit, m_unit);
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
        const double step = stepFor(high - low);
        low = std::floor(low / step) * step;
        high = std::max(std::ceil(high / step) * step, low + step);
        const QString unitName = MeasureReport::unitName(m_unit);
        int labelWidth = metrics.horizontalAdvance(unitName);
        for (double value = low; value <= high + step / 2; value += step)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(locale.toString(value)));
        const QRectF plot(labelWidth + 14, line + 14, width() - labelWidth - 30,
                          legendTop - line - 14 - line - 8);
        const auto yOf = [&](double value) {
            return plot.bottom() - (value - low) / (high - low) * plot.height();
        };
        const qint64 firstDay = m_entries.first().date.toJulianDay();
        const qint64 days = std::max<qint64>(1, m_entries.last().date.toJulianDay() - firstDay);
        const bool oneDay = m_entries.first().date == m_entries.last().date;
        const auto xOf = [&](const Entry &entry) {
            return oneDay ? plot.center().x()
                          : plot.left() + double(entry.date.toJulianDay() - firstDay) /
                                              double(days) * plot.width();
        };

        // Grid and axes.
        for (double value = low; value <= high + step / 2; value += step) {
            painter.setPen(Grid);
            painter.drawLine(QPointF(plot.left(), yOf(value)), QPointF(plot.right(), yOf(value)));
            painter.setPen(Ink);
            painter.drawText(QRectF(0, yOf(value) - line / 2.0, labelWidth + 8, line),
                             Qt::AlignRight | Qt::AlignVCenter, locale.toString(value));
        }
        painter.drawText(QRectF(0, 0, labelWidth + 8, line), Qt::AlignRight, unitName);
        const QString first = locale.toString(m_entries.first().date, QLocale::ShortFormat);
        const QString last = locale.toString(m_entries.last().date, QLocale::ShortFormat);
        // The first and last dates, under the ends of the time axis but within the chart.
        const QRectF dates(4, plot.bottom() + 4, width() - 8, line);
        painter.drawText(dates, oneDay ? Qt::AlignHCenter : Qt::AlignLeft, first);
        if (!oneDay)
            painter.drawText(dates, Qt::AlignRight, last);

        // A line for each girth, a dot at each entry, the shape's mark above. Entries closer
        // than the eye can tell apart share one point: a thousand of them draw as fast as a few.
        QList<qsizetype> shown;
        for (qsizetype at = 0; at < m_entries.size(); ++at) {
            if (shown.isEmpty() || at == m_entries.size() - 1 ||
                xOf(m_entries[at]) - xOf(m_entries[shown.last()]) >= 3)
                shown << at;
        }
        const bool dots = double(shown.size()) <= plot.width() / 8;
        for (std::size_t index = 0; index < History::GirthCount; ++index) {
            QPolygonF points;
            for (const qsizetype at : shown) {
                const Entry &entry = m_entries[at];
                points << QPointF(xOf(entry),
                                  yOf(History::lengthIn(entry.girths[index], entry.unit, m_unit)));
            }
            painter.setPen(QPen(Lines[index].colour, 2, Lines[index].style));
            painter.drawPolyline(points);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Lines[index].colour);
            for (qsizetype at = 0; dots && at < points.size(); ++at)
                painter.drawEllipse(points[at], 2.5, 2.5);
        }
        qreal lastMark = -100;
        for (const qsizetype at : shown) {
            const qreal markX = xOf(m_entries[at]);
            if (markX - lastMark < 11)
                continue;
            paintShapeMark(painter, QPointF(markX, line / 2.0 + 4), 10,
                           m_entries[at].measuredShape);
            lastMark = markX;
        }
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = QColor(0x30, 0x30, 0x30);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
