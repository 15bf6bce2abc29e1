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

// The three hourglasses are an Hourglass, spoon and triangle a Spoon, the inverted triangle a
// Cone and the rectangle a Ruler.
modShapeTest::ShapeIndex shapeOf(Figure figure);

// "bottom hourglass", "inverted triangle", ...
QString nameOf(Figure figure);

// high hip ÷ waist in thousandths, rounded down, so that a ratio shown as 1.193 is never
// one that the rules take for less.
Length highHipToWaistPermille(const Measurements &body);

} // namespace FigureRules
