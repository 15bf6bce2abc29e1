#pragma once

// The referral text boxes show what belongs in them while they are empty: the box empties
// itself when the user enters it holding only its placeholder, and gets the placeholder back
// when the user leaves it blank.
//
// Only the space character counts as blank. Tabs and line breaks are text, which is why the
// message box's initial "Your Message" and line break is never taken for its placeholder.

#include <QString>

namespace Placeholder {
inline const QString Name = QStringLiteral("Your Name");
inline const QString Email = QStringLiteral("Your Email Address");
inline const QString Message = QStringLiteral("Your Message");
inline const QString FriendName = QStringLiteral("Friend's Name");
inline const QString FriendEmail = QStringLiteral("Friend's Email Address");
} // namespace Placeholder

// The text without the spaces at either end; every other character stays.
QString trimSpaces(const QString &text);

// True when the value holds nothing of the user's own: blank, or exactly its placeholder.
bool isBlankOrPlaceholder(const QString &value, const QString &placeholder);

// Entering a box: whether its text is only the placeholder and must go.
bool clearsOnGotFocus(const QString &text, const QString &placeholder);

// Leaving a box: whether it is blank and must show the placeholder again.
bool restoresOnLostFocus(const QString &text);
