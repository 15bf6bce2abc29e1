// The figure rules by tape measure: each rule's limits, in inches and in centimetres, what a
// person can measure, and what the measure window says of the result.

#include "measure/measurereport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using MeasureReport::reportOn;
using Unit = FigureRules::Unit;

namespace {
// "bust waist high-hip hips unit", "-" for an empty field.
MeasureReport::Entries entriesOf(const QString &row)
{
    QStringList values = row.split(u' ');
    values.replaceInStrings(u"-"_s, QString());
    return {{{values[0], {}}, {values[1], {}}, {values[2], {}}, {values[3], {}}}};
}

Unit unitOf(const QString &row)
{
    return row.endsWith(u"in"_s) ? Unit::Inches : Unit::Centimetres;
}

MeasureReport::Report reportOnRow(const QString &row, modShapeTest::ShapeIndex answered,
                                  const QLocale &locale = QLocale::c())
{
    return reportOn(entriesOf(row), unitOf(row), {answered}, locale);
}

const QString Hourglass = u"Measured shape: Hourglass"_s;
const QString Bottom = u"Measured shape: Spoon (bottom hourglass)"_s;
const QString Top = u"Measured shape: Hourglass (top hourglass)"_s;
const QString Spoon = u"Measured shape: Spoon"_s;
const QString Triangle = u"Measured shape: Spoon (triangle)"_s;
const QString Inverted = u"Measured shape: Cone (inverted triangle)"_s;
const QString Rectangle = u"Measured shape: Ruler (rectangle)"_s;
const QString None = u"Measured shape: none of the four"_s;
const QString Empty = u"Type all four measurements to see the shape they give."_s;
const QString Cm = u"out of range: measure between 40 and 250 cm."_s;
const QString In = u"out of range: measure between 15.75 and 98.42 in."_s;
} // namespace

