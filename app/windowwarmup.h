#pragma once

// The questionnaire and farewell windows come up while the user waits on a click. Most of a
// window's first showing goes into loading the fonts of its texts and drawing their letters for
// the first time, which the process then keeps for good. Drawing a copy of each form once, off
// screen, while the user is still reading the welcome window, does that ahead of time. The
// copies are thrown away at once: the windows themselves are built when they are first used,
// as before.
void warmUpLaterWindows();
