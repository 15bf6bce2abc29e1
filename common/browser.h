#pragma once

// Hands a web address to the user's default browser.

class QUrl;

// Opens the address; whether a browser came up is not known and not reported. What the desktop
// says on the way (that no browser could be found, say) is kept off the console, as the program
// logs nothing: it is a diagnostic of the category "tamsilo.browser", shown only when its debug
// messages are switched on (QT_LOGGING_RULES="tamsilo.browser.debug=true").
void openInBrowser(const QUrl &address);
