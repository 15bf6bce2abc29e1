#include "resultcard/resultcardactions.h"

#include "resultcard/qtdialogtraces.h"
#include "resultcard/resultcard.h"
#include "resultcard/resultcardfile.h"
#include "shapetest/frmMain.h"
#include "widgets/messages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace ResultCard {

namespace {

QString askForFile(QWidget *parent, const QString &suggested)
{
    const QtDialogTraces traces;
    return QFileDialog::getSaveFileName(parent, u"Save Result As"_s, suggested,
                                        u"PDF document (*.pdf);;PNG picture (*.png)"_s);
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

ResultCardData currentResult()
{
    const frmMain &welcome = frmMain::get();
    const modShapeTest::ShapeIndex shape = modShapeTest::Tally_ChooseShape();
    return {welcome.firstName(), QDate::currentDate(), shape, modShapeTest::currentTally(),
            welcome.IMG().largestImage(modShapeTest::Shape_Result(shape).intPictureIndex)};
}

void saveResultAs(QWidget &parent)
{
    const ResultCardData data = currentResult();
    // Watched: should the window be discarded while a dialog is up, the next goes without it.
    const QPointer<QWidget> window(&parent);
    QString chosen = askForFile(window, QDir(documentsFolder()).filePath(suggestedFileName(data)));
    // The dialog asked before replacing the file it was given, but not one whose name gets
    // .pdf added here: ask again with that name, so nothing is replaced unasked.
    while (!chosen.isEmpty() && cardFilePath(chosen) != chosen &&
           QFileInfo::exists(cardFilePath(chosen)))
        chosen = askForFile(window, cardFilePath(chosen));
    if (chosen.isEmpty())
        return;
    QString error;
    if (!saveResultCard(data, chosen, &error)) {
        showStop(window, u"The result could not be saved as \"%1\".\n\n%2"_s.arg(
                             QDir::toNativeSeparators(cardFilePath(chosen)), error));
    }
}

void printResult(QWidget &parent)
{
    const ResultCardData data = currentResult();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(u"ZV Tamsilo"_s);
    {
        const QtDialogTraces traces; // it has a file dialog of its own, for printing to a file
        // On the heap and watched, as it goes with the window should that be discarded.
        const QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, &parent);
        dialog->setWindowTitle(u"Print Result"_s);
        const bool accepted = dialog->exec() == QDialog::Accepted;
        delete dialog;
        if (!accepted)
            return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        showStop(&parent, u"The result could not be printed."_s);
        return;
    }
    // The painter starts at the corner of the printable area.
    paint(painter, QRectF(0, 0, printer.width(), printer.height()), data);
    painter.end();
}

} // namespace ResultCard
