#include "common/textlist.h"

#include <QCoreApplication>
#include <array>

namespace TextList {

QString listOf(const QStringList &names)
{
    static constexpr std::array<const char *, 3> Lists{
        QT_TRANSLATE_NOOP("TextList", "%1 and %2"), QT_TRANSLATE_NOOP("TextList", "%1, %2 and %3"),
        QT_TRANSLATE_NOOP("TextList", "%1, %2, %3 and %4")};
    if (names.size() < 2)
        return names.value(0);
    const auto form = std::size_t(qMin(names.size(), qsizetype(Lists.size()) + 1) - 2);
    QString list = QCoreApplication::translate("TextList", Lists[form]);
    for (const QString &name : names.first(qsizetype(form) + 2))
        list = list.arg(name);
    return list;
}

} // namespace TextList
