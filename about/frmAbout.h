#pragma once

// The about window: names the product and its version, describes it, and leads to the maker's
// home page and to the full-branding offer. It opens modally over the window that asked for it.

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

    // Opens the window modally over `opener` and returns once it is closed and unloaded.
    static void showModal(QWidget &opener);

private:
    friend class Form<frmAbout, QDialog>;
    frmAbout();

    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
