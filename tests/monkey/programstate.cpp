#include "programstate.h"

#include "about/frmAbout.h"
#include "farewell/frmFarewell.h"
#include "history/HistoryWindow.h"
#include "measure/MeasureGuide.h"
#include "measure/MeasureShapeWindow.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

QString nameOf(ProgramState state)
{
    switch (state) {
    case ProgramState::Starting:
        return u"Starting"_s;
    case ProgramState::Welcome:
        return u"Welcome"_s;
    case ProgramState::Testing:
        return u"Testing"_s;
    case ProgramState::Farewell:
        return u"Farewell"_s;
    case ProgramState::Ended:
        break;
    }
    return u"Ended"_s;
}

bool mayFollow(ProgramState from, ProgramState to)
{
    if (from == to)
        return true;
    switch (from) {
    case ProgramState::Starting:
        return to == ProgramState::Welcome;
    case ProgramState::Welcome:
        return to == ProgramState::Testing || to == ProgramState::Farewell;
    case ProgramState::Testing:
        return to == ProgramState::Welcome || to == ProgramState::Farewell;
    case ProgramState::Farewell:
        return to == ProgramState::Ended;
    case ProgramState::Ended:
        break;
    }
    return false;
}

bool isProgramWindow(const QWidget *widget)
{
    return qobject_cast<const frmMain *>(widget) || qobject_cast<const frmDisplay *>(widget) ||
           qobject_cast<const frmFarewell *>(widget);
}

bool isModal(const QWidget *widget)
{
    return qobject_cast<const frmAbout *>(widget) || qobject_cast<const QMessageBox *>(widget) ||
           qobject_cast<const MeasureShapeWindow *>(widget) ||
           qobject_cast<const HistoryWindow *>(widget) ||
           qobject_cast<const MeasureGuide *>(widget) || isQtDialog(widget);
}

bool isQtDialog(const QWidget *widget)
{
    return widget->inherits("QFileDialog") || widget->inherits("QPrintDialog");
}

QString describe(const QWidget *widget)
{
    if (!widget)
        return u"(none)"_s;
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(widget->metaObject()->className());
    if (const auto *box = qobject_cast<const QMessageBox *>(widget))
        name += u" \""_s + box->text() + u'"';
    return name;
}
