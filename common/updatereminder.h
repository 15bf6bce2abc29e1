#pragma once

// The update reminder on a given day; modHelp::CheckUpdateReminder runs it on the clock's date.

#include <QDate>

namespace UpdateReminder {

// Reads the date of the last reminder from the per-user settings. None yet: asks nothing and
// leaves the storing of `today` to runDeferredWrites, which start-up runs once the window is up.
// Readable and 15 or more days away from `today`: asks whether to look for an update, stores
// `today` whatever the answer, and after a Yes opens the download page once the date is stored.
void checkUpdateReminderOn(QDate today);

} // namespace UpdateReminder
