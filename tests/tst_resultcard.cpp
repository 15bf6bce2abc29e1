// The result card: what it says, the files it is written to, and the File menu items that
// make it from the results page.

#include "controls.h"
#include "measure/MeasureShapeWindow.h"
#include "messageboxes.h"
#include "resultcard/cardprinting.h"
#include "resultcard/resultcard.h"
#include "resultcard/resultcardactions.h"
#include "resultcard/resultcardfile.h"
#include "shapetest/frmDisplay.h"
#include "testapp.h"
#include "translations/language.h"
#include "welcome.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using modShapeTest::Tally;
using ResultCard::FileType;

namespace {
ResultCardData card(const QString &name, modShapeTest::ShapeIndex shape, Tally tally,
                    std::optional<MeasuredResult> measured = {})
{
    return {name, QDate(2026, 12, 7), shape, tally, QImage(u":/assets/cone@2x.png"_s), measured};
}

const MeasuredResult Measured{u"The tape measure: Spoon (triangle)"_s,
                              u"Your answers: Ruler. The tape measure says otherwise."_s,
                              {u"Bust: 34 in"_s, u"Hip: 40 in"_s}};

QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &path)
{
    return run(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s}).simplified();
}

// The card saved through File > Save Result As…, typed into the dialog as a user would.
QString savedThroughTheMenu(const QString &path)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(path);
        if (dialog->selectedFiles() == QStringList{path})
            static_cast<QDialog *>(dialog)->accept(); // public there
    });
    poll.start(10);
    control<QAction>(frmDisplay::get(), u"mnuSaveResult"_s)->trigger();
    return path;
}

void finishTest()
{
    startTest(u"mary"_s);
    for (int page = 1; page <= 4; ++page)
        control<QPushButton>(frmDisplay::get(), u"cmdNext"_s + QString::number(page))->click();
}
} // namespace

class TestResultCard : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;

