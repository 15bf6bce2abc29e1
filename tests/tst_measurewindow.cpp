#include "controls.h"
#include "measure/MeasureGuide.h"
#include "measure/MeasureShapeWindow.h"
#include "testapp.h"
#include "translations/language.h"
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
const QStringList Fields{u"bustEdit"_s, u"waistEdit"_s, u"highHipEdit"_s, u"hipsEdit"_s};

// "bust waist high-hip hips [height] unit" typed as a user would; "in" chooses inches,
// "70/71.6" types a second reading.
MeasureShapeWindow &openAndType(const QString &row)
{
    MeasureShapeWindow &window = MeasureShapeWindow::get();
    window.show();
    control<QAbstractButton>(window,
                             row.endsWith(u"in"_s) ? u"inchesButton"_s : u"centimetresButton"_s)
        ->click();
    QStringList values = row.split(u' ');
    for (const QString &field : Fields) {
        const QStringList readings = values.takeFirst().split(u'/');
        for (qsizetype r = 0; r < readings.size(); ++r) {
            const QString name = field + (r ? QString::number(r + 1) : QString());
            typeText(control<QLineEdit>(window, name), readings[r]);
        }
    }
    if (values.size() > 1)
        typeText(control<QLineEdit>(window, u"heightEdit"_s), values.first());
    control<QWidget>(window, u"resultFrame"_s)->layout()->activate();
    return window;
}

