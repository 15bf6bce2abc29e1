// The seven link operations open their fixed addresses, each exactly once per call.

#include "about/frmAbout.h"
#include "common/modHelp.h"
#include "common/weblinks.h"
#include "farewell/frmFarewell.h"
#include "openedurls.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "widgets/clicklabel.h"

#include <QTest>

using namespace Qt::StringLiterals;
using LinkOperation = void (*)();
Q_DECLARE_METATYPE(LinkOperation)
using ShowWindow = QWidget &(*)();
Q_DECLARE_METATYPE(ShowWindow)

namespace {
template <class Window> QWidget &shown()
{
    Window &window = Window::get();
    window.show();
    return window;
}

// What the window system sends for a double-click: press, release, double-click, release.
void doubleClick(QWidget *widget)
{
    const QPoint at(3, 3);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}
} // namespace

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

    // A double-click is a click followed by a double-click, which a label does not act on.
    void aDoubleClickOnAnyLinkLabelOpensItsPageOnce_data()
    {
        QTest::addColumn<ShowWindow>("window");
        QTest::addColumn<int>("labels");
        QTest::newRow("welcome") << &shown<frmMain> << 4;
        QTest::newRow("questionnaire") << &shown<frmDisplay> << 3;
        QTest::newRow("farewell") << &shown<frmFarewell> << 1;
        QTest::newRow("about") << &shown<frmAbout> << 2;
    }

    void aDoubleClickOnAnyLinkLabelOpensItsPageOnce()
    {
        QFETCH(ShowWindow, window);
        const QList<ClickLabel *> labels = window().findChildren<ClickLabel *>();
        QTEST(int(labels.size()), "labels");
        for (ClickLabel *label : labels) {
            OpenedUrls opened;
            doubleClick(label);
            QCOMPARE(opened.addresses().size(), 1);
        }
    }

    void aLaunchWithoutABrowserReportsNothing()
    {
        // No handler and no browser on PATH: the call returns and nothing is shown.
        qputenv("PATH", "/nonexistent");
        qputenv("BROWSER", "");
        modHelp::OpenHomePage();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
