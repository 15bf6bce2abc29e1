#pragma once

// The one pseudo-random generator of the program, shared by every window.

namespace appRandom {

// Seeds the generator from the system clock.
void Randomize();

// The next value, uniform in [0, 1).
double Rnd();

} // namespace appRandom
