#include "history/sqlitehistorystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <functional>

using namespace Qt::StringLiterals;
using FigureRules::Unit;
using History::Entry;
using Problem = HistoryStore::Problem;

namespace {

// "ZVTH" in the file's header tells this program's history from any other SQLite file.
constexpr int ApplicationId = 0x5A565448;
// 1: the first history, which had no height; 2: the height, empty where it was not given.
constexpr int SchemaVersion = 2;

const char *const CreateTable = "CREATE TABLE measurement ("
                                " id INTEGER PRIMARY KEY,"
                                " kept_on TEXT NOT NULL,"
                                " unit TEXT NOT NULL,"
                                " bust TEXT NOT NULL, waist TEXT NOT NULL,"
                                " high_hip TEXT NOT NULL, hips TEXT NOT NULL,"
                                " height TEXT,"
                                " measured_shape TEXT, answers_shape TEXT)";

// One connection to the file for the length of one call: Qt SQL names each connection, and the
// file is closed again as soon as the call is done.
class Connection {
public:
    explicit Connection(const QString &path) : m_name(u"history%1"_s.arg(++s_made))
    {
        m_db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        m_db.setDatabaseName(path);
    }
    ~Connection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    QSqlDatabase &db() { return m_db; }

private:
    static inline int s_made = 0;
    QString m_name;
    QSqlDatabase m_db;
};

bool run(QSqlDatabase &db, const QString &sql, QString &failure)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    failure = query.lastError().text();
    return false;
}

