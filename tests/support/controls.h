#pragma once

// Finds a control of a window by its object name; the test run stops if there is none, so a
// renamed control fails loudly instead of crashing later.

#include <QStyleOption>
#include <QTest>
#include <QWidget>

template <class T> T *control(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window.objectName()));
    return found;
}

// The control has the focus, and the style is told to draw its focus mark.
inline bool showsFocusMark(const QWidget &widget)
{
    QStyleOption option;
    option.initFrom(&widget);
    return option.state.testFlags(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
}

// Types any text a key at a time, as a keyboard of its script would: QTest::keyClicks takes
// Latin-1 alone, and an Arabic or Persian digit would stop the test.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(character.toUpper().unicode()),
                            QString(character), Qt::NoModifier);
}
