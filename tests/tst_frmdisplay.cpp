// The questionnaire window: the four pages, the results page, Back, the ways out, the links,
// and what the keyboard can reach.

#include "about/frmAbout.h"
#include "common/modHelp.h"
#include "controls.h"
#include "farewell/frmFarewell.h"
#include "openedurls.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "shapetest/modShapeTest.h"
#include "testapp.h"
#include "welcome.h"
#include "whenshown.h"
#include "widgets/clicklabel.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using Answers = std::array<int, 4>;
Q_DECLARE_METATYPE(Answers)

namespace {
const QStringList OptionArrays{u"optQa"_s, u"optQb"_s, u"optQc"_s, u"optQd"_s};

frmDisplay &display()
{
    return frmDisplay::get();
}

template <class T> T *displayControl(const QString &name)
{
    return control<T>(display(), name);
}

QRadioButton *option(int question, int answer)
{
    return displayControl<QRadioButton>(OptionArrays[question - 1] + u'_' +
                                        QString::number(answer));
}

void pressNext(int page)
{
    displayControl<QPushButton>(u"cmdNext"_s + QString::number(page))->click();
}

void answerAll(const Answers &answers)
{
    for (int question = 1; question <= 4; ++question) {
        option(question, answers[question - 1])->click();
        pressNext(question);
    }
}

// The page the user sees: the front one among the pages, and the area in front of it.
QString pageInFront()
{
    QWidget *central = display().centralWidget();
    auto *questions = displayControl<QWidget>(u"fraQuestion"_s);
    const QPoint middle = questions->geometry().center();
    QWidget *area = central->childAt(middle);
    while (area && area->parentWidget() != central)
        area = area->parentWidget();
    if (area && area->objectName() == u"fraAnswer"_s)
        return area->objectName();
    QWidget *page = questions->childAt(questions->rect().center());
    while (page && page->parentWidget() != questions)
        page = page->parentWidget();
    return page ? page->objectName() : QString();
}

int tallyTotal()
{
    const modShapeTest::Tally &tally = modShapeTest::currentTally();
    return tally.intRulerCount + tally.intHourglassCount + tally.intSpoonCount + tally.intConeCount;
}

QImage shownPicture()
{
    return displayControl<QLabel>(u"picBodyShape"_s)
        ->pixmap()
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// A shape's picture as its file holds it, decoded here rather than through the image list.
QImage pictureFile(const QString &shape)
{
    return QImage(u":/assets/%1.gif"_s.arg(shape)).convertToFormat(QImage::Format_ARGB32);
}
} // namespace

class TestFrmDisplay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init() { startTest(); }
    void cleanup() { resetApplication(); }

    void opensOnPageOneWithFirstAnswersChosenAndFocusOnBack()
    {
        QVERIFY(display().isVisible());
        QCOMPARE(display().centralWidget()->size(), QSize(553, 400));
        QCOMPARE(pageInFront(), u"fra1"_s);
        for (int question = 1; question <= 4; ++question)
            QVERIFY(option(question, 0)->isChecked());
        QCOMPARE(display().focusWidget(), displayControl<QWidget>(u"cmdBack"_s));
        QCOMPARE(displayControl<QLabel>(u"lblBodyShape"_s)->text(), u"lblBodyShape"_s);
        QCOMPARE(displayControl<QLabel>(u"lblDesc"_s)->text(), u"Desc"_s);
        QCOMPARE(shownPicture(), pictureFile(u"cone"_s));
        QCOMPARE(tallyTotal(), 0);
    }

    void eachPageShowsItsQuestionAndAnswers_data()
    {
        // The question, then its answers top to bottom, between bars.
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("texts");
        QTest::newRow("1") << 1
                           << u"Which part of your body would you like to change?|Upper Body|"
                              "Lower Body|Upper And Lower Body|Stomach"_s;
        QTest::newRow("2") << 2
                           << u"Which part of your body do you find most difficult to lose "
                              "weight?|Upper Body|Lower Body|Upper And Lower Body|I can lose "
                              "weight easily"_s;
        QTest::newRow("3") << 3
                           << u"Which part of your body are you thinnest at?|Upper Body|Lower "
                              "Body|Middle Body|Entire Body"_s;
        QTest::newRow("4") << 4
                           << u"Which part of your body do you put on weight?|Stomach and "
                              "buttocks|Both upper and lower body|Hips, thighs and buttocks|"
                              "Back, chest, arms and stomach"_s;
    }

    void eachPageShowsItsQuestionAndAnswers()
    {
        QFETCH(int, question);
        QStringList shown{displayControl<QLabel>(u"lblQuestion%1"_s.arg(question))->text()};
        for (int answer = 0; answer < 4; ++answer)
            shown << option(question, answer)->text();
        QTEST(shown.join(u'|'), "texts");
    }

