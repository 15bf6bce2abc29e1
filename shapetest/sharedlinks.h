#pragma once

// The welcome and questionnaire windows carry the same link menus, the same banner and the
// same two promotional labels, each leading to the same page on both.

#include "common/modHelp.h"
#include "widgets/clicklabel.h"

#include <QAction>

template <class Form> void connectSharedLinks(QObject *window, const Form &ui)
{
    QObject::connect(ui.mnuOnline, &QAction::triggered, window, &modHelp::OpenHelpPage);
    QObject::connect(ui.mnuVisit, &QAction::triggered, window, &modHelp::OpenHomePage);
    QObject::connect(ui.mnuUpdate, &QAction::triggered, window, &modHelp::OpenDownloadPage);
    QObject::connect(ui.mnuDonate, &QAction::triggered, window, &modHelp::OpenDonatePage);
    QObject::connect(ui.mnumakemoney, &QAction::triggered, window, &modHelp::OpenFullBrandPage);
    QObject::connect(ui.Label61, &ClickLabel::clicked, window, &modHelp::OpenHomePage);
    QObject::connect(ui.lblFullBrand, &ClickLabel::clicked, window, &modHelp::OpenFullBrandPage);
    QObject::connect(ui.lblCobrand, &ClickLabel::clicked, window, &modHelp::OpenCoBrandPage);
}
