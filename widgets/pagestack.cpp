#include "widgets/pagestack.h"

void bringPageToFront(QWidget &page, std::initializer_list<QWidget *> pages)
{
    page.raise();
    // Enabled first, so that a focus leaving a page now covered can land on this one.
    page.setEnabled(true);
    for (QWidget *each : pages) {
        if (each != &page)
            each->setEnabled(false);
    }
}
