#pragma once

// Verdana 8.25 pt, the font every control of the program uses unless its window says
// otherwise. Where Verdana is missing the nearest substitute of a similar width is used.
// Set once, before the first window is built.
void useProgramFont();
