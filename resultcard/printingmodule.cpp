// The entry point of the zv-tamsilo-printing module.

#include "resultcard/cardprinting.h"

extern "C" Q_DECL_EXPORT int tamsilo_printCard(QWidget &parent, const QString &dialogTitle,
                                               qreal margin, const CardPrinting::PaintCard &paint)
{
    return static_cast<int>(CardPrinting::printWithDialog(parent, dialogTitle, margin, paint));
}

// The function the program looks up has the type it expects.
static_assert(std::is_same_v<decltype(&tamsilo_printCard), PrintCardEntry>);