    void theResultsPageShowsTheWinningShape_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("shape");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("people");
        QTest::newRow("untouched: Ruler") << Answers{0, 0, 0, 0} << 0 << u"ruler"_s << 4;
        QTest::newRow("Hourglass") << Answers{2, 2, 1, 1} << 1 << u"hourglass"_s << 3;
        QTest::newRow("Lower, Lower, Middle, Hips: Spoon")
            << Answers{1, 1, 2, 2} << 2 << u"spoon"_s << 4;
        QTest::newRow("Cone") << Answers{0, 0, 3, 3} << 3 << u"cone"_s << 4;
    }

    void theResultsPageShowsTheWinningShape()
    {
        QFETCH(Answers, answers);
        QFETCH(int, shape);
        QFETCH(QString, picture);
        QFETCH(int, people);
        answerAll(answers);
        const auto &result = modShapeTest::Shape_Result(modShapeTest::ShapeIndex(shape));
        QCOMPARE(pageInFront(), u"fraAnswer"_s);
        QCOMPARE(displayControl<QLabel>(u"lblBodyShape"_s)->text(), QString(result.strShapeName));
        QCOMPARE(displayControl<QLabel>(u"lblDesc"_s)->text(), QString(result.strDescription));
        const QString celebrities = displayControl<QLabel>(u"lblCelebrities"_s)->text();
        QCOMPARE(celebrities.split(u", "_s).size(), people);
        QCOMPARE(shownPicture(), pictureFile(picture));
        QCOMPARE(displayControl<QLabel>(u"picBodyShape"_s)->size(),
                 pictureFile(picture).size() + QSize(2, 2));
        QCOMPARE(tallyTotal(), 4);
    }

    void eachNextBringsTheNextPage()
    {
        // A held key's repeats click nothing; only its press does.
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s, true);
        QApplication::sendEvent(displayControl<QPushButton>(u"cmdNext1"_s), &held);
        QCOMPARE(pageInFront(), u"fra1"_s);
        QTest::keyClick(displayControl<QPushButton>(u"cmdNext1"_s), Qt::Key_Return);
        QCOMPARE(pageInFront(), u"fra2"_s);
        pressNext(2);
        QCOMPARE(pageInFront(), u"fra3"_s);
        pressNext(3);
        QCOMPARE(pageInFront(), u"fra4"_s);
        QCOMPARE(tallyTotal(), 3);
    }

    void coveredPagesAreOutOfKeyboardReach()
    {
        for (int press = 0; press < 8; ++press) {
            QTest::keyClick(&display(), Qt::Key_N, Qt::AltModifier);
            QTest::qWait(150); // an access key clicks after a short delay
        }
        QTRY_COMPARE(pageInFront(), u"fraAnswer"_s);
        QCOMPARE(tallyTotal(), 4);
        QCOMPARE(displayControl<QLabel>(u"lblBodyShape"_s)->text(), u"Ruler"_s);
        for (const QString &covered : {u"fra1"_s, u"fra2"_s, u"fra3"_s, u"fra4"_s})
            QVERIFY(!displayControl<QWidget>(covered)->isEnabled());
    }

    void arrowKeysChooseAmongTheAnswersOfThePageInFront()
    {
        QApplication::setActiveWindow(&display());
        pressNext(1);
        QCOMPARE(display().focusWidget(), option(2, 0));
        QVERIFY(showsFocusMark(*option(2, 0)));
        // The mark is drawn in the captions' colour, plain to see on the dark page.
        const auto captionColouredPixels = [](QRadioButton *button) {
            const QImage shot = button->grab().toImage();
            int count = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    count += shot.pixelColor(x, y) == QColor(0xC0C000);
            return count;
        };
        QVERIFY(captionColouredPixels(option(2, 0)) > captionColouredPixels(option(2, 1)) + 20);
        QTest::keyClick(option(2, 0), Qt::Key_Down);
        QVERIFY(option(2, 1)->isChecked());
        QVERIFY(option(1, 0)->isChecked());
        pressNext(2);
        QCOMPARE(modShapeTest::currentTally().intSpoonCount, std::int16_t(1));
    }

    void backReturnsToTheWelcomeWindowAndDiscardsTheTest_data()
    {
        QTest::addColumn<int>("nexts");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("from page 3") << 2 << false;
        QTest::newRow("from the results page") << 4 << false;
        QTest::newRow("File > Back from page 1") << 0 << true;
    }

    void backReturnsToTheWelcomeWindowAndDiscardsTheTest()
    {
        QFETCH(int, nexts);
        QFETCH(bool, byMenu);
        // Under X the hidden welcome window is activated late, which moves its focus on.
        QApplication::setActiveWindow(&frmMain::get());
        option(1, 3)->click();
        for (int page = 1; page <= nexts; ++page)
            pressNext(page);
        if (byMenu)
            displayControl<QAction>(u"mnuBack"_s)->trigger();
        else
            displayControl<QPushButton>(u"cmdBack"_s)->click();
        QVERIFY(!frmDisplay::isLoaded());
        QVERIFY(frmMain::get().isVisible());
        auto *name = control<QLineEdit>(frmMain::get(), u"txtFirstName"_s);
        QCOMPARE(name->text(), u"ANN"_s);
        QApplication::setActiveWindow(&frmMain::get());
        QVERIFY(showsFocusMark(*name));
        QVERIFY(!frmFarewell::isLoaded() || !frmFarewell::get().isVisible());
        QVERIFY(!modHelp::applicationEnded());

        control<QPushButton>(frmMain::get(), u"cmdNext"_s)->click();
        QCOMPARE(pageInFront(), u"fra1"_s);
        QVERIFY(option(1, 0)->isChecked());
        QCOMPARE(tallyTotal(), 0);
        QCOMPARE(displayControl<QLabel>(u"lblBodyShape"_s)->text(), u"lblBodyShape"_s);
    }

    void closingFromAnyPageLeadsToTheFarewellWindow_data()
    {
        QTest::addColumn<int>("nexts");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box on page 1") << 0 << false;
        QTest::newRow("File > Exit on page 3") << 2 << true;
        QTest::newRow("close box on the results page") << 4 << false;
        QTest::newRow("File > Exit on the results page") << 4 << true;
    }

    void closingFromAnyPageLeadsToTheFarewellWindow()
    {
        QFETCH(int, nexts);
        QFETCH(bool, byMenu);
        for (int page = 1; page <= nexts; ++page)
            pressNext(page);
        if (byMenu)
            displayControl<QAction>(u"mnuExit"_s)->trigger();
        else
            display().close();
        QVERIFY(!frmDisplay::isLoaded());
        QVERIFY(frmFarewell::get().isVisible());
        QVERIFY(frmMain::isLoaded());
        QVERIFY(!frmMain::get().isVisible());
        QVERIFY(!modHelp::applicationEnded());
    }

    void linksOpenTheirPagesAndLeaveThePageAsItWas_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("banner") << u"Label61"_s << u"http://www.zelvara.example"_s;
        QTest::newRow("co-brand label")
            << u"lblCobrand"_s << u"http://help.zelvara.example/co-brand.html"_s;
        QTest::newRow("Online Help")
            << u"mnuOnline"_s << u"http://tamsilo.zelvara.example/zv-free-tamsilo-help.html"_s;
        QTest::newRow("Visit Us Online") << u"mnuVisit"_s << u"http://www.zelvara.example"_s;
        QTest::newRow("Check for Software Update")
            << u"mnuUpdate"_s << u"http://tamsilo.zelvara.example/download-zv-free-tamsilo.html"_s;
        QTest::newRow("Donate") << u"mnuDonate"_s << u"http://help.zelvara.example/donate.html"_s;
    }

    void linksOpenTheirPagesAndLeaveThePageAsItWas()
    {
        QFETCH(QString, control);
        QFETCH(QString, address);
        pressNext(1);
        OpenedUrls opened;
        if (auto *label = display().findChild<ClickLabel *>(control))
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() / 2, 8));
        else
            displayControl<QAction>(control)->trigger();
        QCOMPARE(opened.addresses(), QStringList{address});
        QCOMPARE(pageInFront(), u"fra2"_s);
        QCOMPARE(tallyTotal(), 1);
    }

    void theFullBrandLabelLiesBehindAndMakeMoneyIsGreyed()
    {
        auto *coBrand = displayControl<QLabel>(u"lblCobrand"_s);
        QCOMPARE(coBrand->parentWidget()->childAt(coBrand->geometry().center()), coBrand);
        QVERIFY(!displayControl<QAction>(u"mnumakemoney"_s)->isEnabled());
    }

    void theAboutWindowMidTestLeavesTheAnswersAlone()
    {
        option(1, 1)->click();
        pressNext(1);
        pressNext(2);
        bool wasModal = false;
        whenShown<frmAbout>(
            this, [&](frmAbout &about) { wasModal = QApplication::activeModalWidget() == &about; });
        displayControl<QAction>(u"mnuAbout"_s)->trigger();
        QVERIFY(wasModal);
        QVERIFY(!frmAbout::isLoaded());
        QCOMPARE(pageInFront(), u"fra3"_s);
        QCOMPARE(modShapeTest::currentTally().intSpoonCount, std::int16_t(1));
        QCOMPARE(tallyTotal(), 2);
    }
};

QTEST_MAIN(TestFrmDisplay)
#include "tst_frmdisplay.moc"
