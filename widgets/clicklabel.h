#pragma once

// A label that acts on a click, for the program's clickable texts. A double-click is one click:
// its first press and release make the click, its second press and release make none.

#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

    // Shows the pointing hand while the mouse is over the label.
    void useHandCursor();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
