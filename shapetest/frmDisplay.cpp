#include "shapetest/frmDisplay.h"
#include "ui_frmDisplay.h"

#include "about/frmAbout.h"
#include "common/modHelp.h"
#include "common/weblinks.h"
#include "farewell/frmFarewell.h"
#include "history/HistoryWindow.h"
#include "measure/MeasureShapeWindow.h"
#include "resultcard/resultcardactions.h"
#include "shapetest/frmMain.h"
#include "shapetest/modShapeTest.h"
#include "shapetest/sharedlinks.h"
#include "translations/language.h"
#include "widgets/buttonclicks.h"
#include "widgets/menuitems.h"
#include "widgets/mirroredforms.h"
#include "widgets/optionbuttons.h"
#include "widgets/pagestack.h"
#include "widgets/windowframe.h"
#include "widgets/windowkeyboard.h"

#include <span>

using namespace Qt::StringLiterals;

namespace {
// The first selected button in index order; none when no button is selected.
std::optional<int> chosenAnswer(std::span<QRadioButton *const> buttons)
{
    for (int index = 0; index < int(buttons.size()); ++index) {
        if (buttons[index]->isChecked())
            return index;
    }
    return std::nullopt;
}

// What a screen reader says for the results page's picture.
QString pictureName(const QString &shapeName)
{
    //: What a screen reader says for the result's picture: %1 is the shape's name, e.g. Spoon.
    //: Keep the name where grammar need not agree with it, e.g. "Silhouette of the shape «%1»".
    return QCoreApplication::translate("frmDisplay", "Silhouette of the %1 body shape")
        .arg(shapeName);
}

// What a screen reader calls a page's answers: the question they answer, and where it stands.
QString questionTitle(int question, const QString &text)
{
    //: What a screen reader says for a page's answers. %1 is the question's number, e.g. 2; %2
    //: is how many questions there are, 4; %3 is the question, e.g. "Which part of your body
    //: are you thinnest at?"
    return QCoreApplication::translate("frmDisplay", "Question %1 of %2: %3")
        .arg(question)
        .arg(modShapeTest::QuestionCount)
        .arg(text);
}

// What a screen reader says when the results page comes forward.
QString resultHeard(const modShapeTest::ShapeResult &result)
{
    //: What a screen reader says on the results page. %1 is the shape's name, e.g. Spoon; %2 is
    //: the shape's description, a paragraph of several sentences.
    return QCoreApplication::translate("frmDisplay", "Your body shape: %1. %2")
        .arg(result.strShapeName, result.strDescription);
}
} // namespace

