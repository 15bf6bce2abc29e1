#pragma once

// How a window answers the keyboard, the same in every window of the program:
// - Return and keypad Enter press the focused command button, as Space does (a Qt button
//   outside a dialog would take them for nothing). Buttons that only look like buttons but
//   are check boxes keep to Space.
// - The control with the focus always shows its focus mark. Qt's styles draw it only once the
//   user has moved the focus with Tab or an arrow key in that window, so a window that opens
//   with the focus on a button, or a page that puts it on its chosen answer, showed none.
// - An Alt+key that no access key of the window takes types nothing in a text box.
// - A window shown again gets the focus back on the control that had it while the window was
//   last on screen. A menu takes no focus, but Qt's menu bar holds it while the menu is worked
//   from the keyboard, and a window hidden by a menu item loses track of where it came from.

class QWidget;

// Call once the window's controls are built.
void useWindowKeyboard(QWidget &window);
