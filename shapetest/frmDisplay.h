#pragma once

// The questionnaire window: the four question pages and the results page.

#include "common/windowmodel.h"

#include <QMainWindow>
#include <memory>

namespace Ui {
class frmDisplay;
}

class frmDisplay : public Form<frmDisplay, QMainWindow> {
    Q_OBJECT

public:
    ~frmDisplay() override;

    // Puts the first question page in front of the other pages and of the results page.
    void ShowFirstQuestionPage();

private:
    friend class Form<frmDisplay, QMainWindow>;
    frmDisplay();

    void Form_Unload() override;

    std::unique_ptr<Ui::frmDisplay> ui;
};
