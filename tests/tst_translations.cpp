// The translations: which language the program picks from the desktop's preferences, that Qt's
// own texts come in the same language, and that every .ts file is sound: no message of a
// finished language unfinished or obsolete, and no translation with other placeholders than
// its English.

#include "testapp.h"
#include "translations/language.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {
QStringList placeholders(const QString &text)
{
    QStringList found;
    for (const auto &match : QRegularExpression(u"%L?\\d+"_s).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// "context: source" of each message that fails, with why.
QStringList faults(const QString &tsFile, bool finished)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {u"cannot read "_s + tsFile};
    QStringList found;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == "name"_L1) {
            context = xml.readElementText();
        } else if (xml.name() == "source"_L1) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == "translation"_L1) {
            const QString type = xml.attributes().value("type"_L1).toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            const QString where = context + u": "_s + source.left(40);
            if (type == "obsolete"_L1 || type == "vanished"_L1)
                found << where + u" (obsolete)"_s;
            else if (finished && (type == "unfinished"_L1 || text.isEmpty()))
                found << where + u" (unfinished)"_s;
            else if (!text.isEmpty() && placeholders(text) != placeholders(source))
                found << where + u" (placeholders differ)"_s;
        }
    }
    if (xml.hasError())
        found << xml.errorString();
    return found;
}
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void theFirstPreferredLanguageWeSpeakIsShown_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("shown");
        const QStringList offered{u"de"_s, u"fr"_s, u"pt_BR"_s};
        QTest::newRow("LANGUAGE=fr:de") << QStringList{u"fr"_s, u"fr-FR"_s, u"de"_s} << u"fr"_s;
        QTest::newRow("unknown first") << QStringList{u"ja-JP"_s, u"de-DE"_s} << u"de"_s;
        QTest::newRow("English first") << QStringList{u"en-US"_s, u"de"_s} << QString();
        QTest::newRow("C locale") << QStringList{u"C"_s} << QString();
        QTest::newRow("Austrian German") << QStringList{u"de-AT"_s} << u"de"_s;
        QTest::newRow("Portuguese") << QStringList{u"pt-PT"_s} << u"pt_BR"_s;
        QTest::newRow("Brazilian") << QStringList{u"pt-BR"_s} << u"pt_BR"_s;
        QTest::newRow("nothing we speak") << QStringList{u"ja"_s, u"ko"_s} << QString();
    }

    void theFirstPreferredLanguageWeSpeakIsShown()
    {
        QFETCH(QStringList, preferred);
        QTEST(Language::choose(preferred, {u"de"_s, u"fr"_s, u"pt_BR"_s}), "shown");
    }

    // Every built-in language brings Qt's own texts along; English takes both away again.
    void qtSpeaksTheLanguageShown()
    {
        const QStringList languages = Language::builtIn();
        QVERIFY(languages.contains(u"de"_s) && languages.contains(u"ru"_s));
        for (const QString &language : languages) {
            QVERIFY(Language::use(language));
            QVERIFY2(QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes"_L1,
                     qPrintable(language));
        }
        QVERIFY(!Language::use(u"xx"_s));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Yes"_s);
        QVERIFY(Language::use(QString()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Yes"_s);
    }

    void everyTranslationIsSound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("finished");
        const QDir folder(QStringLiteral(TAMSILO_TRANSLATIONS_DIR));
        for (const QString &file : folder.entryList({u"zv-tamsilo_*.ts"_s})) {
            const QString language = file.sliced(11).chopped(3);
            QTest::newRow(qPrintable(language))
                << folder.filePath(file) << Language::offered().contains(language);
        }
    }

    // Unfinished messages fail only in a language the program offers; the others are still
    // being written.
    void everyTranslationIsSound()
    {
        QFETCH(QString, file);
        QFETCH(bool, finished);
        const QStringList found = faults(file, finished);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // A form's text kept out of translation is one no person reads as words: the window title,
    // style sheets, and placeholders the program replaces.
    void onlyTheseFormTextsStayUntranslated()
    {
        const QDir source(QStringLiteral(TAMSILO_TRANSLATIONS_DIR "/.."));
        const QRegularExpression untranslated(u"<string notr=\"true\">([^<#]*)<"_s);
        QStringList kept;
        for (const QString &form :
             {u"shapetest/frmMain.ui"_s, u"shapetest/frmDisplay.ui"_s, u"farewell/frmFarewell.ui"_s,
              u"about/frmAbout.ui"_s, u"measure/MeasureShapeWindow.ui"_s}) {
            QFile file(source.filePath(form));
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const auto &match : untranslated.globalMatch(QString::fromUtf8(file.readAll())))
                kept << match.captured(1);
        }
        kept.removeDuplicates();
        kept.sort();
        QCOMPARE(kept, QStringList({u"Desc"_s, u"ZV Tamsilo v1.0"_s, u"lblBodyShape"_s}));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
