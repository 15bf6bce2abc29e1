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

// Loaded for the language in use, and taken out again before another is loaded.
QTranslator &ours()
{
    static QTranslator translator;
    return translator;
}

QTranslator &qts()
{
    static QTranslator translator;
    return translator;
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
    // English says its texts as written, but counts in its own plural forms ("1 answer").
    if (language.isEmpty()) {
        if (ours().load(u"english-plurals_en"_s, OurFolder))
            QCoreApplication::installTranslator(&ours());
        return true;
    }
    if (!ours().load(OurPrefix + language, OurFolder))
        return false;
    current() = language;
    // Installed first, so ours is asked first.
    if (qts().load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qts().load(u"qtbase_"_s + baseLanguage(language),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qts());
    QCoreApplication::installTranslator(&ours());
    return true;
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
