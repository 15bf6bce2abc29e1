#pragma once

// The four requests to visit the maker's discussion forum, one of which the farewell window
// shows, drawn afresh each time it loads.

#include <QString>

inline constexpr int SupportMessageCount = 4;

// Message 0 to 3; an empty text outside that range.
QString supportMessage(int number);
