#include "controls.h"
#include "measure/MeasureShapeWindow.h"
#include "measure/measuredresult.h"
#include "testapp.h"
#include "translations/language.h"
#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// "bust waist high-hip hips unit" typed as a user would; "in" chooses inches.
static MeasureShapeWindow &openAndType(const QString &row)
{
    MeasureShapeWindow &window = MeasureShapeWindow::get();
    window.show();
    if (row.endsWith(u"in"_s))
        control<QAbstractButton>(window, u"inchesButton"_s)->click();
    QStringList values = row.split(u' ');
    for (const QString &field : {u"bustEdit"_s, u"waistEdit"_s, u"highHipEdit"_s, u"hipsEdit"_s})
        QTest::keyClicks(control<QLineEdit>(window, field), values.takeFirst());
    control<QWidget>(window, u"resultFrame"_s)->layout()->activate();
    return window;
}

class TestMeasureWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { resetApplication(); }

    // The longest lines, four answers tied, in English and in every language the program speaks.
    void everyLineIsReadableWhole()
    {
        for (const QString &language : QStringList{QString()} + Language::builtIn()) {
            QVERIFY(Language::use(language));
            for (const QString &row : {u"x y 0 0 in"_s, u"90.001 67.141 80.001 89.999 cm"_s,
                                       u"90 70 80 99.143 cm"_s, u"30.001 30 35 40 in"_s}) {
                for (QLabel *label : openAndType(row).findChildren<QLabel *>()) {
                    const bool fits = label->wordWrap()
                                          ? label->heightForWidth(label->width()) <= label->height()
                                          : label->rect().contains(QRect({}, label->sizeHint()));
                    QVERIFY2(!label->isVisible() ||
                                 (fits &&
                                  label->parentWidget()->rect().contains(label->geometry()) &&
                                  !label->text().isEmpty()),
                             qPrintable(language + u' ' + row + u' ' + label->objectName()));
                }
                MeasureShapeWindow::unload();
            }
        }
        Language::use(QString());
    }

    // In an American's inches the card's lines, box unticked and ticked; a German's centimetres
    // just under a limit keep their shape in inches; an unused Alt+key types nothing; Tab order.
    void aUserMeetsTheWindow()
    {
        QLocale::setDefault(QLocale(u"en_US"_s));
        for (const bool ticked : {false, true}) {
            openAndType(u"33 28.001 33 37 -"_s);
            if (ticked)
                control<QAbstractButton>(MeasureShapeWindow::get(), u"onCardBox"_s)->click();
            MeasureShapeWindow::unload();
            const MeasuredResult card = MeasuredResults::last().value();
            QCOMPARE(card.tapeMeasureLine, u"The tape measure: Spoon (triangle)"_s);
            QCOMPARE(card.measurements.join(u", "),
                     ticked ? u"Bust: 33 in, Waist: 28.001 in, High hip: 33 in, Hips: 37 in"_s
                            : QString());
        }
        QLocale::setDefault(QLocale(u"de_DE"_s));
        MeasureShapeWindow &window = openAndType(u"90 70 80 99,143 cm"_s);
        control<QAbstractButton>(window, u"inchesButton"_s)->click();
        QTest::keyClick(control<QLineEdit>(window, u"hipsEdit"_s), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(control<QLineEdit>(window, u"hipsEdit"_s)->text(), u"39,033"_s);
        QCOMPARE(control<QLabel>(window, u"shapeLabel"_s)->text(), u"Measured shape: Hourglass"_s);
        QString order;
        for (QWidget *w = &window; !order.contains(u"closeButton"_s); w = w->nextInFocusChain())
            order += w->focusPolicy() & Qt::TabFocus ? w->objectName() + u' ' : QString();
        QCOMPARE(order, u"bustEdit waistEdit highHipEdit hipsEdit centimetresButton inchesButton "
                        "onCardBox keepButton whyButton closeButton "_s);
    }
};

QTEST_MAIN(TestMeasureWindow)
#include "tst_measurewindow.moc"
