#pragma once

// Writes to disk that need not keep the user waiting. The first start keeps the reminder's
// date by making the settings folder, file and lock file; done before the welcome window paints,
// that made a person's first start the slowest. Start-up runs them once the window is on
// screen, and EndApplication runs whatever is still waiting, so nothing is lost however soon
// the program ends.

#include <functional>

// Queues a write to run later, in the order queued.
void deferWrite(std::function<void()> write);

// Runs the queued writes, each once.
void runDeferredWrites();
