#include "widgets/programfont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

using namespace Qt::StringLiterals;

void useProgramFont()
{
    QFont font(u"Verdana"_s);
    font.setPointSizeF(8.25);
    // Verdana is wide; its usual stand-in, DejaVu Sans, is wider still, and texts would no
    // longer fit the places the windows give them. Its condensed cut keeps them whole.
    // (Asking the list of families, not matching a font, spares a costly font match.)
    if (!QFontDatabase::hasFamily(u"Verdana"_s)) {
        font.setFamily(u"DejaVu Sans"_s);
        font.setStretch(QFont::SemiCondensed);
    }
    // The application font, not each window's: style sheets derive their fonts from it.
    QApplication::setFont(font);
}

void useMsSansSerifFont(QWidget &window)
{
    QFont font(u"MS Sans Serif"_s);
    font.setPointSizeF(8.25);
    window.setFont(font);
}
