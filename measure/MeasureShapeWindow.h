#pragma once

// Measure My Shape: the user types four tape measurements and sees, as they type, the shape
// the figure rules give and whether it agrees with the shape the answers gave. Nothing typed
// here is kept. It opens modally over the questionnaire window's results page.
//
// On every keystroke the four texts and the unit go to MeasureReport, which reads them as
// lengths and asks FigureRules for the figure; the window shows the three lines it returns.

#include "common/windowmodel.h"
#include "measure/figurerules.h"

#include <QDialog>
#include <memory>

namespace Ui {
class MeasureShapeWindow;
}

class MeasureShapeWindow : public Form<MeasureShapeWindow, QDialog> {
    Q_OBJECT

public:
    ~MeasureShapeWindow() override;

    // Opens the window modally over `opener` and returns once it is closed and unloaded.
    static void showModal(QWidget &opener);

private:
    friend class Form<MeasureShapeWindow, QDialog>;
    MeasureShapeWindow();

    FigureRules::Unit unit() const;
    void showReport();

    std::unique_ptr<Ui::MeasureShapeWindow> ui;
};
