#include "measure/measurereport.h"

#include "common/textlist.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;
using FigureRules::Comparison;
using FigureRules::Condition;
using FigureRules::Figure;
using FigureRules::Length;
using FigureRules::Quantity;
using FigureRules::Unit;

namespace MeasureReport {

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("MeasureReport", text);
}

enum class Reading { Empty, NotANumber, TooPrecise, OutOfRange, Measured };

struct Field {
    Reading reading = Reading::Empty;
    Length length = 0;
};

// The decimals written after the reader's decimal sign, trailing zeros left out; for a number
// with an exponent, those its value needs.
int decimalsIn(const QString &text, const QLocale &reader, double value)
{
    if (text.contains(u'e', Qt::CaseInsensitive) ||
        text.contains(reader.exponential(), Qt::CaseInsensitive)) {
        double scaled = value;
        int decimals = 0;
        while (decimals < 4 && std::abs(scaled - std::round(scaled)) > 1e-9 * std::abs(scaled)) {
            scaled *= 10;
            ++decimals;
        }
        return decimals;
    }
    const qsizetype point = text.indexOf(reader.decimalPoint());
    if (point < 0)
        return 0;
    qsizetype end = point + reader.decimalPoint().size();
    qsizetype lastNonZero = point;
    for (; end < text.size() && text.at(end).isDigit(); ++end) {
        if (text.at(end).digitValue() != 0)
            lastNonZero = end;
    }
    return lastNonZero == point ? 0 : int(lastNonZero - point - reader.decimalPoint().size() + 1);
}

// The digits of any script as ASCII ones, and the Arabic decimal separator as a point: an
// Arabic keyboard types ٠ to ٩, a Persian one ۰ to ۹, and either may be used in any locale.
// Directional marks go: Arabic and Persian write one into their minus sign, as the fields show
// a negative length after a switch of units.
QString withAsciiDigits(const QString &typed)
{
    QString text = typed.trimmed();
    text.removeIf([](QChar character) { return character.category() == QChar::Other_Format; });
    for (QChar &character : text) {
        if (character == u'\u066B')
            character = u'.';
        else if (character.isDigit())
            character = QChar(u'0' + character.digitValue());
    }
    return text;
}

// The number a text stands for, and how many decimals it is written with.
std::optional<std::pair<double, int>> numberIn(const QString &typed, const QLocale &locale)
{
    const QString text = withAsciiDigits(typed);
    // "1.000" is a thousand to a German reader but a tape measure never reads that long, so
    // grouping is refused, and a point that is not the locale's decimal sign still reads as one.
    for (QLocale reader : {locale, QLocale::c()}) {
        reader.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = reader.toDouble(text, &ok);
        if (ok && std::isfinite(value))
            return std::pair(value, decimalsIn(text, reader, value));
    }
    return std::nullopt;
}

Field read(const QString &text, Unit unit, const QLocale &locale)
{
    if (text.trimmed().isEmpty())
        return {};
    const auto number = numberIn(text, locale);
    if (!number)
        return {Reading::NotANumber};
    if (number->second > 3)
        return {Reading::TooPrecise};
    const Length length = FigureRules::lengthOf(number->first, unit).value_or(0);
    if (!FigureRules::isMeasurable(length))
        return {Reading::OutOfRange};
    return {Reading::Measured, length};
}

Length unitsPer(Unit unit)
{
    return unit == Unit::Inches ? FigureRules::UnitsPerInch : FigureRules::UnitsPerCentimetre;
}

