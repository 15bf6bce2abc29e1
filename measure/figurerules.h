#pragma once

// The female figure identification rules: four tape measurements in, a figure type out, and
// which of the program's four shapes that type is. No widgets; the measure window reads what
// the user types, and the rules decide.
//
// The seven rules are one table (Rules): each a list of conditions, each condition a
// difference of two measurements, or the high hip's ratio to the waist, held against a limit.
// Identifying the figure, the search for the nearest other figure, the steadiness of the shape
// and the sentences that say what decided it all read that table, so each limit stands once.
//
// Lengths are whole numbers of a unit small enough that a thousandth of an inch (254 units)
// and a thousandth of a centimetre (100 units) are both exact. Every limit of the rules (1,
// 2, 3.6, 7, 9 and 10 inches, and the ratio 1.193) then lands exactly, whichever unit was
// typed: 37.6 in − 34 in is 3.6 in, and 9.144 cm is 3.6 in, with no rounding error to tip a
// value over a limit it sits on.

#include "shapetest/modShapeTest.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace FigureRules {

using Length = std::int64_t;

enum class Unit { Centimetres, Inches };

inline constexpr Length UnitsPerCentimetre = 100'000;
inline constexpr Length UnitsPerInch = 254'000;

// What a person can measure around their body, limits included.
inline constexpr Length ShortestMeasure = 40 * UnitsPerCentimetre;
inline constexpr Length LongestMeasure = 250 * UnitsPerCentimetre;

// In the order of Measurements; indexes a measurement wherever one is named by number.
enum Measurement { Bust, Waist, HighHip, Hips };
inline constexpr std::size_t MeasurementCount = 4;

struct Measurements {
    Length bust = 0;
    Length waist = 0;
    Length highHip = 0;
    Length hips = 0;

    Length &operator[](std::size_t m) { return *std::array{&bust, &waist, &highHip, &hips}[m]; }
    Length operator[](std::size_t m) const { return std::array{bust, waist, highHip, hips}[m]; }
};

// In the order they are tried; the first whose conditions hold is the figure.
enum class Figure {
    Hourglass,
    BottomHourglass,
    TopHourglass,
    Spoon,
    Triangle,
    InvertedTriangle,
    Rectangle,
};

// What a condition holds against its limit: a measurement less another, or high hip ÷ waist.
struct Quantity {
    Measurement first;
    Measurement second;
    bool ratio = false; // first ÷ second rather than first − second
};

enum class Comparison { Under, AtMost, Over, AtLeast };

// A limit is a length, or for a ratio thousandths of one (1193 for 1.193).
struct Condition {
    Quantity quantity;
    Comparison comparison;
    Length limit;
};

// One condition, or two of which either will do.
struct Clause {
    Condition condition;
    std::optional<Condition> orElse;
};

struct Rule {
    Figure figure;
    std::size_t size;
    std::array<Clause, 4> clauses;

    constexpr std::span<const Clause> conditions() const { return std::span(clauses).first(size); }
};

namespace Table {
constexpr Length tenthsOfAnInch(Length tenths)
{
    return tenths * UnitsPerInch / 10;
}
constexpr Clause when(Quantity quantity, Comparison comparison, Length limit)
{
    return {{quantity, comparison, limit}, std::nullopt};
}
constexpr Clause either(Clause one, Clause other)
{
    return {one.condition, other.condition};
}
inline constexpr Quantity BustLessHips{Bust, Hips};
inline constexpr Quantity HipsLessBust{Hips, Bust};
inline constexpr Quantity BustLessWaist{Bust, Waist};
inline constexpr Quantity HipsLessWaist{Hips, Waist};
inline constexpr Quantity HighHipToWaist{HighHip, Waist, true};
using enum Comparison;
// The limits, each named once.
inline constexpr Length OneInch = tenthsOfAnInch(10);
inline constexpr Length TwoInches = tenthsOfAnInch(20);
inline constexpr Length ThreePointSixInches = tenthsOfAnInch(36);
inline constexpr Length SevenInches = tenthsOfAnInch(70);
inline constexpr Length NineInches = tenthsOfAnInch(90);
inline constexpr Length TenInches = tenthsOfAnInch(100);
inline constexpr Length RatioThousandths = 1193;
} // namespace Table

