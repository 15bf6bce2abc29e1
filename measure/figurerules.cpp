#include "measure/figurerules.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

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
    const bool narrowHighHip = 1000 * body.highHip < 1193 * body.waist;

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
    case Figure::BottomHourglass:
    case Figure::TopHourglass:
        return modShapeTest::Hourglass;
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
    switch (figure) {
    case Figure::Hourglass:
        return u"hourglass"_s;
    case Figure::BottomHourglass:
        return u"bottom hourglass"_s;
    case Figure::TopHourglass:
        return u"top hourglass"_s;
    case Figure::Spoon:
        return u"spoon"_s;
    case Figure::Triangle:
        return u"triangle"_s;
    case Figure::InvertedTriangle:
        return u"inverted triangle"_s;
    case Figure::Rectangle:
        break;
    }
    return u"rectangle"_s;
}

Length highHipToWaistPermille(const Measurements &body)
{
    return body.waist > 0 ? 1000 * body.highHip / body.waist : 0;
}

} // namespace FigureRules
