#pragma once

// The welcome and questionnaire windows carry the same link menus, the same banner and the
// same two promotional labels, each leading to the same page on both.

#include "common/modHelp.h"
#include "widgets/clicklabel.h"
#include "widgets/menuitems.h"

#include <QAction>

template <class Form> void connectSharedLinks(QWidget *window, const Form &ui)
{
    connectMenuItem(ui.mnuOnline, window, &modHelp::OpenHelpPage);
    connectMenuItem(ui.mnuVisit, window, &modHelp::OpenHomePage);
    connectMenuItem(ui.mnuUpdate, window, &modHelp::OpenDownloadPage);
    connectMenuItem(ui.mnuDonate, window, &modHelp::OpenDonatePage);
    connectMenuItem(ui.mnumakemoney, window, &modHelp::OpenFullBrandPage);
    QObject::connect(ui.Label61, &ClickLabel::clicked, window, &modHelp::OpenHomePage);
    QObject::connect(ui.lblFullBrand, &ClickLabel::clicked, window, &modHelp::OpenFullBrandPage);
    QObject::connect(ui.lblCobrand, &ClickLabel::clicked, window, &modHelp::OpenCoBrandPage);
}
