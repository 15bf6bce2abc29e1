// The figure rules by tape measure: each condition at, just past and just short of its limit, in
// inches and in centimetres; what a person can measure and type; the readings; and what the
// measure window says of the result.

#include "measure/measurereport.h"
#include "translations/language.h"

#include <QTest>

using namespace Qt::StringLiterals;
using MeasureReport::reportOn;
using Unit = FigureRules::Unit;

namespace {
// "bust waist high-hip hips [height] unit", "-" for an empty field, "70/71.6" for readings.
MeasureReport::Entries entriesOf(const QString &row)
{
    QStringList values = row.split(u' ');
    values.removeLast();
    MeasureReport::Entries entries;
    for (qsizetype m = 0; m < values.size(); ++m) {
        const QStringList readings = values[m].split(u'/');
        for (qsizetype r = 0; r < readings.size(); ++r) {
            const std::size_t index = m < 4 ? MeasureReport::entryOf(std::size_t(m), std::size_t(r))
                                            : MeasureReport::HeightEntry;
            entries[index].text = readings[r] == u"-"_s ? QString() : readings[r];
        }
    }
    return entries;
}

Unit unitOf(const QString &row)
{
    return row.endsWith(u"in"_s) ? Unit::Inches : Unit::Centimetres;
}

MeasureReport::Report reportOnRow(const QString &row,
                                  modShapeTest::ShapeIndex answered = modShapeTest::Ruler,
                                  const QLocale &locale = QLocale::c())
{
    return reportOn(entriesOf(row), unitOf(row), {answered}, locale);
}

// "Out of range: bust" + Cm
const QString Cm = u". Measure between 40 and 250 cm."_s;
const QString In = u". Measure between 15.75 and 98.42 in."_s;
} // namespace

class TestFigureRules : public QObject {
    Q_OBJECT

private slots:
    // English as the program speaks it, with its own plural forms ("Not a number: bust.").
    void initTestCase() { QVERIFY(Language::use(QString())); }

    // A body in inches (one decimal at most, so that it is exact in centimetres too) where one
    // condition sits on its limit, the measurement moved a thousandth either way, and the
    // figure at the limit, past it (moved up) and short of it (moved down).
    void everyConditionAtItsLimit_data()
    {
        QTest::addColumn<QString>("inches");
        QTest::addColumn<QString>("centimetres");
        QTest::addColumn<int>("moved");
        QTest::addColumn<QStringList>("figures");
        const auto row = [](const char *name, const QString &inches, int moved,
                            const QStringList &figures, const QString &centimetres = {}) {
            QTest::newRow(name) << inches << centimetres << moved << figures;
        };
        const QString hourglass = u"Hourglass"_s, top = u"Hourglass (top hourglass)"_s,
                      bottom = u"Spoon (bottom hourglass)"_s, spoon = u"Spoon"_s,
                      triangle = u"Spoon (triangle)"_s, inverted = u"Cone (inverted triangle)"_s,
                      rectangle = u"Ruler (rectangle)"_s, none = u"none of the four"_s;
        row("hourglass: bust − hips at most 1; top: over 1", u"37 28 33 36"_s, 3,
            {hourglass, hourglass, top});
        row("hourglass: hips − bust under 3.6; bottom: at least 3.6", u"34 27.6 32 37.6"_s, 0,
            {bottom, hourglass, bottom});
        row("hourglass: bust − waist at least 9", u"36 27 30 36"_s, 1,
            {hourglass, rectangle, hourglass});
        row("hourglass: or hips − waist at least 10", u"34.5 26 30 36"_s, 1,
            {hourglass, rectangle, hourglass});
        row("bottom: hips − bust under 10", u"30 30 35 40"_s, 0, {none, bottom, none});
        row("bottom: hips − waist at least 9; triangle: under 9", u"33 28 33 37"_s, 1,
            {bottom, triangle, bottom});
        row("bottom: high hip ÷ waist under 1.193; spoon: at least", u"34 30 35.79 40"_s, 2,
            {spoon, spoon, bottom}, u"90 80 95.44 105"_s);
        row("top: bust − hips under 10", u"46 30 35 36"_s, 0, {none, none, top});
        row("top: bust − waist at least 9", u"38 29 32 36"_s, 1, {top, rectangle, top});
        row("inverted: bust − waist under 9", u"46 37 40 36"_s, 1, {none, inverted, none});
        row("spoon: hips − bust over 2; rectangle", u"35 29 35 37"_s, 0,
            {rectangle, rectangle, spoon});
        row("spoon: hips − waist at least 7; rectangle", u"34 30 36 37"_s, 1,
            {spoon, rectangle, spoon});
        row("triangle: hips − bust at least 3.6; rectangle: under", u"34 29 34 37.6"_s, 0,
            {triangle, rectangle, triangle});
        row("inverted: bust − hips at least 3.6; rectangle: under", u"37.6 29 32 34"_s, 3,
            {inverted, rectangle, inverted});
    }

