#include "about/frmAbout.h"
#include "ui_frmAbout.h"

#include "common/modHelp.h"
#include "common/weblinks.h"
#include "widgets/applicationicon.h"
#include "widgets/buttonclicks.h"
#include "widgets/modalwindow.h"
#include "widgets/windowframe.h"
#include "widgets/windowkeyboard.h"

frmAbout::frmAbout() : ui(std::make_unique<Ui::frmAbout>())
{
    ModalWindow::takeOwner(*this);
    useCloseBoxOnly(*this);
    ui->setupUi(this);
    sharpenIconPicture(*ui->Picture1);
    ui->lblHomePage->setText(ui->lblHomePage->text().arg(WebLinks::homePage()));
    for (QLabel *sizedToText : {ui->Label2, static_cast<QLabel *>(ui->lblCoBrand),
                                static_cast<QLabel *>(ui->lblHomePage)})
        sizedToText->adjustSize();
    for (ClickLabel *link : {ui->lblHomePage, ui->lblCoBrand})
        link->useHandCursor();
    connectClick(ui->cmdOK, this, &frmAbout::cmdOK_Click);
    connect(ui->lblHomePage, &ClickLabel::clicked, this, &modHelp::OpenHomePage);
    // It stands under the full-branding offer, so it leads there.
    connect(ui->lblCoBrand, &ClickLabel::clicked, this, &modHelp::OpenFullBrandPage);
    useWindowKeyboard(*this);
}

frmAbout::~frmAbout() = default;

void frmAbout::showModal(QWidget &opener)
{
    ModalWindow::showOver<frmAbout>(opener);
}

void frmAbout::cmdOK_Click()
{
    unload();
}
