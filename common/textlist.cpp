#include "common/textlist.h"

#include "translations/language.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace TextList {

namespace {
QString joined(const QStringList &names, const std::array<const char *, 3> &forms)
{
    if (names.size() < 2)
        return names.value(0);
    const auto form = std::size_t(qMin(names.size(), qsizetype(forms.size()) + 1) - 2);
    QString list = QCoreApplication::translate("TextList", forms[form]);
    for (const QString &name : names.first(qsizetype(form) + 2))
        list = list.arg(name);
    return list;
}
} // namespace

QString listOf(const QStringList &names)
{
    // The program's English lists have no comma before "and", as British English writes them.
    const QString shown = Language::shown();
    const QLocale locale =
        shown.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedKingdom) : QLocale(shown);
    return locale.createSeparatedList(names);
}

QString alternativesOf(const QStringList &names)
{
    static constexpr std::array<const char *, 3> Lists{
        //: Names of which any one may hold, e.g. Hourglass or Ruler
        QT_TRANSLATE_NOOP("TextList", "%1 or %2"),
        //: Names of which any one may hold, e.g. Hourglass, Ruler or Cone
        QT_TRANSLATE_NOOP("TextList", "%1, %2 or %3"),
        //: Names of which any one may hold, e.g. Ruler, Hourglass, Cone or none of the four
        QT_TRANSLATE_NOOP("TextList", "%1, %2, %3 or %4")};
    return joined(names, Lists);
}

} // namespace TextList
