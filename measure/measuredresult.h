#pragma once

// What the measure window puts on the result card: the tape measure's shape as the window
// showed it last, with the user's consent (its check box ticked). The window returns it when it
// closes; the questionnaire window keeps it for the card until the results page is left.

#include <QString>
#include <QStringList>

struct MeasuredResult {
    QString tapeMeasureLine;  // "The tape measure: Spoon (triangle)"
    QString comparisonLine;   // the answers' shape beside the tape measure's, as the window said
    QStringList measurements; // "Bust: 36 in", ...
};
