#include "common/updatereminder.h"
#include "common/modHelp.h"
#include "common/reminderdate.h"
#include "widgets/messages.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
// The settings live under this one key: a file ZVFreeTamsilo.conf in the user's configuration
// folder on Linux, HKEY_CURRENT_USER\Software\ZVFreeTamsilo on Windows.
constexpr auto SettingsKey = "ZVFreeTamsilo"_L1;

const QString UpdateQuestion = u"There maybe an update to this software available\r"
                               u"Do you want to check for an update?"_s;

QString durationEntry()
{
    return "Settings/"_L1 + modHelp::ScrambleSetting(u"Duration"_s);
}

// True when the date reached the store.
bool storeDate(QSettings &settings, QDate date)
{
    settings.setValue(durationEntry(), modHelp::ScrambleSetting(ReminderDate::dateText(date)));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
} // namespace

namespace UpdateReminder {

void checkUpdateReminderOn(QDate today)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, SettingsKey);
    if (settings.status() != QSettings::NoError)
        return;
    const QVariant stored = settings.value(durationEntry());
    // Only text holds a date; anything else (a list, a number) was never written by us.
    if (stored.isValid() && stored.typeId() != QMetaType::QString)
        return;
    const QString storedText = modHelp::UnscrambleSetting(stored.toString());
    if (storedText.isEmpty()) {
        storeDate(settings, today);
        return;
    }
    const QDate storedDate = ReminderDate::readDateText(storedText, today);
    if (!storedDate.isValid() || !ReminderDate::reminderDue(storedDate, today))
        return;
    // Asked before the welcome window is up: the box belongs to no window.
    const bool wantsUpdate = askYesNo(nullptr, UpdateQuestion);
    if (storeDate(settings, today) && wantsUpdate)
        modHelp::OpenDownloadPage();
}

} // namespace UpdateReminder

namespace modHelp {

void CheckUpdateReminder()
{
    UpdateReminder::checkUpdateReminderOn(QDate::currentDate());
}

} // namespace modHelp
