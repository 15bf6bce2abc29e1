#pragma once

// How to measure: where each of the four tapes goes, as a picture of a figure with the tape at
// its landmark and a sentence or two a person can follow alone with a tape. The measure window's
// fields take their tooltips and descriptions from the same sentences. It opens modally over the
// measure window.

#include "common/windowmodel.h"

#include <QDialog>
#include <memory>

namespace Ui {
class MeasureGuide;
}

class MeasureGuide : public Form<MeasureGuide, QDialog> {
    Q_OBJECT

public:
    ~MeasureGuide() override;

    // Opens the window modally over `opener` and returns once it is closed and unloaded.
    static void showModal(QWidget &opener);

    // Where the tape goes for the measure window's field `index` (bust, waist, high hip, hips).
    static QString sentence(std::size_t index);

private:
    friend class Form<MeasureGuide, QDialog>;
    MeasureGuide();

    static QString pictureName(std::size_t index);

    std::unique_ptr<Ui::MeasureGuide> ui;
};
