#pragma once

// What the program sets up for the whole application before start-up runs: the font, the icon
// every window carries, and the rule that only the shutdown routine ends the program.
void prepareApplication();
