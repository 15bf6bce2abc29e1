#include "about/frmAbout.h"
#include "ui_frmAbout.h"

#include "common/modHelp.h"
#include "common/weblinks.h"
#include "widgets/applicationicon.h"
#include "widgets/buttonclicks.h"
#include "widgets/windowframe.h"
#include "widgets/windowkeyboard.h"

frmAbout::frmAbout() : ui(std::make_unique<Ui::frmAbout>())
{
    if (s_opener)
        setParent(s_opener, windowFlags());
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
    // Owned by the opener's window: no task-bar button of its own, and kept above it. The
    // parent is given as the window is built, before its controls are made (a new parent
    // styles every control again).
    s_opener = opener.window();
    frmAbout &about = get();
    s_opener = nullptr;
    if (about.parentWidget() != opener.window())
        about.setParent(opener.window(), about.windowFlags());
    useFixedSingleBorder(about, about.size());
    about.exec();
    // Esc closes a dialog without a close event; the window is discarded all the same.
    unload();
}

void frmAbout::cmdOK_Click()
{
    unload();
}
