#include "shapetest/frmDisplay.h"
#include "ui_frmDisplay.h"

#include "common/modHelp.h"
#include "common/windowfont.h"
#include "common/windowframe.h"
#include "farewell/frmFarewell.h"

frmDisplay::frmDisplay() : ui(std::make_unique<Ui::frmDisplay>())
{
    ui->setupUi(this);
    useVerdanaFont(*this);
    useFixedSingleBorder(*this, {553, 400});
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::ShowFirstQuestionPage()
{
    ui->fra1->raise();
    ui->fraQuestion->raise();
}

void frmDisplay::Form_Unload()
{
    if (modHelp::ShutdownUnderway())
        return;
    frmFarewell::get().show();
}
