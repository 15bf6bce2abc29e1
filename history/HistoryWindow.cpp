#include "history/HistoryWindow.h"
#include "ui_HistoryWindow.h"

#include "history/historyfiles.h"
#include "measure/measurereport.h"
#include "resultcard/qtdialogtraces.h"
#include "widgets/messages.h"
#include "widgets/modalwindow.h"
#include "widgets/optionbuttons.h"
#include "widgets/windowframe.h"
#include "widgets/windowkeyboard.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QSaveFile>
#include <QTimer>

using namespace Qt::StringLiterals;
using FigureRules::Unit;
using History::Entry;

namespace {
// A file larger than this is no history the program wrote.
constexpr qint64 LargestImport = 16 * 1024 * 1024;

QString shapeCell(std::optional<modShapeTest::ShapeIndex> shape)
{
    return shape ? QString(modShapeTest::Shape_Result(*shape).strShapeName) : QString();
}
// The other columns share the room left evenly, but never narrower than their heading: one
// that would be keeps its heading's width, and the rest share what is left.
void keepHeadingsWhole(QTableWidget &table)
{
    table.ensurePolished();
    QHeaderView &header = *table.horizontalHeader();
    // Less room for a scroll bar, which many entries bring.
    const int room = table.width() - 2 * table.frameWidth() -
                     table.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &table);
    for (bool fixedOne = true; fixedOne;) {
        fixedOne = false;
        int left = room, shared = 0;
        for (int column = 0; column < header.count(); ++column) {
            const bool fixed = header.sectionResizeMode(column) == QHeaderView::Fixed;
            left -= fixed ? header.sectionSize(column) : 0;
            shared += !fixed;
        }
        for (int column = 0; column < header.count() && shared > 0; ++column) {
            if (header.sectionResizeMode(column) == QHeaderView::Stretch &&
                header.sectionSizeHint(column) > left / shared) {
                header.setSectionResizeMode(column, QHeaderView::Fixed);
                header.resizeSection(column, header.sectionSizeHint(column));
                fixedOne = true;
            }
        }
    }
}
} // namespace

