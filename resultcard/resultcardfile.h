#pragma once

// Writing the result card to a file: a PDF document or a PNG picture, told apart by the
// typed name's extension or, where that names neither, by the type chosen in the save dialog.

#include "resultcard/resultcard.h"

#include <QSize>
#include <QString>

namespace ResultCard {

// A4 at 300 dots per inch, the same across and down: as sharp on paper as the PDF.
inline constexpr int PictureDpi = 300;
inline constexpr QSize PictureSize{2480, 3508};

enum class FileType { Pdf, Png };

struct CardFile {
    QString path;
    FileType type = FileType::Pdf;
};

// "MARY - Spoon.pdf"; "Spoon.pdf" when the name is blank.
QString suggestedFileName(const ResultCardData &data);

// The file the card goes to: a typed .pdf or .png (in any case) decides the type and the name
// stays as typed; any other name gets the chosen type's extension added.
CardFile cardFile(const QString &typed, FileType chosen);

} // namespace ResultCard

// Writes the card to `file`; an existing file there is replaced only once the new one is
// complete. On failure `error` says why.
bool saveResultCard(const ResultCardData &data, const ResultCard::CardFile &file, QString *error);
