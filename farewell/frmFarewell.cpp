#include "farewell/frmFarewell.h"
#include "ui_frmFarewell.h"

#include "common/modHelp.h"
#include "common/windowframe.h"

frmFarewell::frmFarewell() : ui(std::make_unique<Ui::frmFarewell>())
{
    ui->setupUi(this);
    useFixedSingleBorder(*this, {741, 315});
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmFarewell::cmdClose_Click);
}

frmFarewell::~frmFarewell() = default;

void frmFarewell::cmdClose_Click()
{
    modHelp::EndApplication();
}

void frmFarewell::Form_Unload()
{
    modHelp::EndApplication();
}
