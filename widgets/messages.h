#pragma once

// The program's message boxes: modal, captioned with the application title, over the window
// the user is working in.

#include <QString>

inline constexpr const char *ApplicationTitle = "ZV Tamsilo";

// Information icon, a single OK button.
void showInformation(const QString &text);

// The same, kept above every window of the desktop, those kept above the others included.
void showInformationAboveAll(const QString &text);

// Stop icon, a single OK button.
void showStop(const QString &text);

// Information icon, Yes and No with Yes the default. True when the answer is Yes; closing the
// box or pressing Escape answers No.
bool askYesNo(const QString &text);
