#pragma once

// What the user measured on the results page in front, kept for the result card until that
// page is left. The measure window remembers it when it closes with a shape shown; the
// questionnaire window forgets it whenever it changes page; the card reads it.

#include <QString>
#include <QStringList>
#include <optional>

struct MeasuredResult {
    QString tapeMeasureLine; // "The tape measure: Spoon (triangle)"
    QString comparisonLine;  // the answers' shape beside the tape measure's, as the window said
    QStringList
        measurements; // "Bust: 36 in", ...; empty unless the user asked for them on the card
};

namespace MeasuredResults {

void remember(const MeasuredResult &result);
void forget();
std::optional<MeasuredResult> last();

} // namespace MeasuredResults
