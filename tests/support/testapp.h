#pragma once

// Puts the in-process tests on an equal footing with the program and back to a clean state
// between test functions.

#include <QString>

// Call from initTestCase(): settings go to an empty folder of their own, and closing the last
// window does not quit, as in the program.
void prepareTestApplication();

// Points the per-user settings at a new empty folder and returns its path; the folder used
// before is removed. Settings left by an earlier run can then never change what a test sees.
QString useFreshSettings();

// Call from cleanup(): every window unloaded and deleted, shutdown forgotten.
void resetApplication();
