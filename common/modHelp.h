#pragma once

// The application-wide module: the one way the process ends, the seven links to the maker's
// web pages, the update reminder run at start-up, and the scrambling of the settings it keeps.
//
// Windows never open an address themselves; they call the link operation named for the page,
// which hands the fixed address (see weblinks.h) to the desktop's default browser.
//
// The reminder reads the date it last asked from the per-user settings, asks when that date is
// 15 or more days away, and stores today's date; see reminderdate.h for the date arithmetic.

#include <QString>

namespace modHelp {

// Unloads every loaded window in load order, running each unload handler, then ends the
// process with exit status 0. A call made while the shutdown is under way (from an unload
// handler) returns at once without starting it again.
void EndApplication();

// True while EndApplication is unloading the windows; unload handlers look at it so that they
// do not bring up windows that would only be discarded again.
bool shutdownUnderway();

// True once EndApplication has run to its end: nothing more of the program may run.
bool applicationEnded();

void OpenHelpPage();
void OpenDownloadPage();
void OpenHomePage();
void OpenSoftwareCataloguePage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

// Offers to look for an update when the last reminder is 15 or more days away. Never fails:
// a store that cannot be read or written, or a stored date that cannot be read, ends it quietly.
void CheckUpdateReminder();

// Shift every character's code in the user's 8-bit code page up or down by one fixed offset, so
// the stored setting does not read as plain text. The code page is Latin-1, with the upper half
// of Windows-1251 or 1256 where dates are written in the Cyrillic or Arabic script (see
// ReminderDate::datesLocale) for what lies beyond Latin-1; a decimal digit it lacks is taken as its
// ASCII digit. A character with no code, or whose shifted code would leave 0 to 255, is left out.
QString ScrambleSetting(const QString &text);
QString UnscrambleSetting(const QString &text);

} // namespace modHelp
