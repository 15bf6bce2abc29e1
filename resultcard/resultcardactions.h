#pragma once

// What the questionnaire window's "Save Result As…" and "Print Result…" do, from its
// results page.

class QWidget;
struct ResultCardData;

namespace ResultCard {

// The test just finished: its shape and tally, the welcome window's first name, the shape's
// silhouette and today's date.
ResultCardData currentResult();

// Asks where to save the card, then writes it; a failure is reported and changes nothing else.
void saveResultAs(QWidget &parent);

// Prints the card on the printer the user chooses.
void printResult(QWidget &parent);

} // namespace ResultCard
