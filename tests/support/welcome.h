#pragma once

// Steps on the welcome window that many tests begin with.

#include <QString>

class frmMain;

// Shows the welcome window and makes it the active one.
frmMain &showWelcome();

// From a fresh start: types the name on the welcome window and starts the test.
void startTest(const QString &name = QStringLiteral("ann"));
