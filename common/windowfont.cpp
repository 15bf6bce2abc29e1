#include "common/windowfont.h"

#include <QFont>
#include <QWidget>

void useVerdanaFont(QWidget &window)
{
    // Built once: looking a family up is the costly part.
    static const QFont verdana = [] {
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(8.25);
        return font;
    }();
    window.setFont(verdana);
}
