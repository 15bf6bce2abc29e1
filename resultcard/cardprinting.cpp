#include "resultcard/cardprinting.h"

#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace CardPrinting {

QRectF printedArea(const QPrinter &printer, qreal margin)
{
    // From the page layout, whose margins stay the printer's whether or not the painter
    // starts at the paper's corner.
    const QPageLayout layout = printer.pageLayout();
    const int resolution = printer.resolution();
    const QMarginsF printers = layout.marginsPixels(resolution).toMarginsF();
    const qreal own = margin * resolution / 72.0;
    return QRectF(layout.fullRectPixels(resolution))
        .marginsRemoved({qMax(own, printers.left()), qMax(own, printers.top()),
                         qMax(own, printers.right()), qMax(own, printers.bottom())});
}

bool print(QPrinter &printer, qreal margin, const PaintCard &paint)
{
    // The painter then starts at the paper's corner, and the card's margin and the printer's
    // overlap instead of adding up.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paint(painter, printedArea(printer, margin));
    return painter.end();
}

Outcome printWithDialog(QWidget &parent, const QString &dialogTitle, qreal margin,
                        const PaintCard &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(u"ZV Tamsilo"_s);
    // On the heap and watched, as it goes with the window should that be discarded.
    const QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, &parent);
    dialog->setWindowTitle(dialogTitle);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog;
    if (!accepted)
        return Outcome::Cancelled;
    return print(printer, margin, paint) ? Outcome::Printed : Outcome::Failed;
}

} // namespace CardPrinting
