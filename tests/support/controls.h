#pragma once

// Finds a control of a window by its object name; the test run stops if there is none, so a
// renamed control fails loudly instead of crashing later.

#include <QStyleOption>
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
