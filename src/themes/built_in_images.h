#pragma once

#include "themes/theme_state.h"

namespace tessaro {

// Puts the pictures compiled into the program into their numbers: the About
// banner (360 x 40), the buttons (64 x 64 Convert, 48 x 48 for the others)
// and the 16 x 16 icons, the same picture under a menu and a toolbar number.
void loadBuiltInImages(ThemeState& state);

}  // namespace tessaro
