#pragma once

// The application-wide module: the one way the process ends, the seven links to the maker's
// web pages, and the update reminder run at start-up.
//
// Windows never open an address themselves; they call the link operation named for the page,
// which hands the fixed address (see weblinks.h) to the desktop's default browser.

namespace modHelp {

// Unloads every loaded window in load order, running each unload handler, then ends the
// process with exit status 0. A call made while the shutdown is under way (from an unload
// handler) returns at once without starting it again.
void EndApplication();

// True while EndApplication is unloading the windows; unload handlers look at it so that they
// do not bring up windows that would only be discarded again.
bool ShutdownUnderway();

// True once EndApplication has run to its end: nothing more of the program may run.
bool ApplicationEnded();

void OpenHelpPage();
void OpenDownloadPage();
void OpenHomePage();
void OpenSoftwareCataloguePage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

// Offers to look for an update when the last reminder is 15 or more days away.
void CheckUpdateReminder();

} // namespace modHelp