QString shapeShown(MeasureShapeWindow &window)
{
    return control<QLabel>(window, u"shapeLabel"_s)->text();
}
} // namespace

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
            for (const QString &row :
                 {u"x y 0 0 in"_s, u"90.001/92.5 67.141/69 80.001/82 89.999/91.3 cm"_s,
                  u"90 70 80 99.143 cm"_s, u"30.001 30 35 40 in"_s, u"30 30/31 35 40 65 in"_s,
                  u"46 37 40 36.2 in"_s}) {
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

    // What the fields show is what counts, through any unit switches and edits: the shape
    // typed, then after each step, which switches the unit ("in", "cm") or retypes a field
    // ("hipsEdit=39.033").
    void whatYouSeeIsWhatCounts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shapes");
        const QString bottom = u"Measured shape: Spoon (bottom hourglass)"_s,
                      hourglass = u"Measured shape: Hourglass"_s;
        QTest::newRow("retyped unchanged after a switch")
            << u"90 70 80 99.144 cm"_s
            << QStringList{u"in"_s, u"hipsEdit=39.033"_s, u"cm"_s, u"in"_s}
            << QStringList{bottom, bottom, bottom, bottom, bottom};
        // 9.143 cm is under 3.6 in, but 39.033 − 35.433 in shows 3.6 in exactly.
        QTest::newRow("a switch shows a limit reached")
            << u"90 70 80 99.143 cm"_s << QStringList{u"in"_s, u"cm"_s, u"in"_s}
            << QStringList{hourglass, bottom, hourglass, bottom};
        QTest::newRow("an edit in the other unit")
            << u"90 70 80 99.144 cm"_s << QStringList{u"in"_s, u"bustEdit=35.434"_s, u"cm"_s}
            << QStringList{bottom, bottom, hourglass, hourglass};
    }

    void whatYouSeeIsWhatCounts()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shapes);
        QLocale::setDefault(QLocale(u"en_GB"_s));
        MeasureShapeWindow &window = openAndType(typed);
        QCOMPARE(shapeShown(window), shapes[0]);
        for (qsizetype step = 0; step < steps.size(); ++step) {
            const QStringList field = steps[step].split(u'=');
            if (field.size() == 2) {
                auto *edit = control<QLineEdit>(window, field[0]);
                edit->clear();
                QTest::keyClicks(edit, field[1]);
            } else {
                control<QAbstractButton>(window, field[0] == u"in"_s ? u"inchesButton"_s
                                                                     : u"centimetresButton"_s)
                    ->click();
            }
            QCOMPARE(shapeShown(window), shapes[step + 1]);
        }
    }

    // Numbers in the locale's digits whatever the language of the words, the digits of every
    // keyboard read alike: Arabic words with Latin digits are LANGUAGE=ar with LANG=en_US.
    void numbersFollowTheLocaleAndWordsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("apart");
        QTest::addColumn<QString>("hipsInInches");
        const QString arabic = u"\u0669\u0660 \u0667\u0660/\u0667\u0661\u066B\u0666 \u0668\u0660 "
                               "\u0669\u0669\u066B\u0661\u0664\u0664 cm"_s;
        const QString apart = u"\u0661\u066B\u0666\u00A0\u0633\u0645"_s;  // ١٫٦ سم
        const QString inches = u"\u0663\u0669\u066B\u0660\u0663\u0663"_s; // ٣٩٫٠٣٣
        QTest::newRow("ar_EG, Arabic-Indic") << u"ar"_s << u"ar_EG"_s << arabic << apart << inches;
        QTest::newRow("ar_EG, a Persian keyboard")
            << u"ar"_s << u"ar_EG"_s
            << u"\u06F9\u06F0 \u06F7\u06F0/\u06F7\u06F1\u066B\u06F6 \u06F8\u06F0 "
               "\u06F9\u06F9\u066B\u06F1\u06F4\u06F4 cm"_s
            << apart << inches;
        QTest::newRow("ar_EG, ASCII and a point")
            << u"ar"_s << u"ar_EG"_s << u"90 70/71.6 80 99.144 cm"_s << apart << inches;
        QTest::newRow("Arabic words, US digits")
            << u"ar"_s << u"en_US"_s << arabic << u"1.6\u00A0\u0633\u0645"_s << u"39.033"_s;
        QTest::newRow("English words, Egyptian digits")
            << QString() << u"ar_EG"_s << u"90 70/71.6 80 99.144 cm"_s
            << u"differ by \u0661\u066B\u0666 cm:"_s << inches;
        QTest::newRow("ar_MA writes Latin digits")
            << u"ar"_s << u"ar_MA"_s << arabic << u"1,6\u00A0\u0633\u0645"_s << u"39,033"_s;
    }

    void numbersFollowTheLocaleAndWordsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, apart);
        QFETCH(QString, hipsInInches);
        QVERIFY(Language::use(language));
        auto restore = qScopeGuard([before = QLocale()] {
            Language::use(QString());
            QLocale::setDefault(before);
        });
        QLocale::setDefault(QLocale(locale));
        MeasureShapeWindow &window = openAndType(typed);
        const QString said = control<QLabel>(window, u"readingsMessage"_s)->text();
        QVERIFY2(said.contains(apart), qPrintable(said));
        control<QAbstractButton>(window, u"inchesButton"_s)->click();
        QCOMPARE(control<QLineEdit>(window, u"hipsEdit"_s)->text(), hipsInInches);
    }

    // A German reader's two waist readings too far apart; typed once through the Tab key, one
    // reading each; an unused Alt+key types nothing; the Tab order.
    void aUserMeetsTheWindow()
    {
        QLocale::setDefault(QLocale(u"de_DE"_s));
        MeasureShapeWindow &window = openAndType(u"90 70/71,6 80 99,144 cm"_s);
        QCOMPARE(control<QLabel>(window, u"readingsMessage"_s)->text(),
                 u"Your two waist readings differ by 1,6 cm: measure your waist once more."_s);
        MeasureShapeWindow::unload();
        MeasureShapeWindow &again = MeasureShapeWindow::get();
        again.show();
        again.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&again));
        control<QLineEdit>(again, u"bustEdit"_s)->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), u"90"_s);
        for (const QString &length : {u"70"_s, u"80"_s, u"99,144"_s}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), length);
        }
        QCOMPARE(shapeShown(again), u"Measured shape: Spoon (bottom hourglass)"_s);
        QTest::keyClick(control<QLineEdit>(again, u"hipsEdit"_s), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(control<QLineEdit>(again, u"hipsEdit"_s)->text(), u"99,144"_s);
        QString order;
        for (QWidget *w = &again; !order.contains(u"closeButton"_s); w = w->nextInFocusChain())
            order += w->focusPolicy() & Qt::TabFocus ? w->objectName() + u' ' : QString();
        QCOMPARE(order, u"bustEdit waistEdit highHipEdit hipsEdit heightEdit bustEdit2 "
                        "waistEdit2 highHipEdit2 hipsEdit2 bustEdit3 waistEdit3 highHipEdit3 "
                        "hipsEdit3 centimetresButton inchesButton onCardBox guideButton "
                        "whyButton keepButton closeButton "_s);
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