private slots:
    void initTestCase()
    {
        // The save dialog starts in the user's folders: keep whatever a test saves in its own.
        qputenv("HOME", QFile::encodeName(m_folder.path()));
        prepareTestApplication();
    }
    void cleanup() { resetApplication(); }

    void theCardSaysWhatTheResultsPageShowedAndHowTheAnswersCounted_data()
    {
        QTest::addColumn<ResultCardData>("data");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("unexpected");
        const QString tieRule =
            u"On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins."_s;
        QTest::newRow("one winner")
            << card(u"MARY"_s, modShapeTest::Spoon, {0, 1, 2, 1})
            << QStringList{u"ZV Tamsilo Monday, 7 December 2026 Body shape result for MARY "
                           "Your body shape is Spoon"_s,
                           u"Jennifer Lopez, Shakira, Kim Kardashian, Alicia Keys About this "
                           "shape In this type of body shape the circumference of the waist is"_s,
                           u"Ruler 0 answers Hourglass 1 answer Spoon 2 answers Cone 1 answer "
                           "Spoon had the most answers."_s}
            << tieRule;
        QTest::newRow("two tied") << card(u"ANN LEE"_s, modShapeTest::Ruler, {2, 0, 0, 2})
                                  << QStringList{u"Ruler and Cone tied with 2 answers each."_s,
                                                 tieRule, u"Cameron Diaz"_s}
                                  << u"had the most"_s;
        QTest::newRow("all tied, blank name")
            << card(u"  "_s, modShapeTest::Ruler, {1, 1, 1, 1})
            << QStringList{u"Ruler, Hourglass, Spoon and Cone tied with 1 answer each."_s,
                           u"Body shape result Your"_s, tieRule}
            << u"tape measure"_s;
        QTest::newRow("measured") << card(u"MARY"_s, modShapeTest::Ruler, {2, 1, 1, 0}, Measured)
                                  << QStringList{u"What the tape measure said "_s +
                                                     Measured.tapeMeasureLine + u' ' +
                                                     Measured.comparisonLine,
                                                 u"Bust: 34 in Hip: 40 in"_s}
                                  << u"tied"_s;
    }

    void theCardSaysWhatTheResultsPageShowedAndHowTheAnswersCounted()
    {
        QFETCH(ResultCardData, data);
        QFETCH(QStringList, expected);
        QFETCH(QString, unexpected);
        const QString path = m_folder.filePath(u"card.pdf"_s);
        QVERIFY(saveResultCard(data, {path, FileType::Pdf}, nullptr));
        const QString text = pdfText(path);
        for (const QString &each : expected)
            QVERIFY2(text.contains(each), qPrintable(each + u" not in: "_s + text));
        QVERIFY(!text.contains(unexpected));
    }

    void theCardCountsInTheLanguagesPluralForms_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<ResultCardData>("data");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ru 0, 1, 2") << u"ru"_s << card(u"MARY"_s, modShapeTest::Ruler, {0, 1, 2, 1})
                                    << QStringList{u"0 ответов"_s, u"1 ответ "_s, u"2 ответа"_s};
        QTest::newRow("ru tied at 1")
            << u"ru"_s << card(u"MARY"_s, modShapeTest::Ruler, {1, 1, 1, 1})
            << QStringList{u"по 1 ответу"_s};
        QTest::newRow("ru tied at 2")
            << u"ru"_s << card(u"MARY"_s, modShapeTest::Ruler, {2, 0, 0, 2})
            << QStringList{u"по 2 ответа"_s};
        QTest::newRow("de tied at 1")
            << u"de"_s << card(u"MARY"_s, modShapeTest::Ruler, {1, 1, 1, 1})
            << QStringList{u"mit je 1 Antwort:"_s};
    }

    // A count says "answer" in the form its number needs: Russian has three, on the bars and in
    // the sentence about a tie.
    void theCardCountsInTheLanguagesPluralForms()
    {
        QFETCH(QString, language);
        QFETCH(ResultCardData, data);
        QFETCH(QStringList, expected);
        QVERIFY(Language::use(language));
        auto restore = qScopeGuard([] { Language::use(QString()); });
        const QString path = m_folder.filePath(u"counted.pdf"_s);
        QVERIFY(saveResultCard(data, {path, FileType::Pdf}, nullptr));
        const QString text = pdfText(path);
        for (const QString &each : expected)
            QVERIFY2(text.contains(each), qPrintable(each + u" not in: "_s + text));
    }

    void theCardReadsFromItsLeadingEdge_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("pictureOnTheLeft");
        QTest::newRow("en") << QString() << false;
        QTest::newRow("ar") << u"ar"_s << true;
    }

    // The silhouette stands beside the text on the side the text ends: the right in English.
    void theCardReadsFromItsLeadingEdge()
    {
        QFETCH(QString, language);
        QFETCH(bool, pictureOnTheLeft);
        QVERIFY(Language::use(language));
        auto restore = qScopeGuard([] { Language::use(QString()); });
        QImage page(595, 842, QImage::Format_Grayscale8);
        QPainter painter(&page);
        ResultCard::paint(painter, page.rect(), card(u"MARY"_s, modShapeTest::Cone, {0, 1, 1, 2}));
        painter.end();
        if (const QString shots = qEnvironmentVariable("TAMSILO_SHOTS"); !shots.isEmpty())
            page.save(shots + u"/card-"_s + QLatin1StringView(QTest::currentDataTag()) + u".png"_s);
        // The ink of the upper half's outer thirds, where the picture is the darkest thing.
        qint64 ink[2] = {0, 0};
        for (int y = 100; y < 420; ++y) {
            for (int x = 0; x < 198; ++x) {
                ink[0] += 255 - qGray(page.pixel(x, y));
                ink[1] += 255 - qGray(page.pixel(594 - x, y));
            }
        }
        QCOMPARE(ink[0] > ink[1], pictureOnTheLeft);
    }

    void theFileKindFollowsTheExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<FileType>("type");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QSize>("pictureSize");
        const QSize a4(2480, 3508), pdf(0, 0);
        QTest::newRow("png") << u"a.png"_s << FileType::Pdf << u"a.png"_s << a4;
        QTest::newRow("PNG") << u"b.PNG"_s << FileType::Pdf << u"b.PNG"_s << a4;
        QTest::newRow("PDF, png chosen") << u"c.PDF"_s << FileType::Png << u"c.PDF"_s << pdf;
        QTest::newRow("none, pdf chosen") << u"d"_s << FileType::Pdf << u"d.pdf"_s << pdf;
        QTest::newRow("none, png chosen") << u"e"_s << FileType::Png << u"e.png"_s << a4;
        QTest::newRow("other, pdf chosen") << u"f.txt"_s << FileType::Pdf << u"f.txt.pdf"_s << pdf;
        QTest::newRow("other, png chosen") << u"g.txt"_s << FileType::Png << u"g.txt.png"_s << a4;
    }

    void theFileKindFollowsTheExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(FileType, type);
        QFETCH(QString, written);
        QFETCH(QSize, pictureSize);
        QVERIFY(saveResultCard(card(u"MARY"_s, modShapeTest::Cone, {0, 0, 0, 4}),
                               ResultCard::cardFile(m_folder.filePath(chosen), type), nullptr));
        QFile file(m_folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.peek(4), pictureSize.isEmpty() ? "%PDF" : QByteArray("\x89PNG"));
        QCOMPARE(QImage(file.fileName()).size(), pictureSize);
        // As sharp on paper as the text: 300 dots per inch, the same across and down.
        const QImage png(file.fileName());
        QCOMPARE(QList({png.dotsPerMeterX(), png.dotsPerMeterY()}),
                 QList<int>(2, png.isNull() ? 0 : 11811));
        const QStringList lines = run(u"pdfimages"_s, {u"-list"_s, file.fileName()}).split(u'\n');
        const QStringList columns = lines.value(2).split(u' ', Qt::SkipEmptyParts);
        QVERIFY(!png.isNull() || (lines.size() == 4 && qMin(columns.value(12).toInt(),
                                                            columns.value(13).toInt()) >= 300));
        // The silhouette's figure and its thin guide lines, each in its own grey, inside its box
        // at the right, clear of the text.
        QList<int> greys(256);
        for (int y = 700; !png.isNull() && y < 2200; y += 4) {
            for (int x = 1646; x < 2271; ++x)
                ++greys[qGray(png.pixel(x, y))];
        }
        QVERIFY2(png.isNull() || (greys[0x40] > 20000 && greys[0xD0] > 2000 && greys[0xD0] < 10000),
                 qPrintable(u"figure %1, guides %2"_s.arg(greys[0x40]).arg(greys[0xD0])));
    }

    // The card's margin and the printer's overlap: whichever is wider keeps the text off the edge.
    void aPrintedCardUsesThePrintersPage_data()
    {
        QTest::addColumn<qreal>("printerMargin"); // millimetres
        QTest::addColumn<qreal>("left");          // points
        QTest::newRow("none") << 0.0 << 50.0;
        QTest::newRow("narrower than the card's") << 10.0 << 50.0;
        QTest::newRow("wider than the card's") << 25.0 << 70.9;
    }

    void aPrintedCardUsesThePrintersPage()
    {
        QFETCH(qreal, printerMargin);
        QFETCH(qreal, left);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(m_folder.filePath(u"printed.pdf"_s));
        printer.setPageMargins(
            QMarginsF(printerMargin, printerMargin, printerMargin, printerMargin),
            QPageLayout::Millimeter);
        const ResultCardData data = card(u"MARY"_s, modShapeTest::Cone, {0, 0, 0, 4});
        QVERIFY(CardPrinting::print(printer, ResultCard::Margin,
                                    [&data](QPainter &painter, const QRectF &area) {
                                        ResultCard::paintWithinMargin(painter, area, data);
                                    }));
        const QRegularExpressionMatch title =
            QRegularExpression(u"xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>ZV<"_s)
                .match(run(u"pdftotext"_s, {u"-bbox"_s, printer.outputFileName(), u"-"_s}));
        QVERIFY2(qAbs(title.captured(1).toDouble() - left) < 1.5, qPrintable(title.captured(1)));
        QVERIFY(title.captured(2).toDouble() >= left - 1.5);
    }

    // Visits of the measure window from one results page, each "bust waist high-hip hips" in
    // the locale's unit (inches in the US) and whether the box was ticked: the card carries what
    // the last one showed, only with the box ticked and a shape shown, in the locale's digits.
    void theCardCarriesTheTapeMeasuresLastResult_data()
    {
        QTest::addColumn<QStringList>("visits");
        QTest::addColumn<QString>("carried");
        QTest::addColumn<QString>("locale");
        QTest::newRow("Egyptian digits")
            << QStringList{u"90 70 80 99.144 ticked"_s}
            << u"Bust: \u0669\u0660 cm Waist: \u0667\u0660 cm High hip: \u0668\u0660 cm Hips: "
               "\u0669\u0669\u066B\u0661\u0664\u0664 cm"_s
            << u"ar_EG"_s;
        const QString spoon =
            u"The tape measure: Spoon Your answers tied: Ruler and Cone. The tape "
            "measure says: Spoon. Bust: 34 in Waist: 30 in High hip: 36 in Hips: "
            "37 in"_s;
        QTest::newRow("ticked") << QStringList{u"34 30 36 37 ticked"_s} << spoon << u"en_US"_s;
        QTest::newRow("unticked") << QStringList{u"34 30 36 37 -"_s} << QString() << u"en_US"_s;
        QTest::newRow("ticked, then unticked")
            << QStringList{u"34 30 36 37 ticked"_s, u"34 30 36 37 -"_s} << QString() << u"en_US"_s;
        QTest::newRow("ticked, then only looked")
            << QStringList{u"34 30 36 37 ticked"_s, u"- - - - -"_s} << QString() << u"en_US"_s;
        QTest::newRow("ticked, then none of the four")
            << QStringList{u"34 30 36 37 ticked"_s, u"30 30 35 40 ticked"_s} << QString()
            << u"en_US"_s;
        QTest::newRow("the last of two")
            << QStringList{u"36 27 30 36 ticked"_s, u"34 30 36 37 ticked"_s} << spoon << u"en_US"_s;
    }

    void theCardCarriesTheTapeMeasuresLastResult()
    {
        QFETCH(QStringList, visits);
        QFETCH(QString, carried);
        QFETCH(QString, locale);
        auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
        QLocale::setDefault(QLocale(locale));
        finishTest();
        for (const QString &visit : visits) {
            QTimer poll;
            connect(&poll, &QTimer::timeout, this, [&] {
                auto *window =
                    qobject_cast<MeasureShapeWindow *>(QApplication::activeModalWidget());
                if (!window)
                    return;
                poll.stop();
                QStringList values = visit.split(u' ');
                for (const QString &field :
                     {u"bustEdit"_s, u"waistEdit"_s, u"highHipEdit"_s, u"hipsEdit"_s}) {
                    const QString value = values.takeFirst();
                    if (value != u"-"_s)
                        QTest::keyClicks(control<QLineEdit>(*window, field), value);
                }
                control<QCheckBox>(*window, u"onCardBox"_s)->setChecked(values.first() != u"-"_s);
                control<QPushButton>(*window, u"closeButton"_s)->click();
            });
            poll.start(10);
            control<QAction>(frmDisplay::get(), u"mnuMeasureShape"_s)->trigger();
        }
        const QString text = pdfText(savedThroughTheMenu(
            m_folder.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s)));
        QVERIFY2(carried.isEmpty() ? !text.contains(u"tape measure"_s) : text.contains(carried),
                 qPrintable(text));
    }

    void theMenuItemsWorkOnTheResultsPageOnly()
    {
        startTest(u"mary"_s);
        auto *save = control<QAction>(frmDisplay::get(), u"mnuSaveResult"_s);
        auto *print = control<QAction>(frmDisplay::get(), u"mnuPrintResult"_s);
        for (int page = 1; page <= 4; ++page) {
            QVERIFY(!save->isEnabled() && !print->isEnabled());
            control<QPushButton>(frmDisplay::get(), u"cmdNext"_s + QString::number(page))->click();
        }
        QVERIFY(save->isEnabled() && print->isEnabled());
    }

    void aFailedSaveIsReportedAndTheResultsPageStays_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("written");
        QTest::newRow("written") << m_folder.filePath(u"menu"_s)
                                 << m_folder.filePath(u"menu.pdf"_s);
        QTest::newRow("no such folder") << m_folder.filePath(u"none/card.pdf"_s) << QString();
        QTest::newRow("existing, asked again") << m_folder.filePath(u"kept"_s) << QString();
    }

    void aFailedSaveIsReportedAndTheResultsPageStays()
    {
        QFETCH(QString, path);
        QFETCH(QString, written);
        const bool saved = !written.isEmpty(), kept = path.endsWith(u"kept"_s);
        QFile existing(m_folder.filePath(u"kept.pdf"_s));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("mine") && existing.flush());
        const QString settings = useFreshSettings();
        finishTest();
        QStringList suggested;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (!dialog->property("seen").toBool()) {
                dialog->setProperty("seen", true);
                suggested.append(QFileInfo(dialog->selectedFiles().value(0)).fileName());
            }
            if (suggested.size() > 1)
                return dialog->reject();
            // Typed as a user would: the dialog's selectFile() leaves a name box that has the
            // focus alone, and the focus comes whenever the window manager gets to it.
            dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(path);
            if (dialog->selectedFiles() != QStringList{path})
                return;
            static_cast<QDialog *>(dialog)->accept(); // public there
        });
        poll.start(10);
        MessageBoxAnswerer answerer;
        control<QAction>(frmDisplay::get(), u"mnuSaveResult"_s)->trigger();
        poll.stop();
        QCOMPARE(suggested, QStringList({u"MARY - Ruler.pdf"_s, u"kept.pdf"_s}).mid(0, 1 + kept));
        QCOMPARE(QFileInfo(existing.fileName()).size(), 4); // not replaced
        // The name from the welcome window, today, and the shape and tally of the test.
        const QString text = saved ? pdfText(written) : QString();
        QVERIFY(!saved ||
                text.contains(u"%1 Body shape result for MARY Your body shape is Ruler"_s.arg(
                    QLocale().toString(QDate::currentDate(), QLocale::LongFormat))));
        QVERIFY(!saved || text.contains(u"Ruler and Cone tied with 2 answers each."_s));
        QCOMPARE(answerer.seen().size(), saved || kept ? 0 : 1);
        if (!saved && !kept) {
            QCOMPARE(answerer.seen()[0].title, u"ZV Tamsilo"_s);
            QCOMPARE(answerer.seen()[0].icon, QMessageBox::Critical);
            QVERIFY(answerer.seen()[0].text.contains(path));
            QVERIFY(answerer.seen()[0].text.contains(u"No such file or directory"_s));
        }
        QCOMPARE(QDir(settings).entryList(QDir::Files), QStringList()); // nothing kept
        QVERIFY(frmDisplay::get().isVisible());
        QCOMPARE(control<QLabel>(frmDisplay::get(), u"lblBodyShape"_s)->text(), u"Ruler"_s);
    }
};

QTEST_MAIN(TestResultCard)
#include "tst_resultcard.moc"