    void everyConditionAtItsLimit()
    {
        QFETCH(QString, inches);
        QFETCH(QString, centimetres);
        QFETCH(int, moved);
        QFETCH(QStringList, figures);
        for (const Unit unit : {Unit::Inches, Unit::Centimetres}) {
            QStringList lengths =
                (unit == Unit::Centimetres && !centimetres.isEmpty() ? centimetres : inches)
                    .split(u' ');
            if (unit == Unit::Centimetres && centimetres.isEmpty()) {
                for (QString &length : lengths) // tenths of an inch are exact in thousandths
                    length = QString::number(qRound(length.toDouble() * 2540) / 1000.0, 'f', 3);
            }
            const QString unitName = unit == Unit::Inches ? u"in"_s : u"cm"_s;
            for (int step = 0; step < 3; ++step) {
                QStringList typed = lengths;
                const double by = std::array{0.0, 0.001, -0.001}[std::size_t(step)];
                typed[moved] = QString::number(typed[moved].toDouble() + by, 'f', 3);
                const QString row = typed.join(u' ') + u' ' + unitName;
                QCOMPARE(reportOnRow(row).shapeLine, u"Measured shape: "_s + figures[step]);
            }
        }
    }

    void whatCanBeMeasuredAndTyped_data()
    {
        QTest::addColumn<QString>("measures");
        QTest::addColumn<QString>("shapeLine");
        const QString rectangle = u"Measured shape: Ruler (rectangle)"_s;
        QTest::newRow("cm: 40 is measurable") << u"40 40 40 40 cm"_s << rectangle;
        QTest::newRow("cm: 39.999 is not")
            << u"39.999 40 40 40 cm"_s << u"Out of range: bust"_s + Cm;
        QTest::newRow("cm: 250 is measurable") << u"250 250 250 250 cm"_s << rectangle;
        QTest::newRow("cm: 250.001 is not")
            << u"250 250 250 250.001 cm"_s << u"Out of range: hips"_s + Cm;
        QTest::newRow("in: 15.749 is measurable") << u"15.749 16 16 16 in"_s << rectangle;
        QTest::newRow("in: 15.748 is not")
            << u"16 15.748 16 16 in"_s << u"Out of range: waist"_s + In;
        QTest::newRow("in: 98.426 is not")
            << u"98.426 98 98.426 98 in"_s << u"Out of range: bust and high hip"_s + In;
        QTest::newRow("a height out of range")
            << u"90 70 80 100 300 cm"_s << u"Out of range: height"_s + Cm;
        QTest::newRow("far too long") << u"1e300 70 80 100 cm"_s << u"Out of range: bust"_s + Cm;
        QTest::newRow("not numbers")
            << u"abc 70 1,2 inf cm"_s << u"Not numbers: bust, high hip and hips."_s;
        QTest::newRow("not a number and out of range")
            << u"9x 0 80 100 cm"_s << u"Not a number: bust. Out of range: waist"_s + Cm;
        QTest::newRow("a field left empty") << u"90 70 80 - cm"_s
                                            << u"Type all four measurements to see the shape "
                                               "they give."_s;
        // Counted as typed: four decimals are refused, not rounded to a shape they don't give.
        QTest::newRow("109.1435 is not rounded")
            << u"100 80 100 109.1435 cm"_s
            << u"More than three decimals: hips. Type a length to three at most."_s;
        QTest::newRow("97.8/73.8/88.0434/128.1 is not rounded")
            << u"97.8 73.8 88.0434 128.1 cm"_s
            << u"More than three decimals: high hip. Type a length to three at most."_s;
        QTest::newRow("two with four decimals")
            << u"97.8 73.8 88.0434/88 128.1001 cm"_s
            << u"More than three decimals: high hip and hips. Type lengths to three at most."_s;
        QTest::newRow("a trailing zero is no decimal") << u"90 70 80 99.1440 cm"_s
                                                       << u"Measured shape: Spoon (bottom "
                                                          "hourglass)"_s;
        QTest::newRow("100/80/100/109.143: hourglass")
            << u"100 80 100 109.143 cm"_s << u"Measured shape: Hourglass"_s;
        QTest::newRow("100/80/100/109.144: spoon")
            << u"100 80 100 109.144 cm"_s << u"Measured shape: Spoon"_s;
    }