class TestFigureRules : public QObject {
    Q_OBJECT

private slots:
    void theTapeMeasureGivesTheShape_data()
    {
        QTest::addColumn<QString>("measures");
        QTest::addColumn<QString>("shapeLine");
        QTest::newRow("bust − hips exactly 1: hourglass") << u"37 28 33 36 in"_s << Hourglass;
        QTest::newRow("bust − hips over 1: top hourglass") << u"37.001 28 33 36 in"_s << Top;
        QTest::newRow("hips − bust under 3.6: hourglass")
            << u"34.001 27.6 32 37.6 in"_s << Hourglass;
        QTest::newRow("37.6 − 34 is 3.6: bottom hourglass") << u"34 27.6 32 37.6 in"_s << Bottom;
        QTest::newRow("bust − waist exactly 9: hourglass") << u"36 27 30 36 in"_s << Hourglass;
        QTest::newRow("bust − waist under 9: rectangle") << u"36 27.001 30 36 in"_s << Rectangle;
        QTest::newRow("hips − waist exactly 10: hourglass") << u"34.5 26 30 36 in"_s << Hourglass;
        QTest::newRow("hips − waist under 10: rectangle") << u"34.5 26.001 30 36 in"_s << Rectangle;
        QTest::newRow("hips − bust exactly 10: none") << u"30 30 35 40 in"_s << None;
        QTest::newRow("hips − bust under 10: bottom") << u"30.001 30 35 40 in"_s << Bottom;
        QTest::newRow("hips − waist exactly 9: bottom hourglass") << u"33 28 33 37 in"_s << Bottom;
        QTest::newRow("hips − waist under 9: triangle") << u"33 28.001 33 37 in"_s << Triangle;
        QTest::newRow("high hip ÷ waist exactly 1.193: spoon") << u"34 30 35.79 40 in"_s << Spoon;
        QTest::newRow("high hip ÷ waist under 1.193: bottom") << u"34 30 35.789 40 in"_s << Bottom;
        QTest::newRow("bust − hips exactly 10: none") << u"46 30 35 36 in"_s << None;
        QTest::newRow("bust − hips under 10: top hourglass") << u"45.999 30 35 36 in"_s << Top;
        QTest::newRow("bust − waist exactly 9, not top: none") << u"46 37 40 36 in"_s << None;
        QTest::newRow("bust − waist under 9: inverted") << u"46 37.001 40 36 in"_s << Inverted;
        QTest::newRow("bust − waist exactly 9: top hourglass") << u"38 29 32 36 in"_s << Top;
        QTest::newRow("bust − waist under 9: rectangle") << u"38 29.001 32 36 in"_s << Rectangle;
        QTest::newRow("hips − bust exactly 2: rectangle") << u"35 29 35 37 in"_s << Rectangle;
        QTest::newRow("hips − bust over 2: spoon") << u"34.999 29 35 37 in"_s << Spoon;
        QTest::newRow("hips − waist exactly 7: spoon") << u"34 30 36 37 in"_s << Spoon;
        QTest::newRow("hips − waist under 7: rectangle") << u"34 30.001 36 37 in"_s << Rectangle;
        QTest::newRow("hips − bust exactly 3.6: triangle") << u"34 29 34 37.6 in"_s << Triangle;
        QTest::newRow("hips − bust under 3.6: rectangle") << u"34.001 29 34 37.6 in"_s << Rectangle;
        QTest::newRow("bust − hips exactly 3.6: inverted") << u"37.6 29 32 34 in"_s << Inverted;
        QTest::newRow("bust − hips under 3.6: rectangle") << u"37.6 29 32 34.001 in"_s << Rectangle;
        QTest::newRow("cm: hips − bust 9.144: bottom") << u"90 70 80 99.144 cm"_s << Bottom;
        QTest::newRow("cm: hips − bust 9.143: hourglass") << u"90 70 80 99.143 cm"_s << Hourglass;
        QTest::newRow("cm: bust − waist 22.86: hourglass") << u"90 67.14 80 90 cm"_s << Hourglass;
        QTest::newRow("cm: bust − waist 22.859: rectangle") << u"90 67.141 80 90 cm"_s << Rectangle;
        QTest::newRow("cm: high hip ÷ waist 1.193: spoon") << u"90 80 95.44 105 cm"_s << Spoon;
        QTest::newRow("cm: high hip ÷ waist under: bottom") << u"90 80 95.439 105 cm"_s << Bottom;
        QTest::newRow("cm: bust − hips 9.144: inverted") << u"100 80 85 90.856 cm"_s << Inverted;
        QTest::newRow("cm: bust − hips 9.143: rectangle") << u"100 80 85 90.857 cm"_s << Rectangle;
        QTest::newRow("cm: 40 is measurable") << u"40 40 40 40 cm"_s << Rectangle;
        QTest::newRow("cm: 39.999 is not") << u"39.999 40 40 40 cm"_s << u"Bust is "_s + Cm;
        QTest::newRow("cm: 250 is measurable") << u"250 250 250 250 cm"_s << Rectangle;
        QTest::newRow("cm: 250.001 is not") << u"250 250 250 250.001 cm"_s << u"Hips is "_s + Cm;
        QTest::newRow("in: 15.749 is measurable") << u"15.749 16 16 16 in"_s << Rectangle;
        QTest::newRow("in: 15.748 is not") << u"16 15.748 16 16 in"_s << u"Waist is "_s + In;
        QTest::newRow("in: 98.425 is measurable") << u"98.425 98 98 98 in"_s << Rectangle;
        QTest::newRow("in: 98.426 is not")
            << u"98.426 98 98.426 98 in"_s << u"Bust and High hip are "_s + In;
        QTest::newRow("a waist of 0") << u"90 0 80 100 cm"_s << u"Waist is "_s + Cm;
        QTest::newRow("far too long") << u"1e300 70 80 100 cm"_s << u"Bust is "_s + Cm;
        QTest::newRow("not numbers")
            << u"abc 70 1,2 inf cm"_s << u"Bust, High hip and Hips are not numbers."_s;
        QTest::newRow("not a number and out of range")
            << u"9x 0 80 100 cm"_s << u"Bust is not a number. Waist is "_s + Cm;
        QTest::newRow("a field left empty") << u"90 70 80 - cm"_s << Empty;
    }

    void theTapeMeasureGivesTheShape()
    {
        QFETCH(QString, measures);
        QFETCH(QString, shapeLine);
        QCOMPARE(reportOnRow(measures, modShapeTest::Ruler).shapeLine, shapeLine);
    }

