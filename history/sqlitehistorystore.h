#pragma once

// My History's store, written through Qt SQL: the module zv-tamsilo-history, which the program
// loads through HistoryStore::open(). Each call opens the file and closes it again; Qt SQL's
// SQLite driver is loaded by the first call that needs the file.

#include "history/historystore.h"

#include <functional>

class QSqlDatabase;

class SqliteHistoryStore : public HistoryStore {
public:
    explicit SqliteHistoryStore(const QString &path);

    std::optional<QList<History::Entry>> entries() override;
    bool keep(const History::Entry &entry) override;
    bool keepAll(const QList<History::Entry> &entries, int *added = nullptr) override;
    bool remove(qint64 id) override;
    bool removeAll() override;

private:
    // Runs `step` in one transaction on a file brought to the current version, made first when
    // there is none; step(database, version, failure) returns false to leave everything as it
    // was.
    bool change(const std::function<bool(QSqlDatabase &, int, QString &)> &step);
    void removeFiles();
};
