// The language shown, Qt's own texts in it, and every .ts file sound: finished, its
// placeholders and access keys kept, its glossary terms and form of address used.

#include "translations/language.h"

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

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

namespace {
const QString Folder = QStringLiteral(TAMSILO_TRANSLATIONS_DIR);

struct Message {
    QString context, source, comment;
    QStringList translations; // one, or each plural form
    bool plural = false;
};

// The messages of a .ts file, a line break written as <byte value="xd"/> read as one.
QList<Message> messagesOf(const QString &language)
{
    QFile file(Folder + u"/zv-tamsilo_"_s + language + u".ts"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString *text = nullptr, context;
    bool plural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == "name"_L1) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && name == "message"_L1) {
            plural = xml.attributes().value("numerus"_L1) == "yes"_L1;
            messages.append({context, {}, {}, {}, plural});
        } else if (xml.isStartElement() && !messages.isEmpty()) {
            Message &m = messages.last();
            if (name == "source"_L1)
                text = &m.source;
            else if (name == "extracomment"_L1)
                text = &m.comment;
            // A plural message's translations are its forms, not the space around them.
            else if (name == "numerusform"_L1 ||
                     (name == "translation"_L1 && !plural && xml.attributes().isEmpty()))
                text = &m.translations.emplace_back();
            else if (name == "byte"_L1 && text)
                *text += QChar(xml.attributes().value("value"_L1).sliced(1).toInt(nullptr, 16));
            else if (name != "translation"_L1)
                text = nullptr;
        } else if (xml.isCharacters() && text) {
            *text += xml.text();
        } else if (xml.isEndElement() && name != "byte"_L1) {
            text = nullptr;
        }
    }
    return messages;
}

// The placeholders (%1, %L2, %n) and the access key's "&" of a text, sorted.
QStringList markers(const QString &text, bool plural)
{
    QStringList found = matches(text, u"(%L?(?:\\d+|n))"_s);
    if (plural)
        found.removeIf([](const QString &m) { return m.endsWith(u'n'); });
    if (QString(text).remove(u"&&"_s).contains(QRegularExpression(u"&\\S"_s)))
        found << u"&"_s;
    return found;
}

// The letter an access key's "&" marks, in lower case; empty without one.
QString accessKey(const QString &text)
{
    return matches(QString(text).remove(u"&&"_s), u"&(\\S)"_s).value(0).toLower();
}

struct GlossaryRow {
    QString kind, english;
    QStringList forms, wrong;
};

QList<GlossaryRow> glossaryOf(const QString &language)
{
    QList<GlossaryRow> rows;
    const auto words = [](const QString &list) {
        QStringList split = list.split(u'/', Qt::SkipEmptyParts);
        for (QString &word : split)
            word = word.trimmed();
        return split;
    };
    for (const QString &line : read(Folder + u"/glossary"_s).split(u'\n')) {
        const QStringList cells = line.split(u'|');
        if (!line.startsWith(u'#') && cells.size() >= 4 && cells[0].trimmed() == language)
            rows.append(
                {cells[1].trimmed(), cells[2].trimmed(), words(cells[3]), words(cells.value(4))});
    }
    return rows;
}

// Where the English uses the glossary's term: a shape by its name as written, a measurement
// or unit in any case, an abbreviation after a number or placeholder.
bool englishUses(const QString &source, const GlossaryRow &row)
{
    const QString term = QRegularExpression::escape(row.english);
    if (row.kind == "shape"_L1)
        return source.contains(QRegularExpression(u"\\b"_s + term + u"\\b"_s));
    if (row.kind == "abbr"_L1)
        return source.contains(QRegularExpression(u"(\\d|%\\d) "_s + term + u"\\b"_s));
    return source.contains(
        QRegularExpression(u"\\b"_s + term + u"\\b"_s, QRegularExpression::CaseInsensitiveOption));
}

bool holdsWord(const QString &text, const QString &word, bool anyCase = false)
{
    return text.contains(
        QRegularExpression(u"(?<!\\w)"_s + QRegularExpression::escape(word) + u"(?!\\w)"_s,
                           QRegularExpression::UseUnicodePropertiesOption |
                               (anyCase ? QRegularExpression::CaseInsensitiveOption
                                        : QRegularExpression::NoPatternOption)));
}

