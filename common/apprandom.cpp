#include "common/apprandom.h"

#include <QRandomGenerator>
#include <chrono>
#include <optional>

namespace {
QRandomGenerator &generator()
{
    static QRandomGenerator instance;
    return instance;
}

std::optional<std::uint32_t> nextFixedSeed;
} // namespace

namespace AppRandom {

void seedFromClock()
{
    if (nextFixedSeed) {
        generator().seed((*nextFixedSeed)++);
        return;
    }
    // Nanoseconds, so that two seedings in quick succession still differ.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    generator().seed(static_cast<quint32>(std::chrono::nanoseconds(now).count()));
}

void seedRepeatably(std::uint32_t first)
{
    nextFixedSeed = first;
    seedFromClock();
}

double nextUniform()
{
    return generator().generateDouble();
}

} // namespace AppRandom