HistoryWindow::HistoryWindow()
    : ui(std::make_unique<Ui::HistoryWindow>()), m_store(HistoryStore::open())
{
    ModalWindow::takeOwner(*this);
    useCloseBoxOnly(*this);
    ui->setupUi(this);
    useClassicOptionButtons(*this);
    useWindowKeyboard(*this);
    //: %1 is the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite
    ui->keptLabel->setText(
        tr("Kept here is what you kept with \"Keep in My History\" in Measure My Shape, and "
           "nothing else: the date, the four measurements and the height as you typed them, "
           "their unit, and the shapes the tape measure and your answers gave. It stays on "
           "this computer, in %1. Delete All removes that file.")
            .arg(QDir::toNativeSeparators(m_store->path())));
    ui->keptLabel->setAccessibleName(ui->keptLabel->text());
    ui->entriesTable->setColumnCount(8);
    QStringList headers;
    for (std::size_t index = 0; index < History::GirthCount; ++index)
        headers << MeasureReport::fieldName(index);
    headers.prepend(tr("Date"));
    headers << tr("Height") << tr("Tape measure") << tr("Answers");
    ui->entriesTable->setHorizontalHeaderLabels(headers);
    ui->entriesTable->verticalHeader()->hide();
    // The date column as wide as the longest date; measuring every row's would take long.
    QHeaderView &header = *ui->entriesTable->horizontalHeader();
    header.setSectionResizeMode(QHeaderView::Stretch);
    header.setSectionResizeMode(0, QHeaderView::Fixed);
    header.resizeSection(
        0, std::max(header.fontMetrics().horizontalAdvance(headers[0]),
                    ui->entriesTable->fontMetrics().horizontalAdvance(
                        QLocale().toString(QDate(2026, 12, 28), QLocale::ShortFormat))) +
               16);
    keepHeadingsWhole(*ui->entriesTable);

    const bool imperial = QLocale().measurementSystem() != QLocale::MetricSystem;
    (imperial ? ui->inchesButton : ui->centimetresButton)->setChecked(true);
    connect(ui->inchesButton, &QRadioButton::toggled, this, &HistoryWindow::showEntries);
    connect(ui->deleteButton, &QPushButton::clicked, this, &HistoryWindow::deleteChosen);
    connect(ui->deleteAllButton, &QPushButton::clicked, this, &HistoryWindow::deleteAll);
    connect(ui->exportButton, &QPushButton::clicked, this, &HistoryWindow::chooseExport);
    connect(ui->importButton, &QPushButton::clicked, this, &HistoryWindow::chooseImport);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    reload();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::showModal(QWidget &opener)
{
    ModalWindow::showOver<HistoryWindow>(opener, [](HistoryWindow &window) {
        // Said once the window is up, so the message stands over it.
        if (!window.m_readable)
            QTimer::singleShot(0, &window,
                               [&window] { showStop(&window, window.m_store->error()); });
    });
}

Unit HistoryWindow::unit() const
{
    return ui->inchesButton->isChecked() ? Unit::Inches : Unit::Centimetres;
}

void HistoryWindow::reload()
{
    const std::optional<QList<Entry>> entries = m_store->entries();
    m_readable = entries.has_value();
    m_entries = entries.value_or(QList<Entry>());
    showEntries();
}

void HistoryWindow::showEntries()
{
    const QLocale locale;
    const Unit shownIn = unit();
    QTableWidget &table = *ui->entriesTable;
    table.setUpdatesEnabled(false);
    table.clearContents();
    table.setRowCount(int(m_entries.size()));
    for (int row = 0; row < int(m_entries.size()); ++row) {
        const Entry &entry = m_entries[row];
        QStringList cells{locale.toString(entry.date, QLocale::ShortFormat)};
        for (const QString &girth : entry.girths)
            cells << History::shownLength(girth, entry.unit, shownIn, locale);
        cells << (entry.height.isEmpty()
                      ? QString()
                      : History::shownLength(entry.height, entry.unit, shownIn, locale))
              << shapeCell(entry.measuredShape) << shapeCell(entry.answersShape);
        for (int column = 0; column < int(cells.size()); ++column)
            table.setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    if (!m_entries.isEmpty())
        table.setCurrentCell(int(m_entries.size()) - 1, 0);
    table.setUpdatesEnabled(true);
    //: %Ln is the number of entries kept, e.g. 3
    table.setAccessibleDescription(tr("%Ln entries", nullptr, int(m_entries.size())));
    ui->chart->showEntries(m_entries, shownIn);
    // What changes the file waits for a file this program can read.
    ui->deleteButton->setEnabled(m_readable && !m_entries.isEmpty());
    ui->deleteAllButton->setEnabled(m_readable && !m_entries.isEmpty());
    ui->exportButton->setEnabled(!m_entries.isEmpty());
    ui->importButton->setEnabled(m_readable);
}

void HistoryWindow::deleteChosen()
{
    const int row = ui->entriesTable->currentRow();
    if (row < 0 || row >= m_entries.size())
        return;
    //: %1 is the entry's date, e.g. 07/12/2026
    if (!askYesNo(this, tr("Delete the entry of %1 from My History? It cannot be brought back.")
                            .arg(QLocale().toString(m_entries[row].date, QLocale::ShortFormat))))
        return;
    if (!m_store->remove(m_entries[row].id))
        showStop(this, m_store->error());
    reload();
    ui->entriesTable->setFocus();
}

void HistoryWindow::deleteAll()
{
    //: %Ln is the number of entries, e.g. 3; %1 the history file, e.g.
    //: /home/anna/.local/share/zv-tamsilo/history.sqlite
    if (!askYesNo(this, tr("Delete all %Ln entries of My History? The file %1 is removed and "
                           "cannot be brought back.",
                           nullptr, int(m_entries.size()))
                            .arg(QDir::toNativeSeparators(m_store->path()))))
        return;
    if (!m_store->removeAll())
        showStop(this, m_store->error());
    reload();
    ui->closeButton->setFocus();
}

void HistoryWindow::chooseExport()
{
    const QString csv = tr("CSV file (*.csv)");
    const QString json = tr("JSON file (*.json)");
    QString chosen = csv;
    QString path;
    {
        // The program keeps nothing of where an export went.
        const QtDialogTraces traces;
        path = QFileDialog::getSaveFileName(this, tr("Export My History"),
                                            QDir::home().filePath(u"my-history.csv"_s),
                                            csv + u";;"_s + json, &chosen);
    }
    if (path.isEmpty())
        return;
    // A name that ends in neither gets the extension of the type chosen.
    if (!path.endsWith(u".csv"_s, Qt::CaseInsensitive) &&
        !path.endsWith(u".json"_s, Qt::CaseInsensitive))
        path += chosen == json ? u".json"_s : u".csv"_s;
    exportTo(path);
}

bool HistoryWindow::exportTo(const QString &path)
{
    QSaveFile file(path);
    const QByteArray bytes = path.endsWith(u".json"_s, Qt::CaseInsensitive)
                                 ? HistoryFiles::toJson(m_entries)
                                 : HistoryFiles::toCsv(m_entries);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        //: %1 is the file chosen, e.g. /home/anna/my-history.csv; %2 what the system said,
        //: e.g. Permission denied
        showStop(this, tr("My History could not be exported to %1: %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    //: %Ln is the number of entries, e.g. 3; %1 the file, e.g. /home/anna/my-history.csv
    showInformation(this, tr("%Ln entries exported to %1.", nullptr, int(m_entries.size()))
                              .arg(QDir::toNativeSeparators(path)));
    return true;
}

void HistoryWindow::chooseImport()
{
    QString path;
    {
        const QtDialogTraces traces;
        path = QFileDialog::getOpenFileName(this, tr("Import into My History"), QDir::homePath(),
                                            tr("CSV file (*.csv)"));
    }
    if (!path.isEmpty())
        importFrom(path);
}

bool HistoryWindow::importFrom(const QString &path)
{
    QFile file(path);
    QString problem;
    HistoryFiles::CsvReading reading;
    if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else if (file.size() > LargestImport)
        problem = tr("It is larger than any history.");
    else
        reading = HistoryFiles::fromCsv(file.read(LargestImport));
    if (problem.isEmpty())
        problem = reading.error;
    int added = 0;
    if (problem.isEmpty() && !m_store->keepAll(reading.entries, &added))
        problem = m_store->error();
    if (!problem.isEmpty()) {
        //: %1 is the file chosen, e.g. /home/anna/my-history.csv; %2 why, e.g. Line 3: "7.12.2026"
        //: is not a date written as 2026-12-07. (or the system's own words, e.g. Permission denied)
        showStop(
            this,
            tr("Nothing was imported from %1.\n\n%2").arg(QDir::toNativeSeparators(path), problem));
        return false;
    }
    reload();
    //: %Ln is the number of entries added, e.g. 2; those already kept are not added again
    showInformation(this, tr("%Ln entries added to My History.", nullptr, added));
    return true;
}
