#pragma once

// A language made for tests from the program's own texts as they are looked up: every letter
// accented, the whole in brackets and two fifths longer, its placeholders (%1, %L2, %n) and
// access keys (&) kept. A text shown without its brackets never went through translation; a
// text too long for its control in it will be too long for a real language too.

#include <QString>

// The text as the pseudo-language says it.
QString pseudoText(const QString &text);

// Shows every text in the pseudo-language from now on (Qt's own included), or stops; the
// direction stays left to right.
void usePseudoLanguage(bool use);

// Whether a shown text came through the pseudo-language whole: it is bracketed, each line.
bool isPseudoText(const QString &text);