    void whatCanBeMeasuredAndTyped()
    {
        QFETCH(QString, measures);
        QFETCH(QString, shapeLine);
        QCOMPARE(reportOnRow(measures).shapeLine, shapeLine);
    }

    // One reading as it is, two by their mean, three by the middle one; two far apart asked for
    // once more.
    void theReadingsOfAMeasurement_data()
    {
        QTest::addColumn<QString>("measures");
        QTest::addColumn<QString>("waist");
        QTest::addColumn<QString>("readingsLine");
        QTest::newRow("one") << u"90 70 80 100 cm"_s << u"Waist: 70 cm"_s << QString();
        QTest::newRow("mean of two")
            << u"90 70/70.9 80 100 cm"_s << u"Waist: 70.45 cm"_s << QString();
        QTest::newRow("1 cm apart is near enough")
            << u"90 70/71 80 100 cm"_s << u"Waist: 70.5 cm"_s << QString();
        QTest::newRow("1.001 cm apart is not")
            << u"90 71.001/70 80 100 cm"_s << u"Waist: 70.5005 cm"_s
            << u"Your two waist readings differ by 1.001 cm: measure your waist once more."_s;
        QTest::newRow("1.6 cm apart")
            << u"90 70/71.6 80 100 cm"_s << u"Waist: 70.8 cm"_s
            << u"Your two waist readings differ by 1.6 cm: measure your waist once more."_s;
        QTest::newRow("middle of three, the third read")
            << u"90 70/71.6/70.2 80 100 cm"_s << u"Waist: 70.2 cm"_s << QString();
        QTest::newRow("middle of three, a gap") << u"90 75/-/71 80 100 cm"_s << u"Waist: 73 cm"_s
                                                << u"Your two waist readings differ by 4 cm: "
                                                   "measure your waist once more."_s;
        QTest::newRow("in: 0.4 apart")
            << u"36 28/28.4 33 38 in"_s << u"Waist: 28.2 in"_s << QString();
        QTest::newRow("in: 0.401 apart, two measurements")
            << u"36/35.599 28/28.401 33 38 in"_s << u"Waist: 28.2005 in"_s
            << u"Your two bust readings differ by 0.401 in: measure your bust once more. Your "
               "two waist readings differ by 0.401 in: measure your waist once more."_s;
    }

    void theReadingsOfAMeasurement()
    {
        QFETCH(QString, measures);
        QFETCH(QString, waist);
        QFETCH(QString, readingsLine);
        const auto report = reportOnRow(measures);
        QCOMPARE(report.measurements.value(1), waist);
        QCOMPARE(report.readingsLine, readingsLine);
    }

