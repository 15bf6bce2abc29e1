#include "history/historyfiles.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;
using History::Entry;

namespace HistoryFiles {

namespace {

constexpr qsizetype FieldCount = 8;

QString shapeText(std::optional<modShapeTest::ShapeIndex> shape)
{
    return shape ? History::englishName(*shape) : QString();
}

// The CSV's fields of an entry, in the header's order.
QStringList fieldsOf(const Entry &entry)
{
    QStringList fields{entry.date.toString(Qt::ISODate)};
    for (const QString &girth : entry.girths)
        fields << History::inCentimetres(girth, entry.unit);
    fields << (entry.height.isEmpty() ? QString()
                                      : History::inCentimetres(entry.height, entry.unit))
           << shapeText(entry.measuredShape) << shapeText(entry.answersShape);
    return fields;
}

// RFC 4180 records: fields separated by commas, quoted where they hold a comma, a quotation
// mark or a line break, lines ended by LF or CR LF. Each record comes with the line it starts on.
struct Record {
    int line = 0;
    QStringList fields;
};

std::optional<QList<Record>> recordsIn(const QString &text, int *openLine)
{
    QList<Record> records;
    Record record{1, {}};
    QString field;
    bool quoted = false, wasQuoted = false;
    int line = 1;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text[at];
        if (quoted) {
            if (character == u'"' && at + 1 < text.size() && text[at + 1] == u'"') {
                field += u'"';
                ++at;
            } else if (character == u'"') {
                quoted = false;
            } else {
                line += character == u'\n';
                field += character;
            }
        } else if (character == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (character == u',') {
            record.fields << field;
            field.clear();
            wasQuoted = false;
        } else if (character == u'\n' ||
                   (character == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')) {
            at += character == u'\r';
            record.fields << field;
            // Blank lines, the last one above all, hold no record.
            if (record.fields != QStringList{QString()})
                records << record;
            record = {++line, {}};
            field.clear();
            wasQuoted = false;
        } else {
            field += character;
        }
    }
    if (quoted) {
        *openLine = record.line;
        return std::nullopt;
    }
    record.fields << field;
    if (record.fields != QStringList{QString()})
        records << record;
    return records;
}

// What is wrong with the record, or nothing; the entry is filled as it is read.
QString problemWith(const Record &record, Entry &entry)
{
    const QStringList &fields = record.fields;
    if (fields.size() != FieldCount) {
        //: %1 is a line number in the file, e.g. 3
        return QCoreApplication::translate(
                   "HistoryFiles", "Line %1 does not hold eight fields separated by commas.")
            .arg(QLocale().toString(record.line));
    }
    entry.date = QDate::fromString(fields[0], Qt::ISODate);
    if (fields[0].size() != 10 || !entry.date.isValid()) {
        //: %1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 7.12.2026
        return QCoreApplication::translate("HistoryFiles",
                                           "Line %1: \"%2\" is not a date written as 2026-12-07.")
            .arg(QLocale().toString(record.line))
            .arg(fields[0]);
    }
    entry.unit = FigureRules::Unit::Centimetres;
    for (qsizetype index = 1; index <= 5; ++index) {
        const bool height = index == 5;
        if ((height && fields[index].isEmpty()) || History::isPlainDecimal(fields[index])) {
            (height ? entry.height : entry.girths[std::size_t(index - 1)]) = fields[index];
            continue;
        }
        //: %1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 90,5
        return QCoreApplication::translate(
                   "HistoryFiles",
                   "Line %1: \"%2\" is not a length in centimetres written as 90.5.")
            .arg(QLocale().toString(record.line))
            .arg(fields[index]);
    }
    for (const auto &[index, shape] :
         {std::pair{6, &entry.measuredShape}, std::pair{7, &entry.answersShape}}) {
        *shape = History::shapeNamed(fields[index]);
        if (!fields[index].isEmpty() && !*shape) {
            // The file's keywords are English in every language, so they fill a slot of their
            // own rather than stand among the translated words.
            QStringList keywords;
            for (int each = 0; each < modShapeTest::ShapeCount; ++each)
                keywords << History::englishName(modShapeTest::ShapeIndex(each));
            //: %1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. Pear;
            //: %3 lists the shapes' keywords in the file, English in every language:
            //: Ruler, Hourglass, Spoon, Cone
            return QCoreApplication::translate(
                       "HistoryFiles",
                       "Line %1: \"%2\" is none of the shapes a CSV file names: %3.")
                .arg(QLocale().toString(record.line))
                .arg(fields[index], keywords.join(u", "_s));
        }
    }
    return {};
}

} // namespace

QByteArray toCsv(const QList<Entry> &entries)
{
    QByteArray csv = QByteArray(CsvHeader.data(), CsvHeader.size()) + '\n';
    for (const Entry &entry : entries)
        csv += fieldsOf(entry).join(u',').toUtf8() + '\n';
    return csv;
}

QByteArray toJson(const QList<Entry> &entries)
{
    const QStringList keys = QString(CsvHeader).split(u',');
    static const QStringList typedKeys{u"bust"_s, u"waist"_s, u"high_hip"_s, u"hips"_s,
                                       u"height"_s};
    QJsonArray list;
    for (const Entry &entry : entries) {
        const QStringList fields = fieldsOf(entry);
        QJsonObject object{{keys[0], fields[0]}};
        for (qsizetype index = 1; index <= 5; ++index)
            object.insert(keys[index], fields[index].isEmpty()
                                           ? QJsonValue()
                                           : QJsonValue(fields[index].toDouble()));
        for (qsizetype index = 6; index < FieldCount; ++index)
            object.insert(keys[index], fields[index].isEmpty() ? QJsonValue() : fields[index]);
        object.insert(u"unit"_s, entry.unit == FigureRules::Unit::Inches ? u"in"_s : u"cm"_s);
        QJsonObject typed;
        for (qsizetype index = 0; index < typedKeys.size(); ++index) {
            const QString text = index < 4 ? entry.girths[std::size_t(index)] : entry.height;
            typed.insert(typedKeys[index], text.isEmpty() ? QJsonValue() : text);
        }
        object.insert(u"as_typed"_s, typed);
        list.append(object);
    }
    return QJsonDocument(QJsonObject{{u"entries"_s, list}}).toJson();
}

CsvReading fromCsv(QByteArrayView bytes)
{
    QString text = QString::fromUtf8(bytes);
    // A spreadsheet may start the file with a byte order mark.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    int openLine = 0;
    const std::optional<QList<Record>> records = recordsIn(text, &openLine);
    CsvReading reading;
    if (!records) {
        //: %1 is a line number in the file, e.g. 3
        reading.error = QCoreApplication::translate(
                            "HistoryFiles", "Line %1 opens quotation marks that are never closed.")
                            .arg(QLocale().toString(openLine));
        return reading;
    }
    if (records->isEmpty() || records->first().fields != QString(CsvHeader).split(u',')) {
        //: %1 is the first line such a file has: date,bust_cm,...
        reading.error =
            QCoreApplication::translate("HistoryFiles",
                                        "This is not a history exported by ZV Tamsilo: its first "
                                        "line is not %1.")
                .arg(CsvHeader);
        return reading;
    }
    for (qsizetype index = 1; index < records->size(); ++index) {
        Entry entry;
        reading.error = problemWith(records->at(index), entry);
        if (!reading.error.isEmpty()) {
            reading.entries.clear();
            return reading;
        }
        reading.entries << entry;
    }
    return reading;
}

} // namespace HistoryFiles