// Written exactly, up to four decimals (the mean of two readings has one more than they), with
// no trailing zeros; a negative number with the locale's own sign (Arabic's and Persian's carry
// directional marks), a true minus sign where it has a hyphen.
QString numberText(Length length, Unit unit, const QLocale &locale)
{
    const Length per = unitsPer(unit);
    const Length tenThousandths = (std::abs(length) * 10'000 + per / 2) / per;
    QLocale writer = locale;
    writer.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString text =
        writer.toString(double(tenThousandths) / 10'000, 'f', QLocale::FloatingPointShortest);
    const QString minus = QString(locale.negativeSign()).replace(u'-', u'\u2212');
    return length < 0 && tenThousandths > 0 ? minus + text : text;
}

QString lengthText(Length length, Unit unit, const QLocale &locale)
{
    return withUnit(numberText(length, unit, locale), unit);
}

// The tape's resolution, and about the repeat error of a careful tape measurement.
Length tapeStep(Unit unit)
{
    return unit == Unit::Inches ? FigureRules::UnitsPerInch / 20
                                : FigureRules::UnitsPerCentimetre / 10;
}
Length tapeError(Unit unit)
{
    return unit == Unit::Inches ? 4 * FigureRules::UnitsPerInch / 10
                                : FigureRules::UnitsPerCentimetre;
}

QString problemsWith(const std::array<std::vector<Field>, FieldCount + 1> &fields, Unit unit,
                     const QLocale &locale)
{
    QStringList notNumbers, tooPrecise, outOfRange;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const auto has = [&](Reading reading) {
            return std::any_of(fields[index].begin(), fields[index].end(),
                               [&](const Field &field) { return field.reading == reading; });
        };
        if (has(Reading::NotANumber))
            notNumbers << nounOf(index);
        if (has(Reading::TooPrecise))
            tooPrecise << nounOf(index);
        if (has(Reading::OutOfRange))
            outOfRange << nounOf(index);
    }
    // Each problem in one sentence with the fields named after a colon, where no language's
    // grammar has to agree with them; the count chooses the plural form.
    const auto named = [](const QStringList &nouns) { return TextList::listOf(nouns); };
    const auto counted = [](const char *text, const QStringList &nouns) {
        return QCoreApplication::translate("MeasureReport", text, nullptr, int(nouns.size()));
    };
    QStringList sentences;
    if (!notNumbers.isEmpty()) {
        //: %n is how many fields hold no number, e.g. 2; %1 names them, e.g. bust and hips
        sentences << counted(QT_TRANSLATE_N_NOOP("MeasureReport", "Not numbers: %1."), notNumbers)
                         .arg(named(notNumbers));
    }
    if (!tooPrecise.isEmpty()) {
        //: %n is how many fields hold a length with four decimals or more, e.g. 2; %1 names
        //: them, e.g. high hip and hips
        sentences << counted(QT_TRANSLATE_N_NOOP("MeasureReport",
                                                 "More than three decimals: %1. Type lengths to "
                                                 "three at most."),
                             tooPrecise)
                         .arg(named(tooPrecise));
    }
    if (!outOfRange.isEmpty()) {
        // The measurable range in hundredths of the unit, rounded inwards so all it shows counts.
        const Length perHundredth = unitsPer(unit) / 100;
        const Length lowest = (FigureRules::ShortestMeasure + perHundredth - 1) / perHundredth;
        const Length highest = FigureRules::LongestMeasure / perHundredth;
        static constexpr std::array<const char *, 2> Sentences{
            //: %n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g.
            //: bust and high hip; %2 and %3 are the shortest and longest length, 40 and 250
            QT_TRANSLATE_N_NOOP("MeasureReport", "Out of range: %1. Measure between %2 and %3 cm."),
            //: %n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g.
            //: bust and high hip; %2 and %3 are the shortest and longest length, 15.75 and 98.42
            QT_TRANSLATE_N_NOOP("MeasureReport",
                                "Out of range: %1. Measure between %2 and %3 in.")};
        sentences << counted(Sentences[unit == Unit::Inches], outOfRange)
                         .arg(named(outOfRange),
                              locale.toString(double(lowest) / 100, 'f',
                                              QLocale::FloatingPointShortest),
                              locale.toString(double(highest) / 100, 'f',
                                              QLocale::FloatingPointShortest));
    }
    return sentences.join(u' ');
}

// One reading as it is, two by their mean, three by the middle one.
Length combined(std::vector<Length> readings)
{
    std::sort(readings.begin(), readings.end());
    return readings.size() == 2 ? (readings[0] + readings[1]) / 2 : readings[readings.size() / 2];
}

QString readingsOf(const std::array<std::vector<Field>, FieldCount + 1> &fields, Unit unit,
                   const QLocale &locale)
{
    static constexpr std::array<const char *, FieldCount> Sentences{
        //: %1 is how far apart the two readings are, e.g. 1.6 cm
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Your two bust readings differ by %1: measure your bust once more."),
        //: %1 is how far apart the two readings are, e.g. 1.6 cm
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Your two waist readings differ by %1: measure your waist once more."),
        //: %1 is how far apart the two readings are, e.g. 1.6 cm
        QT_TRANSLATE_NOOP(
            "MeasureReport",
            "Your two high hip readings differ by %1: measure your high hip once more."),
        //: %1 is how far apart the two readings are, e.g. 1.6 cm
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Your two hip readings differ by %1: measure your hips once more.")};
    QStringList sentences;
    for (std::size_t m = 0; m < FieldCount; ++m) {
        if (fields[m].size() != 2)
            continue;
        const Length apart = std::abs(fields[m][0].length - fields[m][1].length);
        if (apart > tapeError(unit))
            sentences << translated(Sentences[m]).arg(lengthText(apart, unit, locale));
    }
    return sentences.join(u' ');
}

QString shapeName(modShapeTest::ShapeIndex shape)
{
    return modShapeTest::Shape_Result(shape).strShapeName;
}

QString noneOfTheFour()
{
    return translated(QT_TRANSLATE_NOOP("MeasureReport", "none of the four"));
}

// "Spoon (triangle)", "Ruler (rectangle)", "Hourglass", or "none of the four".
QString shownShape(std::optional<Figure> figure)
{
    if (!figure)
        return noneOfTheFour();
    const QString shape = shapeName(FigureRules::shapeOf(*figure));
    // A figure named as its shape is said once: "Hourglass", and in German "Rechteck".
    if (FigureRules::nameOf(*figure).compare(shape, Qt::CaseInsensitive) == 0)
        return shape;
    //: %1 is one of the program's four shapes, %2 the figure type the rules found, e.g.
    //: Spoon (triangle)
    return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 (%2)"))
        .arg(shape, FigureRules::nameOf(*figure));
}

// The sentences' words for the table's conditions.
class Wording {
public:
    Wording(const FigureRules::Measurements &body, Unit unit, const QLocale &locale)
        : m_body(body), m_unit(unit), m_locale(locale)
    {}

    QString name(const Quantity &q) const
    {
        if (q.ratio)
            return translated(QT_TRANSLATE_NOOP("MeasureReport", "high hip ÷ waist"));
        using namespace FigureRules;
        static constexpr std::array<std::tuple<Measurement, Measurement, const char *>, 4> Names{{
            {Bust, Hips, QT_TRANSLATE_NOOP("MeasureReport", "bust − hips")},
            {Hips, Bust, QT_TRANSLATE_NOOP("MeasureReport", "hips − bust")},
            {Bust, Waist, QT_TRANSLATE_NOOP("MeasureReport", "bust − waist")},
            {Hips, Waist, QT_TRANSLATE_NOOP("MeasureReport", "hips − waist")},
        }};
        for (const auto &[first, second, text] : Names) {
            if (first == q.first && second == q.second)
                return translated(text);
        }
        return {};
    }

    QString value(const Quantity &q) const
    {
        const Length value = FigureRules::valueOf(q, m_body);
        return q.ratio ? ratioText(value) : lengthText(value, m_unit, m_locale);
    }

    // A limit in inches, as the rules give it; in centimetres with the inches beside it.
    QString limit(const Condition &condition) const
    {
        if (condition.quantity.ratio)
            return ratioText(condition.limit);
        const QString inches = lengthText(condition.limit, Unit::Inches, m_locale);
        if (m_unit == Unit::Inches)
            return inches;
        //: %1 is a limit of the rules in centimetres, %2 the same in inches, e.g. 9.144 cm = 3.6 in
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 = %2"))
            .arg(lengthText(condition.limit, Unit::Centimetres, m_locale), inches);
    }

    // "under 3.6 in", "at least 1.193", ...
    QString relation(const Condition &condition) const
    {
        static constexpr std::array<const char *, 4> Relations{
            //: %1 is a limit, e.g. 3.6 in
            QT_TRANSLATE_NOOP("MeasureReport", "under %1"),
            //: %1 is a limit, e.g. 1 in
            QT_TRANSLATE_NOOP("MeasureReport", "at most %1"),
            //: %1 is a limit, e.g. 2 in
            QT_TRANSLATE_NOOP("MeasureReport", "over %1"),
            //: %1 is a limit, e.g. 9 in
            QT_TRANSLATE_NOOP("MeasureReport", "at least %1")};
        return translated(Relations[std::size_t(condition.comparison)]).arg(limit(condition));
    }

    // Two limits on one difference: the lower, over or at least, and the upper.
    QString range(const Condition &lower, const Condition &upper) const
    {
        static constexpr std::array<const char *, 4> Ranges{
            //: %1 and %2 are limits, e.g. over 1 in and under 10 in
            QT_TRANSLATE_NOOP("MeasureReport", "over %1 and under %2"),
            //: %1 and %2 are limits, e.g. over 1 in and at most 10 in
            QT_TRANSLATE_NOOP("MeasureReport", "over %1 and at most %2"),
            //: %1 and %2 are limits, e.g. from 3.6 in to under 10 in
            QT_TRANSLATE_NOOP("MeasureReport", "from %1 to under %2"),
            //: %1 and %2 are limits, e.g. from 3.6 in to 10 in
            QT_TRANSLATE_NOOP("MeasureReport", "from %1 to %2")};
        const std::size_t which = (lower.comparison == Comparison::AtLeast ? 2 : 0) +
                                  (upper.comparison == Comparison::AtMost);
        return translated(Ranges[which]).arg(limit(lower), limit(upper));
    }

    // "hips − bust 3 in (over 2 in)"
    QString held(const Quantity &q, const QString &relation) const
    {
        //: %1 is what is compared, %2 its value, %3 the limit it meets, e.g.
        //: hips − bust 3 in (over 2 in)
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 %2 (%3)"))
            .arg(name(q), value(q), relation);
    }

    // "hips − bust under 10 in (here 10 in)"
    QString missed(const Condition &condition) const
    {
        //: %1 is what is compared, %2 the limit it must meet, %3 its value, e.g.
        //: hips − bust under 10 in (here 10 in)
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 %2 (here %3)"))
            .arg(name(condition.quantity), relation(condition), value(condition.quantity));
    }

private:
    QString ratioText(Length thousandths) const
    {
        return m_locale.toString(double(thousandths) / 1000, 'f', 3);
    }

    const FigureRules::Measurements &m_body;
    Unit m_unit;
    const QLocale &m_locale;
};

Condition mirrored(const Condition &c)
{
    static constexpr std::array Mirror{Comparison::Over, Comparison::AtLeast, Comparison::Under,
                                       Comparison::AtMost};
    return {{c.quantity.second, c.quantity.first}, Mirror[std::size_t(c.comparison)], -c.limit};
}

// Under and at least, at most and over, are each other's opposites.
Comparison negated(Comparison comparison)
{
    return Comparison(3 - int(comparison));
}

bool isLower(Comparison comparison)
{
    return comparison == Comparison::Over || comparison == Comparison::AtLeast;
}

// A two-way clause that holds, saying which way: "hips − waist 11.5 in (at least 10 in),
// enough though bust − waist 8 in is under 9 in".
QString twoWay(const FigureRules::Clause &clause, const FigureRules::Measurements &body,
               const Wording &words)
{
    const Condition &one = clause.condition, &other = *clause.orElse;
    const QString oneHeld = words.held(one.quantity, words.relation(one));
    const QString otherHeld = words.held(other.quantity, words.relation(other));
    if (FigureRules::holds(one, body) && FigureRules::holds(other, body)) {
        //: %1 and %2 are two conditions of which either is enough, e.g.
        //: bust − waist 10 in (at least 9 in) and hips − waist 11 in (at least 10 in)
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 as well as %2, either enough"))
            .arg(oneHeld, otherHeld);
    }
    const bool first = FigureRules::holds(one, body);
    const Condition &failed = first ? other : one;
    //: %1 is the condition that holds, e.g. hips − waist 11.5 in (at least 10 in); %2 the
    //: other, which does not, e.g. bust − waist 8 in; %3 how it misses, e.g. under 9 in
    return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1, enough though %2 is %3"))
        .arg(first ? oneHeld : otherHeld,
             words.name(failed.quantity) + u' ' + words.value(failed.quantity),
             words.relation({failed.quantity, negated(failed.comparison), failed.limit}));
}

// How far a length must move for the condition to hold: a difference's distance from its
// limit, and for the ratio the waist's.
Length shortfall(const Condition &condition, const FigureRules::Measurements &body)
{
    const FigureRules::Linear linear = FigureRules::linearOf(condition);
    Length sum = 0, weight = 0;
    for (std::size_t m = 0; m < FieldCount; ++m) {
        sum += linear.weights[m] * body[m];
        weight = std::max(weight, std::abs(linear.weights[m]));
    }
    return std::abs(sum - linear.bound) / weight;
}

QString differencesOf(const FigureRules::Measurements &body, std::optional<Figure> figure,
                      Unit unit, const QLocale &locale)
{
    const Wording words(body, unit, locale);
    if (!figure) {
        // The rule the lengths miss by the least, the first of them on a tie.
        const FigureRules::Rule *nearest = nullptr;
        Length least = 0;
        for (const FigureRules::Rule &rule : FigureRules::Rules) {
            Length missed = 0;
            for (const FigureRules::Clause &clause : rule.conditions()) {
                if (!FigureRules::holds(clause, body))
                    missed += clause.orElse ? std::min(shortfall(clause.condition, body),
                                                       shortfall(*clause.orElse, body))
                                            : shortfall(clause.condition, body);
            }
            if (!nearest || missed < least) {
                nearest = &rule;
                least = missed;
            }
        }
        QStringList missing;
        for (const FigureRules::Clause &clause : nearest->conditions()) {
            if (FigureRules::holds(clause, body))
                continue;
            missing << (clause.orElse ? TextList::alternativesOf({words.missed(clause.condition),
                                                                  words.missed(*clause.orElse)})
                                      : words.missed(clause.condition));
        }
        //: %1 is the figure type whose rule comes nearest, e.g. bottom hourglass; %2 what it
        //: needs, e.g. hips − bust under 10 in (here 10 in)
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "No figure rule covers these measurements. The "
                                            "nearest rule (%1) needs %2."))
            .arg(FigureRules::nameOf(nearest->figure), TextList::listOf(missing));
    }
    const auto clauses = FigureRules::ruleFor(*figure).conditions();
    std::vector<bool> said(clauses.size());
    QStringList items;
    for (std::size_t i = 0; i < clauses.size(); ++i) {
        if (said[i])
            continue;
        const Condition &condition = clauses[i].condition;
        if (clauses[i].orElse) {
            items << twoWay(clauses[i], body, words);
            continue;
        }
        // A second limit on the same difference, either way round, makes a range.
        std::optional<Condition> partner;
        for (std::size_t j = i + 1; j < clauses.size() && !partner; ++j) {
            const Condition &other = clauses[j].condition;
            if (clauses[j].orElse || other.quantity.ratio || condition.quantity.ratio)
                continue;
            if (other.quantity.first == condition.quantity.first &&
                other.quantity.second == condition.quantity.second)
                partner = other;
            else if (other.quantity.first == condition.quantity.second &&
                     other.quantity.second == condition.quantity.first)
                partner = mirrored(other);
            if (partner)
                said[j] = true;
        }
        if (!partner || isLower(partner->comparison) == isLower(condition.comparison)) {
            items << words.held(condition.quantity, words.relation(condition));
            if (partner)
                items << words.held(partner->quantity, words.relation(*partner));
        } else {
            const bool lowerFirst = isLower(condition.comparison);
            items << words.held(condition.quantity, words.range(lowerFirst ? condition : *partner,
                                                                lowerFirst ? *partner : condition));
        }
    }
    //: %1 lists the conditions that decided the shape, e.g. hips − bust 3 in (over 2 in) and
    //: hips − waist 7 in (at least 7 in)
    return translated(QT_TRANSLATE_NOOP("MeasureReport", "Decided by %1."))
        .arg(TextList::listOf(items));
}

