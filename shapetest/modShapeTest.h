#pragma once

// The body-shape test without any window: the four questions and what each answer counts
// toward, the tally of answers per shape, the scoring rule, and the record each shape shows on
// the results page.
//
// A test runs: Tally_Reset when it starts, Tally_CountAnswer for each question as the user
// presses Next, then Tally_ChooseShape and Shape_Result for the winner.

#include "common/translatedtext.h"

#include <QLatin1StringView>
#include <array>
#include <cstdint>
#include <optional>

namespace modShapeTest {

// Also the tie-break order.
enum ShapeIndex : int { Ruler = 0, Hourglass = 1, Spoon = 2, Cone = 3 };
inline constexpr int ShapeCount = 4;
inline constexpr int QuestionCount = 4;
inline constexpr int AnswerCount = 4;

// A text of the test, in English in the tables and translated whenever it is read.
struct ShapeText : TranslatedText {
    constexpr ShapeText(const char *source) : TranslatedText("modShapeTest", source) {}
};

struct ShapeResult {
    ShapeText strShapeName;
    ShapeText strDescription;
    // Names of people, the same in every language.
    QLatin1StringView strCelebrities;
    std::int16_t intPictureIndex; // 1-based position in the welcome window's IMG
    QLatin1StringView strPictureKey;
};

struct Question {
    ShapeText text;
    std::array<ShapeText, AnswerCount> answers;
    std::array<ShapeIndex, AnswerCount> countsToward;
};

struct Tally {
    std::int16_t intRulerCount = 0;
    std::int16_t intHourglassCount = 0;
    std::int16_t intSpoonCount = 0;
    std::int16_t intConeCount = 0;
};

// Question 1 to 4.
const Question &QuestionAt(int question);

void Tally_Reset();
// Counts the chosen answer (0 to 3) of a question (1 to 4); no answer, or one outside the
// table, counts nothing. A counter never passes 32767.
void Tally_CountAnswer(int question, std::optional<int> answer);
ShapeIndex Tally_ChooseShape();
const Tally &currentTally();

const ShapeResult &Shape_Result(ShapeIndex shape);

} // namespace modShapeTest
