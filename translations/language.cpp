#include "translations/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {
const auto OurFolder = u":/i18n"_s;
const auto OurPrefix = u"zv-tamsilo_"_s;

bool &rightToLeft()
{
    static bool shown = false;
    return shown;
}

// Qt lays out a paragraph in the direction of its first letter, whatever the window's: an
// Arabic sentence that opens with a Latin name ("Zelvara ...") would read from the left. A
// placeholder takes the direction of what fills it, so its letters (the L and n of %Ln) count
// for nothing.
bool opensLeftToRight(QStringView text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == u'%') {
            while (at + 1 < text.size() &&
                   (text[at + 1] == u'L' || text[at + 1] == u'n' || text[at + 1].isDigit()))
                ++at;
        } else if (text[at].direction() == QChar::DirL) {
            return true;
        } else if (text[at].direction() == QChar::DirR || text[at].direction() == QChar::DirAL) {
            return false;
        }
    }
    return false;
}

// Our translation: every text it gives reads in the language's direction.
class OurTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        const QString text = QTranslator::translate(context, source, disambiguation, n);
        // Qt reads the layout direction itself from this one message ("RTL").
        if (qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0)
            return text;
        return text.isEmpty() ? text : Language::inReadingDirection(text);
    }
};

// Loaded for the language in use, and taken out again before another is loaded.
// The translators live as long as the process: one destroyed as the process ends would take
// itself out of an application that may still stand (a test's, a fuzz target's), and the
// language change it sends would reach widgets whose Qt is already gone.
QTranslator &ours()
{
    static auto *translator = new OurTranslator;
    return *translator;
}

QTranslator &qts()
{
    static auto *translator = new QTranslator;
    return *translator;
}

QString &current()
{
    static QString language;
    return language;
}

// Qt reads the direction of the language from this message each time a translation comes or
// goes, and lays out menus, message boxes and layouts to it; our own translation carries it, so
// the direction never hangs on Qt's translation being installed.
[[maybe_unused]] const struct {
    const char *source, *comment;
} Direction = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

QString baseLanguage(const QString &language)
{
    return language.section(u'_', 0, 0);
}
} // namespace

namespace Language {

QStringList offered()
{
    return QString::fromLatin1(TAMSILO_LANGUAGES).split(u',', Qt::SkipEmptyParts);
}

QStringList builtIn()
{
    QStringList languages;
    const QStringList files = QDir(OurFolder).entryList({OurPrefix + u"*.qm"_s}, QDir::Files);
    for (const QString &file : files)
        languages << file.sliced(OurPrefix.size()).chopped(3);
    return languages;
}

QString choose(const QStringList &preferred, const QStringList &offered)
{
    for (QString tag : preferred) {
        tag.replace(u'-', u'_');
        const QString base = baseLanguage(tag);
        // "C" and "POSIX" are the program's own texts, as English is.
        if (base == "en"_L1 || base == "C"_L1 || base == "POSIX"_L1)
            return {};
        if (offered.contains(tag))
            return tag;
        // A language in another country's form ("de_AT", "pt_PT") reads the one offered.
        for (const QString &language : offered) {
            if (baseLanguage(language) == base)
                return language;
        }
    }
    return {};
}

bool use(const QString &language)
{
    QCoreApplication::removeTranslator(&ours());
    QCoreApplication::removeTranslator(&qts());
    current().clear();
    rightToLeft() = false;
    // English says its texts as written, but counts in its own plural forms ("1 answer").
    if (language.isEmpty()) {
        if (ours().load(u"english-plurals_en"_s, OurFolder))
            QCoreApplication::installTranslator(&ours());
        return true;
    }
    if (!ours().load(OurPrefix + language, OurFolder))
        return false;
    current() = language;
    rightToLeft() = QLocale(language).textDirection() == Qt::RightToLeft;
    // Installed first, so ours is asked first.
    if (qts().load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qts().load(u"qtbase_"_s + baseLanguage(language),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qts());
    QCoreApplication::installTranslator(&ours());
    return true;
}

QString inReadingDirection(const QString &text)
{
    return rightToLeft() && opensLeftToRight(text) ? u'\u200F' + text : text;
}

QString shown()
{
    return current();
}

void useDesktopLanguage()
{
    use(choose(QLocale::system().uiLanguages(), offered()));
}

} // namespace Language
