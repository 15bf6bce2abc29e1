#include "history/historyentry.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using FigureRules::Unit;

namespace History {

bool Entry::sameAs(const Entry &other) const
{
    return date == other.date && unit == other.unit && girths == other.girths &&
           height == other.height && measuredShape == other.measuredShape &&
           answersShape == other.answersShape;
}

QString englishName(modShapeTest::ShapeIndex shape)
{
    return modShapeTest::Shape_Result(shape).strShapeName.source();
}

std::optional<modShapeTest::ShapeIndex> shapeNamed(QStringView english)
{
    for (int shape = 0; shape < modShapeTest::ShapeCount; ++shape) {
        if (english == englishName(modShapeTest::ShapeIndex(shape)))
            return modShapeTest::ShapeIndex(shape);
    }
    return std::nullopt;
}

bool isPlainDecimal(QStringView text)
{
    // Up to four digits, and up to eight after a point: every conversion stays within range.
    const qsizetype point = text.indexOf(u'.');
    const qsizetype whole = point < 0 ? text.size() : point;
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    if (whole < 1 || whole > 4 || (point >= 0 && (decimals < 1 || decimals > 8)))
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar character) {
                           return character == u'.' || (character >= u'0' && character <= u'9');
                       }) &&
           text.count(u'.') <= 1;
}

std::optional<QString> plainDecimal(QStringView shown, const QLocale &locale)
{
    QString plain;
    for (const QChar character : shown.trimmed()) {
        if (character.isDigit())
            plain += QChar(u'0' + character.digitValue());
        else if (character == u'.' || locale.decimalPoint() == character)
            plain += u'.';
        else
            return std::nullopt;
    }
    // Six decimals at most, so that in centimetres an inch's length has eight.
    const qsizetype point = plain.indexOf(u'.');
    if (!isPlainDecimal(plain) || (point >= 0 && plain.size() - point - 1 > 6))
        return std::nullopt;
    return plain;
}

QString inCentimetres(const QString &plain, Unit unit)
{
    if (unit == Unit::Centimetres)
        return plain;
    // An inch is 2.54 cm exactly: the digits times 254, two more decimals.
    const qsizetype point = plain.indexOf(u'.');
    const qsizetype decimals = point < 0 ? 0 : plain.size() - point - 1;
    QString digits = QString::number(QString(plain).remove(u'.').toLongLong() * 254);
    const qsizetype scale = decimals + 2;
    if (digits.size() <= scale)
        digits.prepend(QString(scale - digits.size() + 1, u'0'));
    digits.insert(digits.size() - scale, u'.');
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.endsWith(u'.'))
        digits.chop(1);
    return digits;
}

double lengthIn(const QString &plain, Unit from, Unit to)
{
    const double value = plain.toDouble();
    if (from == to)
        return value;
    return to == Unit::Inches ? value / 2.54 : value * 2.54;
}

QString shownLength(const QString &plain, Unit from, Unit to, const QLocale &locale)
{
    QLocale writer = locale;
    writer.setNumberOptions(QLocale::OmitGroupSeparator);
    // In the locale's digits, with as many decimals as were kept: 90.50 is ٩٠٫٥٠ in Egypt.
    if (from == to) {
        const qsizetype point = plain.indexOf(u'.');
        return writer.toString(plain.toDouble(), 'f',
                               point < 0 ? 0 : int(plain.size() - point - 1));
    }
    const double rounded = std::round(lengthIn(plain, from, to) * 1000) / 1000;
    return writer.toString(rounded, 'f', QLocale::FloatingPointShortest);
}

} // namespace History
