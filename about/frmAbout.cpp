#include "about/frmAbout.h"
#include "ui_frmAbout.h"

#include "common/windowframe.h"

frmAbout::frmAbout() : ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    useFixedSingleBorder(*this, {455, 258});
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::ShowModal()
{
    get().exec();
    // Esc closes a dialog without a close event; the window is discarded all the same.
    unload();
}

void frmAbout::cmdOK_Click()
{
    unload();
}
