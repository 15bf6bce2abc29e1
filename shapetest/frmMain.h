#pragma once

// The welcome window: asks for a first name and starts the body-shape test. It owns the
// image list IMG with the four shape pictures that the results page shows, which is why it
// stays loaded, hidden, while a test runs.

#include "common/windowmodel.h"
#include "widgets/imagelist.h"

#include <QMainWindow>
#include <memory>

namespace Ui {
class frmMain;
}

class frmMain : public Form<frmMain, QMainWindow> {
    Q_OBJECT

public:
    ~frmMain() override;

    const ImageList &IMG() const { return m_IMG; }
    // The name as typed. The result card is the one reader; the program never stores it.
    QString firstName() const;

    // The two promotional labels share one place; the one in front is the one seen.
    void bringCobrandToFront();
    void bringFullBrandToFront();

private:
    friend class Form<frmMain, QMainWindow>;
    frmMain();

    void txtFirstName_KeyPress(int &KeyAscii);
    bool CheckFirstName();
    void cmdNext_Click();
    void mnuNext_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void Form_Unload() override;

    std::unique_ptr<Ui::frmMain> ui;
    ImageList m_IMG;
};
