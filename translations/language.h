#pragma once

// The language the program speaks: the first of the desktop's preferred languages that is
// English or one of the program's finished translations. Our translation and Qt's own (for
// Yes/No, OK/Cancel, the file and print dialogs, a text box's menu) are loaded together for
// that language, so no window mixes two. Dates and the settings file follow the locale, never
// the language of the texts: QLocale's default stays the system's.

#include <QString>
#include <QStringList>

namespace Language {

// The finished translations, which the program offers ("de", "pt_BR", ...).
QStringList offered();

// Every translation built into the program, finished or not.
QStringList builtIn();

// The language to show for the preferred languages in their order ("fr-FR", "de", ...);
// empty for English, which a preferred English, or no offered language at all, gives.
QString choose(const QStringList &preferred, const QStringList &offered);

// Shows every text from now on in the language ("" for English) and returns whether our
// translation was found; Qt's own, when missing, leaves Qt's texts in English.
bool use(const QString &language);

// The text as it reads in the language shown. Qt takes a paragraph's direction from its first
// letter, so in a right-to-left language a text that opens with a Latin word gets a
// right-to-left mark (U+200F) in front and reads from the right, as the window does. Every
// translated text comes through here; an untranslated one shown among them (people's names)
// is passed by hand.
QString inReadingDirection(const QString &text);

// The language whose texts are shown now, as given to use() ("" for English).
QString shown();

// The program's choice at start: QLocale::uiLanguages() among the offered languages.
void useDesktopLanguage();

} // namespace Language
