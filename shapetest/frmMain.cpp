#include "shapetest/frmMain.h"
#include "ui_frmMain.h"

#include "about/frmAbout.h"
#include "common/modHelp.h"
#include "common/weblinks.h"
#include "farewell/frmFarewell.h"
#include "history/HistoryWindow.h"
#include "measure/MeasureShapeWindow.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/modShapeTest.h"
#include "shapetest/namerule.h"
#include "shapetest/sharedlinks.h"
#include "widgets/buttonclicks.h"
#include "widgets/keypress.h"
#include "widgets/menuitems.h"
#include "widgets/messages.h"
#include "widgets/windowframe.h"
#include "widgets/windowkeyboard.h"

using namespace Qt::StringLiterals;

namespace {
// Said for a refused key and for a refused paste alike.
void refuseNonLetter()
{
    //: Refuses a character typed or pasted into the first-name box. In English the box takes
    //: A to Z only; in this language it takes A to Z and this language's own letters too
    //: (German: Ä, Ö, Ü, ß; Russian: А to Я and Ё). Say exactly that.
    showInformation(&frmMain::get(),
                    QCoreApplication::translate("frmMain", "Please Enter Only Alphabet"));
}
} // namespace

frmMain::frmMain() : ui(std::make_unique<Ui::frmMain>())
{
    useCloseBoxOnly(*this);
    ui->setupUi(this);
    useFixedSingleBorder(*this, ui->centralwidget->minimumSize());
    ui->Label61->setText(ui->Label61->text().arg(WebLinks::homeSiteName()));
    ui->Label1->adjustSize();
    for (ClickLabel *link : {ui->Label61, ui->lblFullBrand, ui->lblCobrand})
        link->useHandCursor();

    // Alphabetical by key, which is not the order of the shapes.
    m_IMG.add(u"cone.jpg"_s, u":/assets/cone.gif"_s, u":/assets/cone@2x.png"_s);
    m_IMG.add(u"hourglass.jpg"_s, u":/assets/hourglass.gif"_s, u":/assets/hourglass@2x.png"_s);
    m_IMG.add(u"ruler.jpg"_s, u":/assets/ruler.gif"_s, u":/assets/ruler@2x.png"_s);
    m_IMG.add(u"spoon.jpg"_s, u":/assets/spoon.gif"_s, u":/assets/spoon@2x.png"_s);

    new KeyPressFilter(*ui->txtFirstName,
                       [this](int &KeyAscii) { txtFirstName_KeyPress(KeyAscii); });
    auto *validator = new NameValidator(ui->txtFirstName);
    ui->txtFirstName->setValidator(validator);
    keepNameRule(*ui->txtFirstName);
    useNameBoxMenu(*ui->txtFirstName);
    // Queued: the refused paste has to finish before a message box may run its own loop.
    connect(validator, &NameValidator::refused, this, &refuseNonLetter, Qt::QueuedConnection);

    connectClick(ui->cmdNext, this, &frmMain::cmdNext_Click);
    connectClick(ui->cmdExit, this, &frmMain::cmdExit_Click);
    connectMenuItem(ui->mnuNext, this, &frmMain::mnuNext_Click);
    connectMenuItem(ui->mnuExit, this, &frmMain::mnuExit_Click);
    connectMenuItem(ui->mnuAbout, this, &frmMain::mnuAbout_Click);
    // Measured from here, there are no answers to compare with.
    connectMenuItem(ui->mnuMeasureShape, this, [this] {
        MeasureShapeWindow::showModal(*this, MeasureShapeWindow::Answers::None);
    });
    connectMenuItem(ui->mnuHistory, this, [this] { HistoryWindow::showModal(*this); });
    connectSharedLinks(this, *ui);
    connect(ui->Label2, &ClickLabel::clicked, this, &modHelp::OpenFullBrandPage);
    useWindowKeyboard(*this);
}

frmMain::~frmMain() = default;

QString frmMain::firstName() const
{
    return ui->txtFirstName->text();
}

void frmMain::bringCobrandToFront()
{
    ui->lblCobrand->raise();
}

void frmMain::bringFullBrandToFront()
{
    ui->lblFullBrand->raise();
}

void frmMain::txtFirstName_KeyPress(int &KeyAscii)
{
    KeyAscii = nameKeyCharacter(KeyAscii);
    if (KeyAscii == 0)
        refuseNonLetter();
}

bool frmMain::CheckFirstName()
{
    // Not trimmed: a name of spaces only is a name.
    if (ui->txtFirstName->text().isEmpty()) {
        showInformation(this, tr("Please Enter Your Name"));
        ui->txtFirstName->setFocus();
        return false;
    }
    return true;
}

void frmMain::cmdNext_Click()
{
    if (!CheckFirstName())
        return;
    frmDisplay::get().showFirstQuestionPage();
    modShapeTest::Tally_Reset();
    hide();
    // Only a farewell window already up needs hiding; loading one just to hide it would flash
    // it on screen.
    if (frmFarewell::isLoaded())
        frmFarewell::get().hide();
    frmDisplay::get().show();
}

void frmMain::mnuNext_Click()
{
    cmdNext_Click();
}

void frmMain::cmdExit_Click()
{
    unload();
}

void frmMain::mnuExit_Click()
{
    cmdExit_Click();
}

void frmMain::mnuAbout_Click()
{
    frmAbout::showModal(*this);
}

void frmMain::Form_Unload()
{
    // During the shutdown the farewell window is on its way out too.
    if (modHelp::shutdownUnderway())
        return;
    frmFarewell::get().show();
}
