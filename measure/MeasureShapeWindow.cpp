#include "measure/MeasureShapeWindow.h"
#include "ui_MeasureShapeWindow.h"

#include "measure/measurereport.h"
#include "widgets/modalwindow.h"
#include "widgets/optionbuttons.h"

MeasureShapeWindow::MeasureShapeWindow() : ui(std::make_unique<Ui::MeasureShapeWindow>())
{
    ModalWindow::takeOwner(*this);
    ui->setupUi(this);
    useClassicOptionButtons(*this);
    const std::array<QLineEdit *, 4> fields{ui->bustEdit, ui->waistEdit, ui->highHipEdit,
                                            ui->hipsEdit};
    const std::array<QLabel *, 4> hints{ui->bustHint, ui->waistHint, ui->highHipHint, ui->hipsHint};
    for (std::size_t index = 0; index < fields.size(); ++index) {
        fields[index]->setAccessibleName(MeasureReport::FieldNames[index]);
        fields[index]->setAccessibleDescription(hints[index]->text());
        connect(fields[index], &QLineEdit::textChanged, this, &MeasureShapeWindow::showReport);
    }
    // Tape measures and dress sizes follow the country: inches where it measures in them.
    const bool imperial = QLocale::system().measurementSystem() != QLocale::MetricSystem;
    (imperial ? ui->inchesButton : ui->centimetresButton)->setChecked(true);
    connect(ui->inchesButton, &QRadioButton::toggled, this, &MeasureShapeWindow::showReport);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    showReport();
}

MeasureShapeWindow::~MeasureShapeWindow() = default;

void MeasureShapeWindow::showModal(QWidget &opener)
{
    ModalWindow::showOver<MeasureShapeWindow>(opener);
}

FigureRules::Unit MeasureShapeWindow::unit() const
{
    return ui->inchesButton->isChecked() ? FigureRules::Unit::Inches
                                         : FigureRules::Unit::Centimetres;
}

void MeasureShapeWindow::showReport()
{
    const MeasureReport::Report report =
        MeasureReport::reportOn({ui->bustEdit->text(), ui->waistEdit->text(),
                                 ui->highHipEdit->text(), ui->hipsEdit->text()},
                                unit(), modShapeTest::Tally_ChooseShape());
    ui->shapeLabel->setText(report.shapeLine);
    ui->differencesLabel->setText(report.differencesLine);
    ui->comparisonLabel->setText(report.comparisonLine);
}
