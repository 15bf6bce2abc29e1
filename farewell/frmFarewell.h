#pragma once

// The farewell window, the last one the user sees. It asks the user to visit the maker's
// forum (one of four requests, drawn when the window loads), offers a button to the maker's
// site and a panel about the maker's other programs, and carries the refer-a-friend form.
// It stays above every other window of the desktop; closing it in any way ends the program.
//
// A referral: cmdSubmit_Click stores the five texts, trimmed, in modTellAFriend and checks the
// two addresses; modTellAFriend::SendTellAFriend checks the rest and opens the refer-a-friend
// address that referAFriendAddress builds from them.

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

    void Form_Load() override;
    void Form_Unload() override;
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void txtEmail_KeyPress(int &KeyAscii);
    void txtFriendEmail_KeyPress(int &KeyAscii);
    void cmdSubmit_Click();

    void makeTopmost();

    std::unique_ptr<Ui::frmFarewell> ui;
};
