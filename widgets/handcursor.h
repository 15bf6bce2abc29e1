#pragma once

#include <QCursor>

// The pointing hand shown over every clickable text of the program.
const QCursor &handCursor();
