#pragma once

// The female figure identification rules: four tape measurements in, a figure type out, and
// which of the program's four shapes that type is. No widgets; the measure window reads what
// the user types, and the rules decide.
//
// Lengths are whole numbers of a unit small enough that a thousandth of an inch (254 units)
// and a thousandth of a centimetre (100 units) are both exact. Every limit of the rules (1,
// 2, 3.6, 7, 9 and 10 inches, and the ratio 1.193) then lands exactly, whichever unit was
// typed: 37.6 in − 34 in is 3.6 in, and 9.144 cm is 3.6 in, with no rounding error to tip a
// value over a limit it sits on.

#include "shapetest/modShapeTest.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace FigureRules {

using Length = std::int64_t;

enum class Unit { Centimetres, Inches };

inline constexpr Length UnitsPerCentimetre = 100'000;
inline constexpr Length UnitsPerInch = 254'000;

// What a person can measure around their body, limits included.
inline constexpr Length ShortestMeasure = 40 * UnitsPerCentimetre;
inline constexpr Length LongestMeasure = 250 * UnitsPerCentimetre;

struct Measurements {
    Length bust = 0;
    Length waist = 0;
    Length highHip = 0;
    Length hips = 0;
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

// A typed value, rounded to the nearest thousandth of its unit; none for a value that is not
// a finite number.
std::optional<Length> lengthOf(double value, Unit unit);

bool isMeasurable(Length length);

// The first figure whose rule holds, or none. All four lengths must be measurable.
std::optional<Figure> identify(const Measurements &body);

// The hourglass and the top hourglass are an Hourglass: a defined waist, which the Cone's
// description rules out. The bottom hourglass, spoon and triangle are a Spoon: fuller at the
// hips than at the bust, as the Spoon's description has it. The inverted triangle is a Cone and
// the rectangle a Ruler.
modShapeTest::ShapeIndex shapeOf(Figure figure);

// "bottom hourglass", "inverted triangle", ..., translated.
QString nameOf(Figure figure);

// high hip ÷ waist in thousandths, rounded down, so that a ratio shown as 1.193 is never
// one that the rules take for less.
Length highHipToWaistPermille(const Measurements &body);

// One measurement changed: which (0 bust, 1 waist, 2 high hip, 3 hips, as in Measurements),
// by how much (more when positive) and the figure it then gives.
struct Change {
    int measurement = 0;
    Length by = 0;
    std::optional<Figure> figure;
};

// The smallest change of a single measurement, a whole number of `step`s and less than `under`
// either way, that gives another figure, while every length stays measurable; none when no such
// change does. Found exactly from the rules' limits, where alone a figure can change.
std::optional<Change> nearestChange(const Measurements &body, Length step, Length under);

} // namespace FigureRules