    // The digits of every keyboard give the same shape, shown in the locale's digits and kept in
    // ASCII ones with a point; one thousandth less at the hips is another shape in any digits.
    void digitsOfEveryKeyboard_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("measures");
        QTest::addColumn<QString>("readingsLine");
        QTest::addColumn<modShapeTest::ShapeIndex>("shape");
        QTest::addColumn<QString>("kept");
        const auto row = [](const char *name, const char *locale, const QString &measures,
                            const QString &apart, modShapeTest::ShapeIndex shape,
                            const QString &kept) {
            QTest::newRow(name) << QString::fromLatin1(locale) << measures
                                << u"Your two waist readings differ by %1: measure your waist "
                                   "once more."_s.arg(apart)
                                << shape << kept;
        };
        const QString arabic = u"\u0669\u0660 \u0667\u0660/\u0667\u0661\u066B\u0666 \u0668\u0660 "
                               "\u0669\u0669\u066B\u0661\u0664\u0664 cm"_s; // ٩٠ ٧٠/٧١٫٦ ٨٠ ٩٩٫١٤٤
        const QString persian = u"\u06F9\u06F0 \u06F7\u06F0/\u06F7\u06F1\u066B\u06F6 \u06F8\u06F0 "
                                "\u06F9\u06F9\u066B\u06F1\u06F4\u06F4 cm"_s;
        const QString egyptian = u"\u0661\u066B\u0666 cm"_s; // ١٫٦
        const QString spoonKept = u"90 70.8 80 99.144"_s;
        using modShapeTest::Hourglass, modShapeTest::Spoon;
        row("ar_EG, Arabic-Indic", "ar_EG", arabic, egyptian, Spoon, spoonKept);
        row("ar_EG, Persian", "ar_EG", persian, egyptian, Spoon, spoonKept);
        row("ar_EG, ASCII", "ar_EG", u"90 70/71.6 80 99.144 cm"_s, egyptian, Spoon, spoonKept);
        row("ar_EG, Arabic-Indic and a point", "ar_EG", QString(arabic).replace(u'\u066B', u'.'),
            egyptian, Spoon, spoonKept);
        row("ar_EG, a thousandth less", "ar_EG",
            QString(arabic).replace(u"\u0664 cm"_s, u"\u0663 cm"_s), egyptian, Hourglass,
            u"90 70.8 80 99.143"_s);
        row("en_US, Arabic-Indic", "en_US", arabic, u"1.6 cm"_s, Spoon, spoonKept);
        row("de_DE, Persian with a comma", "de_DE", QString(persian).replace(u'\u066B', u','),
            u"1,6 cm"_s, Spoon, spoonKept);
        row("ar_MA, Arabic-Indic", "ar_MA", arabic, u"1,6 cm"_s, Spoon, spoonKept);
    }

    void digitsOfEveryKeyboard()
    {
        QFETCH(QString, locale);
        QFETCH(QString, measures);
        QFETCH(QString, readingsLine);
        QFETCH(modShapeTest::ShapeIndex, shape);
        QFETCH(QString, kept);
        const auto report = reportOnRow(measures, modShapeTest::Ruler, QLocale(locale));
        QCOMPARE(report.readingsLine, readingsLine);
        QVERIFY(report.measuredShape == shape);
        QCOMPARE(QStringList(report.keptGirths.begin(), report.keptGirths.end()).join(u' '), kept);
    }

    // A negative difference with the locale's own sign, a hyphen written as a true minus; a
    // negative length written so (as a switch of units writes a field) reads back as a length
    // out of range, not as a mistyped number.
    void aNegativeLengthTheLocalesWay_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<QString>("minusOne");
        QTest::newRow("en_US") << u"en_US"_s << u"bust − hips −1.5 in"_s << u"−1"_s;
        QTest::newRow("ar_EG") << u"ar_EG"_s << u"bust − hips \u061C−\u0661\u066B\u0665 in"_s
                               << u"\u061C−\u0661"_s;
        QTest::newRow("ur_IN") << u"ur_IN"_s << u"bust − hips \u200E−\u200E\u06F1\u066B\u06F5 in"_s
                               << u"\u200E−\u200E\u06F1"_s;
        QTest::newRow("fa_IR") << u"fa_IR"_s << u"bust − hips \u200E\u2212\u06F1\u066B\u06F5 in"_s
                               << u"\u200E\u2212\u06F1"_s;
    }

    void aNegativeLengthTheLocalesWay()
    {
        QFETCH(QString, locale);
        QFETCH(QString, difference);
        QFETCH(QString, minusOne);
        const QString line =
            reportOnRow(u"35 26.5 33 36.5 in"_s, modShapeTest::Ruler, QLocale(locale))
                .differencesLine;
        QVERIFY2(line.contains(difference), qPrintable(line));
        const QString typedBack =
            reportOnRow(u"90 "_s + minusOne + u" 80 99 cm"_s, modShapeTest::Ruler, QLocale(locale))
                .shapeLine;
        QVERIFY2(typedBack.startsWith(u"Out of range: waist."_s), qPrintable(typedBack));
    }

    // Alone above the scale of My History's chart.
    void theUnitWrittenShort_data()
    {
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("centimetres") << Unit::Centimetres << u"cm"_s;
        QTest::newRow("inches") << Unit::Inches << u"in"_s;
    }

    void theUnitWrittenShort()
    {
        QFETCH(Unit, unit);
        QFETCH(QString, shown);
        QCOMPARE(MeasureReport::unitName(unit), shown);
    }

    void theWindowsLines_data()
    {
        QTest::addColumn<QString>("measures");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &measures, const char *line,
                            const QString &expected) {
            QTest::newRow(name) << measures << QString::fromLatin1(line) << expected;
        };
        row("spoon", u"34 30 36 37 in"_s, "differences",
            u"Decided by hips − bust 3 in (over 2 in), hips − waist 7 in (at least 7 in) and high "
            "hip ÷ waist 1.200 (at least 1.193)."_s);
        row("a difference on its limit", u"37 28 33 36 in"_s, "differences",
            u"Decided by bust − hips 1 in (over −3.6 in and at most 1 in) and bust − waist 9 in "
            "(at least 9 in), enough though hips − waist 8 in is under 10 in."_s);
        row("hourglass by hips − waist alone", u"35 26.5 33 36.5 in"_s, "differences",
            u"Decided by bust − hips −1.5 in (over −3.6 in and at most 1 in) and hips − waist "
            "10 in (at least 10 in), enough though bust − waist 8.5 in is under 9 in."_s);
        row("hourglass both ways", u"36 26 33 36 in"_s, "differences",
            u"Decided by bust − hips 0 in (over −3.6 in and at most 1 in) and bust − waist 10 in "
            "(at least 9 in) as well as hips − waist 10 in (at least 10 in), either enough."_s);
        row("cm limits with their inches", u"90 70 80 99.144 cm"_s, "differences",
            u"Decided by hips − bust 9.144 cm (from 9.144 cm = 3.6 in to under 25.4 cm = 10 in), "
            "hips − waist 29.144 cm (at least 22.86 cm = 9 in) and high hip ÷ waist 1.142 "
            "(under 1.193)."_s);
        row("none of the four", u"30 30 35 40 in"_s, "differences",
            u"No figure rule covers these measurements. The nearest rule (bottom hourglass) "
            "needs hips − bust under 10 in (here 10 in)."_s);
        row("at the limit", u"90 70 80 99.144 cm"_s, "borderline",
            u"Borderline: the slightest change at the bust would give: Hourglass. Measure again."_s);
        row("a tape's amount", u"34 29 36 35.66 in"_s, "borderline",
            u"Borderline: 0.35 in more at the hips would give: Spoon. Measure again."_s);
        row("no borderline", u"34 29 36 35.6 in"_s, "borderline", QString());
        row("steady", u"34 29 36 37 in"_s, "steadiness",
            u"Steady: every tape up to 0.4 in off still gives: Spoon."_s);
        // Within 0.4 in of each tape, hips − bust reaches 3.6 in but never goes under it.
        row("steady up to a limit", u"34 26 30 38.4 in"_s, "steadiness",
            u"Steady: every tape up to 0.4 in off still gives: Spoon."_s);
        row("not steady from a limit", u"34 26 30 38.2 in"_s, "steadiness",
            u"Not steady: with every tape up to 0.4 in off it could also give: Hourglass."_s);
        row("not steady", u"90 70 80 99.144 cm"_s, "steadiness",
            u"Not steady: with every tape up to 1 cm off it could also give: Hourglass."_s);
        row("ratios", u"90 70 80 100 165 cm"_s, "ratios",
            u"Waist-to-hip ratio 0.70: for women, WHO (2008) takes 0.85 or more as a raised "
            "health risk.\nWaist-to-height ratio 0.42: NICE (2022) takes 0.50 or more as a "
            "raised and 0.60 or more as a high health risk."_s);
    }

    void theAnswersBesideTheTapeMeasure_data()
    {
        QTest::addColumn<QString>("measures");
        QTest::addColumn<QList<modShapeTest::ShapeIndex>>("answered");
        QTest::addColumn<QString>("comparisonLine");
        using namespace modShapeTest;
        QTest::newRow("agrees") << u"34 30 36 37 in"_s << QList{Spoon}
                                << u"Your answers: Spoon. The tape measure agrees."_s;
        QTest::newRow("otherwise") << u"34 30 36 37 in"_s << QList{Ruler}
                                   << u"Your answers: Ruler. The tape measure says otherwise."_s;
        QTest::newRow("none") << u"30 30 35 40 in"_s << QList{Cone}
                              << u"Your answers: Cone. The tape measure finds none of the four."_s;
        QTest::newRow("not measured") << u"- - - - in"_s << QList{Cone} << u"Your answers: Cone."_s;
        QTest::newRow("a two-way tie") << u"34 30 36 37 in"_s << QList{Ruler, Spoon}
                                       << u"Your answers tied: Ruler and Spoon. The tape measure "
                                          "says: Spoon."_s;
        QTest::newRow("a two-way tie, none")
            << u"46 30 35 36 in"_s << QList{Ruler, Spoon}
            << u"Your answers tied: Ruler and Spoon. The tape measure finds none of the four."_s;
    }

    void theAnswersBesideTheTapeMeasure()
    {
        QFETCH(QString, measures);
        QFETCH(QList<modShapeTest::ShapeIndex>, answered);
        QFETCH(QString, comparisonLine);
        QCOMPARE(
            reportOn(entriesOf(measures), unitOf(measures), answered, QLocale::c()).comparisonLine,
            comparisonLine);
    }

    void theWindowsLines()
    {
        QFETCH(QString, measures);
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const auto report = reportOnRow(measures);
        const QString shown = line == u"differences"_s  ? report.differencesLine
                              : line == u"borderline"_s ? report.borderlineLine
                              : line == u"steadiness"_s ? report.steadinessLine
                                                        : report.ratiosLine;
        QCOMPARE(shown, expected);
    }
};

QTEST_GUILESS_MAIN(TestFigureRules)
#include "tst_figurerules.moc"
