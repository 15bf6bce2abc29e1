// Part of modHelp: ScrambleSetting and UnscrambleSetting, for the entry the update reminder
// keeps in the per-user settings.

#include "common/modHelp.h"

namespace {
// One step keeps the scrambled entry name in letters ("Evsbujpo"), and the short dates of every
// locale that writes them in 8-bit text in printable ASCII clear of the characters the settings
// file quotes or escapes (; , = " \ and a leading @), so both are stored as written. Changing
// it would hide every date stored before, since the scrambled entry name changes with it.
constexpr int ScrambleOffset = 1;

QString shifted(const QString &text, int offset)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const int code = ch.unicode() + offset;
        if (ch.unicode() <= 0xFF && code >= 0 && code <= 0xFF)
            result.append(QChar(code));
    }
    return result;
}
} // namespace

namespace modHelp {

QString ScrambleSetting(const QString &text)
{
    return shifted(text, ScrambleOffset);
}

QString UnscrambleSetting(const QString &text)
{
    return shifted(text, -ScrambleOffset);
}

} // namespace modHelp
