#include "measure/MeasureShapeWindow.h"
#include "ui_MeasureShapeWindow.h"

#include "history/keepinhistory.h"
#include "measure/MeasureGuide.h"
#include "widgets/messages.h"
#include "widgets/modalwindow.h"
#include "widgets/optionbuttons.h"
#include "widgets/windowkeyboard.h"

#include <QSignalBlocker>
#include <algorithm>

MeasureShapeWindow::MeasureShapeWindow()
    : ui(std::make_unique<Ui::MeasureShapeWindow>()),
      m_answered(MeasureReport::answeredShapes(modShapeTest::currentTally()))
{
    ModalWindow::takeOwner(*this);
    ui->setupUi(this);
    useClassicOptionButtons(*this);
    useWindowKeyboard(*this);
    m_fields = {ui->bustEdit,   ui->bustEdit2,   ui->bustEdit3,    ui->waistEdit,    ui->waistEdit2,
                ui->waistEdit3, ui->highHipEdit, ui->highHipEdit2, ui->highHipEdit3, ui->hipsEdit,
                ui->hipsEdit2,  ui->hipsEdit3,   ui->heightEdit};
    for (std::size_t index = 0; index < m_fields.size(); ++index) {
        QLineEdit *const field = m_fields[index];
        const std::size_t measurement = index / MeasureReport::ReadingCount;
        const QString name = MeasureReport::fieldName(measurement);
        const std::size_t reading = index % MeasureReport::ReadingCount;
        //: %1 names a measurement, e.g. Waist
        const QString second = tr("%1, second reading").arg(name);
        //: %1 names a measurement, e.g. Waist
        const QString third = tr("%1, third reading").arg(name);
        field->setAccessibleName(reading == 1 ? second : reading == 2 ? third : name);
        if (measurement < MeasureReport::FieldCount) {
            // As rich text, which a tooltip wraps, where a long line of plain text runs off the
            // screen.
            field->setToolTip(QStringLiteral("<p>%1</p>")
                                  .arg(MeasureGuide::sentence(measurement).toHtmlEscaped()));
        }
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
    connect(ui->keepButton, &QPushButton::clicked, this, [this] {
        const MeasureReport::Report report = currentReport();
        History::keepTyped(*this,
                           {report.keptGirths, report.keptHeight, unit(),
                            m_answered.isEmpty() ? std::nullopt : std::optional(m_answered.first()),
                            report.measuredShape});
    });
    showReport();
}

MeasureShapeWindow::~MeasureShapeWindow() = default;

std::optional<MeasuredResult> MeasureShapeWindow::showModal(QWidget &opener, Answers answers)
{
    std::optional<MeasuredResult> result;
    ModalWindow::showOver<MeasureShapeWindow>(
        opener,
        [answers](MeasureShapeWindow &window) {
            if (answers == Answers::None) {
                window.m_answered.clear();
                window.showReport();
            }
        },
        [&result](MeasureShapeWindow &window) { result = window.resultForTheCard(); });
    return result;
}

std::optional<MeasuredResult> MeasureShapeWindow::resultForTheCard() const
{
    const MeasureReport::Report report = currentReport();
    if (!ui->onCardBox->isChecked() || report.tapeMeasure.isEmpty())
        return std::nullopt;
    //: %1 is the shape the tape measure gave, e.g. Spoon (triangle)
    return MeasuredResult{tr("The tape measure: %1").arg(report.tapeMeasure), report.comparisonLine,
                          report.measurements};
}

FigureRules::Unit MeasureShapeWindow::unit() const
{
    return ui->inchesButton->isChecked() ? FigureRules::Unit::Inches
                                         : FigureRules::Unit::Centimetres;
}

MeasureReport::Report MeasureShapeWindow::currentReport() const
{
    return MeasureReport::reportOn(m_entries, unit(), m_answered, QLocale());
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
    const std::array<std::pair<QLabel *, QString>, 7> lines{{
        {ui->shapeLabel, report.shapeLine},
        {ui->readingsMessage, report.readingsLine},
        {ui->differencesLabel, report.differencesLine},
        {ui->borderlineLabel, report.borderlineLine},
        {ui->steadinessLabel, report.steadinessLine},
        {ui->ratiosLabel, report.ratiosLine},
        {ui->comparisonLabel, report.comparisonLine},
    }};
    // An empty line is hidden, so that a screen reader finds no bare caption.
    QStringList heard;
    for (const auto &[label, text] : lines) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
        if (!text.isEmpty())
            heard << text;
    }
    // A screen reader speaks the description of the control in use as it changes: once anything
    // is typed, each field and unit button carries what the tape measure says, a field its hint
    // after it.
    if (std::ranges::all_of(m_fields,
                            [](const QLineEdit *field) { return field->text().isEmpty(); }))
        heard.clear();
    const auto describe = [](QWidget *control, const QString &description) {
        if (control->accessibleDescription() != description)
            control->setAccessibleDescription(description);
    };
    // A field's own words after them: where its tape goes, as the guide says, or the height's
    // hint.
    for (std::size_t index = 0; index < m_fields.size(); ++index) {
        const std::size_t measurement = index / MeasureReport::ReadingCount;
        const QString own = measurement < MeasureReport::FieldCount
                                ? MeasureGuide::sentence(measurement)
                                : ui->heightHint->text();
        describe(m_fields[index], (heard + QStringList(own)).join(u'\n'));
    }
    for (QRadioButton *unit : {ui->centimetresButton, ui->inchesButton})
        describe(unit, heard.join(u'\n'));
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
