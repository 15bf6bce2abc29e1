#pragma once

// A list of names as a sentence says it, in the language the program shows, as QLocale lists
// it there: "Bust", "Ruler and Cone", "Ruler, Hourglass and Spoon".

#include <QString>
#include <QStringList>

namespace TextList {

QString listOf(const QStringList &names);

} // namespace TextList
