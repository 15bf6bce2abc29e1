// The measure report for any texts, locale and unit: no crash, and a unit switch keeps the shape.

#include "fuzzapp.h"
#include "fuzzinput.h"

#include "measure/measurereport.h"

#include <QLocale>

using FigureRules::Unit;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const QLocale locale(QLocale::Language(input.word() % (QLocale::LastLanguage + 1)),
                         QLocale::Territory(input.word() % (QLocale::LastTerritory + 1)));
    const Unit unit = input.byte() % 2 ? Unit::Inches : Unit::Centimetres;
    const Unit other = unit == Unit::Inches ? Unit::Centimetres : Unit::Inches;
    const auto count = [&] { return std::int16_t(input.below(5)); };
    const auto answered = MeasureReport::answeredShapes({count(), count(), count(), count()});
    MeasureReport::Entries entries;
    for (MeasureReport::Entry &entry : entries)
        entry.text = input.below(2)
                         ? locale.toString(15 + input.word() % 24000 / 100.0, 'f', input.below(4))
                     : input.below(2) ? input.typedText(12)
                                      : input.anyText(8);
    const auto report = MeasureReport::reportOn(entries, unit, answered, locale);
    require(!report.shapeLine.isEmpty(), "a shape line is always shown");
    for (const Unit to : {other, unit}) {
        for (MeasureReport::Entry &entry : entries)
            entry = MeasureReport::inUnit(entry, to == unit ? other : unit, to, locale);
        const auto now = MeasureReport::reportOn(entries, to, answered, locale);
        require(now.tapeMeasure == report.tapeMeasure &&
                    now.comparisonLine == report.comparisonLine &&
                    (to == other || now.shapeLine == report.shapeLine),
                "switching the unit keeps the shape", visible(now.shapeLine));
    }
    return 0;
}
