#include "common/reminderdate.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {
// The last reminder may lie this many days away, either side of today, before we ask again.
constexpr qint64 QuietDays = 14;

bool hasTwoDigitYear(const QString &format)
{
    return format.contains("yy"_L1) && !format.contains("yyyy"_L1);
}

// Qt reads a two-digit year into 1900-1999; move it to the century that puts it within fifty
// years of today, a tie going to the past.
QDate nearestToToday(QDate date, QDate today)
{
    int year = today.year() - today.year() % 100 + date.year() % 100;
    if (year > today.year() + 49)
        year -= 100;
    else if (year < today.year() - 50)
        year += 100;
    return QDate(year, date.month(), date.day());
}
} // namespace

namespace reminderdate {

QString DateText(QDate date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QDate ReadDateText(const QString &text, QDate today)
{
    const QLocale locale;
    const QDate date = locale.toDate(text, QLocale::ShortFormat);
    if (!date.isValid() || !hasTwoDigitYear(locale.dateFormat(QLocale::ShortFormat)))
        return date;
    return nearestToToday(date, today);
}

bool ReminderDue(QDate stored, QDate today)
{
    const qint64 days = today.daysTo(stored);
    return days < -QuietDays || days > QuietDays;
}

} // namespace reminderdate
