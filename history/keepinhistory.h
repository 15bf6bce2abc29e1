#pragma once

// "Keep in My History" in Measure My Shape: the one way anything gets into the history. The
// measure window hands over what its fields show; this keeps it under today's date, or says
// why it cannot.

#include "history/historyentry.h"

class QWidget;

namespace History {

struct Typed {
    std::array<QString, GirthCount> girths; // the lengths the rules read: "90.15"
    QString height;                         // empty when none was typed
    FigureRules::Unit unit = FigureRules::Unit::Centimetres;
    std::optional<modShapeTest::ShapeIndex> answersShape;  // none without a test behind it
    std::optional<modShapeTest::ShapeIndex> measuredShape; // none for none of the four
};

// Messages go over `owner`. True when kept.
bool keepTyped(QWidget &owner, const Typed &typed);

} // namespace History
