// The about window: modal over the window that opened it, four ways to close, two links.

#include "about/frmAbout.h"
#include "controls.h"
#include "openedurls.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "welcome.h"
#include "whenshown.h"
#include "widgets/clicklabel.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { resetApplication(); }

    void closesEveryWayAndGivesTheOpenerBackItsInput_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << u"OK"_s;
        QTest::newRow("Enter") << u"Enter"_s;
        QTest::newRow("Esc") << u"Esc"_s;
        QTest::newRow("close box") << u"close box"_s;
    }

    void closesEveryWayAndGivesTheOpenerBackItsInput()
    {
        QFETCH(QString, how);
        frmMain &opener = showWelcome();
        bool blocked = false;
        whenShown<frmAbout>(this, [&](frmAbout &about) {
            blocked = QApplication::activeModalWidget() == &about;
            if (how == u"OK"_s)
                QTest::mouseClick(control<QPushButton>(about, u"cmdOK"_s), Qt::LeftButton);
            else if (how == u"Enter"_s)
                QTest::keyClick(&about, Qt::Key_Return);
            else if (how == u"Esc"_s)
                QTest::keyClick(&about, Qt::Key_Escape);
            else
                about.close();
        });
        control<QAction>(opener, u"mnuAbout"_s)->trigger();
        QVERIFY(blocked);
        QVERIFY(!frmAbout::isLoaded());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(opener.isVisible());
    }

    void isAFixedDialogOwnedByItsOpener()
    {
        frmMain &opener = showWelcome();
        whenShown<frmAbout>(this, [&](frmAbout &about) {
            QCOMPARE(about.parentWidget(), &opener);
            QCOMPARE(about.windowType(), Qt::Dialog);
            QCOMPARE(about.size(), QSize(455, 258));
            QCOMPARE(about.minimumSize(), about.maximumSize());
            QVERIFY(!(about.windowFlags() &
                      (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QCOMPARE(about.windowTitle(), u"ZV Tamsilo v1.0"_s);
            auto *ok = control<QPushButton>(about, u"cmdOK"_s);
            QVERIFY(ok->isDefault());
            QCOMPARE(about.focusWidget(), ok);
            about.close();
        });
        control<QAction>(opener, u"mnuAbout"_s)->trigger();
        QVERIFY(!frmAbout::isLoaded());
    }

    void textsAreAsWrittenAndNameTheHomePage()
    {
        frmMain &opener = showWelcome();
        whenShown<frmAbout>(this, [&](frmAbout &about) {
            const QString description = control<QLabel>(about, u"Label1"_s)->text();
            QVERIFY(description.startsWith(
                u"ZV Tamsilo helps you analyze your body shape. Everybody has a natural body "
                "shape. To understand your body better you need to know your body shape so "
                "that  you can work on that part of the body accordingly. Achieve that perfect "
                "figure with the help of this software. "_s));
            QCOMPARE(control<QLabel>(about, u"lblHomePage"_s)->text(),
                     u"Click here to visit http://www.zelvara.example"_s);
            QCOMPARE(control<QLabel>(about, u"Label2"_s)->text(), u"ZV Tamsilo v1.0"_s);
            about.close();
        });
        control<QAction>(opener, u"mnuAbout"_s)->trigger();
    }

    void linksOpenTheirPagesAndLeaveTheWindowOpen_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("address");
        QTest::newRow("home page") << u"lblHomePage"_s << u"http://www.zelvara.example"_s;
        QTest::newRow("full-branding offer")
            << u"lblCoBrand"_s << u"http://help.zelvara.example/fully-branded.html"_s;
    }

    void linksOpenTheirPagesAndLeaveTheWindowOpen()
    {
        QFETCH(QString, label);
        QFETCH(QString, address);
        frmMain &opener = showWelcome();
        OpenedUrls opened;
        bool stillOpen = false;
        whenShown<frmAbout>(this, [&](frmAbout &about) {
            auto *link = control<ClickLabel>(about, label);
            QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
            stillOpen = about.isVisible() && QApplication::activeModalWidget() == &about;
            about.close();
        });
        control<QAction>(opener, u"mnuAbout"_s)->trigger();
        QVERIFY(stillOpen);
        QCOMPARE(opened.addresses(), QStringList({address, address}));
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