QString borderlineOf(const FigureRules::Measurements &body, Unit unit, const QLocale &locale)
{
    // Less than a tape can show: at the limit.
    if (const auto change = FigureRules::nearestChange(body, 1, tapeStep(unit))) {
        static constexpr std::array<const char *, FieldCount> Sentences{
            //: %1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of
            //: the
            //: four
            QT_TRANSLATE_NOOP(
                "MeasureReport",
                "Borderline: the slightest change at the bust would give: %1. Measure again."),
            //: %1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of
            //: the
            //: four
            QT_TRANSLATE_NOOP(
                "MeasureReport",
                "Borderline: the slightest change at the waist would give: %1. Measure again."),
            //: %1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of
            //: the
            //: four
            QT_TRANSLATE_NOOP(
                "MeasureReport",
                "Borderline: the slightest change at the high hip would give: %1. Measure again."),
            //: %1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of
            //: the
            //: four
            QT_TRANSLATE_NOOP(
                "MeasureReport",
                "Borderline: the slightest change at the hips would give: %1. Measure again.")};
        return translated(Sentences[std::size_t(change->measurement)])
            .arg(shownShape(change->figure));
    }
    const std::optional<FigureRules::Change> change =
        FigureRules::nearestChange(body, tapeStep(unit), tapeError(unit));
    if (!change)
        return {};
    // By measurement, then more before less.
    static constexpr std::array<const char *, 2 * FieldCount> Sentences{
        //: %1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of
        //: the four
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 more at the bust would give: %2. Measure again."),
        //: %1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of
        //: the four
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 less at the bust would give: %2. Measure again."),
        //: %1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of
        //: the four
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 more at the waist would give: %2. Measure again."),
        //: %1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of
        //: the four
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 less at the waist would give: %2. Measure again."),
        //: %1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of
        //: the four
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 more at the high hip would give: %2. Measure again."),
        //: %1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of
        //: the four
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 less at the high hip would give: %2. Measure again."),
        //: %1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of
        //: the four
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 more at the hips would give: %2. Measure again."),
        //: %1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of
        //: the four
        QT_TRANSLATE_NOOP("MeasureReport",
                          "Borderline: %1 less at the hips would give: %2. Measure again.")};
    const std::size_t which = 2 * std::size_t(change->measurement) + (change->by < 0);
    return translated(Sentences[which])
        .arg(lengthText(std::abs(change->by), unit, locale), shownShape(change->figure));
}

