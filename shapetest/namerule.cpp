#include "shapetest/namerule.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>

#include <algorithm>
#include <memory>

namespace {
bool isSmallLetter(int k)
{
    return k >= 'a' && k <= 'z';
}

bool isCapitalLetter(int k)
{
    return k >= 'A' && k <= 'Z';
}

// What the box may hold: small letters never stay, they are taken as capitals on the way in.
bool keepsRule(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return isCapitalLetter(c.unicode()) || c == u' '; });
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
    if (isSmallLetter(k))
        return k - 32;
    if (isCapitalLetter(k) || k == 8 || k == 13 || k == ' ')
        return k;
    return 0;
}

NameValidator::NameValidator(QObject *parent) : QValidator(parent) {}

QValidator::State NameValidator::validate(QString &input, int &) const
{
    QString accepted = input;
    for (QChar &c : accepted) {
        const int k = c.unicode();
        if (!isSmallLetter(k) && !isCapitalLetter(k) && k != ' ') {
            emit refused();
            return Intermediate;
        }
        c = QChar(nameKeyCharacter(k));
    }
    input = accepted;
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
