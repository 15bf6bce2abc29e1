#pragma once

// What the first-name box accepts: capital letters A to Z and spaces, a small letter being
// taken as its capital. In a translated language the letters of its alphabet are taken too, in
// that language's capitals (German ß as SS). This holds whatever way text arrives: typed, pasted
// or dropped, and follows the language shown (Language::shown()).

#include <QValidator>

class QLineEdit;

// The character to type for a Windows character code k, or 0 when it is refused. Backspace (8),
// carriage return (13) and space (32) pass unchanged, and so does a letter whose capital is two
// letters, which NameValidator then writes.
int nameKeyCharacter(int k);

// Guards the box against text that does not come through the keyboard: small letters become
// capitals (the cursor moving on past a letter that becomes two), anything else is refused
// whole and reported through refused(). A refused text is
// left to keepNameRule to take back (see there).
class NameValidator : public QValidator {
    Q_OBJECT

public:
    explicit NameValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

signals:
    void refused() const;
};

// Takes a text that breaks the rule back to the last one that kept it, with the cursor where
// it was. The box's own way of undoing a refused change is to replay its undo history, which an
// input method replacing characters can have spoilt, so that it brings back characters never
// accepted, silently; the validator therefore lets a refused text through, and this takes it back.
void keepNameRule(QLineEdit &box);

// The box's context menu without Undo and Redo. From the keyboard they are Ctrl+Z and Ctrl+Y,
// control characters that the rule refuses with a message, and an undo is the one edit that
// brings back texts of the past rather than changing the one in the box. Cut, Copy, Delete
// and Select All stay: each has a key the rule lets through (Shift+Delete, Ctrl+Insert,
// Delete, Shift+End) and none can put a character into the box. Paste stays, and goes through
// the rule like anything else.
void useNameBoxMenu(QLineEdit &box);
