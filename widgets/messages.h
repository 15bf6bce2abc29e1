#pragma once

// The program's message boxes: modal, captioned with the application title, each over the
// window it belongs to (its owner: kept above it, centred on it where the window system places
// windows). The owner is named by the caller, never guessed from the window that has the
// focus: a box that comes while no window has it would belong to none. A box shown before any
// window is up has no owner (nullptr).

#include <QString>

class QWidget;

inline constexpr const char *ApplicationTitle = "ZV Tamsilo";

// Information icon, a single OK button.
void showInformation(QWidget *owner, const QString &text);

// The same, kept above every window of the desktop, those kept above the others included.
void showInformationAboveAll(QWidget *owner, const QString &text);

// Stop icon, a single OK button.
void showStop(QWidget *owner, const QString &text);

// Information icon, Yes and No with Yes the default. True when the answer is Yes; closing the
// box or pressing Escape answers No.
bool askYesNo(QWidget *owner, const QString &text);
