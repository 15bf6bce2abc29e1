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
        QWidget *parent = nullptr;
        Qt::WindowType type = Qt::Widget;
        Qt::WindowFlags flags;
        QSize size;
        bool fixedSize = false;
        QString title;
        bool okIsDefault = false;
        bool okHasFocus = false;
        whenShown<frmAbout>(this, [&](frmAbout &about) {
            parent = about.parentWidget();
            type = about.windowType();
            flags = about.windowFlags();
            size = about.size();
            fixedSize = about.minimumSize() == about.maximumSize();
            title = about.windowTitle();
            auto *ok = control<QPushButton>(about, u"cmdOK"_s);
            okIsDefault = ok->isDefault();
            okHasFocus = about.focusWidget() == ok;
        });
        control<QAction>(opener, u"mnuAbout"_s)->trigger();
        QVERIFY(!frmAbout::isLoaded());
        QCOMPARE(parent, &opener);
        QCOMPARE(type, Qt::Dialog);
        QCOMPARE(size, QSize(455, 258));
        QVERIFY(fixedSize);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(title, u"ZV Tamsilo v1.0"_s);
        QVERIFY(okIsDefault);
        QVERIFY(okHasFocus);
    }

    void textsAreAsWrittenAndNameTheHomePage()
    {
        frmMain &opener = showWelcome();
        QStringList texts;
        whenShown<frmAbout>(this, [&](frmAbout &about) {
            for (const QString &name : {u"Label1"_s, u"lblHomePage"_s, u"Label2"_s})
                texts << control<QLabel>(about, name)->text();
        });
        control<QAction>(opener, u"mnuAbout"_s)->trigger();
        QCOMPARE(texts.size(), 3);
        QVERIFY(texts[0].startsWith(
            u"ZV Tamsilo helps you analyze your body shape. Everybody has a natural body "
            "shape. To understand your body better you need to know your body shape so "
            "that  you can work on that part of the body accordingly. Achieve that perfect "
            "figure with the help of this software. "_s));
        QCOMPARE(texts[1], u"Click here to visit http://www.zelvara.example"_s);
        QCOMPARE(texts[2], u"ZV Tamsilo v1.0"_s);
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
        });
        control<QAction>(opener, u"mnuAbout"_s)->trigger();
        QVERIFY(stillOpen);
        QCOMPARE(opened.addresses(), QStringList({address, address}));
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
