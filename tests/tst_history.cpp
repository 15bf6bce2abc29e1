// My History: what is kept is read back as typed, deleting removes it and the file with the
// last entry, an older file is brought up to date, a file that cannot be read or written is
// refused with a sentence and left as it was, and the exported CSV reads back field for field.

#include "history/historyfiles.h"
#include "history/sqlitehistorystore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using History::Entry;
using Unit = FigureRules::Unit;
using Shape = modShapeTest::ShapeIndex;

namespace {
Entry entry(const QString &date, Unit unit, const QString &lengths, const QString &height,
            std::optional<Shape> measured, std::optional<Shape> answers)
{
    Entry made{0, QDate::fromString(date, Qt::ISODate), unit, {}, height, measured, answers};
    const QStringList four = lengths.split(u' ');
    std::copy(four.begin(), four.end(), made.girths.begin());
    return made;
}

// Typed in inches on the results page of a Hourglass test; typed in centimetres from the
// welcome window without a height; a tape that found none of the four.
const Entry Inches = entry(u"2026-11-17"_s, Unit::Inches, u"36 28 34 38.5"_s, u"65"_s,
                           modShapeTest::Spoon, modShapeTest::Hourglass);
const Entry Centimetres = entry(u"2026-12-07"_s, Unit::Centimetres, u"90.5 70 80.25 99.144"_s, {},
                                modShapeTest::Spoon, std::nullopt);
const Entry NoShape = entry(u"2026-12-01"_s, Unit::Centimetres, u"100 60 80 100"_s, u"170.5"_s,
                            std::nullopt, modShapeTest::Cone);

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// SQL run on a file of the test's own making.
void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"test"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(u"test"_s);
}

const QString VersionOne = u"CREATE TABLE measurement (id INTEGER PRIMARY KEY, kept_on TEXT NOT "
                           "NULL, unit TEXT NOT NULL, bust TEXT NOT NULL, waist TEXT NOT NULL, "
                           "high_hip TEXT NOT NULL, hips TEXT NOT NULL, measured_shape TEXT, "
                           "answers_shape TEXT)"_s;
// "ZVTH", the program's mark in the file's header.
const QString OurId = u"PRAGMA application_id = %1"_s.arg(0x5A565448);

QList<Entry> readAll(HistoryStore &store)
{
    const std::optional<QList<Entry>> entries = store.entries();
    if (!entries)
        qWarning("%s", qPrintable(store.error()));
    return entries.value_or(QList<Entry>{Entry{}});
}

bool sameEntries(const QList<Entry> &read, const QList<Entry> &kept)
{
    return std::equal(read.begin(), read.end(), kept.begin(), kept.end(),
                      [](const Entry &a, const Entry &b) { return a.sameAs(b); });
}
} // namespace

class TestHistory : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_path;

