#include "shapetest/namerule.h"
#include "translations/language.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStringList>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// The letters each translated language writes beyond a to z, in small letters. Each is taken in
// the language's own capital (QLocale::toUpper), and that capital, typed, is taken as it is.
// English, and any language missing here, takes a to z alone.
struct Alphabet {
    QLatin1StringView language;
    QStringView letters;
};

// German capitalises ß as SS, so it is entered as two letters; the capital sharp s that some
// keyboards type stays what it is.
constexpr Alphabet Alphabets[] = {
    {"de"_L1, u"äöüßẞ"},
    {"es"_L1, u"áéíñóúü"},
    {"fr"_L1, u"àâæçéèêëîïôœùûüÿ"},
    {"it"_L1, u"àèéìíîòóùú"},
    {"pt"_L1, u"áâãàçéêíóôõú"},
    {"ru"_L1, u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
    // Hamza, the letters with their seats, and ta marbuta and alif maqsura; Arabic has no case.
    {"ar"_L1, u"ءآأؤإئابةتثجحخدذرزسشصضطظعغفقكلمنهوىي"},
};

bool isSmallLetter(int k)
{
    return k >= 'a' && k <= 'z';
}

bool isCapitalLetter(int k)
{
    return k >= 'A' && k <= 'Z';
}

// The letters of the language whose texts are shown, and its capitals.
class ShownAlphabet {
public:
    ShownAlphabet() : m_locale(Language::shown())
    {
        const QString language = Language::shown().section(u'_', 0, 0);
        for (const Alphabet &alphabet : Alphabets) {
            if (alphabet.language == language)
                m_letters = alphabet.letters;
        }
    }

    // What a typed character becomes in the box: its capital (two letters for ß), or nothing
    // when it is not a letter of the alphabet.
    QString capitalsOf(QChar c) const
    {
        const int k = c.unicode();
        if (isSmallLetter(k))
            return QString(QChar(k - 32));
        if (isCapitalLetter(k))
            return QString(c);
        for (const QChar letter : m_letters) {
            const QString capitals = m_locale.toUpper(QString(letter));
            if (c == letter || capitals == c)
                return capitals;
        }
        return {};
    }

private:
    QLocale m_locale;
    QStringView m_letters;
};

// What the box may hold: small letters never stay, they are taken as capitals on the way in.
bool keepsRule(const QString &text)
{
    const ShownAlphabet alphabet;
    return std::all_of(text.cbegin(), text.cend(),
                       [&](QChar c) { return c == u' ' || alphabet.capitalsOf(c) == c; });
}

class NameBoxMenu : public QObject {
public:
    explicit NameBoxMenu(QLineEdit &box) : QObject(&box), m_box(box)
    {
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_box || event->type() != QEvent::ContextMenu)
            return false;
        QMenu *menu = m_box.createStandardContextMenu();
        // Known by their captions in the box's own language, before the tab and the shortcut:
        // Qt's own texts, which only Qt's translations translate (so kept out of ours).
        const char *const qtContext = "QLineEdit";
        const QStringList leftOut{QCoreApplication::translate(qtContext, "&Undo"),
                                  QCoreApplication::translate(qtContext, "&Redo")};
        for (QAction *action : menu->actions()) {
            if (leftOut.contains(action->text().section(u'\t', 0, 0)))
                menu->removeAction(action);
        }
        // As the box shows its own menu.
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }

private:
    QLineEdit &m_box;
};
} // namespace

int nameKeyCharacter(int k)
{
    if (k == 8 || k == 13 || k == ' ')
        return k;
    const QString capitals = ShownAlphabet().capitalsOf(QChar(k));
    if (capitals.isEmpty())
        return 0;
    // Two letters for one (ß): the box types the one, and NameValidator makes it two.
    return capitals.size() == 1 ? capitals.front().unicode() : k;
}

NameValidator::NameValidator(QObject *parent) : QValidator(parent) {}

QValidator::State NameValidator::validate(QString &input, int &pos) const
{
    const ShownAlphabet alphabet;
    QString accepted;
    int acceptedPos = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QString capitals = input[i] == u' ' ? u" "_s : alphabet.capitalsOf(input[i]);
        if (capitals.isEmpty()) {
            emit refused();
            return Intermediate;
        }
        accepted += capitals;
        if (i < pos)
            acceptedPos = int(accepted.size());
    }
    input = accepted;
    pos = acceptedPos;
    return Acceptable;
}

void keepNameRule(QLineEdit &box)
{
    struct Kept {
        QString text;
        int cursor = 0;
    };
    auto kept = std::make_shared<Kept>(Kept{box.text(), box.cursorPosition()});
    QObject::connect(&box, &QLineEdit::cursorPositionChanged, &box, [&box, kept](int, int now) {
        if (box.text() == kept->text)
            kept->cursor = now;
    });
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&box, kept](const QString &text) {
        if (keepsRule(text)) {
            kept->text = text;
            kept->cursor = box.cursorPosition();
            return;
        }
        const int cursor = kept->cursor;
        box.setText(kept->text);
        box.setCursorPosition(cursor);
    });
}

void useNameBoxMenu(QLineEdit &box)
{
    new NameBoxMenu(box);
}
