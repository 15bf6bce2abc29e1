#pragma once

// Panels that lie on top of each other in one place, the one in front being the page shown.
// Only the page in front can take the focus or answer an access key, so nothing on a covered
// page can be reached from the keyboard.

#include <QWidget>
#include <initializer_list>

void bringPageToFront(QWidget &page, std::initializer_list<QWidget *> pages);
