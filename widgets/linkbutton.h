#pragma once

// A push button that a screen reader knows as a link: it opens a web page, whatever it looks
// like, and pressing it through the reader clicks it.

#include <QPushButton>

class LinkButton : public QPushButton {
    Q_OBJECT

public:
    explicit LinkButton(QWidget *parent = nullptr);
};
