#pragma once

// Panels that lie on top of each other in one place, the one in front being the page shown.
// Only the page in front is shown and enabled: it alone can take the focus or answer an access
// key, and a screen reader sees only its controls. The covered pages are hidden, which changes
// nothing on screen, and keep their contents.

#include <QWidget>
#include <initializer_list>

void bringPageToFront(QWidget &page, std::initializer_list<QWidget *> pages);
