// The pictures the welcome window needs before its first paint: read without waking Qt's
// image-format plugins, and the same pictures as the PNGs a person looks at.

#include "widgets/applicationicon.h"
#include "widgets/programstyle.h"
#include "widgets/rawpicture.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
bool imagePluginLoaded()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QImage drawn(const QIcon &icon)
{
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    icon.paint(&painter, picture.rect());
    return picture;
}
} // namespace

class TestStartPictures : public QObject {
    Q_OBJECT

private slots:
    // Runs first: nothing before it may have read a picture file.
    void aWindowWithAMenuBarReadsNoPictureFile()
    {
        QVERIFY(!imagePluginLoaded());
        useProgramStyle();
        QMainWindow window;
        window.menuBar()->addMenu(u"&File"_s);
        window.setWindowIcon(applicationIcon());
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(!imagePluginLoaded());
    }

    // The menu bar's overflow button still shows the desktop style's picture once drawn.
    void theOverflowButtonKeepsItsPicture()
    {
        QMenuBar bar;
        const auto *overflow = bar.findChild<QToolButton *>();
        QVERIFY(overflow);
        const std::unique_ptr<QStyle> desktop(QStyleFactory::create(u"Fusion"_s));
        const QIcon expected = desktop->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!overflow->icon().isNull());
        QCOMPARE(drawn(overflow->icon()), drawn(expected));
    }

    void eachPictureMatchesItsPng_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"app-icon", "app-icon@2x", "hand", "hand@2x"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void eachPictureMatchesItsPng()
    {
        QFETCH(QString, name);
        const QImage raw = rawPicture(u":/assets/"_s + name + u".rgba"_s);
        const QImage png(QStringLiteral(TAMSILO_ASSETS_DIR "/") + name + u".png"_s);
        QVERIFY(!png.isNull());
        QCOMPARE(raw.convertToFormat(QImage::Format_ARGB32),
                 png.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestStartPictures)
#include "tst_startpictures.moc"
