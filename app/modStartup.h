#pragma once

// What runs when the process starts: the single-copy rule, the update reminder, the welcome
// window and the choice of the promotional label it shows.

#include <cstdint>

namespace modStartup {

void StartApplication();

// Brings one of the welcome window's two promotional labels to the front, each half the time.
void CoBrand_Randomize();

// Lets the next copy start, for a process that ends without running its destructors.
void releaseInstanceLock();

// The number CoBrand_Randomize drew last, 1 to 6.
std::int16_t coBrandRandomNumber();

} // namespace modStartup
