#include "widgets/pagestack.h"

void bringPageToFront(QWidget &page, std::initializer_list<QWidget *> pages)
{
    page.raise();
    // Enabled and shown first, so that a focus leaving a page now covered can land on this one.
    page.setEnabled(true);
    page.show();
    for (QWidget *each : pages) {
        if (each != &page) {
            each->setEnabled(false);
            // Out of sight already; hidden, a screen reader does not list it as showing either.
            each->hide();
        }
    }
}
