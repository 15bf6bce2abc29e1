#pragma once

// The farewell window, the last one the user sees: closing it in any way ends the program.

#include "common/windowmodel.h"

#include <QWidget>
#include <memory>

namespace Ui {
class frmFarewell;
}

class frmFarewell : public Form<frmFarewell, QWidget> {
    Q_OBJECT

public:
    ~frmFarewell() override;

private:
    friend class Form<frmFarewell, QWidget>;
    frmFarewell();

    void cmdClose_Click();
    void Form_Unload() override;

    std::unique_ptr<Ui::frmFarewell> ui;
};