// Which of the four shapes, or none, lengths each up to a tape's error off could give.
QString steadinessOf(const FigureRules::Measurements &body, std::optional<Figure> figure, Unit unit,
                     const QLocale &locale)
{
    const auto shapeOf = [](std::optional<Figure> f) {
        return f ? std::optional(FigureRules::shapeOf(*f)) : std::nullopt;
    };
    std::array<bool, modShapeTest::ShapeCount + 1> possible{}; // the four, then none
    for (int f = -1; f < int(FigureRules::Rules.size()); ++f) {
        const auto other = f < 0 ? std::nullopt : std::optional(Figure(f));
        const auto shape = shapeOf(other);
        if (other != figure && shape != shapeOf(figure) &&
            FigureRules::reachable(body, tapeError(unit), other))
            possible[shape ? std::size_t(*shape) : modShapeTest::ShapeCount] = true;
    }
    QStringList others;
    for (std::size_t shape = 0; shape < possible.size(); ++shape) {
        if (possible[shape])
            others << (shape < modShapeTest::ShapeCount ? shapeName(modShapeTest::ShapeIndex(shape))
                                                        : noneOfTheFour());
    }
    const QString off = lengthText(tapeError(unit), unit, locale);
    if (others.isEmpty()) {
        //: %1 is how far off each tape may be, e.g. 1 cm; %2 the shape, e.g. Spoon, or none of the
        //: four
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Steady: every tape up to %1 off still gives: %2."))
            .arg(off, figure ? shapeName(FigureRules::shapeOf(*figure)) : noneOfTheFour());
    }
    //: %1 is how far off each tape may be, e.g. 1 cm; %2 the other shapes, e.g. Hourglass or Ruler
    return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                        "Not steady: with every tape up to %1 off it could "
                                        "also give: %2."))
        .arg(off, TextList::alternativesOf(others));
}