private slots:
    void init() { m_path = m_folder.filePath(u"data/history.sqlite"_s); }
    void cleanup() { QDir(m_folder.filePath(u"data"_s)).removeRecursively(); }

    void keptIsReadBackAsTypedAndDeletingLeavesNoFile()
    {
        SqliteHistoryStore store(m_path);
        QVERIFY(readAll(store).isEmpty());
        QVERIFY2(!QFile::exists(m_path), "looking made a file");
        for (const Entry &kept : {Centimetres, Inches, NoShape})
            QVERIFY2(store.keep(kept), qPrintable(store.error()));
        const QList<Entry> read = readAll(store);
        QVERIFY(sameEntries(read, {Inches, NoShape, Centimetres}));
        QVERIFY(store.remove(read[1].id));
        QVERIFY(sameEntries(readAll(store), {Inches, Centimetres}));
        QVERIFY(store.remove(read[0].id) && store.remove(read[2].id));
        QVERIFY2(!QFile::exists(m_path), "the last entry left its file");
        QVERIFY(store.keep(Inches) && store.keep(NoShape));
        QVERIFY(store.removeAll());
        QVERIFY(!QFile::exists(m_path) && !QFileInfo::exists(QFileInfo(m_path).path()));
    }

    void aFirstVersionFileIsReadAndBroughtUpToDate()
    {
        QDir().mkpath(QFileInfo(m_path).path());
        runSql(m_path, {VersionOne, OurId, u"PRAGMA user_version = 1"_s,
                        u"INSERT INTO measurement VALUES (7, '2025-03-01', 'in', '35', '27', "
                        "'33', '37', 'Hourglass', NULL)"_s});
        SqliteHistoryStore store(m_path);
        Entry old = entry(u"2025-03-01"_s, Unit::Inches, u"35 27 33 37"_s, {},
                          modShapeTest::Hourglass, std::nullopt);
        const QByteArray before = contentsOf(m_path);
        QVERIFY(sameEntries(readAll(store), {old}));
        QCOMPARE(contentsOf(m_path), before);
        QVERIFY2(store.keep(Inches), qPrintable(store.error()));
        QVERIFY(sameEntries(readAll(store), {old, Inches}));
    }

    void aFileItCannotReadIsRefusedAndLeftAsItIs_data()
    {
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        QTest::newRow("text") << QStringList() << "date,bust\n2026-12-07,90\n"_ba << u"damaged"_s;
        QTest::newRow("another program's")
            << QStringList{u"CREATE TABLE notes (t TEXT)"_s} << QByteArray() << u"not a history"_s;
        QTest::newRow("newer") << QStringList{VersionOne, OurId, u"PRAGMA user_version = 3"_s}
                               << QByteArray() << u"newer version"_s;
        QTest::newRow("nonsense row")
            << QStringList{VersionOne, OurId, u"PRAGMA user_version = 1"_s,
                           u"INSERT INTO measurement VALUES (1, 'today', 'ell', '1', '2', '3', "
                           "'4', NULL, NULL)"_s}
            << QByteArray() << u"damaged"_s;
    }
    void aFileItCannotReadIsRefusedAndLeftAsItIs()
    {
        QFETCH(QStringList, sql);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QDir().mkpath(QFileInfo(m_path).path());
        if (!sql.isEmpty()) {
            runSql(m_path, sql);
        } else {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        const QByteArray before = contentsOf(m_path);
        SqliteHistoryStore store(m_path);
        QVERIFY(!store.entries());
        QVERIFY2(store.error().contains(said) && store.error().contains(m_path),
                 qPrintable(store.error()));
        QVERIFY(!store.keep(Inches) && !store.keepAll({Inches}) && !store.removeAll());
        QCOMPARE(contentsOf(m_path), before);
    }

    void aHistoryThatCannotBeWrittenLosesNothing_data()
    {
        QTest::addColumn<QString>("how");
        // Permissions bind everyone but root; a journal SQLite cannot make fails for root too.
        if (geteuid() != 0)
            QTest::newRow("read-only folder") << u"read-only"_s;
        QTest::newRow("no room for the journal") << u"journal"_s;
        QTest::newRow("disk full") << u"full"_s;
    }
    void aHistoryThatCannotBeWrittenLosesNothing()
    {
        QFETCH(QString, how);
        SqliteHistoryStore store(m_path);
        QVERIFY(store.keep(Inches) && store.keep(Centimetres));
        const QList<Entry> kept = readAll(store);
        const QString folder = QFileInfo(m_path).path();
        bool written = true;
        if (how == u"read-only"_s) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            QFile::setPermissions(m_path, QFile::ReadOwner);
            written = store.keep(NoShape) || store.remove(kept[0].id) || store.removeAll();
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else if (how == u"journal"_s) {
            QDir().mkpath(m_path + u"-journal/blocked"_s);
            written = store.keep(NoShape) || store.remove(kept[0].id);
            QDir(m_path + u"-journal"_s).removeRecursively();
        } else {
            // No file may grow past its size now: the next page the history needs is refused.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{}, was{};
            getrlimit(RLIMIT_FSIZE, &was);
            limit = {rlim_t(QFileInfo(m_path).size()), was.rlim_max};
            setrlimit(RLIMIT_FSIZE, &limit);
            for (int tries = 0; tries < 200 && written; ++tries)
                written = store.keep(NoShape);
            setrlimit(RLIMIT_FSIZE, &was);
        }
        QVERIFY2(!written, "a write went through");
        QVERIFY2(store.error().contains(u"cannot be written"_s) &&
                     store.error().contains(u"Everything kept before is still there"_s),
                 qPrintable(store.error()));
        const QList<Entry> after = readAll(store);
        QVERIFY(sameEntries(after.first(2), kept));
        QVERIFY(std::all_of(after.begin() + 2, after.end(),
                            [](const Entry &e) { return e.sameAs(NoShape); }));
    }

    void aTypedLengthIsKeptDigitForDigit_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("German comma") << u"de_DE"_s << u" 90,50 "_s << u"90.50"_s;
        QTest::newRow("point in German") << u"de_DE"_s << u"90.5"_s << u"90.5"_s;
        QTest::newRow("Arabic digits") << u"ar_EG"_s << u"\u0669\u0660"_s << u"90"_s;
        QTest::newRow("Persian digits, Arabic separator")
            << u"ar_EG"_s << u"\u06F9\u06F0\u066B\u06F5\u06F0"_s << u"90.50"_s;
        QTest::newRow("grouped") << u"de_DE"_s << u"1.000,5"_s << QString();
        QTest::newRow("comma in English") << u"en_US"_s << u"90,5"_s << QString();
        QTest::newRow("sign") << u"C"_s << u"-90"_s << QString();
        QTest::newRow("exponent") << u"C"_s << u"9e1"_s << QString();
        QTest::newRow("seven decimals") << u"C"_s << u"90.1234567"_s << QString();
    }
    void aTypedLengthIsKeptDigitForDigit()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(History::plainDecimal(typed, QLocale(locale)).value_or(QString()), kept);
    }

    // Shown in the locale's digits, as many decimals as kept; converted to three at most.
    void aKeptLengthIsShownTheLocalesWay_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("inInches");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ar_EG") << u"ar_EG"_s << u"90.50"_s << false
                               << u"\u0669\u0660\u066B\u0665\u0660"_s;
        QTest::newRow("ar_EG, inches to cm")
            << u"ar_EG"_s << u"36"_s << true << u"\u0669\u0661\u066B\u0664\u0664"_s;
        QTest::newRow("ar_MA") << u"ar_MA"_s << u"90.50"_s << false << u"90,50"_s;
        QTest::newRow("en_US") << u"en_US"_s << u"1090.5"_s << false << u"1090.5"_s;
    }
    void aKeptLengthIsShownTheLocalesWay()
    {
        QFETCH(QString, locale);
        QFETCH(QString, kept);
        QFETCH(bool, inInches);
        QFETCH(QString, shown);
        QCOMPARE(History::shownLength(kept, inInches ? Unit::Inches : Unit::Centimetres,
                                      Unit::Centimetres, QLocale(locale)),
                 shown);
    }

    void theCsvIsWrittenAsAgreedAndReadBackWhole()
    {
        // Written the same whatever the user's decimal sign and digits.
        const QLocale before;
        QLocale::setDefault(QLocale(u"ar_EG"_s));
        const QByteArray egyptian = HistoryFiles::toCsv({Inches, Centimetres, NoShape}) +
                                    HistoryFiles::toJson({Inches, Centimetres});
        QLocale::setDefault(QLocale(u"de_DE"_s));
        const QByteArray csv = HistoryFiles::toCsv({Inches, Centimetres, NoShape});
        QCOMPARE(egyptian, csv + HistoryFiles::toJson({Inches, Centimetres}));
        QLocale::setDefault(before);
        QCOMPARE(csv, "date,bust_cm,waist_cm,high_hip_cm,hips_cm,height_cm,measured_shape,"
                      "answers_shape\n"
                      "2026-11-17,91.44,71.12,86.36,97.79,165.1,Spoon,Hourglass\n"
                      "2026-12-07,90.5,70,80.25,99.144,,Spoon,\n"
                      "2026-12-01,100,60,80,100,170.5,,Cone\n"_ba);
        const HistoryFiles::CsvReading read = HistoryFiles::fromCsv(csv);
        QCOMPARE(read.error, QString());
        QVERIFY(sameEntries(read.entries.mid(1), {Centimetres, NoShape}));
        QCOMPARE(HistoryFiles::toCsv(read.entries), csv);
        // As a spreadsheet may write it back.
        QByteArray quoted = "\xef\xbb\xbf"_ba + csv;
        quoted.replace("\n", "\r\n").replace("Spoon,", "\"Spoon\",");
        QVERIFY(sameEntries(HistoryFiles::fromCsv(quoted).entries, read.entries));

        const QJsonObject json =
            QJsonDocument::fromJson(HistoryFiles::toJson({Inches, Centimetres})).object();
        const QJsonObject first = json[u"entries"_s][0].toObject();
        QCOMPARE(first[u"bust_cm"_s].toDouble(), 91.44);
        QCOMPARE(first[u"unit"_s].toString(), u"in"_s);
        QCOMPARE(first[u"as_typed"_s][u"hips"_s].toString(), u"38.5"_s);
        QCOMPARE(first[u"answers_shape"_s].toString(), u"Hourglass"_s);
        QVERIFY(json[u"entries"_s][1][u"height_cm"_s].isNull());
    }

    void aCsvThatIsNoHistoryIsRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("said");
        const QByteArray header = HistoryFiles::CsvHeader.toString().toUtf8() + '\n';
        const QByteArray good = "2026-12-07,90,70,80,99,,Spoon,\n";
        QTest::newRow("no header") << good << u"first line"_s;
        QTest::newRow("seven fields") << header + good + "2026-12-07,90,70,80,99,,Spoon\n"
                                      << u"Line 3 does not hold eight"_s;
        QTest::newRow("local date") << header + "7.12.2026,90,70,80,99,,Spoon,\n"
                                    << u"Line 2: \"7.12.2026\" is not a date"_s;
        QTest::newRow("comma decimal") << header + "2026-12-07,\"90,5\",70,80,99,,,\n"
                                       << u"\"90,5\" is not a length"_s;
        QTest::newRow("no bust") << header + "2026-12-07,,70,80,99,,,\n"
                                 << u"\"\" is not a length"_s;
        QTest::newRow("unknown shape") << header + "2026-12-07,90,70,80,99,,Pear,\n"
                                       << u"Line 2: \"Pear\" is none of the shapes a CSV file "
                                          "names: Ruler, Hourglass, Spoon, Cone."_s;
        QTest::newRow("translated shape")
            << header + "2026-12-07,90,70,80,99,,,Löffel\n"_ba << u"\"Löffel\" is none of"_s;
        QTest::newRow("open quote") << header + good + "\"2026-12-07,90\n" << u"Line 3 opens"_s;
    }
    void aCsvThatIsNoHistoryIsRefusedWhole()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, said);
        const HistoryFiles::CsvReading read = HistoryFiles::fromCsv(csv);
        QVERIFY2(read.error.contains(said), qPrintable(read.error));
        QCOMPARE(read.entries.size(), 0);
    }

    // The line a problem stands on, in the locale's digits.
    void aProblemsLineInTheLocalesDigits_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("said");
        const QByteArray header = HistoryFiles::CsvHeader.toString().toUtf8() + '\n';
        QTest::newRow("ar_EG, a local date")
            << u"ar_EG"_s << header + "7.12.2026,90,70,80,99,,Spoon,\n"
            << u"Line \u0662:"_s;
        QTest::newRow("fa_IR, an open quote") << u"fa_IR"_s << header + "\"2026-12-07,90\n"
                                              << u"Line \u06F2 opens"_s;
    }
    void aProblemsLineInTheLocalesDigits()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, csv);
        QFETCH(QString, said);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const QString error = HistoryFiles::fromCsv(csv).error;
        QLocale::setDefault(before);
        QVERIFY2(error.contains(said), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
