#pragma once

// The refer-a-friend submission. The farewell window stores what the user entered here, then
// calls SendTellAFriend, which checks the values and opens the maker's refer-a-friend page in
// the browser with the values in its address. Nothing is sent over the network by the program
// itself; the page does the rest.

#include <QString>

namespace modTellAFriend {

// The values of the last submit click, spaces at either end removed; nothing clears them.
extern QString strTafName;
extern QString strTafEmail;
extern QString strTafMessage;
extern QString strTafFriendName;
extern QString strTafFriendEmail;

// The refer-a-friend address last built.
extern QString strTafUrl;

// Stops with a message at the first value left blank or at its placeholder; otherwise builds
// the address into strTafUrl and opens it.
void SendTellAFriend();

// Opens strTafUrl in the default browser; a failure goes unreported.
void OpenTellAFriendUrl();

} // namespace modTellAFriend
