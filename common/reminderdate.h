#pragma once

// The dates of the update reminder: the text it stores, read back in the user's short date
// format, and the rule for when it is time to ask again. No widgets and no settings store here;
// today's date is always passed in, so the rules can be tried on any day.

#include <QDate>
#include <QLocale>
#include <QString>

namespace ReminderDate {

// The locale that writes the user's dates: on Linux the C library's choice for times (LC_ALL,
// then LC_TIME, then LANG), which Qt's own date formats follow too. Never the language of the
// texts, which LANGUAGE can set apart: QLocale() takes its script from there. Elsewhere the
// system's locale.
QLocale datesLocale();

// The date as the user's short date format writes it, in datesLocale().
QString dateText(QDate date);

// Reads text written by dateText, also as the settings keep it (with ASCII digits for the
// locale's own); a null date when the text is not a date in that format. A two-digit year is
// taken as the year nearest today's, so a date written today reads back as today in every
// format.
QDate readDateText(const QString &text, QDate today);

// True when the stored date lies 15 or more days before or after today.
bool reminderDue(QDate stored, QDate today);

} // namespace ReminderDate
