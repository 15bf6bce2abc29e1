#include "history/historystore.h"

#include "common/ondemand.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;
using History::Entry;

namespace {

constexpr char ModuleName[] = "zv-tamsilo-history";

// What the program has when the store's module cannot be loaded: it touches no file, and says
// so as it would say that the file cannot be read or written.
class HistoryWithoutModule : public HistoryStore {
public:
    explicit HistoryWithoutModule(const QString &path) : HistoryStore(path) {}

    std::optional<QList<Entry>> entries() override
    {
        fail(Problem::Unreadable, why());
        return std::nullopt;
    }
    bool keep(const Entry &) override { return refuse(); }
    bool keepAll(const QList<Entry> &, int *added = nullptr) override
    {
        if (added)
            *added = 0;
        return refuse();
    }
    bool remove(qint64) override { return refuse(); }
    bool removeAll() override { return refuse(); }

private:
    bool refuse()
    {
        fail(Problem::Unwritable, why());
        return false;
    }
    static QString why()
    {
        //: Said within brackets after "cannot be read" or "cannot be written"; %1 is the name
        //: of the part of the program that reads and writes the history, zv-tamsilo-history
        return QCoreApplication::translate("HistoryStore", "the module %1 cannot be loaded")
            .arg(QLatin1StringView(ModuleName));
    }
};

} // namespace

QString HistoryStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           u"/history.sqlite"_s;
}

std::unique_ptr<HistoryStore> HistoryStore::open(const QString &path)
{
    const auto openStore =
        reinterpret_cast<OpenHistoryEntry>(OnDemand::resolve(ModuleName, OpenHistorySymbol));
    if (!openStore)
        return std::make_unique<HistoryWithoutModule>(path);
    return std::unique_ptr<HistoryStore>(openStore(path));
}

QString HistoryStore::error() const
{
    const QString file = QDir::toNativeSeparators(m_path);
    const auto damaged = [&file](const QString &said) {
        //: %1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what
        //: the database said, e.g. file is not a database
        return QCoreApplication::translate(
                   "HistoryStore",
                   "The history %1 is damaged and cannot be read (%2). It is left as it "
                   "is; to keep a new history, move that file elsewhere.")
            .arg(file, said);
    };
    const auto unwritable = [&file](const QString &said) {
        //: %1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what
        //: the system said, e.g. attempt to write a readonly database
        return QCoreApplication::translate(
                   "HistoryStore",
                   "The history %1 cannot be written (%2). Everything kept before is still "
                   "there.")
            .arg(file, said);
    };
    switch (m_problem) {
    case Problem::None:
        return {};
    case Problem::Foreign:
        //: %1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite
        return QCoreApplication::translate(
                   "HistoryStore",
                   "The file %1 is not a history of ZV Tamsilo, so it is left as it is. "
                   "To keep a new history, move that file elsewhere.")
            .arg(file);
    case Problem::Newer:
        //: %1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite
        return QCoreApplication::translate(
                   "HistoryStore",
                   "The history %1 was written by a newer version of ZV Tamsilo, so "
                   "this version leaves it as it is.")
            .arg(file);
    case Problem::Unreadable:
        //: %1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what
        //: the system said, e.g. disk I/O error
        return QCoreApplication::translate(
                   "HistoryStore",
                   "The history %1 cannot be read (%2). Nothing in it has been changed.")
            .arg(file, m_detail);
    case Problem::Damaged:
        return damaged(m_detail);
    case Problem::StrangeEntry:
        //: %1 is the number of an entry in the history file, e.g. 12
        return damaged(
            QCoreApplication::translate("HistoryStore", "entry %1 holds what no measurement is")
                .arg(m_detail));
    case Problem::Unwritable:
        return unwritable(m_detail);
    case Problem::FolderNotMade:
        return unwritable(QCoreApplication::translate("HistoryStore", "its folder cannot be made"));
    }
    return {};
}
