#pragma once

// Writing the result card to a file: a PDF document or a PNG picture, told apart by the
// file name's extension.

#include "resultcard/resultcard.h"

#include <QSize>
#include <QString>

namespace ResultCard {

// A4 at 150 dots per inch: sharp on paper, small enough to send.
inline constexpr int PictureDpi = 150;
inline constexpr QSize PictureSize{1240, 1754};

// "MARY - Spoon.pdf"; "Spoon.pdf" when the name is blank.
QString suggestedFileName(const ResultCardData &data);

// The file the card goes to: as chosen when it ends in .pdf or .png (in any case), with .pdf
// added otherwise.
QString cardFilePath(const QString &chosen);

} // namespace ResultCard

// Writes the card to `path` as cardFilePath() names it; an existing file there is replaced
// only once the new one is complete. On failure `error` says why.
bool saveResultCard(const ResultCardData &data, const QString &path, QString *error);