frmDisplay::frmDisplay() : ui(std::make_unique<Ui::frmDisplay>())
{
    useCloseBoxOnly(*this);
    ui->setupUi(this);
    m_answers = {{{ui->optQa_0, ui->optQa_1, ui->optQa_2, ui->optQa_3},
                  {ui->optQb_0, ui->optQb_1, ui->optQb_2, ui->optQb_3},
                  {ui->optQc_0, ui->optQc_1, ui->optQc_2, ui->optQc_3},
                  {ui->optQd_0, ui->optQd_1, ui->optQd_2, ui->optQd_3}}};
    useFixedSingleBorder(*this, ui->centralwidget->minimumSize());
    useClassicOptionButtons(*this);
    ui->Label61->setText(ui->Label61->text().arg(WebLinks::homeSiteName()));
    // The texts come from the scoring table, where each caption stands beside the shape it
    // counts toward.
    const std::array<QLabel *, modShapeTest::QuestionCount> questions{
        ui->lblQuestion1, ui->lblQuestion2, ui->lblQuestion3, ui->lblQuestion4};
    for (int question = 1; question <= modShapeTest::QuestionCount; ++question) {
        const modShapeTest::Question &entry = modShapeTest::QuestionAt(question);
        questions[question - 1]->setText(entry.text);
        for (int answer = 0; answer < modShapeTest::AnswerCount; ++answer)
            m_answers[question - 1][answer]->setText(entry.answers[answer]);
        // A screen reader names the answers after the box around them: the question, not
        // "Answer".
        answerGroup(question).setAccessibleName(questionTitle(question, entry.text));
    }
    // Until a result is shown, the results page speaks of the Cone, whose picture the form holds.
    const modShapeTest::ShapeResult &cone = modShapeTest::Shape_Result(modShapeTest::Cone);
    ui->lblCelebrities->setText(Language::inReadingDirection(cone.strCelebrities));
    ui->picBodyShape->setAccessibleName(pictureName(cone.strShapeName));
    for (ClickLabel *link : {ui->Label61, ui->lblCobrand, ui->lblFullBrand})
        link->useHandCursor();
    showFirstQuestionPage();
    ui->cmdBack->setFocus();

    connectClick(ui->cmdNext1, this, &frmDisplay::cmdNext1_Click);
    connectClick(ui->cmdNext2, this, &frmDisplay::cmdNext2_Click);
    connectClick(ui->cmdNext3, this, &frmDisplay::cmdNext3_Click);
    connectClick(ui->cmdNext4, this, &frmDisplay::cmdNext4_Click);
    connectClick(ui->cmdBack, this, &frmDisplay::cmdBack_Click);
    connectMenuItem(ui->mnuBack, this, &frmDisplay::mnuBack_Click);
    connectMenuItem(ui->mnuExit, this, &frmDisplay::mnuExit_Click);
    connectMenuItem(ui->mnuAbout, this, &frmDisplay::mnuAbout_Click);
    connectMenuItem(ui->mnuMeasureShape, this, &frmDisplay::measureShape);
    connectMenuItem(ui->mnuHistory, this, [this] { HistoryWindow::showModal(*this); });
    connectMenuItem(ui->mnuSaveResult, this, [this] {
        ResultCard::saveResultAs(*this, frmMain::get().firstName(), frmMain::get().IMG(),
                                 m_measured);
    });
    connectMenuItem(ui->mnuPrintResult, this, [this] {
        ResultCard::printResult(*this, frmMain::get().firstName(), frmMain::get().IMG(),
                                m_measured);
    });
    connectSharedLinks(this, *ui);
    useWindowKeyboard(*this);
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::showFirstQuestionPage()
{
    showQuestionPage(1);
    bringAreaToFront(*ui->fraQuestion);
}

QWidget &frmDisplay::answerGroup(int question) const
{
    return *m_answers[question - 1][0]->parentWidget();
}

void frmDisplay::showQuestionPage(int question)
{
    const std::array<QWidget *, modShapeTest::QuestionCount> pages{ui->fra1, ui->fra2, ui->fra3,
                                                                   ui->fra4};
    bringPageToFront(*pages[question - 1], {ui->fra1, ui->fra2, ui->fra3, ui->fra4});
    // The page opens with the focus on Back, and a screen reader speaks the description of
    // what has the focus: there it hears which question this is.
    ui->cmdBack->setAccessibleDescription(answerGroup(question).accessibleName());
}

void frmDisplay::focusAnswersOf(int question)
{
    // The arrow keys then choose among the new page's answers straight away.
    for (QRadioButton *answer : m_answers[question - 1]) {
        if (answer->isChecked()) {
            answer->setFocus();
            return;
        }
    }
    m_answers[question - 1][0]->setFocus();
}

void frmDisplay::bringAreaToFront(QWidget &area)
{
    bringPageToFront(area, {ui->fraQuestion, ui->fraAnswer});
    // What was measured belongs to one visit of the results page.
    m_measured.reset();
    if (&area == ui->fraAnswer) {
        // The question area's background shows through the strip above the results page's
        // frame, beside its title; the area stays, only its pages go.
        ui->fraQuestion->show();
        for (QWidget *page : {ui->fra1, ui->fra2, ui->fra3, ui->fra4})
            page->hide();
    }
    updateResultsMenuItems();
}

// What works on a result is offered only while the results page is in front (the only page
// that is enabled then).
void frmDisplay::updateResultsMenuItems()
{
    const bool onResults = ui->fraAnswer->isEnabled();
    for (QAction *item : {ui->mnuMeasureShape, ui->mnuSaveResult, ui->mnuPrintResult})
        item->setEnabled(onResults);
}

void frmDisplay::countQuestion(int question)
{
    modShapeTest::Tally_CountAnswer(question, chosenAnswer(m_answers[question - 1]));
}

void frmDisplay::cmdNext1_Click()
{
    countQuestion(1);
    showQuestionPage(2);
    focusAnswersOf(2);
}

void frmDisplay::cmdNext2_Click()
{
    countQuestion(2);
    showQuestionPage(3);
    focusAnswersOf(3);
}

void frmDisplay::cmdNext3_Click()
{
    countQuestion(3);
    showQuestionPage(4);
    focusAnswersOf(4);
}

void frmDisplay::cmdNext4_Click()
{
    // Filled before it comes forward, so that neither the eye nor a screen reader ever meets
    // the results page half filled or its form's texts.
    countQuestion(4);
    const modShapeTest::ShapeResult &result =
        modShapeTest::Shape_Result(modShapeTest::Tally_ChooseShape());
    ui->lblBodyShape->setText(result.strShapeName);
    adjustSizeFromLeadingEdge(*ui->lblBodyShape);
    showPicture(frmMain::get().IMG().picture(result.intPictureIndex));
    ui->picBodyShape->setAccessibleName(pictureName(result.strShapeName));
    ui->lblDesc->setText(result.strDescription);
    // The names stand among translated texts and read in their direction.
    ui->lblCelebrities->setText(Language::inReadingDirection(result.strCelebrities));
    // Heard as the focus comes to Back, or at once if it is there already.
    ui->cmdBack->setAccessibleDescription(resultHeard(result));
    bringAreaToFront(*ui->fraAnswer);
    ui->cmdBack->setFocus();
}

void frmDisplay::showPicture(const QPixmap &picture)
{
    // The box takes the size of its picture, inside the border its style sheet gives it.
    QLabel &box = *ui->picBodyShape;
    box.setPixmap(picture);
    resizeFromLeadingEdge(box, picture.deviceIndependentSize().toSize() + box.size() -
                                   box.contentsRect().size());
}

void frmDisplay::cmdBack_Click()
{
    frmMain::get().show();
    m_goingBack = true;
    unload();
    if (frmFarewell::isLoaded())
        frmFarewell::get().hide();
}

void frmDisplay::mnuBack_Click()
{
    cmdBack_Click();
}

void frmDisplay::mnuExit_Click()
{
    unload();
}

void frmDisplay::mnuAbout_Click()
{
    frmAbout::showModal(*this);
}

void frmDisplay::measureShape()
{
    // What the window showed last replaces what an earlier one showed, nothing included.
    m_measured = MeasureShapeWindow::showModal(*this);
}

void frmDisplay::Form_Unload()
{
    if (modHelp::shutdownUnderway() || m_goingBack)
        return;
    frmFarewell::get().show();
}
