// My History as a user meets it by keyboard: Keep in My History in Measure My Shape, the window
// from the welcome window's File menu with the table, the chart and its description, the unit,
// Tab through every control, Delete with its question, export, Delete All and import back; and
// a window opened with nothing kept leaves no file.

#include "controls.h"
#include "history/HistoryWindow.h"
#include "measure/MeasureShapeWindow.h"
#include "messageboxes.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "translations/language.h"
#include "whenshown.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
QString historyFile()
{
    return HistoryStore::defaultPath();
}

QString row(QTableWidget *table, int at)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(at, column) ? table->item(at, column)->text() : QString());
    return cells.join(u'|');
}

// From the welcome window's File menu, where there are no answers: types the four lengths in
// centimetres (and a height, when given) into the measure window, presses Alt+K and waits for
// what it says.
void keepTyped(QObject *context, const QStringList &four, const MessageBoxAnswerer &answers)
{
    const qsizetype said = answers.seen().size();
    whenShown<MeasureShapeWindow>(context, [&](MeasureShapeWindow &window) {
        control<QAbstractButton>(window, u"centimetresButton"_s)->click();
        const QStringList fields{u"bustEdit"_s, u"waistEdit"_s, u"highHipEdit"_s, u"hipsEdit"_s,
                                 u"heightEdit"_s};
        for (int field = 0; field < four.size(); ++field)
            typeText(control<QLineEdit>(window, fields[field]), four[field]);
        QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
        (void)QTest::qWaitFor([&] { return answers.seen().size() > said; });
    });
    frmMain::get().show();
    frmMain::get().findChild<QAction *>(u"mnuMeasureShape"_s)->trigger();
}
} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toUtf8());
        prepareTestApplication();
        // English, with its singular for a count of one.
        Language::use(QString());
        QLocale::setDefault(QLocale(u"en_GB"_s));
    }
    void cleanup()
    {
        resetApplication();
        QFile::remove(historyFile());
        QDir().rmdir(QFileInfo(historyFile()).path());
    }

    // Every text whole within its control, in every language, the path in the longest line.
    void everyTextFitsInEveryLanguage()
    {
        auto english = qScopeGuard([] {
            HistoryWindow::unload();
            Language::use(QString());
        });
        for (const QString &language : QStringList{QString()} + Language::builtIn()) {
            QVERIFY(Language::use(language));
            HistoryWindow &window = HistoryWindow::get();
            window.ensurePolished();
            for (QLabel *label : window.findChildren<QLabel *>()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height() ||
                             (!label->wordWrap() && label->sizeHint().width() <= label->width()),
                         qPrintable(language + u' ' + label->objectName()));
            }
            for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
                QVERIFY2(button->sizeHint().width() <= button->width(),
                         qPrintable(language + u' ' + button->objectName()));
            // Headings whole also beside the scroll bar that many entries bring.
            auto *table = control<QTableWidget>(window, u"entriesTable"_s);
            table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            window.show();
            QTRY_VERIFY(table->verticalScrollBar()->isVisible());
            const QHeaderView &header = *table->horizontalHeader();
            for (int column = 0; column < header.count(); ++column)
                QVERIFY2(header.sectionSizeHint(column) <= header.sectionSize(column),
                         qPrintable(language + u" column "_s + QString::number(column)));
            HistoryWindow::unload();
        }
    }

    // Opened over the results page, whose options stand on a darker grey, the unit's options
    // still stand on this window's own background.
    void theUnitStandsOnTheWindowsBackground()
    {
        frmDisplay::get().ensurePolished();
        HistoryWindow &window = HistoryWindow::get();
        window.setParent(&frmDisplay::get(), window.windowFlags());
        const QImage shot = window.grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        for (const QString &name : {u"centimetresButton"_s, u"inchesButton"_s}) {
            const QRect place = control<QWidget>(window, name)->geometry();
            QCOMPARE(shot.pixelColor((place.topRight() + QPoint(-1, 1)) * scale),
                     shot.pixelColor((place.topRight() + QPoint(2, 1)) * scale));
        }
    }

    void nothingKeptLeavesNoFile()
    {
        frmMain::get().show();
        QString shown;
        whenShown<HistoryWindow>(this, [&](HistoryWindow &window) {
            shown = control<QWidget>(window, u"chart"_s)->accessibleDescription();
        });
        frmMain::get().findChild<QAction *>(u"mnuHistory"_s)->trigger();
        QCOMPARE(shown, u"Nothing is kept yet."_s);
        QVERIFY(!QFileInfo::exists(historyFile()));
        QVERIFY(!QFileInfo::exists(QFileInfo(historyFile()).path()));
    }

    // The table and the chart's description in the locale's digits whatever digits were typed,
    // the unit after the locale; the exported file in ASCII digits with a point.
    void numbersAreShownTheLocalesWayAndKeptPlain_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("described");
        const QString egyptian =
            u"|\u0669\u0660|\u0667\u0660|\u0668\u0660|\u0669\u0669\u066B\u0665||Spoon|"_s;
        QTest::newRow("ar_EG, Arabic-Indic typed")
            << u"ar_EG"_s
            << QStringList{u"\u0669\u0660"_s, u"\u0667\u0660"_s, u"\u0668\u0660"_s,
                           u"\u0669\u0669\u066B\u0665"_s}
            << egyptian << u"bust \u0669\u0660 cm"_s;
        QTest::newRow("ar_EG, ASCII typed")
            << u"ar_EG"_s << QStringList{u"90"_s, u"70"_s, u"80"_s, u"99.5"_s} << egyptian
            << u"bust \u0669\u0660 cm"_s;
        QTest::newRow("en_US, Persian typed")
            << u"en_US"_s
            << QStringList{u"\u06F9\u06F0"_s, u"\u06F7\u06F0"_s, u"\u06F8\u06F0"_s,
                           u"\u06F9\u06F9\u066B\u06F5"_s}
            << u"|35.433|27.559|31.496|39.173||Spoon|"_s << u"bust 35.433 in"_s;
    }

    void numbersAreShownTheLocalesWayAndKeptPlain()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, typed);
        QFETCH(QString, shown);
        QFETCH(QString, described);
        QLocale::setDefault(QLocale(locale));
        auto restore = qScopeGuard([] { QLocale::setDefault(QLocale(u"en_GB"_s)); });
        MessageBoxAnswerer answers(QMessageBox::Ok);
        keepTyped(this, typed, answers);
        const QString exported = m_home.filePath(u"digits.csv"_s);
        QString row0, description;
        frmMain::get().show();
        whenShown<HistoryWindow>(this, [&](HistoryWindow &window) {
            row0 = row(control<QTableWidget>(window, u"entriesTable"_s), 0);
            description = control<QWidget>(window, u"chart"_s)->accessibleDescription();
            window.exportTo(exported);
        });
        frmMain::get().findChild<QAction *>(u"mnuHistory"_s)->trigger();
        QCOMPARE(row0.mid(row0.indexOf(u'|')), shown);
        QVERIFY2(description.contains(described), qPrintable(description));
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith(",90,70,80,99.5,,Spoon,\n"));
    }

    // Said over the window; nothing that would change the file is offered.
    void aFileItCannotReadIsSaidAndLeftAlone()
    {
        QDir().mkpath(QFileInfo(historyFile()).path());
        QFile file(historyFile());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a history\n") > 0);
        file.close();
        MessageBoxAnswerer answers;
        bool offered = true;
        // The box stands over the window, which is closed once the box is answered.
        answers.setBeforeAnswer([&](QMessageBox &) {
            HistoryWindow &window = HistoryWindow::get();
            offered = control<QWidget>(window, u"deleteAllButton"_s)->isEnabled() ||
                      control<QWidget>(window, u"importButton"_s)->isEnabled();
            QTimer::singleShot(0, &window, &QWidget::close);
        });
        frmMain::get().show();
        frmMain::get().findChild<QAction *>(u"mnuHistory"_s)->trigger();
        QVERIFY2(answers.texts().value(0).contains(u"is damaged and cannot be read"_s),
                 qPrintable(answers.texts().value(0)));
        QVERIFY(!offered);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "not a history\n");
    }

    void aUserKeepsLooksDeletesExportsAndImportsByKeyboard()
    {
        MessageBoxAnswerer answers(QMessageBox::Yes);
        keepTyped(this, {u"90"_s, u"70"_s, u"80"_s, u"99.5"_s}, answers);
        keepTyped(this, {u"91"_s, u"71"_s, u"x"_s, u"99"_s}, answers);
        keepTyped(this, {u"100"_s, u"80"_s, u"90"_s, u"96"_s, u"170"_s}, answers);
        QCOMPARE(answers.texts().size(), 3);
        QVERIFY2(answers.texts()[1].startsWith(u"Type all four"_s), qPrintable(answers.texts()[1]));
        const QString exported = m_home.filePath(u"kept.csv"_s);

        QStringList rows, tabOrder, descriptions;
        int left = -1, back = -1;
        frmMain::get().show();
        whenShown<HistoryWindow>(this, [&](HistoryWindow &window) {
            auto *table = control<QTableWidget>(window, u"entriesTable"_s);
            QWidget *chart = control<QWidget>(window, u"chart"_s);
            for (int at = 0; at < table->rowCount(); ++at)
                rows << row(table, at);
            // A British locale shows inches first.
            QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
            (void)QTest::qWaitFor([&] { return row(table, 0).contains(u"|90|"_s); });
            rows << row(table, 0);
            descriptions << chart->accessibleDescription();
            table->setFocus();
            for (int step = 0; step < 9; ++step) {
                tabOrder << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            // The first entry, chosen with the arrow keys, deleted after a Yes.
            table->setFocus();
            QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
            (void)QTest::qWaitFor([&] { return table->rowCount() < 2; });
            left = table->rowCount();
            descriptions << chart->accessibleDescription();
            window.exportTo(exported);
            // Back from the message box, which the offscreen platform leaves to the test.
            window.activateWindow();
            (void)QTest::qWaitForWindowActive(&window);
            QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
            (void)QTest::qWaitFor([&] { return table->rowCount() == 0; });
            descriptions << chart->accessibleDescription() +
                                (QFileInfo::exists(historyFile()) ? u" file left"_s : u""_s);
            window.importFrom(exported);
            back = table->rowCount();
        });
        frmMain::get().findChild<QAction *>(u"mnuHistory"_s)->trigger();

        const QString today = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(rows, QStringList({today + u"|35.433|27.559|31.496|39.173||Spoon|"_s,
                                    today + u"|39.37|31.496|35.433|37.795|66.929|Ruler|"_s,
                                    today + u"|90|70|80|99.5||Spoon|"_s}));
        QCOMPARE(tabOrder, QStringList({u"entriesTable"_s, u"chart"_s, u"centimetresButton"_s,
                                        u"deleteButton"_s, u"deleteAllButton"_s, u"exportButton"_s,
                                        u"importButton"_s, u"closeButton"_s, u"entriesTable"_s}));
        QCOMPARE(descriptions[0],
                 u"2 entries from %1 to %1. Latest: bust 100 cm, waist 80 cm, high hip 90 cm "
                 "and hips 96 cm, measured shape Ruler."_s.arg(today));
        QVERIFY2(descriptions[1].startsWith(u"1 entry from"_s), qPrintable(descriptions[1]));
        QCOMPARE(descriptions[2], u"Nothing is kept yet."_s);
        QCOMPARE(left, 1);
        QCOMPARE(back, 1);
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
