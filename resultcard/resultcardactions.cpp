#include "resultcard/resultcardactions.h"

#include "common/ondemand.h"
#include "resultcard/cardprinting.h"
#include "resultcard/qtdialogtraces.h"
#include "resultcard/resultcard.h"
#include "resultcard/resultcardfile.h"
#include "widgets/imagelist.h"
#include "widgets/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace ResultCard {

namespace {

QString filterOf(FileType type)
{
    return type == FileType::Png
               ? QCoreApplication::translate("ResultCard", "PNG picture (*.png)")
               : QCoreApplication::translate("ResultCard", "PDF document (*.pdf)");
}

// The name typed into the dialog, and the type chosen there in `type`.
QString askForFile(QWidget *parent, const QString &suggested, FileType &type)
{
    const QtDialogTraces traces;
    QString filter = filterOf(type);
    const QString typed = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("ResultCard", "Save Result As"), suggested,
        filterOf(FileType::Pdf) + u";;"_s + filterOf(FileType::Png), &filter);
    type = filter == filterOf(FileType::Png) ? FileType::Png : FileType::Pdf;
    return typed;
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

ResultCardData currentResult(const QString &firstName, const ImageList &pictures,
                             const std::optional<MeasuredResult> &measured)
{
    const modShapeTest::ShapeIndex shape = modShapeTest::Tally_ChooseShape();
    return {firstName,
            QDate::currentDate(),
            shape,
            modShapeTest::currentTally(),
            pictures.largestImage(modShapeTest::Shape_Result(shape).intPictureIndex),
            measured};
}

void saveResultAs(QWidget &parent, const QString &firstName, const ImageList &pictures,
                  const std::optional<MeasuredResult> &measured)
{
    const ResultCardData data = currentResult(firstName, pictures, measured);
    // Watched: should the window be discarded while a dialog is up, the next goes without it.
    const QPointer<QWidget> window(&parent);
    FileType type = FileType::Pdf;
    QString typed =
        askForFile(window, QDir(documentsFolder()).filePath(suggestedFileName(data)), type);
    // The dialog asked before replacing the file it was given, but not one whose name gets
    // an extension added here: ask again with that name, so nothing is replaced unasked.
    while (!typed.isEmpty() && cardFile(typed, type).path != typed &&
           QFileInfo::exists(cardFile(typed, type).path))
        typed = askForFile(window, cardFile(typed, type).path, type);
    if (typed.isEmpty())
        return;
    const CardFile file = cardFile(typed, type);
    QString error;
    if (!saveResultCard(data, file, &error)) {
        //: %1 is the file's full path, e.g. /home/anna/Documents/Body shape result.pdf; %2 is
        //: the system's reason, e.g. "Permission denied"
        showStop(window, QCoreApplication::translate(
                             "ResultCard", "The result could not be saved as \"%1\".\n\n%2")
                             .arg(QDir::toNativeSeparators(file.path), error));
    }
}

void printResult(QWidget &parent, const QString &firstName, const ImageList &pictures,
                 const std::optional<MeasuredResult> &measured)
{
    const ResultCardData data = currentResult(firstName, pictures, measured);
    const auto print =
        reinterpret_cast<PrintCardEntry>(OnDemand::resolve("zv-tamsilo-printing", PrintCardSymbol));
    if (!print) {
        showStop(&parent,
                 QCoreApplication::translate("ResultCard", "The result could not be printed."));
        return;
    }
    const QtDialogTraces traces; // it has a file dialog of its own, for printing to a file
    const auto outcome = static_cast<CardPrinting::Outcome>(
        print(parent, QCoreApplication::translate("ResultCard", "Print Result"), Margin,
              [&data](QPainter &painter, const QRectF &area) {
                  paintWithinMargin(painter, area, data);
              }));
    if (outcome == CardPrinting::Outcome::Failed)
        showStop(&parent,
                 QCoreApplication::translate("ResultCard", "The result could not be printed."));
}

} // namespace ResultCard
