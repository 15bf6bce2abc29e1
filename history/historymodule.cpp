// The entry point of the zv-tamsilo-history module.

#include "history/sqlitehistorystore.h"

extern "C" Q_DECL_EXPORT HistoryStore *tamsilo_openHistory(const QString &path)
{
    return new SqliteHistoryStore(path);
}

// The function the program looks up has the type it expects.
static_assert(std::is_same_v<decltype(&tamsilo_openHistory), OpenHistoryEntry>);
