// The measure window's report for any typed texts, in any locale and either unit: nothing
// crashes, a shape line is always shown, switching the unit there and back restores the shape of
// the numbers typed; and, checked against searches that try one length after another: the
// borderline is the smallest single change that gives another figure, and the steadiness names
// every figure some lengths within a tape's error give, and only those.

#include "fuzzapp.h"
#include "fuzzinput.h"

#include "measure/measurereport.h"

#include <QLocale>

#include <set>

using namespace Qt::StringLiterals;
using FigureRules::Length;
using FigureRules::Unit;

namespace {
// A length a person could have typed, mostly within what can be measured, to a thousandth; often
// to a tenth, which puts the edges of a tape's error on the rules' limits in inches.
double someLength(FuzzInput &input)
{
    const double length =
        15 + double(input.word() % 24000) / 100 + double(input.byte() % 10) / 1000;
    return input.below(2) ? std::round(length * 10) / 10 : length;
}

// Every step either way, of every measurement, until one gives another figure.
std::optional<Length> smallestChangeStepByStep(const FigureRules::Measurements &body, Length step,
                                               Length under)
{
    const auto now = FigureRules::identify(body);
    std::optional<Length> nearest;
    for (std::size_t m = 0; m < FigureRules::MeasurementCount; ++m) {
        for (const Length sign : {1, -1}) {
            for (Length by = step; by < under && (!nearest || by < *nearest); by += step) {
                FigureRules::Measurements changed = body;
                changed[m] += sign * by;
                if (!FigureRules::isMeasurable(changed[m]))
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

void checkBorderline(const FigureRules::Measurements &body, Length step, Length under)
{
    const auto change = FigureRules::nearestChange(body, step, under);
    const auto expected = smallestChangeStepByStep(body, step, under);
    require(bool(change) == bool(expected), "a borderline exactly when a change under the reach");
    if (change) {
        require(std::abs(change->by) == *expected, "the borderline is the smallest change");
        FigureRules::Measurements changed = body;
        changed[std::size_t(change->measurement)] += change->by;
        require(FigureRules::identify(changed) == change->figure,
                "the borderline names the figure the change gives");
    }
}

// Lengths on a grid over the box, a quarter of the error apart, each give a figure the exact
// search finds; and each figure it finds comes with lengths within the box that give it.
void checkSteadiness(const FigureRules::Measurements &body, Length off)
{
    std::set<int> found; // a figure's number, -1 for none
    for (int at = 0; at < 9 * 9 * 9 * 9; ++at) {
        FigureRules::Measurements moved = body;
        for (std::size_t m = 0, rest = std::size_t(at); m < FigureRules::MeasurementCount;
             ++m, rest /= 9)
            moved[m] += off * (Length(rest % 9) - 4) / 4;
        const auto figure = FigureRules::identify(moved);
        found.insert(figure ? int(*figure) : -1);
    }
    for (int f = -1; f < int(FigureRules::Rules.size()); ++f) {
        const auto figure = f < 0 ? std::nullopt : std::optional(FigureRules::Figure(f));
        const auto lengths = FigureRules::reachable(body, off, figure);
        require(lengths || !found.contains(f), "the steadiness finds every figure the grid does");
        if (!lengths)
            continue;
        for (std::size_t m = 0; m < FigureRules::MeasurementCount; ++m)
            require(std::abs((*lengths)[m] - body[m]) <= off, "the lengths shown lie in the box");
        require(FigureRules::identify(*lengths) == figure, "the lengths shown give the figure");
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
    const QLocale locale = input.locale();
    const Unit unit = input.byte() % 2 ? Unit::Inches : Unit::Centimetres;
    const Unit other = unit == Unit::Inches ? Unit::Centimetres : Unit::Inches;
    const auto count = [&] { return std::int16_t(input.below(5)); };
    const auto answered = MeasureReport::answeredShapes({count(), count(), count(), count()});

    MeasureReport::Entries entries;
    std::array<double, FigureRules::MeasurementCount> numbers{};
    bool allNumbers = true;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        // The first reading of each measurement mostly a number, the others mostly empty.
        const bool first =
            index % MeasureReport::ReadingCount == 0 && index < MeasureReport::HeightEntry;
        switch (input.below(first ? 4 : 8)) {
        case 0:
            entries[index].text = input.typedText(12);
            allNumbers = allNumbers && !first;
            break;
        case 1:
            entries[index].text = input.anyText(8);
            allNumbers = allNumbers && !first;
            break;
        case 2:
        case 3: {
            const double number = someLength(input);
            entries[index].text = locale.toString(number, 'f', input.below(4));
            if (first)
                numbers[index / MeasureReport::ReadingCount] = number;
            break;
        }
        default:
            break;
        }
        allNumbers = allNumbers && (first || entries[index].text.isEmpty());
    }
    const auto report = MeasureReport::reportOn(entries, unit, answered, locale);
    require(!report.shapeLine.isEmpty() && !report.comparisonLine.isEmpty(),
            "a shape line and a comparison are always shown", visible(report.shapeLine));
    require(report.tapeMeasure.isEmpty() || !report.differencesLine.isEmpty(),
            "a shape comes with what decided it");
    require(!report.differencesLine.contains(u'-') && !report.borderlineLine.contains(u'-'),
            "a minus is a minus sign, never a hyphen", visible(report.differencesLine));

    // Switched and switched back, the fields show what was typed, and so give its shape.
    MeasureReport::Entries switched = entries;
    for (const auto &[from, to] : {std::pair(unit, other), std::pair(other, unit)}) {
        for (MeasureReport::Entry &entry : switched)
            entry = MeasureReport::inUnit(entry, from, to, locale);
    }
    const auto back = MeasureReport::reportOn(switched, unit, answered, locale);
    require(back.shapeLine == report.shapeLine && back.differencesLine == report.differencesLine,
            "switching there and back keeps the shape of what was typed",
            visible(report.shapeLine + u" / "_s + back.shapeLine));

    if (allNumbers) {
        FigureRules::Measurements body;
        for (std::size_t m = 0; m < FigureRules::MeasurementCount; ++m)
            body[m] = FigureRules::lengthOf(numbers[m], unit).value_or(0);
        for (std::size_t m = 0; m < FigureRules::MeasurementCount; ++m) {
            if (!FigureRules::isMeasurable(body[m]))
                return 0;
        }
        const Length per =
            unit == Unit::Inches ? FigureRules::UnitsPerInch : FigureRules::UnitsPerCentimetre;
        // As the report asks: under a tape's step in whole units, then in tape steps under the
        // error; the error is 1 cm or 0.4 in.
        const Length tapeStep = unit == Unit::Inches ? per / 20 : per / 10;
        const Length error = unit == Unit::Inches ? 4 * per / 10 : per;
        checkBorderline(body, input.below(2) ? 1 : per / 1000, tapeStep);
        checkBorderline(body, tapeStep, error);
        checkSteadiness(body, error);
    }
    return 0;
}
