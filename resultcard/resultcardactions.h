#pragma once

// What the questionnaire window's "Save Result As…" and "Print Result…" do, from its
// results page. The window hands over the first name it asked for and the shapes' pictures.

#include "measure/measuredresult.h"

#include <optional>

class ImageList;
class QString;
class QWidget;
struct ResultCardData;

namespace ResultCard {

// The test just finished: its shape and tally, the shape's silhouette, today's date and what
// the tape measure said on this visit of the results page, if the user put it on the card.
ResultCardData currentResult(const QString &firstName, const ImageList &pictures,
                             const std::optional<MeasuredResult> &measured);

// Asks where to save the card, then writes it; a failure is reported and changes nothing else.
void saveResultAs(QWidget &parent, const QString &firstName, const ImageList &pictures,
                  const std::optional<MeasuredResult> &measured);

// Prints the card on the printer the user chooses; the printing module is loaded then.
void printResult(QWidget &parent, const QString &firstName, const ImageList &pictures,
                 const std::optional<MeasuredResult> &measured);

} // namespace ResultCard
