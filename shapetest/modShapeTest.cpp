#include "shapetest/modShapeTest.h"

using namespace Qt::StringLiterals;

namespace modShapeTest {

namespace {

// Answer a of questions 1 and 2 counts toward shape 3 - a; of questions 3 and 4 toward shape a.
constexpr std::array<Question, QuestionCount> Questions{{
    {QT_TRANSLATE_NOOP("modShapeTest", "Which part of your body would you like to change?"),
     {QT_TRANSLATE_NOOP("modShapeTest", "Upper Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Lower Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Upper And Lower Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Stomach")},
     {Cone, Spoon, Hourglass, Ruler}},
    {QT_TRANSLATE_NOOP("modShapeTest",
                       "Which part of your body do you find most difficult to lose weight?"),
     {QT_TRANSLATE_NOOP("modShapeTest", "Upper Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Lower Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Upper And Lower Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "I can lose weight easily")},
     {Cone, Spoon, Hourglass, Ruler}},
    {QT_TRANSLATE_NOOP("modShapeTest", "Which part of your body are you thinnest at?"),
     {QT_TRANSLATE_NOOP("modShapeTest", "Upper Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Lower Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Middle Body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Entire Body")},
     {Ruler, Hourglass, Spoon, Cone}},
    {QT_TRANSLATE_NOOP("modShapeTest", "Which part of your body do you put on weight?"),
     {QT_TRANSLATE_NOOP("modShapeTest", "Stomach and buttocks"),
      QT_TRANSLATE_NOOP("modShapeTest", "Both upper and lower body"),
      QT_TRANSLATE_NOOP("modShapeTest", "Hips, thighs and buttocks"),
      QT_TRANSLATE_NOOP("modShapeTest", "Back, chest, arms and stomach")},
     {Ruler, Hourglass, Spoon, Cone}},
}};

// In shape index order. The Ruler text ends in a blank and the Spoon text holds a double
// blank; both are part of the texts as written.
constexpr std::array<ShapeResult, ShapeCount> Results{{
    {//: Name of a body shape, straight up and down like a ruler; the same name on the results page
     //: and the card.
     QT_TRANSLATE_NOOP("modShapeTest", "Ruler"),
     QT_TRANSLATE_NOOP(
         "modShapeTest",
         "In this type of body shape the circumference of the waist is seventy five to "
         "hundred percent of the circumference of the hips or the chest. This is a "
         "masculine shaped body. Fat is distributed about the face, abdomen and buttocks. "
         "You are lucky not to be overweight. You have a rectangular shaped body. You do "
         "not have to work out for more than three days a week. You do well in long "
         "distance endurance based exercises. You tend to lose weight easily. You do not "
         "put on weight easily and have a high rate of metabolism. You have small "
         "shoulders. You should high proteins, fresh fruits and vegetables. Running is a "
         "must. "),
     "Cameron Diaz, Keira Knightley, Natalie Portman, Gwyneth Paltrow"_L1, 3, "ruler.jpg"_L1},
    {//: Name of a body shape, full at bust and hips with a narrow waist.
     QT_TRANSLATE_NOOP("modShapeTest", "Hourglass"),
     QT_TRANSLATE_NOOP(
         "modShapeTest",
         "In this type of body shape the circumference of the waist is less than seventy "
         "five percent of the circumference of the hips or the chest. Fat is distributed "
         "about the upper and lower body. You have broad chest, hips, hands, and rear. You "
         "have a shapely figure. You should concentrate on exercises that concentrate on "
         "your thighs, abdomen and arms."),
     "Marilyn Monroe, Sophia Loren, Scarlett Johansson"_L1, 2, "hourglass.jpg"_L1},
    {//: Name of a body shape, narrow at the top and heavier at the hips (also called pear).
     QT_TRANSLATE_NOOP("modShapeTest", "Spoon"),
     QT_TRANSLATE_NOOP(
         "modShapeTest",
         "In this type of body shape the circumference of the waist is about seventy to "
         "seventy five percent of the circumference of the chest and the circumference of "
         "the hips is about hundred ten percent of the circumference of the chest. Body "
         "fat is deposited on the hips, thighs and buttocks. You have a broad upper "
         "abdomen and waist. Usually you have a flat  stomach. You are smaller at the top "
         "and heavier at the bottom. You need some kind of cardiovascular exercises "
         "everyday along with weight lifting. You do not lose weight that easily. You may "
         "suffer from osteoporosis, varicose veins or eating disorders."),
     "Jennifer Lopez, Shakira, Kim Kardashian, Alicia Keys"_L1, 4, "spoon.jpg"_L1},
    {//: Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).
     QT_TRANSLATE_NOOP("modShapeTest", "Cone"),
     QT_TRANSLATE_NOOP(
         "modShapeTest",
         "In this type of body shape the circumference of the waist is seventy five to "
         "hundred percent of the circumference of the chest and the circumference of the "
         "chest is about hundred ten percent of the circumference of the hips. This is a "
         "masculine shaped body. Fat is distributed on the face, abdomen and chest. You "
         "have broad shoulders and narrow hips. You carry a lot of weight on your upper "
         "back and chest. You may have a protruding stomach. Be careful of lower body "
         "injuries. You have thin muscular arms, legs and stomach. You are prone to heart "
         "diseases and diabetes. You need some kind of cardiovascular exercises everyday."),
     "Naomi Campbell, Angelina Jolie, Demi Moore, Teri Hatcher"_L1, 1, "cone.jpg"_L1},
}};

constexpr std::int16_t CounterLimit = 32767;

Tally tally;

std::int16_t &counterOf(ShapeIndex shape)
{
    switch (shape) {
    case Ruler:
        return tally.intRulerCount;
    case Hourglass:
        return tally.intHourglassCount;
    case Spoon:
        return tally.intSpoonCount;
    case Cone:
        break;
    }
    return tally.intConeCount;
}

} // namespace

const Question &QuestionAt(int question)
{
    return Questions.at(static_cast<std::size_t>(question - 1));
}

void Tally_Reset()
{
    tally = Tally{};
}

void Tally_CountAnswer(int question, std::optional<int> answer)
{
    if (question < 1 || question > QuestionCount || !answer || *answer < 0 ||
        *answer >= AnswerCount)
        return;
    std::int16_t &counter = counterOf(QuestionAt(question).countsToward[*answer]);
    if (counter < CounterLimit)
        ++counter;
}

ShapeIndex Tally_ChooseShape()
{
    // Only a strictly greater count takes the lead, so ties go to the earlier shape.
    ShapeIndex winner = Ruler;
    std::int16_t best = tally.intRulerCount;
    for (const ShapeIndex shape : {Hourglass, Spoon, Cone}) {
        if (counterOf(shape) > best) {
            winner = shape;
            best = counterOf(shape);
        }
    }
    return winner;
}

const Tally &currentTally()
{
    return tally;
}

const ShapeResult &Shape_Result(ShapeIndex shape)
{
    return Results.at(static_cast<std::size_t>(shape));
}

} // namespace modShapeTest
