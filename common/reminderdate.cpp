#include "common/reminderdate.h"
#include "common/modHelp.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {
// The last reminder may lie this many days away, either side of today, before we ask again.
constexpr qint64 QuietDays = 14;

bool hasTwoDigitYear(const QString &format)
{
    return format.contains("yy"_L1) && !format.contains("yyyy"_L1);
}

// The year of a two-digit year within fifty years of today, a tie going to the past.
int nearestYear(int twoDigitYear, QDate today)
{
    int year = today.year() - today.year() % 100 + twoDigitYear;
    if (year > today.year() + 49)
        year -= 100;
    else if (year < today.year() - 50)
        year += 100;
    return year;
}

// Qt reads a two-digit year into 1900-1999; move it to the century nearest today.
QDate nearestToToday(QDate date, QDate today)
{
    return QDate(nearestYear(date.year() % 100, today), date.month(), date.day());
}

// The text as the settings keep it: the locale's digits may have become ASCII digits.
QString asKept(const QString &text)
{
    return modHelp::UnscrambleSetting(modHelp::ScrambleSetting(text));
}

// Qt cannot read 29 February of a year "00": 1900 had none. In the centuries whose first year
// has one (2000, 2400) the text is that day's if writing and keeping that day gives the same.
QDate leapDayOfCenturyYear(const QString &text, QDate today)
{
    const QDate leapDay(nearestYear(0, today), 2, 29);
    return leapDay.isValid() && asKept(ReminderDate::dateText(leapDay)) == asKept(text) ? leapDay
                                                                                        : QDate();
}
} // namespace

namespace ReminderDate {

QLocale datesLocale()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (const char *variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return QLocale(name);
    }
    return QLocale::c();
#else
    return QLocale::system();
#endif
}

QString dateText(QDate date)
{
    return datesLocale().toString(date, QLocale::ShortFormat);
}

QDate readDateText(const QString &text, QDate today)
{
    const QLocale locale = datesLocale();
    const QDate date = locale.toDate(text, QLocale::ShortFormat);
    if (!hasTwoDigitYear(locale.dateFormat(QLocale::ShortFormat)))
        return date;
    return date.isValid() ? nearestToToday(date, today) : leapDayOfCenturyYear(text, today);
}

bool reminderDue(QDate stored, QDate today)
{
    const qint64 days = today.daysTo(stored);
    return days < -QuietDays || days > QuietDays;
}

} // namespace ReminderDate
