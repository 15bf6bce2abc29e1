// What a screen reader meets: every control that can take the focus, and every picture, on
// every window has a name. And what the eye meets: controls that stand out from their
// background, and pictures as sharp as the screen.

#include "about/frmAbout.h"
#include "farewell/frmFarewell.h"
#include "measure/MeasureShapeWindow.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "welcome.h"
#include "widgets/handcursor.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <cmath>

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

// Contrast ratio of two colours, as the usual accessibility rules measure it (gamma 2.2).
double contrast(const QColor &one, const QColor &other)
{
    const auto luminance = [](const QColor &c) {
        return 0.2126 * std::pow(c.redF(), 2.2) + 0.7152 * std::pow(c.greenF(), 2.2) +
               0.0722 * std::pow(c.blueF(), 2.2) + 0.05;
    };
    return std::max(luminance(one), luminance(other)) / std::min(luminance(one), luminance(other));
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

    void theAnswerCirclesStandOutFromTheirBackground()
    {
        startTest();
        const QColor background(0x404040);
        QColor face[2];
        for (const bool chosen : {false, true}) {
            auto *button =
                frmDisplay::get().findChild<QRadioButton *>(chosen ? u"optQa_0"_s : u"optQa_1"_s);
            const QImage shot = button->grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() - 1, 0), background);
            // Inward from the left along the middle: the outermost two pixels of the circle.
            int x = 0, y = shot.height() / 2;
            while (x < shot.width() - 2 && contrast(shot.pixelColor(x, y), background) < 1.2)
                ++x;
            const double ring = std::min(contrast(shot.pixelColor(x, y), background),
                                         contrast(shot.pixelColor(x + 1, y), background));
            QVERIFY2(ring >= 3.0, qPrintable(u"ring %1:1"_s.arg(ring, 0, 'f', 2)));
            const int diameter = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
            face[chosen] = shot.pixelColor(x + int(diameter * shot.devicePixelRatio() / 2), y);
        }
        QVERIFY2(contrast(face[false], background) >= 3.0, "the circle is dark");
        QVERIFY2(contrast(face[true], face[false]) >= 3.0, "the dot cannot be seen");
    }

    void aHighDensityScreenGetsTheDoubleSizePictures()
    {
        // The pictures are chosen for the screen the program starts on.
        if (qApp->devicePixelRatio() <= 1.0)
            QSKIP("run with QT_SCALE_FACTOR=2 to check the double-size pictures");
        const QPixmap spoon = frmMain::get().IMG().picture(4);
        QCOMPARE(spoon.devicePixelRatio(), 2.0);
        QCOMPARE(spoon.deviceIndependentSize().toSize(), QSize(84, 271));
        for (QLabel *icon : {frmAbout::get().findChild<QLabel *>(u"Picture1"_s),
                             frmFarewell::get().findChild<QLabel *>(u"Picture1"_s)})
            QCOMPARE(icon->pixmap().size(), QSize(64, 64));
        // The hand clicks with the tip of its finger, the dark outline at the top of it.
        QCOMPARE(handCursor().pixmap().toImage().pixelColor(handCursor().hotSpot()), Qt::black);
        const QImage hand = handCursor().pixmap().toImage();
        QCOMPARE(hand.pixelColor(handHotSpot(2.0, true)), Qt::black);
        QCOMPARE(hand.pixelColor(handHotSpot(2.0, false) * 2), Qt::black);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
