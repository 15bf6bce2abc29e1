#include "common/windowfont.h"

#include <QFont>
#include <QWidget>

namespace {
QFont windowFont(const QString &family)
{
    QFont font(family);
    font.setPointSizeF(8.25);
    return font;
}
} // namespace

void useVerdanaFont(QWidget &window)
{
    // Built once: looking a family up is the costly part.
    static const QFont verdana = windowFont(QStringLiteral("Verdana"));
    window.setFont(verdana);
}

void useMsSansSerifFont(QWidget &window)
{
    static const QFont msSansSerif = windowFont(QStringLiteral("MS Sans Serif"));
    window.setFont(msSansSerif);
}
