// The start-up messages written on the window, in white over what is there, before the game's own
// text drawing exists.
#pragma once

#include "platform/types.h"

void draw_startup_text(plat::hwnd_t window, const char* text, int y);
