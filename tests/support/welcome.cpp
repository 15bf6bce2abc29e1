#include "welcome.h"

#include "controls.h"
#include "shapetest/frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

frmMain &showWelcome()
{
    frmMain &window = frmMain::get();
    window.show();
    QApplication::setActiveWindow(&window);
    return window;
}

void startTest(const QString &name)
{
    frmMain &window = showWelcome();
    auto *box = control<QLineEdit>(window, QStringLiteral("txtFirstName"));
    box->setFocus();
    QTest::keyClicks(box, name);
    control<QPushButton>(window, QStringLiteral("cmdNext"))->click();
}
