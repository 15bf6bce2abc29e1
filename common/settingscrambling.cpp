// Part of modHelp: ScrambleSetting and UnscrambleSetting, for the entry the update reminder
// keeps in the per-user settings. Every character's code in the user's 8-bit code page is
// shifted by one fixed offset.

#include "common/modHelp.h"
#include "common/reminderdate.h"

#include <QLocale>

#include <array>

namespace {
// One step keeps the scrambled entry name in letters ("Evsbujpo"), and the short dates of every
// locale clear of the characters the settings file quotes or escapes (; , = " \ and a leading @),
// so both are stored as written. Changing it would hide every date stored before, since the
// scrambled entry name changes with it.
constexpr int ScrambleOffset = 1;

// Codes 128 to 255 of a Windows code page; 0 where it has no character.
using UpperHalf = std::array<char16_t, 128>;

// Cyrillic: the "г." of Bulgarian dates.
constexpr UpperHalf Windows1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Arabic: the right-to-left marks of Arabic dates.
constexpr UpperHalf Windows1256 = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0679, 0x2039,
    0x0152, 0x0686, 0x0698, 0x0688, 0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA, 0x00A0, 0x060C, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x061B, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x061F, 0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F, 0x0630, 0x0631, 0x0632, 0x0633,
    0x0634, 0x0635, 0x0636, 0x00D7, 0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x0649, 0x064A, 0x00EE, 0x00EF, 0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,
};

// The code page Windows gave the script of the locale that writes the dates. None: Latin-1 alone.
// Only scripts whose short dates hold more than Latin-1 and digits need one.
const UpperHalf *upperHalfOf(const QLocale &locale)
{
    switch (locale.script()) {
    case QLocale::CyrillicScript:
        return &Windows1251;
    case QLocale::ArabicScript:
        return &Windows1256;
    default:
        return nullptr;
    }
}

// A Latin-1 character keeps its own code in every locale, so whatever was stored before is
// stored the same; the code page covers what lies beyond. A decimal digit the code page lacks
// becomes its ASCII digit, as Windows wrote it, and dates read back with ASCII digits. -1 when
// there is no code.
int codeOf(char32_t ch, const UpperHalf *upperHalf)
{
    if (ch <= 0xFF)
        return int(ch);
    for (std::size_t i = 0; upperHalf && i < upperHalf->size(); ++i) {
        if ((*upperHalf)[i] == ch)
            return 0x80 + int(i);
    }
    if (QChar::category(ch) == QChar::Number_DecimalDigit)
        return '0' + QChar::digitValue(ch);
    return -1;
}

// The character with the code: the code page's in its upper half, else the Latin-1 one, as codeOf
// gives them.
QChar characterOf(int code, const UpperHalf *upperHalf)
{
    if (code >= 0x80 && upperHalf && (*upperHalf)[std::size_t(code - 0x80)] != 0)
        return QChar((*upperHalf)[std::size_t(code - 0x80)]);
    return QChar(code);
}
} // namespace

namespace modHelp {

QString ScrambleSetting(const QString &text)
{
    const UpperHalf *upperHalf = upperHalfOf(ReminderDate::datesLocale());
    QString result;
    result.reserve(text.size());
    for (const char32_t ch : text.toUcs4()) {
        const int code = codeOf(ch, upperHalf);
        if (code >= 0 && code + ScrambleOffset <= 0xFF)
            result.append(QChar(code + ScrambleOffset));
    }
    return result;
}

QString UnscrambleSetting(const QString &text)
{
    const UpperHalf *upperHalf = upperHalfOf(ReminderDate::datesLocale());
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const int code = ch.unicode() - ScrambleOffset;
        if (ch.unicode() <= 0xFF && code >= 0)
            result.append(characterOf(code, upperHalf));
    }
    return result;
}

} // namespace modHelp
