#pragma once

// What the measure window says about the measurements as they are typed: the shape they give,
// the conditions that decided it beside their limits, how near a limit they lie, how steady the
// shape is when every tape is a little off, the waist's ratios to the hips and the height, and
// whether the tape measure agrees with the shape the answers gave. No widgets: texts in, texts
// out, every one of them translated and its numbers written the locale's way.
//
// What counts is what the fields show: each text is read as it stands, to at most three
// decimals; a length with more is refused. Each measurement takes up to three readings: one
// counts as it is, two by their mean, three by the middle one.

#include "measure/figurerules.h"
#include "shapetest/modShapeTest.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace MeasureReport {

inline constexpr std::size_t FieldCount = FigureRules::MeasurementCount;
inline constexpr std::size_t ReadingCount = 3;
// The entries: the readings of each measurement in turn, then the height.
inline constexpr std::size_t HeightEntry = FieldCount * ReadingCount;
inline constexpr std::size_t EntryCount = HeightEntry + 1;

constexpr std::size_t entryOf(std::size_t measurement, std::size_t reading)
{
    return measurement * ReadingCount + reading;
}

// "Bust", "Waist", "High hip", "Hips", and "Height" for the height entry's field.
QString fieldName(std::size_t index);

// The same as a sentence names them in a list after a colon: "bust", "high hip", "height".
QString nounOf(std::size_t index);

// "cm" or "in", and a number written the locale's way with it: "90.5 cm", in Arabic "٩٠٫٥ سم".
QString unitName(FigureRules::Unit unit);
QString withUnit(const QString &number, FigureRules::Unit unit);

// A field as the window holds it: the text shown and, while that text is the one written when
// the unit was switched, the length it was written from, so that switching back restores the
// text typed. The report reads the text alone.
struct Entry {
    QString text;
    std::optional<FigureRules::Length> exact;
};
using Entries = std::array<Entry, EntryCount>;

struct Report {
    QString shapeLine;        // "Measured shape: ...", or what keeps the shape from being known
    QString readingsLine;     // two readings of a measurement too far apart; empty otherwise
    QString differencesLine;  // the conditions that decided the shape, beside their limits
    QString borderlineLine;   // "Borderline: ..." when a small change gives another figure
    QString steadinessLine;   // "Steady: ..." or "Not steady: ..."
    QString ratiosLine;       // the waist-to-hip and waist-to-height ratios beside their thresholds
    QString comparisonLine;   // the answers' shape beside the tape measure's
    QString tapeMeasure;      // the shape as shown, "Spoon (triangle)"; empty without a figure
    QStringList measurements; // "Bust: 36 in", ...; empty unless all four are measured
    // What My History keeps: the lengths the rules read, plainly written ("90.15"), and the
    // shape they gave; empty, and none, until all four are measured.
    std::array<QString, FieldCount> keptGirths;
    QString keptHeight;
    std::optional<modShapeTest::ShapeIndex> measuredShape;
};

// The shape the answers gave, or every shape tied for the most answers, in tie-break order.
QList<modShapeTest::ShapeIndex> answeredShapes(const modShapeTest::Tally &tally);

// Numbers are read the locale's way, and with a point as well, in ASCII, Arabic-Indic or Eastern
// Arabic-Indic digits; they are written in the locale's digits.
Report reportOn(const Entries &entries, FigureRules::Unit unit,
                const QList<modShapeTest::ShapeIndex> &answered, const QLocale &locale);

// The entry as shown in the other unit: its length written to at most three decimals, and the
// length kept. A text that is no length stays as it is.
Entry inUnit(const Entry &entry, FigureRules::Unit from, FigureRules::Unit to,
             const QLocale &locale);

} // namespace MeasureReport
