// The language shown, Qt's own texts in it, and every .ts file sound.

#include "translations/language.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// The first group of every match in the text, sorted.
static QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    for (const auto &match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    found.sort();
    return found;
}

static QString read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : u"unread"_s;
}

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void theFirstLanguageWeSpeakIsShownWithQtsTexts_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("shown");
        QTest::newRow("LANGUAGE=fr:de") << QStringList{u"fr"_s, u"fr-FR"_s, u"de"_s} << u"fr"_s;
        QTest::newRow("unknown first") << QStringList{u"ja-JP"_s, u"de-DE"_s} << u"de"_s;
        QTest::newRow("English first") << QStringList{u"en-US"_s, u"de"_s} << QString();
        QTest::newRow("nothing we speak") << QStringList{u"ja"_s, u"ko"_s} << QString();
        for (const QString &language : Language::builtIn())
            QTest::newRow(qPrintable(language)) << QStringList{language} << language;
    }

    void theFirstLanguageWeSpeakIsShownWithQtsTexts()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, shown);
        QCOMPARE(Language::choose(preferred, Language::builtIn()), shown);
        QVERIFY(Language::use(shown));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes"_L1,
                 shown.isEmpty());
    }

    // Unfinished messages fail only in a language the program offers.
    void everyTranslationIsSound()
    {
        const QDir folder(QStringLiteral(TAMSILO_TRANSLATIONS_DIR));
        const QString number = u"(%L?\\d+)"_s;
        for (const QString &file : folder.entryList({u"zv-tamsilo_*.ts"_s})) {
            const QString ts = read(folder.filePath(file));
            const QStringList faults =
                matches(ts, Language::offered().contains(file.sliced(11).chopped(3))
                                ? u"(type=\"\\w+\"|<translation></|unread)"_s
                                : u"(type=\"(?:obsolete|vanished)\"|unread)"_s);
            QVERIFY2(faults.isEmpty(), qPrintable(file + u": "_s + faults.join(u' ')));
            const QRegularExpression message(
                u"<source>([^<]*)</source>.*?<translation[^>]*>(.*?)</tr"_s,
                QRegularExpression::DotMatchesEverythingOption);
            for (const auto &m : message.globalMatch(ts))
                QVERIFY2(m.captured(2).isEmpty() ||
                             matches(m.captured(1), number) == matches(m.captured(2), number),
                         qPrintable(file + u": "_s + m.captured(1)));
        }
    }

    // Texts kept out of translation are ones no person reads as words.
    void onlyTheseFormTextsStayUntranslated()
    {
        QString forms;
        for (const char *form :
             {"shapetest/frmMain", "shapetest/frmDisplay", "farewell/frmFarewell", "about/frmAbout",
              "measure/MeasureShapeWindow", "measure/MeasureGuide"})
            forms += read(TAMSILO_TRANSLATIONS_DIR "/../"_L1 + QLatin1StringView(form) + ".ui"_L1);
        QStringList kept = matches(forms, u"<string notr=\"true\">([^<#]*)<|(unread)"_s);
        kept.removeDuplicates();
        QCOMPARE(kept, QStringList({u"Desc"_s, u"ZV Tamsilo v1.0"_s, u"lblBodyShape"_s}));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
