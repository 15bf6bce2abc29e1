#pragma once

// The questionnaire window: four question pages on top of each other, then the results page in
// the same place. Each Next counts its page's answer; the fourth fills the results page from
// the winning shape's record, taking the picture from the welcome window's image list.

#include "common/windowmodel.h"
#include "measure/measuredresult.h"
#include "shapetest/modShapeTest.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class QRadioButton;

namespace Ui {
class frmDisplay;
}

class frmDisplay : public Form<frmDisplay, QMainWindow> {
    Q_OBJECT

public:
    ~frmDisplay() override;

    // Puts the first question page in front of the other pages and of the results page.
    void showFirstQuestionPage();

private:
    friend class Form<frmDisplay, QMainWindow>;
    frmDisplay();

    using AnswerButtons = std::array<QRadioButton *, modShapeTest::AnswerCount>;

    void cmdNext1_Click();
    void cmdNext2_Click();
    void cmdNext3_Click();
    void cmdNext4_Click();
    void cmdBack_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void Form_Unload() override;
    void measureShape();

    void countQuestion(int question);
    // The box around a question page's answers.
    QWidget &answerGroup(int question) const;
    void showQuestionPage(int question);
    void bringAreaToFront(QWidget &area);
    void focusAnswersOf(int question);
    void showPicture(const QPixmap &picture);
    void updateResultsMenuItems();

    std::unique_ptr<Ui::frmDisplay> ui;
    std::array<AnswerButtons, modShapeTest::QuestionCount> m_answers{};
    // What the measure window put on the card on this visit of the results page.
    std::optional<MeasuredResult> m_measured;
    // Going back leads to the welcome window, not to the farewell window.
    bool m_goingBack = false;
};
