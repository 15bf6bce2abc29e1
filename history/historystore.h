#pragma once

// My History on disk: one SQLite file in the user's data folder, written through Qt SQL. The
// file is made by the first entry kept and removed with the last one deleted, so no file means
// nothing is kept. Each change is one transaction: a program killed halfway loses at most the
// entry it was keeping. A file this program did not write, or cannot read, is refused and left
// as it is; nothing is ever written over it.
//
// Qt SQL and its SQLite driver are loaded by the first call that needs the file, never before.

#include "history/historyentry.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QSqlDatabase;

class HistoryStore {
public:
    // history.sqlite in QStandardPaths::AppLocalDataLocation, usually
    // ~/.local/share/zv-tamsilo/history.sqlite.
    static QString defaultPath();

    explicit HistoryStore(QString path = defaultPath());

    const QString &path() const { return m_path; }

    // Every entry, oldest first; an empty list without a file. None when the file cannot be
    // read, error() says why.
    std::optional<QList<History::Entry>> entries();

    // Each returns false, with error() saying why, when the history is left as it was.
    bool keep(const History::Entry &entry);
    // All or none; entries equal to one already kept are left out. `added` counts the others.
    bool keepAll(const QList<History::Entry> &entries, int *added = nullptr);
    bool remove(qint64 id);
    // Deletes the file.
    bool removeAll();

    // A sentence for the user, naming the file.
    const QString &error() const { return m_error; }

private:
    // Runs `step` in one transaction on a file brought to the current version, made first when
    // there is none; step(database, version, failure) returns false to leave everything as it
    // was.
    bool change(const std::function<bool(QSqlDatabase &, int, QString &)> &step);
    QString refusal(int kind, const QString &failure) const;
    QString unwritable(const QString &failure) const;
    void removeFiles();

    QString m_path;
    QString m_error;
};
