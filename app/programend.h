#pragma once

// The last step of the process, once the windows are gone and everything the program keeps is
// written: where Qt may hang while it closes its connection to the window system, the process
// ends at once, the connection left for the window system to close as it does for any client
// that ends. Elsewhere Qt closes everything as usual.

// Gives the exit status back for main() to return, or ends the process with it.
int endOfProgram(int status);
