#pragma once

// The one pseudo-random generator of the program, shared by every window.

#include <cstdint>

namespace AppRandom {

// Seeds the generator from the system clock.
void seedFromClock();

// Seeds the generator with `first`, and every later seeding with the next number after the
// one before instead of the clock, so that a run repeats exactly (the tests use it).
void seedRepeatably(std::uint32_t first);

// The next value, uniform in [0, 1).
double nextUniform();

} // namespace AppRandom
