// The measure window's report for any typed texts, in any locale and either unit: nothing
// crashes, every line is one the window can show, switching the unit and back never changes the
// shape, and the borderline is the smallest single change that gives another figure, as trying
// every step of the tape measure's reach one by one finds it.

#include "fuzzapp.h"
#include "fuzzinput.h"

#include "measure/measurereport.h"

#include <QLocale>

using namespace Qt::StringLiterals;
using FigureRules::Length;
using FigureRules::Unit;

namespace {
QLocale someLocale(FuzzInput &input)
{
    const auto language = QLocale::Language(input.word() % (QLocale::LastLanguage + 1));
    const auto territory =
        QLocale::Territory(input.byte() % 4 == 0 ? input.word() % (QLocale::LastTerritory + 1)
                                                 : QLocale::AnyTerritory);
    return QLocale(language, territory);
}

// A length a person could have typed, mostly within what can be measured.
double someLength(FuzzInput &input)
{
    return 15 + double(input.word() % 24000) / 100 + double(input.byte() % 10) / 1000;
}

std::optional<Length> lengthAfterTheLimits(const FigureRules::Measurements &body, Length step,
                                           Length under)
{
    // Every step either way, of every measurement, until one gives another figure.
    const auto now = FigureRules::identify(body);
    std::optional<Length> nearest;
    for (int m = 0; m < 4; ++m) {
        for (const Length sign : {1, -1}) {
            for (Length by = step; by < under && (!nearest || by < *nearest); by += step) {
                FigureRules::Measurements changed = body;
                Length &length = m == 0   ? changed.bust
                                 : m == 1 ? changed.waist
                                 : m == 2 ? changed.highHip
                                          : changed.hips;
                length += sign * by;
                if (!FigureRules::isMeasurable(length))
                    break;
                if (FigureRules::identify(changed) != now) {
                    nearest = by;
                    break;
                }
            }
        }
    }
    return nearest;
}

void checkBorderline(const FigureRules::Measurements &body, Unit unit)
{
    for (const Length length : {body.bust, body.waist, body.highHip, body.hips}) {
        if (!FigureRules::isMeasurable(length))
            return;
    }
    const Length step = unit == Unit::Inches ? FigureRules::UnitsPerInch / 1000
                                             : FigureRules::UnitsPerCentimetre / 1000;
    const Length under =
        unit == Unit::Inches ? 4 * FigureRules::UnitsPerInch / 10 : FigureRules::UnitsPerCentimetre;
    const auto change = FigureRules::nearestChange(body, step, under);
    const auto expected = lengthAfterTheLimits(body, step, under);
    require(bool(change) == bool(expected), "a borderline exactly when a change under the reach");
    if (change) {
        require(std::abs(change->by) == *expected, "the borderline is the smallest change");
        FigureRules::Measurements changed = body;
        std::array<Length *, 4> lengths{&changed.bust, &changed.waist, &changed.highHip,
                                        &changed.hips};
        *lengths[std::size_t(change->measurement)] += change->by;
        require(FigureRules::identify(changed) == change->figure,
                "the borderline names the figure the change gives");
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const QLocale locale = someLocale(input);
    const Unit unit = input.byte() % 2 ? Unit::Inches : Unit::Centimetres;
    const Unit other = unit == Unit::Inches ? Unit::Centimetres : Unit::Inches;
    modShapeTest::Tally tally;
    for (std::int16_t *count : {&tally.intRulerCount, &tally.intHourglassCount,
                                &tally.intSpoonCount, &tally.intConeCount})
        *count = std::int16_t(input.below(5));
    const auto answered = MeasureReport::answeredShapes(tally);

    MeasureReport::Entries entries;
    std::array<double, 4> numbers{};
    bool allNumbers = true;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        switch (input.below(4)) {
        case 0:
            entries[index].text = input.typedText(12);
            allNumbers = false;
            break;
        case 1:
            entries[index].text = input.anyText(8);
            allNumbers = false;
            break;
        default:
            numbers[index] = someLength(input);
            entries[index].text = locale.toString(numbers[index], 'f', input.below(4));
            break;
        }
    }
    const MeasureReport::Report report = MeasureReport::reportOn(entries, unit, answered, locale);
    require(!report.shapeLine.isEmpty() && !report.comparisonLine.isEmpty(),
            "a shape line and a comparison are always shown", report.shapeLine);
    require(report.borderlineLine.isEmpty() || report.borderlineLine.startsWith(u"Borderline: "_s),
            "a borderline line begins so", report.borderlineLine);
    require(report.tapeMeasure.isEmpty() || !report.differencesLine.isEmpty(),
            "a shape comes with what decided it");

    // Switched and switched back, the shape stays.
    MeasureReport::Entries switched = entries;
    for (MeasureReport::Entry &entry : switched)
        entry = MeasureReport::inUnit(entry, unit, other, locale);
    const auto inOther = MeasureReport::reportOn(switched, other, answered, locale);
    require(inOther.tapeMeasure == report.tapeMeasure &&
                inOther.comparisonLine == report.comparisonLine,
            "switching the unit keeps the shape",
            visible(report.shapeLine + u" / "_s + inOther.shapeLine));
    for (MeasureReport::Entry &entry : switched)
        entry = MeasureReport::inUnit(entry, other, unit, locale);
    const auto back = MeasureReport::reportOn(switched, unit, answered, locale);
    require(back.tapeMeasure == report.tapeMeasure && back.shapeLine == report.shapeLine,
            "switching back keeps the shape",
            visible(report.shapeLine + u" / "_s + back.shapeLine));

    // Lengths on the thousandths of either unit, as typed or as converted.
    if (allNumbers) {
        const auto length = [&](double value, Unit typedIn) {
            return FigureRules::lengthOf(value, typedIn).value_or(0);
        };
        const Unit typedIn = input.byte() % 2 ? unit : other;
        checkBorderline({length(numbers[0], typedIn), length(numbers[1], typedIn),
                         length(numbers[2], typedIn), length(numbers[3], typedIn)},
                        unit);
    }
    return 0;
}
