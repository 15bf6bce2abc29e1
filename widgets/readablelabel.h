#pragma once

// A label whose text a screen reader reads as read-only text. While a screen reader is on, the
// label also joins the tab order, so its text can be reached by Tab like a field's; without
// one nothing changes for the keyboard, and a focused label draws no mark either way.
// A screen reader knows it by its accessible name (or the label that names it as its buddy),
// never by its text, so a text the label holds before the real one is never spoken as a name.

#include <QAccessible>
#include <QLabel>

class ReadableLabel : public QLabel, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    explicit ReadableLabel(QWidget *parent = nullptr);
    ~ReadableLabel() override;

private:
    void accessibilityActiveChanged(bool active) override;
};
