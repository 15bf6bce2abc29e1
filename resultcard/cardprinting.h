#pragma once

// Printing the result card: the printer's dialog and the page. It is built into a module of its
// own, zv-tamsilo-printing, so that Qt's printing library is loaded only once the user prints.

#include <QtGlobal>

#include <functional>

class QPainter;
class QPrinter;
class QRectF;
class QString;
class QWidget;

namespace CardPrinting {

// Paints the card, without its margin, within `area` of the page.
using PaintCard = std::function<void(QPainter &, const QRectF &area)>;

enum class Outcome { Printed, Cancelled, Failed };

// Where on the printer's page, in its device pixels with the painter at the paper's corner, the
// card goes without its margin: inside the printer's margin, and never nearer the paper's edge
// than the card's own `margin` (in points).
QRectF printedArea(const QPrinter &printer, qreal margin);

// Prints on `printer`, set up and not yet begun; false when the printer would not start.
bool print(QPrinter &printer, qreal margin, const PaintCard &paint);

// Asks for a printer, then prints on it.
Outcome printWithDialog(QWidget &parent, const QString &dialogTitle, qreal margin,
                        const PaintCard &paint);

} // namespace CardPrinting

// The module's entry point, looked up by name: CardPrinting::printWithDialog.
using PrintCardEntry = int (*)(QWidget &, const QString &, qreal, const CardPrinting::PaintCard &);
inline constexpr char PrintCardSymbol[] = "tamsilo_printCard";
