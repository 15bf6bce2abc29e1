#pragma once

// A process lives through one shutdown; tests live through many and start each afresh.
void forgetApplicationEnded();
