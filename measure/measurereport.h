#pragma once

// What the measure window says about the four measurements as they are typed: the shape they
// give, the differences that decided it beside their limits, how near a limit they lie, and
// whether the tape measure agrees with the shape the answers gave. No widgets: texts in, texts
// out, every one of them translated and its numbers written the locale's way.

#include "measure/figurerules.h"
#include "shapetest/modShapeTest.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace MeasureReport {

inline constexpr std::size_t FieldCount = 4;

// "Bust", "Waist", "High hip", "Hips": the fields in the order the window shows them and the
// rules name them.
QString fieldName(std::size_t index);

// A field as the window holds it: the text shown and, while that text is the one written when
// the unit was switched, the exact length it stands for, so that switching alone never moves a
// length across a limit.
struct Entry {
    QString text;
    std::optional<FigureRules::Length> exact;
};
using Entries = std::array<Entry, FieldCount>;

struct Report {
    QString shapeLine;        // "Measured shape: ...", or what keeps the shape from being known
    QString differencesLine;  // what decided the shape, beside the limits; empty without one
    QString borderlineLine;   // "Borderline: ..." when a small change gives another figure
    QString comparisonLine;   // the answers' shape beside the tape measure's
    QString tapeMeasure;      // the shape as shown, "Spoon (triangle)"; empty without a figure
    QStringList measurements; // "Bust: 36 in", ...; empty unless all four are measured
};

// The shape the answers gave, or every shape tied for the most answers, in tie-break order.
QList<modShapeTest::ShapeIndex> answeredShapes(const modShapeTest::Tally &tally);

// Numbers are read the locale's way, and with a point as well.
Report reportOn(const Entries &entries, FigureRules::Unit unit,
                const QList<modShapeTest::ShapeIndex> &answered, const QLocale &locale);

// The entry as shown in the other unit: its length written to at most three decimals, the exact
// length kept. A text that is no number stays as it is.
Entry inUnit(const Entry &entry, FigureRules::Unit from, FigureRules::Unit to,
             const QLocale &locale);

} // namespace MeasureReport
