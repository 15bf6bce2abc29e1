// The scoring for any answers, any number of them and any out of range: each counted answer
// adds one to its shape's counter, which stops at 32767, and the winner is the shape with the
// highest count, a tie going to the first in the order Ruler, Hourglass, Spoon, Cone.

#include "fuzzapp.h"
#include "fuzzinput.h"

#include "shapetest/modShapeTest.h"

#include <algorithm>
#include <array>

using namespace modShapeTest;

namespace {
// The answer table stated afresh: questions 1 and 2 count answer a toward shape 3 - a,
// questions 3 and 4 toward a.
int shapeOf(int question, int answer)
{
    return question <= 2 ? 3 - answer : answer;
}

std::array<int, 4> countersOf(const Tally &tally)
{
    return {tally.intRulerCount, tally.intHourglassCount, tally.intSpoonCount, tally.intConeCount};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    Tally_Reset();
    std::array<int, 4> expected{};
    while (!input.atEnd()) {
        // Signed, so that questions and answers below 1 and 0 are tried too.
        const int question = static_cast<std::int8_t>(input.byte());
        const std::uint8_t rawAnswer = input.byte();
        const std::optional<int> answer =
            rawAnswer == 0xFF ? std::nullopt
                              : std::optional<int>(static_cast<std::int8_t>(rawAnswer));
        const bool counts =
            question >= 1 && question <= 4 && answer && *answer >= 0 && *answer <= 3;
        int *counter = counts ? &expected[std::size_t(shapeOf(question, *answer))] : nullptr;
        // Many times over, so that a counter reaches its limit and is pushed past it, but no
        // further than that: beyond it, more of the same tries nothing new.
        int times = input.byte() >= 0xF0 ? input.word() : 1;
        times = std::min(times, counter ? 32767 - *counter + 2 : 2);
        for (int i = 0; i < times; ++i)
            Tally_CountAnswer(question, answer);
        if (counter)
            *counter = std::min(*counter + times, 32767);
        if (input.byte() % 16 == 0) {
            Tally_Reset();
            expected = {};
        }
        require(countersOf(currentTally()) == expected, "each answer counts toward its shape");
    }
    const int best = *std::max_element(expected.begin(), expected.end());
    const auto winner = std::find(expected.begin(), expected.end(), best) - expected.begin();
    require(Tally_ChooseShape() == winner, "the highest count wins, ties to the first shape");
    require(countersOf(currentTally()) == expected, "choosing leaves the counters as they are");
    const ShapeResult &result = Shape_Result(Tally_ChooseShape());
    static constexpr std::array<const char *, 4> Names{"Ruler", "Hourglass", "Spoon", "Cone"};
    require(result.strShapeName.source() == QLatin1StringView(Names[std::size_t(winner)]),
            "the winner's record is its own");
    return 0;
}
