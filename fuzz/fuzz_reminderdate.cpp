// The stored setting's scrambling and the reading of the reminder's date, for any text, any
// day and any locale: nothing crashes, a Latin-1 text is stored as it always was, a kept text
// comes back unchanged, and a date written in the user's short format and kept in the settings
// reads back as the same date while it lies within the reminder's reach of today.

#include "fuzzapp.h"
#include "fuzzinput.h"

#include "common/modHelp.h"
#include "common/reminderdate.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {
// The shift the program uses, found from a character it keeps.
int scrambleOffset()
{
    return modHelp::ScrambleSetting(u"\u0001"_s).at(0).unicode() - 1;
}

bool allCodesWithin(const QString &text, int low, int high)
{
    for (const QChar c : text) {
        if (c.unicode() < low || c.unicode() > high)
            return false;
    }
    return true;
}

// Each code one step up, as the setting has always been stored.
QString shiftedUp(const QString &text, int k)
{
    QString shifted;
    for (const QChar c : text)
        shifted.append(QChar(c.unicode() + k));
    return shifted;
}

void checkScrambling(const QString &text)
{
    const int k = scrambleOffset();
    const QString scrambled = modHelp::ScrambleSetting(text);
    const QString unscrambled = modHelp::UnscrambleSetting(text);
    require(scrambled.size() <= text.size() && unscrambled.size() <= text.size(),
            "scrambling never lengthens a text");
    require(allCodesWithin(scrambled, k, 0xFF), "a scrambled text stays within 8-bit codes");
    if (allCodesWithin(text, 0, 0xFF - k))
        require(scrambled == shiftedUp(text, k), "a Latin-1 text is stored as it always was", text);
    if (allCodesWithin(text, 0, 0x7F))
        require(modHelp::UnscrambleSetting(scrambled) == text, "a text comes back unscrambled",
                text);
    // Beyond ASCII a text comes back in the locale's code page, and from then on unchanged.
    const QString kept = modHelp::UnscrambleSetting(scrambled);
    require(modHelp::UnscrambleSetting(modHelp::ScrambleSetting(kept)) == kept,
            "a text kept once is kept unchanged", text);
    if (allCodesWithin(text, k, 0xFF))
        require(modHelp::ScrambleSetting(unscrambled) == text, "scrambling is undone both ways",
                text);
}

// A day a system clock may show: 1 January 1970 and the 200 years after.
QDate someDay(FuzzInput &input)
{
    const int days = (input.word() | (input.byte() % 2) << 16) % 73050;
    return QDate(1970, 1, 1).addDays(days);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const QLocale locale = input.locale();
    // The dates' locale, as a session names it.
    qputenv("LC_ALL", locale.name().toLatin1());
    const QDate today = someDay(input);
    switch (input.below(3)) {
    case 0:
        checkScrambling(input.anyText(32));
        break;
    case 1: {
        // Whatever is stored, reading it gives a date or nothing, and never takes long.
        const QString stored = input.byte() % 2 ? input.typedText(40) : input.anyText(20);
        const QDate read = ReminderDate::readDateText(modHelp::UnscrambleSetting(stored), today);
        require(read.isNull() || read.isValid(), "a date read is valid or none");
        checkScrambling(stored);
        break;
    }
    default: {
        // A reminder stored within the reminder's reach of today, written and kept in the
        // settings in the same locale, reads back as that day: otherwise the question would come
        // too early, too late or never.
        const QDate stored = today.addDays(input.below(61) - 30);
        const QString text = ReminderDate::dateText(stored);
        const QString kept = modHelp::UnscrambleSetting(modHelp::ScrambleSetting(text));
        const QDate read = ReminderDate::readDateText(kept, today);
        require(read == stored, "a date stored reads back as itself",
                u"%1 on %2 in %3: wrote %4, kept %5, read %6"_s.arg(
                    stored.toString(Qt::ISODate), today.toString(Qt::ISODate), locale.name(), text,
                    kept, read.toString(Qt::ISODate)));
        break;
    }
    }
    return 0;
}
