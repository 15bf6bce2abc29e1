#include "controls.h"
#include "measure/MeasureGuide.h"
#include "measure/MeasureShapeWindow.h"
#include "measure/measuredresult.h"
#include "testapp.h"
#include "translations/language.h"
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

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
                        "guideButton onCardBox whyButton closeButton "_s);
    }

    // The button opens the guide, Tab reads it from the first tape on, Escape closes it; each
    // field's tooltip and description say what the guide says under that tape's picture, in
    // English and in German.
    void theGuideSaysWhereEachTapeGoes()
    {
        const QStringList tapes{u"bust"_s, u"waist"_s, u"highHip"_s, u"hips"_s};
        for (const QString &language : {QString(), u"de"_s}) {
            QVERIFY(Language::use(language));
            MeasureShapeWindow &window = MeasureShapeWindow::get();
            window.show();
            QStringList sentences;
            QString tabOrder;
            bool escapeClosed = true;
            QTimer whileOpen;
            whileOpen.callOnTimeout([&] {
                QWidget *guide = QApplication::activeModalWidget();
                if (!guide || guide->objectName() != u"MeasureGuide"_s)
                    return;
                if (!sentences.isEmpty()) {
                    escapeClosed = false;
                    guide->close();
                    return;
                }
                for (const QString &tape : tapes)
                    sentences << control<QLabel>(*guide, tape + u"Sentence"_s)->text();
                // Offscreen, no window becomes active by itself, and Tab moves only in one.
                QApplication::setActiveWindow(guide);
                for (int step = 0; step < 6; ++step) {
                    tabOrder += guide->focusWidget()->objectName() + u' ';
                    QTest::keyClick(guide->focusWidget(), Qt::Key_Tab);
                }
                QTest::keyClick(guide, Qt::Key_Escape);
            });
            whileOpen.start(10);
            control<QAbstractButton>(window, u"guideButton"_s)->click();
            whileOpen.stop();
            QVERIFY(escapeClosed && !MeasureGuide::isLoaded());
            QCOMPARE(QSet<QString>(sentences.begin(), sentences.end()).size(), tapes.size());
            QCOMPARE(tabOrder, u"bustSentence waistSentence highHipSentence hipsSentence "
                               "readingsNote closeButton "_s);
            for (qsizetype tape = 0; tape < tapes.size(); ++tape) {
                auto *field = control<QLineEdit>(window, tapes[tape] + u"Edit"_s);
                QCOMPARE(QTextDocumentFragment::fromHtml(field->toolTip()).toPlainText(),
                         sentences[tape]);
                QCOMPARE(field->accessibleDescription(), sentences[tape]);
            }
            MeasureShapeWindow::unload();
        }
        Language::use(QString());
    }
};

QTEST_MAIN(TestMeasureWindow)
#include "tst_measurewindow.moc"
