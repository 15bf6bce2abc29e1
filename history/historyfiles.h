#pragma once

// My History as files a user can keep elsewhere or open in a spreadsheet: CSV, which the
// history can read back, and JSON. Both speak English and centimetres whatever the language
// and unit: ISO 8601 dates, a point for the decimal sign, the shapes' English names, and
// nothing where nothing was given. No widgets: bytes in, bytes out.

#include "history/historyentry.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace HistoryFiles {

inline constexpr QLatin1StringView CsvHeader{
    "date,bust_cm,waist_cm,high_hip_cm,hips_cm,height_cm,measured_shape,answers_shape"};

QByteArray toCsv(const QList<History::Entry> &entries);
// The CSV's fields, and the unit and the lengths as they were typed.
QByteArray toJson(const QList<History::Entry> &entries);

struct CsvReading {
    QList<History::Entry> entries; // in centimetres, as the file has them
    QString error;                 // empty when every line was read; then no entry is taken
};
CsvReading fromCsv(QByteArrayView bytes);

} // namespace HistoryFiles
