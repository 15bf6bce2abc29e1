#include "common/apprandom.h"

#include <QRandomGenerator>
#include <chrono>

namespace {
QRandomGenerator &generator()
{
    static QRandomGenerator instance;
    return instance;
}
} // namespace

namespace AppRandom {

void seedFromClock()
{
    // Nanoseconds, so that two seedings in quick succession still differ.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    generator().seed(static_cast<quint32>(std::chrono::nanoseconds(now).count()));
}

double nextUniform()
{
    return generator().generateDouble();
}

} // namespace AppRandom
