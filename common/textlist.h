#pragma once

// A list of names as a sentence says it, in the language the program shows, as QLocale lists
// it there: "Bust", "Ruler and Cone", "Ruler, Hourglass and Spoon".

#include <QString>
#include <QStringList>

namespace TextList {

QString listOf(const QStringList &names);

// The same names as alternatives: "Ruler or Cone", "Ruler, Hourglass or Spoon".
QString alternativesOf(const QStringList &names);

} // namespace TextList
