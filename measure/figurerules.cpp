#include "measure/figurerules.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace FigureRules {

namespace {
constexpr Length tenthsOfAnInch(Length tenths)
{
    return tenths * UnitsPerInch / 10;
}

constexpr Length OneInch = tenthsOfAnInch(10);
constexpr Length TwoInches = tenthsOfAnInch(20);
constexpr Length ThreePointSixInches = tenthsOfAnInch(36);
constexpr Length SevenInches = tenthsOfAnInch(70);
constexpr Length NineInches = tenthsOfAnInch(90);
constexpr Length TenInches = tenthsOfAnInch(100);

// high hip ÷ waist is held against 1.193 as 1000 × high hip against 1193 × waist.
constexpr Length RatioLimitPermille = 1193;

// Every limit of the rules below, as weights on bust, waist, high hip and hips and the bound
// their weighted sum is held against: a figure changes only where such a sum crosses its bound.
struct Limit {
    std::array<Length, 4> weights;
    Length bound;
};
constexpr std::array<Limit, 11> Limits{{
    {{1, 0, 0, -1}, OneInch},
    {{1, 0, 0, -1}, ThreePointSixInches},
    {{1, 0, 0, -1}, TenInches},
    {{-1, 0, 0, 1}, TwoInches},
    {{-1, 0, 0, 1}, ThreePointSixInches},
    {{-1, 0, 0, 1}, TenInches},
    {{1, -1, 0, 0}, NineInches},
    {{0, -1, 0, 1}, SevenInches},
    {{0, -1, 0, 1}, NineInches},
    {{0, -1, 0, 1}, TenInches},
    {{0, -RatioLimitPermille, 1000, 0}, 0},
}};

std::array<Length, 4> lengthsOf(const Measurements &body)
{
    return {body.bust, body.waist, body.highHip, body.hips};
}

// Rounded towards minus infinity; `divisor` is not zero.
Length floorDivided(Length dividend, Length divisor)
{
    const Length quotient = dividend / divisor;
    return quotient * divisor != dividend && (dividend < 0) != (divisor < 0) ? quotient - 1
                                                                             : quotient;
}

// The numbers of steps, from 1 to `most`, at which moving measurement `m` by `stepBy` per step
// takes a weighted sum across a bound: the step just before the crossing point and the one after.
std::vector<Length> crossingSteps(const std::array<Length, 4> &lengths, std::size_t m,
                                  Length stepBy, Length most)
{
    std::vector<Length> steps;
    for (const Limit &limit : Limits) {
        const Length perStep = limit.weights[m] * stepBy;
        if (perStep == 0)
            continue;
        Length sum = 0;
        for (std::size_t i = 0; i < lengths.size(); ++i)
            sum += limit.weights[i] * lengths[i];
        const Length before = floorDivided(limit.bound - sum, perStep);
        for (const Length k : {before, before + 1}) {
            if (k >= 1 && k <= most)
                steps.push_back(k);
        }
    }
    std::sort(steps.begin(), steps.end());
    return steps;
}
} // namespace

std::optional<Length> lengthOf(double value, Unit unit)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Far outside what anyone measures either way; kept small enough to round safely.
    const double thousandths = std::round(std::clamp(value, -1e6, 1e6) * 1000);
    const Length perThousandth =
        unit == Unit::Inches ? UnitsPerInch / 1000 : UnitsPerCentimetre / 1000;
    return static_cast<Length>(thousandths) * perThousandth;
}

bool isMeasurable(Length length)
{
    return length >= ShortestMeasure && length <= LongestMeasure;
}

std::optional<Figure> identify(const Measurements &body)
{
    const Length bustOverHips = body.bust - body.hips;
    const Length hipsOverBust = body.hips - body.bust;
    const Length bustOverWaist = body.bust - body.waist;
    const Length hipsOverWaist = body.hips - body.waist;
    // high hip ÷ waist < 1.193, kept in whole numbers
    const bool narrowHighHip = 1000 * body.highHip < RatioLimitPermille * body.waist;

    if (bustOverHips <= OneInch && hipsOverBust < ThreePointSixInches &&
        (bustOverWaist >= NineInches || hipsOverWaist >= TenInches))
        return Figure::Hourglass;
    if (hipsOverBust >= ThreePointSixInches && hipsOverBust < TenInches &&
        hipsOverWaist >= NineInches && narrowHighHip)
        return Figure::BottomHourglass;
    if (bustOverHips > OneInch && bustOverHips < TenInches && bustOverWaist >= NineInches)
        return Figure::TopHourglass;
    if (hipsOverBust > TwoInches && hipsOverWaist >= SevenInches && !narrowHighHip)
        return Figure::Spoon;
    if (hipsOverBust >= ThreePointSixInches && hipsOverWaist < NineInches)
        return Figure::Triangle;
    if (bustOverHips >= ThreePointSixInches && bustOverWaist < NineInches)
        return Figure::InvertedTriangle;
    if (hipsOverBust < ThreePointSixInches && bustOverHips < ThreePointSixInches &&
        bustOverWaist < NineInches && hipsOverWaist < TenInches)
        return Figure::Rectangle;
    return std::nullopt;
}

modShapeTest::ShapeIndex shapeOf(Figure figure)
{
    switch (figure) {
    case Figure::Hourglass:
    case Figure::TopHourglass:
        return modShapeTest::Hourglass;
    case Figure::BottomHourglass:
    case Figure::Spoon:
    case Figure::Triangle:
        return modShapeTest::Spoon;
    case Figure::InvertedTriangle:
        return modShapeTest::Cone;
    case Figure::Rectangle:
        break;
    }
    return modShapeTest::Ruler;
}

QString nameOf(Figure figure)
{
    static constexpr std::array<const char *, 7> Names{
        QT_TRANSLATE_NOOP("FigureRules", "hourglass"),
        QT_TRANSLATE_NOOP("FigureRules", "bottom hourglass"),
        QT_TRANSLATE_NOOP("FigureRules", "top hourglass"),
        QT_TRANSLATE_NOOP("FigureRules", "spoon"),
        QT_TRANSLATE_NOOP("FigureRules", "triangle"),
        QT_TRANSLATE_NOOP("FigureRules", "inverted triangle"),
        QT_TRANSLATE_NOOP("FigureRules", "rectangle")};
    return QCoreApplication::translate("FigureRules", Names[std::size_t(figure)]);
}

Length highHipToWaistPermille(const Measurements &body)
{
    return body.waist > 0 ? 1000 * body.highHip / body.waist : 0;
}

std::optional<Change> nearestChange(const Measurements &body, Length step, Length under)
{
    const std::optional<Figure> now = identify(body);
    const std::array<Length, 4> lengths = lengthsOf(body);
    std::optional<Change> nearest;
    for (std::size_t m = 0; m < lengths.size(); ++m) {
        for (const Length sign : {1, -1}) {
            const Length room =
                sign > 0 ? LongestMeasure - lengths[m] : lengths[m] - ShortestMeasure;
            const Length most = std::min((under - 1) / step, room / step);
            for (const Length k : crossingSteps(lengths, m, sign * step, most)) {
                if (nearest && k * step >= std::abs(nearest->by))
                    break;
                std::array<Length, 4> changed = lengths;
                changed[m] += sign * k * step;
                const auto figure = identify({changed[0], changed[1], changed[2], changed[3]});
                if (figure != now) {
                    nearest = Change{int(m), sign * k * step, figure};
                    break;
                }
            }
        }
    }
    return nearest;
}

} // namespace FigureRules
