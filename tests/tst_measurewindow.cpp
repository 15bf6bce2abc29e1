// Measure My Shape as a user meets it: the unit of the country, lengths that follow a unit
// switch, every line readable whole, the way through by keyboard, the explanation of the four
// shapes, and what the result card is given.

#include "controls.h"
#include "measure/MeasureShapeWindow.h"
#include "measure/measuredresult.h"
#include "messageboxes.h"
#include "testapp.h"
#include "translations/language.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QStringList Fields{u"bustEdit"_s, u"waistEdit"_s, u"highHipEdit"_s, u"hipsEdit"_s};

// "bust waist high-hip hips unit" typed as a user would, "-" for a field left alone.
MeasureShapeWindow &openAndType(const QString &row)
{
    MeasureShapeWindow &window = MeasureShapeWindow::get();
    window.show();
    QStringList values = row.split(u' ');
    const bool inches = values.takeLast() == u"in"_s;
    control<QRadioButton>(window, inches ? u"inchesButton"_s : u"centimetresButton"_s)->click();
    for (qsizetype index = 0; index < values.size(); ++index) {
        if (values[index] != u"-"_s)
            QTest::keyClicks(control<QLineEdit>(window, Fields[index]), values[index]);
    }
    control<QGroupBox>(window, u"resultFrame"_s)->layout()->activate();
    return window;
}

QString shown(MeasureShapeWindow &window, const QString &name)
{
    return control<QLabel>(window, name)->text();
}

QString fieldTexts(MeasureShapeWindow &window)
{
    QStringList texts;
    for (const QString &name : Fields)
        texts << control<QLineEdit>(window, name)->text();
    return texts.join(u' ');
}
} // namespace

class TestMeasureWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init()
    {
        QLocale::setDefault(QLocale::c());
        modShapeTest::Tally_Reset();
        MeasuredResults::forget();
    }
    void cleanup() { resetApplication(); }

    void theUnitFollowsTheCountry_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("inches");
        QTest::newRow("United States") << u"en_US"_s << true;
        QTest::newRow("Germany") << u"de_DE"_s << false;
    }

    void theUnitFollowsTheCountry()
    {
        QFETCH(QString, locale);
        QFETCH(bool, inches);
        QLocale::setDefault(QLocale(locale));
        MeasureShapeWindow &window = MeasureShapeWindow::get();
        QCOMPARE(control<QRadioButton>(window, u"inchesButton"_s)->isChecked(), inches);
        QCOMPARE(control<QRadioButton>(window, u"centimetresButton"_s)->isChecked(), !inches);
    }

    void switchingTheUnitConvertsWhatIsTyped()
    {
        // Just under the 3.6 in limit; its lengths written in inches would lie on it.
        MeasureShapeWindow &window = openAndType(u"90 70 80 99.143 cm"_s);
        QCOMPARE(shown(window, u"shapeLabel"_s), u"Measured shape: Hourglass"_s);
        control<QRadioButton>(window, u"inchesButton"_s)->click();
        QCOMPARE(fieldTexts(window), u"35.433 27.559 31.496 39.033"_s);
        QCOMPARE(shown(window, u"shapeLabel"_s), u"Measured shape: Hourglass"_s);
        QVERIFY(
            shown(window, u"differencesLabel"_s).startsWith(u"Decided by hips − bust 3.6 in"_s));
        QCOMPARE(shown(window, u"borderlineLabel"_s),
                 u"Borderline: 0.001 in less at the bust would make it Spoon (bottom hourglass). "
                 "Measure again."_s);
        // Edited, the texts are the lengths.
        for (const QString &name : {u"bustEdit"_s, u"hipsEdit"_s})
            QTest::keyClick(control<QLineEdit>(window, name), Qt::Key_Backspace);
        QTest::keyClicks(control<QLineEdit>(window, u"bustEdit"_s), u"3"_s);
        QTest::keyClicks(control<QLineEdit>(window, u"hipsEdit"_s), u"3"_s);
        QCOMPARE(shown(window, u"shapeLabel"_s), u"Measured shape: Spoon (bottom hourglass)"_s);
    }

    void aTitleAndAWayThroughByKeyboard()
    {
        MeasureShapeWindow &window = MeasureShapeWindow::get();
        QCOMPARE(window.windowTitle(), u"Measure My Shape"_s);
        QStringList order;
        QWidget *widget = control<QLineEdit>(window, Fields[0]);
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != control<QLineEdit>(window, Fields[0]));
        const QStringList rest{u"centimetresButton"_s, u"inchesButton"_s, u"onCardBox"_s,
                               u"whyButton"_s, u"closeButton"_s};
        QCOMPARE(order, Fields + rest);
    }

    void whyTheseFourIsOneKeyAway()
    {
        MeasureShapeWindow &window = openAndType(u"- - - - cm"_s);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MessageBoxAnswerer answerer;
        QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(answerer.seen().size(), 1);
        QVERIFY(answerer.seen().first().text.contains(u"seven figure types"_s));
        // An Alt+key that no access key takes types nothing.
        QTest::keyClick(control<QLineEdit>(window, u"bustEdit"_s), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(control<QLineEdit>(window, u"bustEdit"_s)->text(), QString());
    }

    // Every line at its longest: four answers tied, and lengths to the thousandth.
    void everyLineIsReadableWhole_data()
    {
        QTest::addColumn<QString>("measures");
        for (const char *row :
             {"- - - - cm", "x y 0 0 in", "a b c d cm", "0 0 0 0 in",
              "90.001 67.141 80.001 89.999 cm", "90 70 80 99.143 cm", "93.981 71.12 83.82 91.44 cm",
              "86.36 76.2 91.44 93.98 cm", "83.82 71.123 83.82 93.98 cm", "100 80 85 90.856 cm",
              "96.52 73.663 81.28 91.44 cm", "76.2 76.2 88.9 101.6 cm", "116.84 76.2 88.9 91.44 cm",
              "37.001 28 33 36 in", "34 29 36 35.602 in", "30.001 30 35 40 in",
              "38 29.001 32 36 in"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    // In English and in every language the program speaks.
    void everyLineIsReadableWhole()
    {
        QFETCH(QString, measures);
        auto english = qScopeGuard([] { Language::use(QString()); });
        for (const QString &language : QStringList{QString()} + Language::builtIn()) {
            QVERIFY(Language::use(language));
            MeasureShapeWindow &window = openAndType(measures);
            for (QLabel *label : window.findChildren<QLabel *>()) {
                if (!label->isVisible())
                    continue;
                const QSize needed =
                    label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                      : label->sizeHint();
                const QString what =
                    language + u' ' + label->objectName() + u": "_s + label->text();
                QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                         qPrintable(what));
                QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                         qPrintable(what));
                QVERIFY2(!label->text().isEmpty(), "a bare caption for a screen reader");
            }
            for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
                QVERIFY2(button->sizeHint().width() <= button->width(),
                         qPrintable(language + u' ' + button->objectName()));
            MeasureShapeWindow::unload();
        }
    }

    void theCardIsGivenWhatWasShown_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("comparison");
        QTest::newRow("without the measurements")
            << false << u"Your answers said Spoon: the tape measure agrees."_s;
        QTest::newRow("with them, the answers tied")
            << true << u"Your answers tied Hourglass and Spoon: the tape measure says Spoon."_s;
    }

    void theCardIsGivenWhatWasShown()
    {
        QFETCH(bool, ticked);
        QFETCH(QString, comparison);
        modShapeTest::Tally_CountAnswer(1, 1); // Spoon
        if (ticked)
            modShapeTest::Tally_CountAnswer(3, 1); // Hourglass
        MeasureShapeWindow &window = openAndType(u"33 28.001 33 37 in"_s);
        auto *box = control<QCheckBox>(window, u"onCardBox"_s);
        QVERIFY(!box->isChecked());
        if (ticked)
            box->click();
        MeasureShapeWindow::unload();
        const std::optional<MeasuredResult> result = MeasuredResults::last();
        QVERIFY(result);
        QCOMPARE(result->tapeMeasureLine, u"The tape measure: Spoon (triangle)"_s);
        QCOMPARE(result->comparisonLine, comparison);
        const QStringList measurements{u"Bust: 33 in"_s, u"Waist: 28.001 in"_s,
                                       u"High hip: 33 in"_s, u"Hips: 37 in"_s};
        QCOMPARE(result->measurements, ticked ? measurements : QStringList());
        // Without a shape shown nothing new is remembered.
        MeasuredResults::forget();
        openAndType(u"33 28.001 - 37 in"_s);
        MeasureShapeWindow::unload();
        QVERIFY(!MeasuredResults::last());
    }
};

QTEST_MAIN(TestMeasureWindow)
#include "tst_measurewindow.moc"
