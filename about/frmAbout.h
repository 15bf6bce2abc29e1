#pragma once

// The about window: names the product and its version, opened modally from the Help menus.

#include "common/windowmodel.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

class frmAbout : public Form<frmAbout, QDialog> {
    Q_OBJECT

public:
    ~frmAbout() override;

    // Opens the window modally and returns once it is closed and unloaded.
    static void ShowModal();

private:
    friend class Form<frmAbout, QDialog>;
    frmAbout();

    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
