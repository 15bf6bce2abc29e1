#include "measure/measurereport.h"

#include <QStringList>

using namespace Qt::StringLiterals;
using FigureRules::Figure;
using FigureRules::Length;
using FigureRules::Unit;

namespace MeasureReport {

namespace {
enum class Reading { Empty, NotANumber, OutOfRange, Measured };

struct Field {
    Reading reading = Reading::Empty;
    Length length = 0;
};

std::optional<double> numberIn(const QString &text, QLocale locale)
{
    // "1.000" is a thousand to a German reader but a tape measure never reads that long, so
    // grouping is refused, and a point that is not the locale's decimal sign still reads as one.
    for (QLocale reader : {locale, QLocale::c()}) {
        reader.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = reader.toDouble(text, &ok);
        if (ok)
            return value;
    }
    return std::nullopt;
}

Field read(const QString &typed, Unit unit, const QLocale &locale)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    const std::optional<double> number = numberIn(text, locale);
    const std::optional<Length> length =
        number ? FigureRules::lengthOf(*number, unit) : std::nullopt;
    if (!length)
        return {Reading::NotANumber};
    if (!FigureRules::isMeasurable(*length))
        return {Reading::OutOfRange};
    return {Reading::Measured, *length};
}

QString symbolOf(Unit unit)
{
    return unit == Unit::Inches ? u"in"_s : u"cm"_s;
}

Length unitsPer(Unit unit)
{
    return unit == Unit::Inches ? FigureRules::UnitsPerInch : FigureRules::UnitsPerCentimetre;
}

// Exact: a typed length is a whole number of thousandths of its unit.
QString lengthText(Length length, Unit unit, const QLocale &locale)
{
    return locale.toString(double(length) / double(unitsPer(unit)), 'f',
                           QLocale::FloatingPointShortest) +
           u' ' + symbolOf(unit);
}

// The measurable range in hundredths of the unit, rounded inwards so that all it shows counts.
QString rangeText(Unit unit, const QLocale &locale)
{
    const Length perHundredth = unitsPer(unit) / 100;
    const Length lowest = (FigureRules::ShortestMeasure + perHundredth - 1) / perHundredth;
    const Length highest = FigureRules::LongestMeasure / perHundredth;
    const auto hundredths = [&locale](Length value) {
        return locale.toString(double(value) / 100, 'f', QLocale::FloatingPointShortest);
    };
    return u"between %1 and %2 %3"_s.arg(hundredths(lowest), hundredths(highest), symbolOf(unit));
}

// "Bust", "Bust and Hips", "Bust, Waist and Hips"
QString listOf(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.first(names.size() - 1).join(u", "_s) + u" and "_s + names.last();
}

QString problemsWith(const std::array<Field, 4> &fields, Unit unit, const QLocale &locale)
{
    QStringList notNumbers, outOfRange;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (fields[index].reading == Reading::NotANumber)
            notNumbers << FieldNames[index];
        else if (fields[index].reading == Reading::OutOfRange)
            outOfRange << FieldNames[index];
    }
    QStringList sentences;
    if (notNumbers.size() == 1)
        sentences << notNumbers.first() + u" is not a number."_s;
    else if (!notNumbers.isEmpty())
        sentences << listOf(notNumbers) + u" are not numbers."_s;
    if (!outOfRange.isEmpty())
        sentences << u"%1 %2 out of range: measure %3."_s.arg(
            listOf(outOfRange), outOfRange.size() == 1 ? u"is"_s : u"are"_s,
            rangeText(unit, locale));
    return sentences.join(u' ');
}

QString measuredShape(std::optional<Figure> figure)
{
    if (!figure)
        return u"none of the four"_s;
    const QString shape = modShapeTest::Shape_Result(FigureRules::shapeOf(*figure)).strShapeName;
    const QString type = FigureRules::nameOf(*figure);
    if (type.compare(shape, Qt::CaseInsensitive) == 0)
        return shape;
    return u"%1 (%2)"_s.arg(shape, type);
}

QString differencesOf(const FigureRules::Measurements &body, std::optional<Figure> figure,
                      Unit unit, const QLocale &locale)
{
    enum Term { BustAndHips = 1, BustOverWaist = 2, HipsOverWaist = 4, HighHipToWaist = 8 };
    int terms = BustAndHips | BustOverWaist | HipsOverWaist | HighHipToWaist;
    if (figure) {
        switch (*figure) {
        case Figure::Hourglass:
        case Figure::Rectangle:
            terms = BustAndHips | BustOverWaist | HipsOverWaist;
            break;
        case Figure::BottomHourglass:
        case Figure::Spoon:
            terms = BustAndHips | HipsOverWaist | HighHipToWaist;
            break;
        case Figure::TopHourglass:
        case Figure::InvertedTriangle:
            terms = BustAndHips | BustOverWaist;
            break;
        case Figure::Triangle:
            terms = BustAndHips | HipsOverWaist;
            break;
        }
    }
    QStringList parts;
    if (terms & BustAndHips) {
        // The larger less the smaller, so no difference is shown below zero.
        parts << (body.hips > body.bust
                      ? u"hips − bust "_s + lengthText(body.hips - body.bust, unit, locale)
                      : u"bust − hips "_s + lengthText(body.bust - body.hips, unit, locale));
    }
    if (terms & BustOverWaist)
        parts << u"bust − waist "_s + lengthText(body.bust - body.waist, unit, locale);
    if (terms & HipsOverWaist)
        parts << u"hips − waist "_s + lengthText(body.hips - body.waist, unit, locale);
    if (terms & HighHipToWaist) {
        const Length permille = FigureRules::highHipToWaistPermille(body);
        parts << u"high hip ÷ waist "_s + locale.toString(double(permille) / 1000, 'f', 3);
    }
    return u"Decided by "_s + parts.join(u", "_s) + u'.';
}
} // namespace

Report reportOn(const std::array<QString, 4> &typed, Unit unit, modShapeTest::ShapeIndex answered,
                const QLocale &locale)
{
    const QString answers = modShapeTest::Shape_Result(answered).strShapeName;
    std::array<Field, 4> fields;
    for (std::size_t index = 0; index < typed.size(); ++index)
        fields[index] = read(typed[index], unit, locale);
    Report report;
    report.comparisonLine = u"Your answers said %1."_s.arg(answers);
    report.shapeLine = problemsWith(fields, unit, locale);
    if (!report.shapeLine.isEmpty())
        return report;
    for (const Field &field : fields) {
        if (field.reading != Reading::Measured) {
            report.shapeLine = u"Type all four measurements to see the shape they give."_s;
            return report;
        }
    }

    const FigureRules::Measurements body{fields[0].length, fields[1].length, fields[2].length,
                                         fields[3].length};
    const std::optional<Figure> figure = FigureRules::identify(body);
    report.shapeLine = u"Measured shape: "_s + measuredShape(figure);
    report.differencesLine = differencesOf(body, figure, unit, locale);
    QString verdict = u"finds none of the four"_s;
    if (figure)
        verdict = FigureRules::shapeOf(*figure) == answered ? u"agrees"_s : u"says otherwise"_s;
    report.comparisonLine = u"Your answers said %1: the tape measure %2."_s.arg(answers, verdict);
    return report;
}

} // namespace MeasureReport
