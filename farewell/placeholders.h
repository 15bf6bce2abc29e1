#pragma once

// The referral text boxes show what belongs in them while they are empty: the box empties
// itself when the user enters it holding only its placeholder, and gets the placeholder back
// when the user leaves it blank.
//
// Only the space character counts as blank. Tabs and line breaks are text, which is why the
// message box's initial "Your Message" and line break is never taken for its placeholder.

#include "common/translatedtext.h"

#include <QString>

// In the language of the window, so a placeholder is recognised in the language it is shown in.
namespace Placeholder {
inline constexpr TranslatedText Name{"frmFarewell", QT_TRANSLATE_NOOP("frmFarewell", "Your Name")};
inline constexpr TranslatedText Email{"frmFarewell",
                                      QT_TRANSLATE_NOOP("frmFarewell", "Your Email Address")};
//: The text the message box shows until the user writes a message to the friend.
inline constexpr TranslatedText Message{"frmFarewell",
                                        QT_TRANSLATE_NOOP("frmFarewell", "Your Message")};
inline constexpr TranslatedText FriendName{"frmFarewell",
                                           QT_TRANSLATE_NOOP("frmFarewell", "Friend's Name")};
inline constexpr TranslatedText FriendEmail{
    "frmFarewell", QT_TRANSLATE_NOOP("frmFarewell", "Friend's Email Address")};
} // namespace Placeholder

// The text without the spaces at either end; every other character stays.
QString trimSpaces(const QString &text);

// True when the value holds nothing of the user's own: blank, or exactly its placeholder.
bool isBlankOrPlaceholder(const QString &value, const QString &placeholder);

// Entering a box: whether its text is only the placeholder and must go.
bool clearsOnGotFocus(const QString &text, const QString &placeholder);

// Leaving a box: whether it is blank and must show the placeholder again.
bool restoresOnLostFocus(const QString &text);
