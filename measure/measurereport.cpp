#include "measure/measurereport.h"

#include "common/textlist.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;
using FigureRules::Figure;
using FigureRules::Length;
using FigureRules::Unit;

namespace MeasureReport {

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("MeasureReport", text);
}

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

std::optional<Length> lengthIn(const Entry &entry, Unit unit, const QLocale &locale)
{
    if (entry.exact)
        return entry.exact;
    const std::optional<double> number = numberIn(entry.text.trimmed(), locale);
    return number ? FigureRules::lengthOf(*number, unit) : std::nullopt;
}

Field read(const Entry &entry, Unit unit, const QLocale &locale)
{
    if (!entry.exact && entry.text.trimmed().isEmpty())
        return {};
    const std::optional<Length> length = lengthIn(entry, unit, locale);
    if (!length)
        return {Reading::NotANumber};
    if (!FigureRules::isMeasurable(*length))
        return {Reading::OutOfRange};
    return {Reading::Measured, *length};
}

Length unitsPer(Unit unit)
{
    return unit == Unit::Inches ? FigureRules::UnitsPerInch : FigureRules::UnitsPerCentimetre;
}

// To the nearest thousandth of the unit, with no trailing zeros. A report writes a negative
// number with a true minus sign; a field, with the sign the locale reads back.
QString numberText(Length length, Unit unit, const QLocale &locale, bool forField = false)
{
    const Length perThousandth = unitsPer(unit) / 1000;
    const Length thousandths = (std::abs(length) + perThousandth / 2) / perThousandth;
    QLocale writer = locale;
    writer.setNumberOptions(QLocale::OmitGroupSeparator);
    const double value = double(length < 0 && forField ? -thousandths : thousandths) / 1000;
    const QString text = writer.toString(value, 'f', QLocale::FloatingPointShortest);
    return length < 0 && thousandths > 0 && !forField ? u"\u2212"_s + text : text;
}

QString lengthText(Length length, Unit unit, const QLocale &locale)
{
    const QString number = numberText(length, unit, locale);
    return unit == Unit::Inches
               ? translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 in")).arg(number)
               : translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 cm")).arg(number);
}

QString inchesText(Length tenths, Unit unit, const QLocale &locale)
{
    return lengthText(tenths * FigureRules::UnitsPerInch / 10, unit, locale);
}

QString problemsWith(const std::array<Field, FieldCount> &fields, Unit unit, const QLocale &locale)
{
    QStringList notNumbers, outOfRange;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (fields[index].reading == Reading::NotANumber)
            notNumbers << fieldName(index);
        else if (fields[index].reading == Reading::OutOfRange)
            outOfRange << fieldName(index);
    }
    QStringList sentences;
    if (notNumbers.size() == 1)
        sentences << translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 is not a number."))
                         .arg(notNumbers.first());
    else if (!notNumbers.isEmpty())
        sentences << translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 are not numbers."))
                         .arg(TextList::listOf(notNumbers));
    if (!outOfRange.isEmpty()) {
        // The measurable range in hundredths of the unit, rounded inwards so all it shows counts.
        const Length perHundredth = unitsPer(unit) / 100;
        const Length lowest = (FigureRules::ShortestMeasure + perHundredth - 1) / perHundredth;
        const Length highest = FigureRules::LongestMeasure / perHundredth;
        static constexpr std::array<const char *, 4> Sentences{
            QT_TRANSLATE_NOOP("MeasureReport", "%1 is out of range: measure between %2 and %3 cm."),
            QT_TRANSLATE_NOOP("MeasureReport",
                              "%1 are out of range: measure between %2 and %3 cm."),
            QT_TRANSLATE_NOOP("MeasureReport", "%1 is out of range: measure between %2 and %3 in."),
            QT_TRANSLATE_NOOP("MeasureReport",
                              "%1 are out of range: measure between %2 and %3 in.")};
        const std::size_t which = (unit == Unit::Inches ? 2 : 0) + (outOfRange.size() > 1);
        sentences << translated(Sentences[which])
                         .arg(TextList::listOf(outOfRange),
                              locale.toString(double(lowest) / 100, 'f',
                                              QLocale::FloatingPointShortest),
                              locale.toString(double(highest) / 100, 'f',
                                              QLocale::FloatingPointShortest));
    }
    return sentences.join(u' ');
}

QString shapeName(modShapeTest::ShapeIndex shape)
{
    return modShapeTest::Shape_Result(shape).strShapeName;
}

// "Spoon (triangle)", "Ruler (rectangle)", "Hourglass", or "none of the four".
QString shownShape(std::optional<Figure> figure)
{
    if (!figure)
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "none of the four"));
    const QString shape = shapeName(FigureRules::shapeOf(*figure));
    // A figure named as its shape is said once: "Hourglass", and in German "Rechteck".
    if (FigureRules::nameOf(*figure).compare(shape, Qt::CaseInsensitive) == 0)
        return shape;
    return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 (%2)"))
        .arg(shape, FigureRules::nameOf(*figure));
}

