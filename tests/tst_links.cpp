// The seven link operations open their fixed addresses, each exactly once per call.

#include "common/modHelp.h"
#include "common/weblinks.h"
#include "openedurls.h"

#include <QTest>

using namespace Qt::StringLiterals;
using LinkOperation = void (*)();
Q_DECLARE_METATYPE(LinkOperation)

class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void eachOperationOpensItsPage_data()
    {
        QTest::addColumn<LinkOperation>("operation");
        QTest::addColumn<QString>("address");
        QTest::newRow("HelpPage") << &modHelp::OpenHelpPage
                                  << u"http://tamsilo.zelvara.example/zv-free-tamsilo-help.html"_s;
        QTest::newRow("DownloadPage")
            << &modHelp::OpenDownloadPage
            << u"http://tamsilo.zelvara.example/download-zv-free-tamsilo.html"_s;
        QTest::newRow("HomePage, no trailing slash")
            << &modHelp::OpenHomePage << u"http://www.zelvara.example"_s;
        QTest::newRow("SoftwareCataloguePage") << &modHelp::OpenSoftwareCataloguePage
                                               << u"http://www.zelvara.example/zelvarasoftwares"_s;
        QTest::newRow("DonatePage")
            << &modHelp::OpenDonatePage << u"http://help.zelvara.example/donate.html"_s;
        QTest::newRow("FullBrandPage")
            << &modHelp::OpenFullBrandPage << u"http://help.zelvara.example/fully-branded.html"_s;
        QTest::newRow("CoBrandPage")
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
        QCOMPARE(weblinks::HomeSiteName(), u"www.zelvara.example"_s);
        QVERIFY(weblinks::HomePage().endsWith(weblinks::HomeSiteName()));
        QCOMPARE(weblinks::ReferAFriendPage(),
                 u"http://www.zelvara.example/zvkt-refer-a-friend.php"_s);
        QVERIFY(weblinks::HelpPage().startsWith(weblinks::ProductSiteRoot()));
        QVERIFY(weblinks::DownloadPage().startsWith(weblinks::ProductSiteRoot()));
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
