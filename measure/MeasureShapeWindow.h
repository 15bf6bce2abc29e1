#pragma once

// Measure My Shape: the user types four tape measurements, each up to three times, and sees, as
// they type, the shape the figure rules give, what decided it, how near it lies to another, how
// steady it is, the waist's ratios, and whether it agrees with the shape the answers gave.
// Nothing typed here is kept. It opens modally over the questionnaire window's results page.
//
// On every keystroke the fields and the unit go to MeasureReport, which reads them as
// lengths and asks FigureRules for the figure; the window shows the lines it returns. Switching
// the unit rewrites every field in the other unit, to a thousandth, and keeps the length behind
// each until that field is edited, so that switching back shows what was typed; the report reads
// only what the fields show. When the window closes with a shape shown and the box ticked that puts
// it on the card, it returns what it showed to the window that opened it.

#include "common/windowmodel.h"
#include "measure/figurerules.h"
#include "measure/measuredresult.h"
#include "measure/measurereport.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class MeasureShapeWindow;
}
class QLineEdit;

class MeasureShapeWindow : public Form<MeasureShapeWindow, QDialog> {
    Q_OBJECT

public:
    ~MeasureShapeWindow() override;

    // Where the window was opened from: the results page, with the answers' shape to compare
    // with, or the welcome window, with none.
    enum class Answers { FromTheTest, None };

    // Opens the window modally over `opener` and returns, once it is closed and unloaded, the
    // tape measure's result for the card: none unless a shape was shown and the box ticked.
    static std::optional<MeasuredResult> showModal(QWidget &opener,
                                                   Answers answers = Answers::FromTheTest);

private:
    friend class Form<MeasureShapeWindow, QDialog>;
    MeasureShapeWindow();

    FigureRules::Unit unit() const;
    MeasureReport::Report currentReport() const;
    std::optional<MeasuredResult> resultForTheCard() const;
    void switchUnit(FigureRules::Unit to);
    void showReport();
    void explainTheFourShapes();

    std::unique_ptr<Ui::MeasureShapeWindow> ui;
    std::array<QLineEdit *, MeasureReport::EntryCount> m_fields{};
    MeasureReport::Entries m_entries;
    QList<modShapeTest::ShapeIndex> m_answered;
};
