#include "app/windowwarmup.h"
#include "ui_frmDisplay.h"
#include "ui_frmFarewell.h"

#include "widgets/programfont.h"

#include <QImage>
#include <QMainWindow>
#include <QWidget>

namespace {
void drawOffScreen(QWidget &form)
{
    QImage canvas(form.size(), QImage::Format_ARGB32_Premultiplied);
    form.render(&canvas);
}
} // namespace

void warmUpLaterWindows()
{
    {
        QMainWindow questionnaire;
        Ui::frmDisplay form;
        form.setupUi(&questionnaire);
        drawOffScreen(questionnaire);
    }
    {
        QWidget farewell;
        useMsSansSerifFont(farewell);
        Ui::frmFarewell form;
        form.setupUi(&farewell);
        drawOffScreen(farewell);
    }
}
