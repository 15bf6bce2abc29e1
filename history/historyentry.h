#pragma once

// One entry of My History: what the user kept from Measure My Shape on one day. The lengths are
// kept as typed, digit for digit, with a point for the decimal sign, in the unit they were typed
// in; the table, the chart and the exports convert them when they are shown or written.

#include "measure/figurerules.h"
#include "shapetest/modShapeTest.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace History {

inline constexpr std::size_t GirthCount = 4;

struct Entry {
    qint64 id = 0; // the store's number for it; 0 until it is kept
    QDate date;
    FigureRules::Unit unit = FigureRules::Unit::Centimetres;
    std::array<QString, GirthCount> girths;                // bust, waist, high hip, hips: "90.5"
    QString height;                                        // empty when it was not given
    std::optional<modShapeTest::ShapeIndex> measuredShape; // none when the tape found none
    std::optional<modShapeTest::ShapeIndex> answersShape;  // none when measured without the test

    // Every field but the store's number.
    bool sameAs(const Entry &other) const;
};

// "Ruler", "Hourglass", "Spoon", "Cone", in English whatever the language: the files speak it.
QString englishName(modShapeTest::ShapeIndex shape);
std::optional<modShapeTest::ShapeIndex> shapeNamed(QStringView english);

// A length as a field shows it ("90,5" in German, "٩٠" in Arabic digits) written with ASCII
// digits and a point ("90.5"); none for anything but a plain number, which grouping, signs and
// exponents are not.
std::optional<QString> plainDecimal(QStringView shown, const QLocale &locale);
bool isPlainDecimal(QStringView text);

// The same length in centimetres, exactly: "36" inches is "91.44"; no trailing zeros are added.
QString inCentimetres(const QString &plain, FigureRules::Unit unit);

// A length for the eye, in `to`: as typed when the units agree, otherwise converted to at most
// three decimals, written the locale's way.
QString shownLength(const QString &plain, FigureRules::Unit from, FigureRules::Unit to,
                    const QLocale &locale);
double lengthIn(const QString &plain, FigureRules::Unit from, FigureRules::Unit to);

} // namespace History