// What the desktop entry and the AppStream file say in the language.
QString desktopTexts(const QString &language)
{
    const QString assets = Folder + u"/../assets/"_s;
    const QString tag = QRegularExpression::escape(language);
    return matches(read(assets + u"example.zelvara.Tamsilo.desktop"_s),
                   u"\\w+\\["_s + tag + u"\\]=(.*)"_s)
               .join(u'\n') +
           matches(read(assets + u"example.zelvara.Tamsilo.metainfo.xml"_s),
                   u"xml:lang=\""_s + tag + u"\">([^<]*)<"_s)
               .join(u'\n');
}
} // namespace

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
        // After a language written from the right, which must leave nothing behind.
        QVERIFY(Language::use(u"ar"_s));
        QVERIFY(Language::use(shown));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes"_L1,
                 shown.isEmpty());
        // Menus, message boxes and forms follow the direction the language is written in.
        QCOMPARE(QGuiApplication::layoutDirection(),
                 shown == "ar"_L1 ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(QCoreApplication::translate("HistoryWindow", "%Ln entries added to My History.",
                                             nullptr, 2)
                     .isRightToLeft(),
                 shown == "ar"_L1);
    }

    // Unfinished messages fail only in a language the program offers.
    void everyTranslationIsSound()
    {
        const QDir folder(Folder);
        for (const QString &file : folder.entryList({u"zv-tamsilo_*.ts"_s})) {
            const QString language = file.sliced(11).chopped(3);
            const QStringList faults =
                matches(read(folder.filePath(file)),
                        Language::offered().contains(language)
                            ? u"(type=\"\\w+\"|<translation></|<numerusform></|unread)"_s
                            : u"(type=\"(?:obsolete|vanished)\"|unread)"_s);
            QVERIFY2(faults.isEmpty(), qPrintable(file + u": "_s + faults.join(u' ')));
            // Qt counts in six forms in Arabic, three in Russian, two in the others.
            const qsizetype forms = language == "ar"_L1 ? 6 : language == "ru"_L1 ? 3 : 2;
            QHash<QString, QSet<QString>> englishKeys, keys; // of each window
            for (const Message &m : messagesOf(language)) {
                QVERIFY2(!m.plural || m.translations.size() == forms,
                         qPrintable(file + u": "_s + m.source));
                for (const QString &translation : m.translations) {
                    QVERIFY2(translation.isEmpty() ||
                                 markers(m.source, m.plural) == markers(translation, m.plural),
                             qPrintable(file + u": "_s + m.source + u" / "_s + translation));
                    // A word or two a language shares with English, never a sentence.
                    QVERIFY2(translation != m.source ||
                                 matches(m.source, u"(\\w\\w+)"_s).size() < 2,
                             qPrintable(file + u" left in English: "_s + m.source));
                }
                if (!accessKey(m.source).isEmpty()) {
                    englishKeys[m.context] << accessKey(m.source);
                    keys[m.context] << accessKey(m.translations.value(0));
                }
            }
            // Two controls of a window never come to share a key the English keeps apart.
            for (auto window = keys.cbegin(); window != keys.cend(); ++window)
                QVERIFY2(window->size() >= englishKeys[window.key()].size(),
                         qPrintable(file + u": access keys of "_s + window.key()));
        }
    }

    // What fills a %1 (a name, a shape, a list, a number) decides its grammar.
    void everyPlaceholderIsExplained()
    {
        QStringList unexplained;
        for (const Message &m : messagesOf(u"ar"_s)) {
            if (m.source.contains(QRegularExpression(u"%L?\\d"_s)) && m.comment.isEmpty())
                unexplained << m.source;
        }
        QVERIFY2(unexplained.isEmpty(), qPrintable(unexplained.join(u'\n')));
    }

    void theGlossaryIsKept_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Language::offered())
            QTest::newRow(qPrintable(language)) << language;
    }

    // Its terms where the English has them, never a wrong one, and one form of address in the
    // program, its desktop entry and its AppStream file.
    void theGlossaryIsKept()
    {
        QFETCH(QString, language);
        const QList<GlossaryRow> glossary = glossaryOf(language);
        QVERIFY(glossary.size() >= 13);
        QStringList faults;
        QString program;
        for (const Message &m : messagesOf(language)) {
            // An access key's "&" may stand inside a term, and a no-break space between its words.
            const QString translation = m.translations.join(u'\n')
                                            .remove(u'&')
                                            .replace(QChar(0x00A0), u' ')
                                            .replace(QChar(0x202F), u' ');
            program += translation + u'\n';
            for (const GlossaryRow &row : glossary) {
                if (row.kind == "register"_L1)
                    continue;
                const auto holds = [&](const QString &term) {
                    return translation.contains(term, Qt::CaseInsensitive);
                };
                if (englishUses(m.source, row) &&
                    std::none_of(row.forms.begin(), row.forms.end(), holds))
                    faults << row.english + u" not "_s + row.forms.first() + u": "_s + translation;
                const auto holdsWrong = [&](const QString &term) {
                    return holdsWord(translation, term, true);
                };
                if (std::any_of(row.wrong.begin(), row.wrong.end(), holdsWrong))
                    faults << row.english + u" wrong: "_s + translation;
            }
        }
        const QString desktop = desktopTexts(language);
        QVERIFY(!desktop.isEmpty());
        for (const GlossaryRow &row : glossary) {
            if (row.kind != "register"_L1)
                continue;
            const auto inProgram = [&](const QString &word) { return holdsWord(program, word); };
            if (std::none_of(row.forms.begin(), row.forms.end(), inProgram))
                faults << u"the program never says "_s + row.english;
            for (const QString &word : row.wrong) {
                // A word written small is wrong at the start of a sentence too; "Ihr" is not "ihr".
                const bool anyCase = word == word.toLower();
                if (holdsWord(program, word, anyCase))
                    faults << u"the program says "_s + word + u": "_s +
                                  program.section(word, 0, 0).section(u'\n', -1) + word;
                if (holdsWord(desktop, word, anyCase))
                    faults << u"the desktop entry or AppStream file says "_s + word;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
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