// The waist's ratios in hundredths, rounded down, so that one shown at a threshold reaches it.
QString ratiosOf(Length waist, Length hips, std::optional<Length> height, const QLocale &locale)
{
    const auto hundredths = [&](Length of, Length to) {
        return locale.toString(double(100 * of / to) / 100, 'f', 2);
    };
    const auto threshold = [&](int inHundredths) {
        return locale.toString(double(inHundredths) / 100, 'f', 2);
    };
    //: %1 is the person's waist ÷ hips, e.g. 0.78; %2 the threshold, 0.85
    QString lines = translated(QT_TRANSLATE_NOOP("MeasureReport",
                                                 "Waist-to-hip ratio %1: for women, WHO (2008) "
                                                 "takes %2 or more as a raised health risk."))
                        .arg(hundredths(waist, hips), threshold(85));
    if (height) {
        //: %1 is the person's waist ÷ height, e.g. 0.45; %2 and %3 the thresholds, 0.5 and 0.6
        lines += u'\n' + translated(QT_TRANSLATE_NOOP("MeasureReport",
                                                      "Waist-to-height ratio %1: NICE (2022) "
                                                      "takes %2 or more as a raised and %3 or "
                                                      "more as a high health risk."))
                             .arg(hundredths(waist, *height), threshold(50), threshold(60));
    }
    return lines;
}

