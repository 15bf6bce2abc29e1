// The seven link operations open their fixed addresses, each exactly once per call.

#include "about/frmAbout.h"
#include "common/modHelp.h"
#include "common/weblinks.h"
#include "controls.h"
#include "farewell/frmFarewell.h"
#include "messageboxes.h"
#include "openedurls.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "welcome.h"
#include "widgets/clicklabel.h"

#include <QAction>
#include <QDesktopServices>
#include <QTest>

using namespace Qt::StringLiterals;
using LinkOperation = void (*)();
Q_DECLARE_METATYPE(LinkOperation)

class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { resetApplication(); }

    void eachOperationOpensItsPage_data()
    {
        QTest::addColumn<LinkOperation>("operation");
        QTest::addColumn<QString>("address");
        QTest::newRow("helpPage") << &modHelp::OpenHelpPage
                                  << u"http://tamsilo.zelvara.example/zv-free-tamsilo-help.html"_s;
        QTest::newRow("downloadPage")
            << &modHelp::OpenDownloadPage
            << u"http://tamsilo.zelvara.example/download-zv-free-tamsilo.html"_s;
        QTest::newRow("homePage, no trailing slash")
            << &modHelp::OpenHomePage << u"http://www.zelvara.example"_s;
        QTest::newRow("softwareCataloguePage") << &modHelp::OpenSoftwareCataloguePage
                                               << u"http://www.zelvara.example/zelvarasoftwares"_s;
        QTest::newRow("donatePage")
            << &modHelp::OpenDonatePage << u"http://help.zelvara.example/donate.html"_s;
        QTest::newRow("fullBrandPage")
            << &modHelp::OpenFullBrandPage << u"http://help.zelvara.example/fully-branded.html"_s;
        QTest::newRow("coBrandPage")
            << &modHelp::OpenCoBrandPage << u"http://help.zelvara.example/co-brand.html"_s;
    }

    void eachOperationOpensItsPage()
    {
        QFETCH(LinkOperation, operation);
        QFETCH(QString, address);
        OpenedUrls opened;
        operation();
        operation();
        QCOMPARE(opened.addresses(), QStringList({address, address}));
    }

    void shownAddressesAgreeWithOpenedOnes()
    {
        QCOMPARE(WebLinks::homeSiteName(), u"www.zelvara.example"_s);
        QVERIFY(WebLinks::homePage().endsWith(WebLinks::homeSiteName()));
        QCOMPARE(WebLinks::referAFriendPage(),
                 u"http://www.zelvara.example/zvkt-refer-a-friend.php"_s);
        QVERIFY(WebLinks::helpPage().startsWith(WebLinks::productSiteRoot()));
        QVERIFY(WebLinks::downloadPage().startsWith(WebLinks::productSiteRoot()));
    }

    // What X sends for a double-click: press, release, double-click, release. It is one click.
    void aDoubleClickOnAnyLinkLabelOfAnyWindowOpensItsPageOnce()
    {
        prepareTestApplication();
        QList<ClickLabel *> labels;
        for (QWidget *window : QWidgetList{&frmMain::get(), &frmDisplay::get(), &frmFarewell::get(),
                                           &frmAbout::get()})
            labels += window->findChildren<ClickLabel *>();
        QCOMPARE(labels.size(), 10);
        for (ClickLabel *label : labels) {
            OpenedUrls opened;
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, 3));
            QCOMPARE(opened.addresses().size(), 1);
        }
        resetApplication();
    }

    void aLaunchWithoutABrowserReportsNothing()
    {
        // No handler and no browser on PATH: the launch fails, and the user sees no message
        // and stays in the window.
        qputenv("PATH", "/nonexistent");
        qputenv("BROWSER", "");
        QVERIFY(!QDesktopServices::openUrl(QUrl(WebLinks::homePage())));
        frmMain &window = showWelcome();
        MessageBoxAnswerer boxes;
        control<QAction>(window, u"mnuVisit"_s)->trigger();
        QTest::qWait(50);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(window.isVisible());
        QCOMPARE(QApplication::activeWindow(), &window);
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
