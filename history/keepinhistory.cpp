#include "history/keepinhistory.h"

#include "history/historystore.h"
#include "widgets/messages.h"

#include <QCoreApplication>

namespace History {

namespace {
// The length the rules would read, when it is one a person can measure.
std::optional<FigureRules::Length> measurable(const std::optional<QString> &plain,
                                              FigureRules::Unit unit)
{
    const std::optional<FigureRules::Length> length =
        plain ? FigureRules::lengthOf(plain->toDouble(), unit) : std::nullopt;
    return length && FigureRules::isMeasurable(*length) ? length : std::nullopt;
}
} // namespace

bool keepTyped(QWidget &owner, const Typed &typed)
{
    const QLocale locale;
    Entry entry{0, QDate::currentDate(), typed.unit, {}, {}, std::nullopt, typed.answersShape};
    for (std::size_t index = 0; index < GirthCount; ++index) {
        const std::optional<QString> plain = plainDecimal(typed.girths[index], locale);
        const std::optional<FigureRules::Length> length = measurable(plain, typed.unit);
        if (!length) {
            showInformation(&owner,
                            QCoreApplication::translate(
                                "KeepInHistory", "Type all four measurements, each one a tape can "
                                                 "measure, before you keep them."));
            return false;
        }
        entry.girths[index] = *plain;
    }
    if (!typed.height.trimmed().isEmpty()) {
        const std::optional<QString> height = plainDecimal(typed.height, locale);
        if (!height) {
            showInformation(&owner,
                            QCoreApplication::translate(
                                "KeepInHistory", "The height is not a number: correct it or leave "
                                                 "it empty before you keep the measurements."));
            return false;
        }
        entry.height = *height;
    }
    entry.measuredShape = typed.measuredShape;
    const std::unique_ptr<HistoryStore> store = HistoryStore::open();
    if (!store->keep(entry)) {
        showStop(&owner, store->error());
        return false;
    }
    //: %1 is today's date, e.g. 07/12/2026
    showInformation(&owner,
                    QCoreApplication::translate(
                        "KeepInHistory", "Kept in My History under %1. File > My History… on the "
                                         "welcome window or the results page shows it.")
                        .arg(locale.toString(entry.date, QLocale::ShortFormat)));
    return true;
}

} // namespace History
