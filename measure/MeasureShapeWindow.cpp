#include "measure/MeasureShapeWindow.h"
#include "ui_MeasureShapeWindow.h"

#include "measure/MeasureGuide.h"
#include "measure/measuredresult.h"
#include "widgets/messages.h"
#include "widgets/modalwindow.h"
#include "widgets/optionbuttons.h"
#include "widgets/windowkeyboard.h"

#include <QSignalBlocker>

MeasureShapeWindow::MeasureShapeWindow() : ui(std::make_unique<Ui::MeasureShapeWindow>())
{
    ModalWindow::takeOwner(*this);
    ui->setupUi(this);
    useClassicOptionButtons(*this);
    useWindowKeyboard(*this);
    m_fields = {ui->bustEdit, ui->waistEdit, ui->highHipEdit, ui->hipsEdit};
    for (std::size_t index = 0; index < m_fields.size(); ++index) {
        QLineEdit *const field = m_fields[index];
        field->setAccessibleName(MeasureReport::fieldName(index));
        const QString whereTheTapeGoes = MeasureGuide::sentence(index);
        // As rich text, which a tooltip wraps, where a long line of plain text runs off the screen.
        field->setToolTip(QStringLiteral("<p>%1</p>").arg(whereTheTapeGoes.toHtmlEscaped()));
        field->setAccessibleDescription(whereTheTapeGoes);
        // Typed by the user, the text is the length from now on.
        connect(field, &QLineEdit::textEdited, this, [this, index](const QString &text) {
            m_entries[index] = {text, std::nullopt};
            showReport();
        });
        connect(field, &QLineEdit::textChanged, this, &MeasureShapeWindow::showReport);
    }
    // Tape measures and dress sizes follow the country: inches where it measures in them.
    const bool imperial = QLocale().measurementSystem() != QLocale::MetricSystem;
    (imperial ? ui->inchesButton : ui->centimetresButton)->setChecked(true);
    connect(ui->inchesButton, &QRadioButton::toggled, this, [this](bool inches) {
        switchUnit(inches ? FigureRules::Unit::Inches : FigureRules::Unit::Centimetres);
    });
    connect(ui->guideButton, &QPushButton::clicked, this,
            [this] { MeasureGuide::showModal(*this); });
    connect(ui->whyButton, &QPushButton::clicked, this, &MeasureShapeWindow::explainTheFourShapes);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    showReport();
}

MeasureShapeWindow::~MeasureShapeWindow() = default;

void MeasureShapeWindow::showModal(QWidget &opener)
{
    ModalWindow::showOver<MeasureShapeWindow>(opener);
}

void MeasureShapeWindow::Form_Unload()
{
    const MeasureReport::Report report = currentReport();
    if (report.tapeMeasure.isEmpty())
        return;
    MeasuredResults::remember({tr("The tape measure: %1").arg(report.tapeMeasure),
                               report.comparisonLine,
                               ui->onCardBox->isChecked() ? report.measurements : QStringList()});
}

FigureRules::Unit MeasureShapeWindow::unit() const
{
    return ui->inchesButton->isChecked() ? FigureRules::Unit::Inches
                                         : FigureRules::Unit::Centimetres;
}

MeasureReport::Report MeasureShapeWindow::currentReport() const
{
    return MeasureReport::reportOn(
        m_entries, unit(), MeasureReport::answeredShapes(modShapeTest::currentTally()), QLocale());
}

void MeasureShapeWindow::switchUnit(FigureRules::Unit to)
{
    const FigureRules::Unit from = to == FigureRules::Unit::Inches ? FigureRules::Unit::Centimetres
                                                                   : FigureRules::Unit::Inches;
    for (std::size_t index = 0; index < m_fields.size(); ++index) {
        m_entries[index] = MeasureReport::inUnit(m_entries[index], from, to, QLocale());
        const QSignalBlocker quiet(m_fields[index]);
        m_fields[index]->setText(m_entries[index].text);
    }
    showReport();
}

void MeasureShapeWindow::showReport()
{
    for (std::size_t index = 0; index < m_fields.size(); ++index)
        m_entries[index].text = m_fields[index]->text();
    const MeasureReport::Report report = currentReport();
    const std::array<std::pair<QLabel *, QString>, 4> lines{{
        {ui->shapeLabel, report.shapeLine},
        {ui->differencesLabel, report.differencesLine},
        {ui->borderlineLabel, report.borderlineLine},
        {ui->comparisonLabel, report.comparisonLine},
    }};
    // An empty line is hidden, so that a screen reader finds no bare caption.
    for (const auto &[label, text] : lines) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    }
}

void MeasureShapeWindow::explainTheFourShapes()
{
    showInformation(
        this,
        tr("The published figure rules sort four tape measurements into seven figure types: "
           "hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and "
           "rectangle. This program knows four shapes, so each type is shown as the shape whose "
           "description it fits.\n\n"
           "Hourglass: the hourglass and the top hourglass, for their defined waist, which the "
           "Cone's description rules out.\n"
           "Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, "
           "as the Spoon's description has them.\n"
           "Cone: the inverted triangle, the bust broader than the hips.\n"
           "Ruler: the rectangle, with bust, waist and hips close together.\n\n"
           "The rules are published, but they have not been validated against body scans: a "
           "centimetre at one measurement can change the type, so take the result as a guide."));
}
