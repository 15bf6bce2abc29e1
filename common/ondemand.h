#pragma once

// Parts of the program that the first window does not need (printing, the history with its
// database) are kept in modules of their own, so that the libraries they bring are loaded the
// first time they are used rather than at every start.

#include <QFunctionPointer>

namespace OnDemand {

// The function `symbol` of the module `name` ("zv-tamsilo-printing"), loaded on first use and
// kept loaded; nullptr when the module or the function cannot be found.
QFunctionPointer resolve(const char *name, const char *symbol);

} // namespace OnDemand