std::optional<int> numberFrom(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

// What the program will say about a file it leaves alone.
struct Failure {
    Problem problem = Problem::None;
    QString detail;
};

// Unusable is a file that cannot be reached now (permissions, a disk error), Damaged one whose
// contents are not what SQLite or this program wrote.
enum class Kind { Ours, Empty, Foreign, Newer, Damaged, Unusable };
struct FileKind {
    Kind kind = Kind::Unusable;
    int version = 0;
    Failure failure; // of every kind but Ours and Empty
};

FileKind failed(const QSqlError &error)
{
    // SQLITE_CORRUPT and SQLITE_NOTADB, whatever their extended codes add.
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    if (code == 11 || code == 26)
        return {Kind::Damaged, 0, {Problem::Damaged, error.text()}};
    return {Kind::Unusable, 0, {Problem::Unreadable, error.text()}};
}

FileKind kindOf(QSqlDatabase &db)
{
    if (!db.open())
        return failed(db.lastError());
    const std::optional<int> id = numberFrom(db, u"PRAGMA application_id"_s);
    const std::optional<int> version = numberFrom(db, u"PRAGMA user_version"_s);
    const std::optional<int> tables = numberFrom(db, u"SELECT count(*) FROM sqlite_master"_s);
    if (!id || !version || !tables) {
        QSqlQuery probe(db);
        probe.exec(u"SELECT count(*) FROM sqlite_master"_s);
        return failed(probe.lastError());
    }
    if (*id == ApplicationId && *version > SchemaVersion)
        return {Kind::Newer, *version, {Problem::Newer, {}}};
    if (*id == ApplicationId && *version >= 1)
        return {Kind::Ours, *version, {}};
    // What a first keep leaves when the program is killed before it is done: nothing at all.
    if (*id == 0 && *version == 0 && *tables == 0)
        return {Kind::Empty, 0, {}};
    return {Kind::Foreign, *version, {Problem::Foreign, {}}};
}

std::optional<Unit> unitNamed(const QString &name)
{
    if (name == u"cm"_s)
        return Unit::Centimetres;
    if (name == u"in"_s)
        return Unit::Inches;
    return std::nullopt;
}

// None for a row this program would not have written.
std::optional<Entry> entryFrom(const QSqlQuery &row)
{
    Entry entry;
    entry.id = row.value(0).toLongLong();
    entry.date = QDate::fromString(row.value(1).toString(), Qt::ISODate);
    const std::optional<Unit> unit = unitNamed(row.value(2).toString());
    if (!entry.date.isValid() || !unit)
        return std::nullopt;
    entry.unit = *unit;
    for (std::size_t index = 0; index < History::GirthCount; ++index) {
        entry.girths[index] = row.value(int(3 + index)).toString();
        if (!History::isPlainDecimal(entry.girths[index]))
            return std::nullopt;
    }
    entry.height = row.value(7).toString();
    if (!entry.height.isEmpty() && !History::isPlainDecimal(entry.height))
        return std::nullopt;
    for (const auto &[column, shape] :
         {std::pair{8, &entry.measuredShape}, {9, &entry.answersShape}}) {
        const QString name = row.value(column).toString();
        *shape = History::shapeNamed(name);
        if (!name.isEmpty() && !*shape)
            return std::nullopt;
    }
    return entry;
}

std::optional<QList<Entry>> entriesIn(QSqlDatabase &db, int version, Failure &failure)
{
    // The first history had no height.
    const QString sql = u"SELECT id, kept_on, unit, bust, waist, high_hip, hips, %1, "
                        "measured_shape, answers_shape FROM measurement ORDER BY kept_on, id"_s.arg(
                            version >= 2 ? u"height"_s : u"NULL"_s);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        failure = {Problem::Damaged, query.lastError().text()};
        return std::nullopt;
    }
    QList<Entry> entries;
    while (query.next()) {
        const std::optional<Entry> entry = entryFrom(query);
        if (!entry) {
            failure = {Problem::StrangeEntry, QLocale().toString(query.value(0).toLongLong())};
            return std::nullopt;
        }
        entries << *entry;
    }
    if (query.lastError().isValid()) {
        failure = {Problem::Damaged, query.lastError().text()};
        return std::nullopt;
    }
    return entries;
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

QVariant nameOrNull(std::optional<modShapeTest::ShapeIndex> shape)
{
    return shape ? QVariant(History::englishName(*shape))
                 : QVariant(QMetaType::fromType<QString>());
}

bool insert(QSqlDatabase &db, const Entry &entry, QString &failure)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO measurement (kept_on, unit, bust, waist, high_hip, hips, height, "
                  "measured_shape, answers_shape) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    query.addBindValue(entry.date.toString(Qt::ISODate));
    query.addBindValue(entry.unit == Unit::Inches ? u"in"_s : u"cm"_s);
    for (const QString &girth : entry.girths)
        query.addBindValue(girth);
    query.addBindValue(textOrNull(entry.height));
    query.addBindValue(nameOrNull(entry.measuredShape));
    query.addBindValue(nameOrNull(entry.answersShape));
    if (query.exec())
        return true;
    failure = query.lastError().text();
    return false;
}

// A history is changed only when every entry in it reads as one this program wrote.
FileKind checked(FileKind kind, QSqlDatabase &db)
{
    if (kind.kind == Kind::Ours && !entriesIn(db, kind.version, kind.failure))
        kind.kind = Kind::Damaged;
    return kind;
}

// Every field but the store's number, for telling an entry already kept.
QString keyOf(const Entry &entry)
{
    QStringList fields{entry.date.toString(Qt::ISODate),
                       entry.unit == Unit::Inches ? u"in"_s : u"cm"_s};
    for (const QString &girth : entry.girths)
        fields << girth;
    fields << entry.height << nameOrNull(entry.measuredShape).toString()
           << nameOrNull(entry.answersShape).toString();
    return fields.join(u'|');
}

// A new file gets the table; an older one what was added since.
bool bringUpToDate(QSqlDatabase &db, const FileKind &kind, QString &failure)
{
    if (kind.kind == Kind::Empty) {
        return run(db, QString::fromLatin1(CreateTable), failure) &&
               run(db, u"PRAGMA application_id = %1"_s.arg(ApplicationId), failure) &&
               run(db, u"PRAGMA user_version = %1"_s.arg(SchemaVersion), failure);
    }
    if (kind.version < 2 && !run(db, u"ALTER TABLE measurement ADD COLUMN height TEXT"_s, failure))
        return false;
    return kind.version == SchemaVersion ||
           run(db, u"PRAGMA user_version = %1"_s.arg(SchemaVersion), failure);
}

} // namespace

SqliteHistoryStore::SqliteHistoryStore(const QString &path) : HistoryStore(path) {}