QString differencesOf(const FigureRules::Measurements &body, std::optional<Figure> figure,
                      Unit unit, const QLocale &locale)
{
    const auto length = [&](Length value) { return lengthText(value, unit, locale); };
    const auto inches = [&](Length tenths) { return inchesText(tenths, unit, locale); };
    const QString hipsOverBust = length(body.hips - body.bust);
    const QString bustOverHips = length(body.bust - body.hips);
    const QString bustOverWaist = length(body.bust - body.waist);
    const QString hipsOverWaist = length(body.hips - body.waist);
    const QString ratio =
        locale.toString(double(FigureRules::highHipToWaistPermille(body)) / 1000, 'f', 3);
    const QString ratioLimit = locale.toString(1.193, 'f', 3);
    if (!figure && body.hips > body.bust) {
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "No figure rule covers hips %1 or more over the "
                                            "bust with a defined waist: hips − bust %2, hips − "
                                            "waist %3 (at least %4), high hip ÷ waist %5 (under "
                                            "%6)."))
            .arg(inches(100), hipsOverBust, hipsOverWaist, inches(90), ratio, ratioLimit);
    }
    if (!figure) {
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "No figure rule covers a bust %1 or more over the "
                                            "hips with a defined waist: bust − hips %2, bust − "
                                            "waist %3 (at least %4)."))
            .arg(inches(100), bustOverHips, bustOverWaist, inches(90));
    }
    switch (*figure) {
    case Figure::Hourglass:
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Decided by hips − bust %1 (from %2 to under %3), "
                                            "bust − waist %4 (at least %5) or hips − waist %6 "
                                            "(at least %7)."))
            .arg(hipsOverBust, inches(-10), inches(36), bustOverWaist, inches(90), hipsOverWaist,
                 inches(100));
    case Figure::BottomHourglass:
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Decided by hips − bust %1 (from %2 to under %3), "
                                            "hips − waist %4 (at least %5) and high hip ÷ waist "
                                            "%6 (under %7)."))
            .arg(hipsOverBust, inches(36), inches(100), hipsOverWaist, inches(90), ratio,
                 ratioLimit);
    case Figure::TopHourglass:
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Decided by bust − hips %1 (over %2 and under %3) "
                                            "and bust − waist %4 (at least %5)."))
            .arg(bustOverHips, inches(10), inches(100), bustOverWaist, inches(90));
    case Figure::Spoon:
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Decided by hips − bust %1 (over %2), hips − waist "
                                            "%3 (at least %4) and high hip ÷ waist %5 (at least "
                                            "%6)."))
            .arg(hipsOverBust, inches(20), hipsOverWaist, inches(70), ratio, ratioLimit);
    case Figure::Triangle:
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Decided by hips − bust %1 (at least %2) and hips − "
                                            "waist %3 (under %4)."))
            .arg(hipsOverBust, inches(36), hipsOverWaist, inches(90));
    case Figure::InvertedTriangle:
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Decided by bust − hips %1 (at least %2) and bust − "
                                            "waist %3 (under %4)."))
            .arg(bustOverHips, inches(36), bustOverWaist, inches(90));
    case Figure::Rectangle:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                        "Decided by hips − bust %1 (over %2 and under %3), bust − "
                                        "waist %4 (under %5) and hips − waist %6 (under %7)."))
        .arg(hipsOverBust, inches(-36), inches(36), bustOverWaist, inches(90), hipsOverWaist,
             inches(100));
}

// About the repeat error of a careful tape measurement.
Length borderlineReach(Unit unit)
{
    return unit == Unit::Inches ? 4 * FigureRules::UnitsPerInch / 10
                                : FigureRules::UnitsPerCentimetre;
}

