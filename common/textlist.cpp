#include "common/textlist.h"

#include "translations/language.h"

#include <QLocale>

namespace TextList {

QString listOf(const QStringList &names)
{
    // The program's English lists have no comma before "and", as British English writes them.
    const QString shown = Language::shown();
    const QLocale locale =
        shown.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedKingdom) : QLocale(shown);
    return locale.createSeparatedList(names);
}

} // namespace TextList