// `measured` when all four were measured, whether or not they give a figure.
QString comparisonOf(const QList<modShapeTest::ShapeIndex> &answered, bool measured,
                     std::optional<Figure> figure)
{
    // Measured without the test, there is nothing to compare with.
    if (answered.isEmpty())
        return {};
    QStringList names;
    for (const modShapeTest::ShapeIndex shape : answered)
        names << shapeName(shape);
    const QString answers = TextList::listOf(names);
    const bool tied = answered.size() > 1;
    // The shapes stand after a colon, where no language's grammar has to agree with them.
    if (!measured && tied) {
        //: %1 lists the shapes the answers tied, e.g. Ruler and Spoon
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "Your answers tied: %1."))
            .arg(answers);
    }
    if (!measured) {
        //: %1 is the shape the answers gave, e.g. Spoon
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "Your answers: %1.")).arg(answers);
    }
    if (!figure && tied) {
        //: %1 lists the shapes the answers tied, e.g. Ruler and Spoon
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "Your answers tied: %1. The tape "
                                                             "measure finds none of the four."))
            .arg(answers);
    }
    if (!figure) {
        //: %1 is the shape the answers gave, e.g. Spoon
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "Your answers: %1. The tape measure "
                                                             "finds none of the four."))
            .arg(answers);
    }
    const modShapeTest::ShapeIndex shape = FigureRules::shapeOf(*figure);
    if (tied) {
        //: %1 lists the shapes the answers tied, e.g. Ruler and Spoon; %2 the shape the tape
        //: measure gave, e.g. Cone
        return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                            "Your answers tied: %1. The tape measure says: %2."))
            .arg(answers, shapeName(shape));
    }
    if (answered.contains(shape)) {
        //: %1 is the shape the answers gave, e.g. Spoon
        return translated(
                   QT_TRANSLATE_NOOP("MeasureReport", "Your answers: %1. The tape measure agrees."))
            .arg(answers);
    }
    //: %1 is the shape the answers gave, e.g. Spoon
    return translated(QT_TRANSLATE_NOOP("MeasureReport",
                                        "Your answers: %1. The tape measure says otherwise."))
        .arg(answers);
}

