#pragma once

// A list of names as a sentence says it, in the language the program speaks: "Bust",
// "Ruler and Cone", "Ruler, Hourglass and Spoon".

#include <QString>
#include <QStringList>

namespace TextList {

// Up to four names, the most any list of the program holds.
QString listOf(const QStringList &names);

// The same names as alternatives: "Ruler or Cone", "Ruler, Hourglass or Spoon".
QString alternativesOf(const QStringList &names);

} // namespace TextList
