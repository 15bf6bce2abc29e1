#pragma once

// Right to left, a window reads from its right edge. Qt mirrors what a layout places, menus and
// message boxes; the controls of our forms stand at fixed places, so they are mirrored here,
// once, when their window is first polished: a control at x, w wide, in a parent W wide moves
// to W - x - w. A new form gets this without asking; a control resized after its window was
// polished keeps its leading edge through the two functions at the end.

#include <QSize>

class QWidget;

// Watches every window of the application from now on; does nothing left to right.
void mirrorFormsRightToLeft();

// Whether the control stands where its form put it, mirrored by the rule above.
bool isMirroredControl(const QWidget &control);

// Resizes a control that may already stand mirrored, keeping its right edge right to left and
// its left edge left to right.
void resizeFromLeadingEdge(QWidget &control, QSize size);
// The same for QWidget::adjustSize().
void adjustSizeFromLeadingEdge(QWidget &control);
