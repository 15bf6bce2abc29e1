#pragma once

// What the measure window says about the four measurements as they are typed: the shape they
// give, the differences that decided it, and whether the tape measure agrees with the shape
// the answers gave. No widgets: texts in, texts out.

#include "measure/figurerules.h"
#include "shapetest/modShapeTest.h"

#include <QLatin1StringView>
#include <QLocale>
#include <QString>
#include <array>

namespace MeasureReport {

// The four fields, in the order the window shows them and the rules name them.
inline constexpr std::array<QLatin1StringView, 4> FieldNames{
    QLatin1StringView("Bust"), QLatin1StringView("Waist"), QLatin1StringView("High hip"),
    QLatin1StringView("Hips")};

struct Report {
    QString shapeLine;       // "Measured shape: ...", or what keeps the shape from being known
    QString differencesLine; // the differences the shape was decided by; empty without a shape
    QString comparisonLine;  // the answers' shape beside the tape measure's
};

// `typed` holds the fields' texts in the order of FieldNames. Numbers are read the locale's
// way, and with a point as well.
Report reportOn(const std::array<QString, 4> &typed, FigureRules::Unit unit,
                modShapeTest::ShapeIndex answered, const QLocale &locale = QLocale::system());

} // namespace MeasureReport
