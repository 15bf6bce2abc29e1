#include "common/updatereminder.h"
#include "common/deferredwrites.h"
#include "common/modHelp.h"
#include "common/reminderdate.h"
#include "widgets/messages.h"

#include <QCoreApplication>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
// The settings live under this one key: a file ZVFreeTamsilo.conf in the user's configuration
// folder on Linux, HKEY_CURRENT_USER\Software\ZVFreeTamsilo on Windows.
constexpr auto SettingsKey = "ZVFreeTamsilo"_L1;

//: Two lines of a Yes/No question; keep the line break between them.
constexpr const char *UpdateQuestion =
    QT_TRANSLATE_NOOP("UpdateReminder", "There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

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
        // Nothing to ask yet; the date waits until the welcome window is up.
        deferWrite([today] {
            QSettings later(QSettings::NativeFormat, QSettings::UserScope, SettingsKey);
            storeDate(later, today);
        });
        return;
    }
    const QDate storedDate = ReminderDate::readDateText(storedText, today);
    if (!storedDate.isValid() || !ReminderDate::reminderDue(storedDate, today))
        return;
    // Asked before the welcome window is up: the box belongs to no window.
    const bool wantsUpdate =
        askYesNo(nullptr, QCoreApplication::translate("UpdateReminder", UpdateQuestion));
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