    void theWindowSaysWhatDecidedAndComparesWithTheAnswers()
    {
        const auto spoon = reportOnRow(u"34 30 36 37 in"_s, modShapeTest::Spoon);
        QCOMPARE(spoon.differencesLine,
                 u"Decided by hips − bust 3 in (over 2 in), hips − waist 7 in (at least 7 in) and "
                 "high hip ÷ waist 1.200 (at least 1.193)."_s);
        QCOMPARE(spoon.comparisonLine, u"Your answers said Spoon: the tape measure agrees."_s);
        QCOMPARE(reportOnRow(u"34 30 36 37 in"_s, modShapeTest::Ruler).comparisonLine,
                 u"Your answers said Ruler: the tape measure says otherwise."_s);
        QCOMPARE(reportOnRow(u"30 30 35 40 in"_s, modShapeTest::Cone).comparisonLine,
                 u"Your answers said Cone: the tape measure finds none of the four."_s);
        QCOMPARE(reportOnRow(u"- - - - in"_s, modShapeTest::Cone).comparisonLine,
                 u"Your answers said Cone."_s);
        const QList tie{modShapeTest::Ruler, modShapeTest::Spoon};
        QCOMPARE(reportOn(entriesOf(u"46 30 35 36 in"_s), Unit::Inches, tie, QLocale::c())
                     .comparisonLine,
                 u"Your answers tied Ruler and Spoon: the tape measure finds none of the four."_s);
        QCOMPARE(reportOnRow(u"30 30 35 40 in"_s, modShapeTest::Cone).differencesLine,
                 u"No figure rule covers hips 10 in or more over the bust with a defined waist: "
                 "hips − bust 10 in, hips − waist 10 in (at least 9 in), high hip ÷ waist 1.166 "
                 "(under 1.193)."_s);
        QCOMPARE(reportOnRow(u"34 29 36 35.602 in"_s, modShapeTest::Ruler).borderlineLine,
                 u"Borderline: 0.399 in more at the hips would make it Spoon. Measure again."_s);
        QCOMPARE(reportOnRow(u"34 29 36 35.601 in"_s, modShapeTest::Ruler).borderlineLine,
                 QString());
        QCOMPARE(reportOnRow(u"90 70 80 98.145 cm"_s, modShapeTest::Ruler).borderlineLine,
                 u"Borderline: 0.999 cm less at the bust would make it Spoon (bottom hourglass). "
                 "Measure again."_s);
        QCOMPARE(reportOnRow(u"90 70 80 98.144 cm"_s, modShapeTest::Ruler).borderlineLine,
                 QString());
        // A German reader writes a decimal comma, and may still type a point.
        const QLocale german(QLocale::German, QLocale::Germany);
        const auto comma = reportOnRow(u"90 70 80 99,144 cm"_s, modShapeTest::Spoon, german);
        QCOMPARE(comma.shapeLine, Bottom);
        QCOMPARE(comma.differencesLine,
                 u"Decided by hips − bust 9,144 cm (from 9,144 cm to under 25,4 cm), hips − "
                 "waist 29,144 cm (at least 22,86 cm) and high hip ÷ waist 1,142 (under 1,193)."_s);
        QCOMPARE(reportOnRow(u"90 70 80 99.144 cm"_s, modShapeTest::Spoon, german).shapeLine,
                 Bottom);
    }

    // Switching the unit writes each length in the other, and switching back restores it.
    void theUnitRoundTrip()
    {
        for (const auto &[locale, typed, converted] :
             {std::tuple(u"C"_s, u"abc 70 - 10000 cm"_s, u"abc 27.559 - 3937.008 in"_s),
              std::tuple(u"de_DE"_s, u"90,5 70 80 99,143 cm"_s,
                         u"35,63 27,559 31,496 39,033 in"_s)}) {
            MeasureReport::Entries entries = entriesOf(typed);
            for (const auto &[from, to] :
                 {std::pair(typed, converted), std::pair(converted, typed)}) {
                for (int field = 0; field < 4; ++field) {
                    entries[field] = MeasureReport::inUnit(entries[field], unitOf(from), unitOf(to),
                                                           QLocale(locale));
                    QCOMPARE(entries[field].text, entriesOf(to)[field].text);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFigureRules)
#include "tst_figurerules.moc"
