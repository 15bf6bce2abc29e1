// What a screen reader meets: every control that can take the focus, and every picture, on
// every window has a name.

#include "about/frmAbout.h"
#include "farewell/frmFarewell.h"
#include "measure/MeasureShapeWindow.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "welcome.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

bool isPicture(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    return label && !label->pixmap().isNull();
}

// The focusable controls and pictures of a window that a screen reader could not name.
QStringList namelessControls(QWidget &window)
{
    QStringList nameless;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const bool focusable = widget->focusPolicy() & Qt::TabFocus;
        if ((focusable || isPicture(widget)) && accessibleName(widget).trimmed().isEmpty())
            nameless << widget->objectName();
    }
    return nameless;
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { resetApplication(); }

    void everyWindowNamesItsControlsAndPictures()
    {
        QCOMPARE(namelessControls(frmMain::get()), QStringList());
        QCOMPARE(namelessControls(frmDisplay::get()), QStringList());
        QCOMPARE(namelessControls(frmFarewell::get()), QStringList());
        QCOMPARE(namelessControls(frmAbout::get()), QStringList());
        QCOMPARE(namelessControls(MeasureShapeWindow::get()), QStringList());
    }

    void theResultsPictureSaysWhichShapeItShows()
    {
        startTest();
        frmDisplay &display = frmDisplay::get();
        const QStringList choices{u"optQa_1"_s, u"optQb_1"_s, u"optQc_2"_s, u"optQd_2"_s};
        for (int page = 1; page <= 4; ++page) {
            display.findChild<QRadioButton *>(choices[page - 1])->click();
            display.findChild<QPushButton *>(u"cmdNext"_s + QString::number(page))->click();
        }
        QCOMPARE(accessibleName(display.findChild<QLabel *>(u"picBodyShape"_s)),
                 u"Silhouette of the Spoon body shape"_s);
    }

    void aHighDensityScreenGetsTheDoubleSizePictures()
    {
        // The pictures are chosen for the screen the program starts on.
        if (qApp->devicePixelRatio() <= 1.0)
            QSKIP("run with QT_SCALE_FACTOR=2 to check the double-size pictures");
        const QPixmap spoon = frmMain::get().IMG().picture(4);
        QCOMPARE(spoon.devicePixelRatio(), 2.0);
        QCOMPARE(spoon.deviceIndependentSize().toSize(), QSize(84, 271));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
