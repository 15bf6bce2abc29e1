#pragma once

// My History on disk: one SQLite file in the user's data folder. The file is made by the first
// entry kept and removed with the last one deleted, so no file means nothing is kept. Each change
// is one transaction: a program killed halfway loses at most the entry it was keeping. A file
// this program did not write, or cannot read, is refused and left as it is; nothing is ever
// written over it.
//
// The store that does this needs Qt SQL and its SQLite driver, so it is a module of its own,
// zv-tamsilo-history (sqlitehistorystore.h), loaded by open() the first time the history is
// asked for, never before. The program sees it only through this interface, and says in its own
// words, in error(), what the store reports as a Problem.

#include "history/historyentry.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

class HistoryStore {
public:
    // Why the history was left as it was; each is one sentence of error().
    enum class Problem {
        None,
        Foreign,       // a file this program did not write
        Newer,         // written by a newer version
        Unreadable,    // the detail is what the system said
        Damaged,       // the detail is what the database said
        StrangeEntry,  // the detail is the number of an entry no measurement could be
        Unwritable,    // the detail is what the system or the database said
        FolderNotMade, // the folder for a first file
    };

    // history.sqlite in QStandardPaths::AppLocalDataLocation, usually
    // ~/.local/share/zv-tamsilo/history.sqlite.
    static QString defaultPath();

    // The SQLite store of the file at `path`. Without its module, a store that leaves the file
    // alone and refuses every call, saying that the module cannot be loaded.
    static std::unique_ptr<HistoryStore> open(const QString &path = defaultPath());

    virtual ~HistoryStore() = default;
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    const QString &path() const { return m_path; }

    // Every entry, oldest first; an empty list without a file. None when the file cannot be
    // read, error() says why.
    virtual std::optional<QList<History::Entry>> entries() = 0;

    // Each returns false, with error() saying why, when the history is left as it was.
    virtual bool keep(const History::Entry &entry) = 0;
    // All or none; entries equal to one already kept are left out. `added` counts the others.
    virtual bool keepAll(const QList<History::Entry> &entries, int *added = nullptr) = 0;
    virtual bool remove(qint64 id) = 0;
    // Deletes the file.
    virtual bool removeAll() = 0;

    // A sentence for the user, naming the file.
    QString error() const;

protected:
    explicit HistoryStore(QString path) : m_path(std::move(path)) {}
    void fail(Problem problem, const QString &detail = {})
    {
        m_problem = problem;
        m_detail = detail;
    }

private:
    QString m_path;
    Problem m_problem = Problem::None;
    QString m_detail;
};

// The module's entry point, looked up by name: a new SQLite store of the file at `path`, for the
// caller to delete.
using OpenHistoryEntry = HistoryStore *(*)(const QString &path);
inline constexpr char OpenHistorySymbol[] = "tamsilo_openHistory";