QStringList measurementLines(const FigureRules::Measurements &body, Unit unit,
                             const QLocale &locale)
{
    static constexpr std::array<const char *, FieldCount> Lines{
        //: %1 is the bust's length, e.g. 90.5 cm
        QT_TRANSLATE_NOOP("MeasureReport", "Bust: %1"),
        //: %1 is the waist's length, e.g. 70 cm
        QT_TRANSLATE_NOOP("MeasureReport", "Waist: %1"),
        //: %1 is the high hip's length, e.g. 80 cm
        QT_TRANSLATE_NOOP("MeasureReport", "High hip: %1"),
        //: %1 is the hips' length, e.g. 99.5 cm
        QT_TRANSLATE_NOOP("MeasureReport", "Hips: %1")};
    QStringList lines;
    for (std::size_t m = 0; m < FieldCount; ++m)
        lines << translated(Lines[m]).arg(lengthText(body[m], unit, locale));
    return lines;
}
} // namespace

QString fieldName(std::size_t index)
{
    static constexpr std::array<const char *, FieldCount + 1> Names{
        QT_TRANSLATE_NOOP("MeasureReport", "Bust"), QT_TRANSLATE_NOOP("MeasureReport", "Waist"),
        QT_TRANSLATE_NOOP("MeasureReport", "High hip"), QT_TRANSLATE_NOOP("MeasureReport", "Hips"),
        QT_TRANSLATE_NOOP("MeasureReport", "Height")};
    return translated(Names.at(index));
}

QString nounOf(std::size_t index)
{
    static constexpr std::array<const char *, FieldCount + 1> Nouns{
        //: a measurement named in a list after a colon, e.g. Not numbers: bust and hips
        QT_TRANSLATE_NOOP("MeasureReport", "bust"),
        //: a measurement named in a list after a colon, e.g. Not a number: waist
        QT_TRANSLATE_NOOP("MeasureReport", "waist"),
        //: a measurement named in a list after a colon, e.g. Not numbers: bust and high hip
        QT_TRANSLATE_NOOP("MeasureReport", "high hip"),
        //: a measurement named in a list after a colon, e.g. Not numbers: bust and hips
        QT_TRANSLATE_NOOP("MeasureReport", "hips"),
        //: the person's height named in a list after a colon, e.g. Out of range: height
        QT_TRANSLATE_NOOP("MeasureReport", "height")};
    return translated(Nouns.at(index));
}

QString unitName(Unit unit)
{
    if (unit == Unit::Inches) {
        //: inches written short, alone above the scale of My History's chart
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "in"));
    }
    //: centimetres written short, alone above the scale of My History's chart
    return translated(QT_TRANSLATE_NOOP("MeasureReport", "cm"));
}