QString borderlineOf(const FigureRules::Measurements &body, Unit unit, const QLocale &locale)
{
    const std::optional<FigureRules::Change> change =
        FigureRules::nearestChange(body, unitsPer(unit) / 1000, borderlineReach(unit));
    if (!change)
        return {};
    // By measurement, then more before less.
    static constexpr std::array<const char *, 2 * FieldCount> Sentences{
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 more at the bust would make it %2. Measure again."),
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 less at the bust would make it %2. Measure again."),
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 more at the waist would make it %2. Measure again."),
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 less at the waist would make it %2. Measure again."),
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 more at the high hip would make it %2. Measure again."),
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 less at the high hip would make it %2. Measure again."),
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 more at the hips would make it %2. Measure again."),
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 less at the hips would make it %2. Measure again.")};
    const std::size_t which = 2 * std::size_t(change->measurement) + (change->by < 0);
    return translated(Sentences[which])
        .arg(lengthText(std::abs(change->by), unit, locale), shownShape(change->figure));
}

// `measured` when all four were measured, whether or not they give a figure.
QString comparisonOf(const QList<modShapeTest::ShapeIndex> &answered, bool measured,
                     std::optional<Figure> figure)
{
    // Measured without the test, there is nothing to compare with.
    if (answered.isEmpty())
        return {};
    QStringList names;
    for (const modShapeTest::ShapeIndex shape : answered)
        names << shapeName(shape);
    const QString answers = TextList::listOf(names);
    const bool tied = answered.size() > 1;
    if (!measured) {
        return tied ? translated(QT_TRANSLATE_NOOP("MeasureReport", "Your answers tied %1."))
                          .arg(answers)
                    : translated(QT_TRANSLATE_NOOP("MeasureReport", "Your answers said %1."))
                          .arg(answers);
    }
    if (!figure) {
        return tied ? translated(QT_TRANSLATE_NOOP("MeasureReport",
                                                   "Your answers tied %1: the tape measure finds "
                                                   "none of the four."))
                          .arg(answers)
                    : translated(QT_TRANSLATE_NOOP("MeasureReport",
                                                   "Your answers said %1: the tape measure finds "
                                                   "none of the four."))
                          .arg(answers);
    }
    const modShapeTest::ShapeIndex shape = FigureRules::shapeOf(*figure);
    if (tied) {
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Your answers tied %1: the tape measure says %2."))
            .arg(answers, shapeName(shape));
    }
    return answered.contains(shape)
               ? translated(QT_TRANSLATE_NOOP("MeasureReport",
                                              "Your answers said %1: the tape measure agrees."))
                     .arg(answers)
               : translated(QT_TRANSLATE_NOOP("MeasureReport",
                                              "Your answers said %1: the tape measure says "
                                              "otherwise."))
                     .arg(answers);
}

QStringList measurementLines(const std::array<Field, FieldCount> &fields, Unit unit,
                             const QLocale &locale)
{
    static constexpr std::array<const char *, FieldCount> Lines{
        QT_TRANSLATE_NOOP("MeasureReport", "Bust: %1"),
        QT_TRANSLATE_NOOP("MeasureReport", "Waist: %1"),
        QT_TRANSLATE_NOOP("MeasureReport", "High hip: %1"),
        QT_TRANSLATE_NOOP("MeasureReport", "Hips: %1")};
    QStringList lines;
    for (std::size_t index = 0; index < fields.size(); ++index)
        lines << translated(Lines[index]).arg(lengthText(fields[index].length, unit, locale));
    return lines;
}
} // namespace

QString fieldName(std::size_t index)
{
    static constexpr std::array<const char *, FieldCount> Names{
        QT_TRANSLATE_NOOP("MeasureReport", "Bust"), QT_TRANSLATE_NOOP("MeasureReport", "Waist"),
        QT_TRANSLATE_NOOP("MeasureReport", "High hip"), QT_TRANSLATE_NOOP("MeasureReport", "Hips")};
    return translated(Names.at(index));
}

QList<modShapeTest::ShapeIndex> answeredShapes(const modShapeTest::Tally &tally)
{
    const std::array<int, modShapeTest::ShapeCount> counts{
        tally.intRulerCount, tally.intHourglassCount, tally.intSpoonCount, tally.intConeCount};
    const int most = *std::max_element(counts.begin(), counts.end());
    QList<modShapeTest::ShapeIndex> shapes;
    for (int shape = 0; shape < modShapeTest::ShapeCount; ++shape) {
        if (counts[std::size_t(shape)] == most)
            shapes << modShapeTest::ShapeIndex(shape);
    }
    return shapes;
}

Report reportOn(const Entries &entries, Unit unit, const QList<modShapeTest::ShapeIndex> &answered,
                const QLocale &locale)
{
    std::array<Field, FieldCount> fields;
    for (std::size_t index = 0; index < entries.size(); ++index)
        fields[index] = read(entries[index], unit, locale);
    Report report;
    report.comparisonLine = comparisonOf(answered, false, std::nullopt);
    report.shapeLine = problemsWith(fields, unit, locale);
    if (!report.shapeLine.isEmpty())
        return report;
    for (const Field &field : fields) {
        if (field.reading != Reading::Measured) {
            report.shapeLine = translated(QT_TRANSLATE_NOOP(
                "MeasureReport", "Type all four measurements to see the shape they give."));
            return report;
        }
    }

    const FigureRules::Measurements body{fields[0].length, fields[1].length, fields[2].length,
                                         fields[3].length};
    const std::optional<Figure> figure = FigureRules::identify(body);
    report.shapeLine = translated(QT_TRANSLATE_NOOP("MeasureReport", "Measured shape: %1"))
                           .arg(shownShape(figure));
    if (figure)
        report.tapeMeasure = shownShape(figure);
    report.differencesLine = differencesOf(body, figure, unit, locale);
    report.borderlineLine = borderlineOf(body, unit, locale);
    report.comparisonLine = comparisonOf(answered, true, figure);
    report.measurements = measurementLines(fields, unit, locale);
    return report;
}

Entry inUnit(const Entry &entry, Unit from, Unit to, const QLocale &locale)
{
    const std::optional<Length> length = lengthIn(entry, from, locale);
    if (!length)
        return entry;
    return {numberText(*length, to, locale, true), length};
}

} // namespace MeasureReport