// The published rules, in the order they are tried; each with the number of its clauses.
inline constexpr std::array<Rule, 7> Rules = [] {
    using namespace Table;
    return std::array<Rule, 7>{{
        {Figure::Hourglass,
         3,
         {when(BustLessHips, AtMost, OneInch), when(HipsLessBust, Under, ThreePointSixInches),
          either(when(BustLessWaist, AtLeast, NineInches),
                 when(HipsLessWaist, AtLeast, TenInches))}},
        {Figure::BottomHourglass,
         4,
         {when(HipsLessBust, AtLeast, ThreePointSixInches), when(HipsLessBust, Under, TenInches),
          when(HipsLessWaist, AtLeast, NineInches), when(HighHipToWaist, Under, RatioThousandths)}},
        {Figure::TopHourglass,
         3,
         {when(BustLessHips, Over, OneInch), when(BustLessHips, Under, TenInches),
          when(BustLessWaist, AtLeast, NineInches)}},
        {Figure::Spoon,
         3,
         {when(HipsLessBust, Over, TwoInches), when(HipsLessWaist, AtLeast, SevenInches),
          when(HighHipToWaist, AtLeast, RatioThousandths)}},
        {Figure::Triangle,
         2,
         {when(HipsLessBust, AtLeast, ThreePointSixInches),
          when(HipsLessWaist, Under, NineInches)}},
        {Figure::InvertedTriangle,
         2,
         {when(BustLessHips, AtLeast, ThreePointSixInches),
          when(BustLessWaist, Under, NineInches)}},
        {Figure::Rectangle,
         4,
         {when(HipsLessBust, Under, ThreePointSixInches),
          when(BustLessHips, Under, ThreePointSixInches), when(BustLessWaist, Under, NineInches),
          when(HipsLessWaist, Under, TenInches)}},
    }};
}();

const Rule &ruleFor(Figure figure);

// A condition as a weighted sum of bust, waist, high hip and hips held against a bound: every
// condition is linear in the four lengths.
struct Linear {
    std::array<Length, MeasurementCount> weights{};
    Length bound = 0;
};
Linear linearOf(const Condition &condition);

bool holds(const Condition &condition, const Measurements &body);
bool holds(const Clause &clause, const Measurements &body);
bool holds(const Rule &rule, const Measurements &body);

// first − second, as a length; for a ratio, first ÷ second in thousandths, rounded down, so that
// a ratio shown as 1.193 is never one that the rules take for less.
Length valueOf(const Quantity &quantity, const Measurements &body);

// A typed value, to the nearest thousandth of its unit; none for a value that is not a finite
// number.
std::optional<Length> lengthOf(double value, Unit unit);

bool isMeasurable(Length length);

// The first figure whose rule holds, or none.
std::optional<Figure> identify(const Measurements &body);

// The hourglass and the top hourglass are an Hourglass: a defined waist, which the Cone's
// description rules out. The bottom hourglass, spoon and triangle are a Spoon: fuller at the
// hips than at the bust, as the Spoon's description has it. The inverted triangle is a Cone and
// the rectangle a Ruler.
modShapeTest::ShapeIndex shapeOf(Figure figure);

// "bottom hourglass", "inverted triangle", ..., translated.
QString nameOf(Figure figure);

// One measurement changed: which (as in Measurements), by how much (more when positive) and
// the figure it then gives.
struct Change {
    int measurement = 0;
    Length by = 0;
    std::optional<Figure> figure;
};

// The smallest change of a single measurement, a whole number of `step`s and less than `under`
// either way, that gives another figure, while every length stays measurable; none when no such
// change does. Found exactly from the rules' limits, where alone a figure can change.
std::optional<Change> nearestChange(const Measurements &body, Length step, Length under);

// Whether some lengths, each at most `off` from the measured one, give the figure, or none of
// the seven; and if so, such lengths.
std::optional<Measurements> reachable(const Measurements &body, Length off,
                                      std::optional<Figure> figure);

} // namespace FigureRules