QString withUnit(const QString &number, Unit unit)
{
    if (unit == Unit::Inches) {
        //: %1 is a length in inches, e.g. 35.5
        return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 in")).arg(number);
    }
    //: %1 is a length in centimetres, e.g. 90.5
    return translated(QT_TRANSLATE_NOOP("MeasureReport", "%1 cm")).arg(number);
}

QList<modShapeTest::ShapeIndex> answeredShapes(const modShapeTest::Tally &tally)
{
    const std::array<int, modShapeTest::ShapeCount> counts{
        tally.intRulerCount, tally.intHourglassCount, tally.intSpoonCount, tally.intConeCount};
    const int most = *std::max_element(counts.begin(), counts.end());
    QList<modShapeTest::ShapeIndex> shapes;
    for (int shape = 0; shape < modShapeTest::ShapeCount; ++shape) {
        if (counts[std::size_t(shape)] == most)
            shapes << modShapeTest::ShapeIndex(shape);
    }
    return shapes;
}

Report reportOn(const Entries &entries, Unit unit, const QList<modShapeTest::ShapeIndex> &answered,
                const QLocale &locale)
{
    // Each measurement's readings that are not empty, and the height.
    std::array<std::vector<Field>, FieldCount + 1> fields;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const Field field = read(entries[index].text, unit, locale);
        if (field.reading != Reading::Empty)
            fields[std::min(index / ReadingCount, FieldCount)].push_back(field);
    }
    Report report;
    report.comparisonLine = comparisonOf(answered, false, std::nullopt);
    report.shapeLine = problemsWith(fields, unit, locale);
    if (!report.shapeLine.isEmpty())
        return report;
    FigureRules::Measurements body;
    for (std::size_t m = 0; m < FieldCount; ++m) {
        if (fields[m].empty()) {
            report.shapeLine = translated(QT_TRANSLATE_NOOP(
                "MeasureReport", "Type all four measurements to see the shape they give."));
            return report;
        }
        std::vector<Length> readings;
        for (const Field &field : fields[m])
            readings.push_back(field.length);
        body[m] = combined(readings);
    }
    const std::optional<Figure> figure = FigureRules::identify(body);
    //: %1 is the shape the measurements give, e.g. Spoon (bottom hourglass), or none of the four
    report.shapeLine = translated(QT_TRANSLATE_NOOP("MeasureReport", "Measured shape: %1"))
                           .arg(shownShape(figure));
    if (figure)
        report.tapeMeasure = shownShape(figure);
    report.readingsLine = readingsOf(fields, unit, locale);
    report.differencesLine = differencesOf(body, figure, unit, locale);
    report.borderlineLine = borderlineOf(body, unit, locale);
    report.steadinessLine = steadinessOf(body, figure, unit, locale);
    const std::vector<Field> &height = fields[FieldCount];
    report.ratiosLine =
        ratiosOf(body.waist, body.hips,
                 height.empty() ? std::nullopt : std::optional(height[0].length), locale);
    report.comparisonLine = comparisonOf(answered, true, figure);
    report.measurements = measurementLines(body, unit, locale);
    for (std::size_t m = 0; m < FieldCount; ++m)
        report.keptGirths[m] = numberText(body[m], unit, QLocale::c());
    if (!height.empty())
        report.keptHeight = numberText(height[0].length, unit, QLocale::c());
    if (figure)
        report.measuredShape = FigureRules::shapeOf(*figure);
    return report;
}

Entry inUnit(const Entry &entry, Unit from, Unit to, const QLocale &locale)
{
    // A text refused as it stands stays so: only a length is written in the other unit.
    std::optional<Length> length = entry.exact;
    const Reading reading = read(entry.text, from, locale).reading;
    if (const auto number = numberIn(entry.text, locale);
        !length && number && (reading == Reading::Measured || reading == Reading::OutOfRange))
        length = FigureRules::lengthOf(number->first, from);
    if (!length)
        return entry;
    // To the nearest thousandth of the new unit; the sign as the locale reads it back.
    const Length perThousandth = unitsPer(to) / 1000;
    const Length thousandths = (std::abs(*length) + perThousandth / 2) / perThousandth;
    QLocale writer = locale;
    writer.setNumberOptions(QLocale::OmitGroupSeparator);
    const double value = double(*length < 0 ? -thousandths : thousandths) / 1000;
    return {writer.toString(value, 'f', QLocale::FloatingPointShortest), length};
}

} // namespace MeasureReport
