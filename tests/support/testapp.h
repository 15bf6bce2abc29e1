#pragma once

// Puts the in-process tests on an equal footing with the program and back to a clean state
// between test functions.

// Call from initTestCase(): settings go to a test location, and closing the last window does
// not quit, as in the program.
void prepareTestApplication();

// Call from cleanup(): every window unloaded and deleted, shutdown forgotten.
void resetApplication();
