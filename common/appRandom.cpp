#include "common/appRandom.h"

#include <QRandomGenerator>
#include <chrono>

namespace {
QRandomGenerator &generator()
{
    static QRandomGenerator instance;
    return instance;
}
} // namespace

namespace appRandom {

void Randomize()
{
    // Nanoseconds, so that two seedings in quick succession still differ.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    generator().seed(static_cast<quint32>(std::chrono::nanoseconds(now).count()));
}

double Rnd()
{
    return generator().generateDouble();
}

} // namespace appRandom
