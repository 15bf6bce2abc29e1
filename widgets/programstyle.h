#pragma once

// The desktop's own style, with one picture drawn late. Every menu bar asks the style at once
// for the picture of its overflow button, which only shows when the bar is too narrow for its
// menus (never in the program's fixed windows). Reading that picture makes Qt load and ask every
// image-format plugin, the dearest single step before the welcome window's first paint.

// Makes the program's style the application's; call before the first widget is made.
void useProgramStyle();
