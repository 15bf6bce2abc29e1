#pragma once

// The one pseudo-random generator of the program, shared by every window.

namespace AppRandom {

// Seeds the generator from the system clock.
void seedFromClock();

// The next value, uniform in [0, 1).
double nextUniform();

} // namespace AppRandom