std::optional<QList<Entry>> SqliteHistoryStore::entries()
{
    // Opening a file that is not there would make one.
    if (!QFileInfo::exists(path()))
        return QList<Entry>();
    Connection connection(path());
    const FileKind kind = kindOf(connection.db());
    if (kind.kind == Kind::Empty)
        return QList<Entry>();
    if (kind.kind != Kind::Ours) {
        fail(kind.failure.problem, kind.failure.detail);
        return std::nullopt;
    }
    Failure failure;
    std::optional<QList<Entry>> entries = entriesIn(connection.db(), kind.version, failure);
    if (!entries)
        fail(failure.problem, failure.detail);
    return entries;
}

bool SqliteHistoryStore::change(const std::function<bool(QSqlDatabase &, int, QString &)> &step)
{
    const bool existed = QFileInfo::exists(path());
    if (!existed && !QDir().mkpath(QFileInfo(path()).absolutePath())) {
        fail(Problem::FolderNotMade);
        return false;
    }
    bool done = false;
    {
        Connection connection(path());
        QSqlDatabase &db = connection.db();
        const FileKind kind = checked(kindOf(db), db);
        QString failure;
        if (kind.kind == Kind::Unusable) {
            fail(Problem::Unwritable, kind.failure.detail);
        } else if (kind.kind != Kind::Ours && kind.kind != Kind::Empty) {
            fail(kind.failure.problem, kind.failure.detail);
        } else if (!db.transaction()) {
            fail(Problem::Unwritable, db.lastError().text());
        } else if (bringUpToDate(db, kind, failure) && step(db, SchemaVersion, failure) &&
                   db.commit()) {
            done = true;
        } else {
            if (failure.isEmpty())
                failure = db.lastError().text();
            db.rollback();
            fail(Problem::Unwritable, failure);
        }
    }
    // A file this call made holds nothing kept.
    if (!done && !existed)
        removeFiles();
    return done;
}

bool SqliteHistoryStore::keep(const Entry &entry)
{
    return change(
        [&entry](QSqlDatabase &db, int, QString &failure) { return insert(db, entry, failure); });
}

bool SqliteHistoryStore::keepAll(const QList<Entry> &entries, int *added)
{
    int count = 0;
    const bool done = change([&](QSqlDatabase &db, int version, QString &failure) {
        Failure unread;
        const std::optional<QList<Entry>> kept = entriesIn(db, version, unread);
        if (!kept) {
            failure = unread.detail;
            return false;
        }
        QSet<QString> known;
        for (const Entry &entry : *kept)
            known.insert(keyOf(entry));
        for (const Entry &entry : entries) {
            if (known.contains(keyOf(entry)))
                continue;
            if (!insert(db, entry, failure))
                return false;
            known.insert(keyOf(entry));
            ++count;
        }
        return true;
    });
    if (added)
        *added = done ? count : 0;
    return done;
}

bool SqliteHistoryStore::remove(qint64 id)
{
    std::optional<int> left;
    const bool done = change([&](QSqlDatabase &db, int, QString &failure) {
        QSqlQuery query(db);
        query.prepare(u"DELETE FROM measurement WHERE id = ?"_s);
        query.addBindValue(id);
        if (!query.exec()) {
            failure = query.lastError().text();
            return false;
        }
        left = numberFrom(db, u"SELECT count(*) FROM measurement"_s);
        return true;
    });
    // The last entry takes the file with it.
    return done && (left != 0 || removeAll());
}

bool SqliteHistoryStore::removeAll()
{
    if (!QFileInfo::exists(path()))
        return true;
    {
        Connection connection(path());
        const FileKind kind = checked(kindOf(connection.db()), connection.db());
        if (kind.kind != Kind::Ours && kind.kind != Kind::Empty) {
            fail(kind.failure.problem, kind.failure.detail);
            return false;
        }
    }
    QFile file(path());
    if (!file.remove()) {
        fail(Problem::Unwritable, file.errorString());
        return false;
    }
    removeFiles();
    return true;
}

void SqliteHistoryStore::removeFiles()
{
    for (const QString &suffix : {QString(), u"-journal"_s, u"-wal"_s, u"-shm"_s})
        QFile::remove(path() + suffix);
    // The folder was made for the file; anything else in it keeps it.
    QDir().rmdir(QFileInfo(path()).absolutePath());
}
