// The loading-progress bar drawn in the middle of the window while the managers load their tables:
// 100 by 8 pixels, light grey up to the percentage and dark grey after it.
#pragma once

#include "platform/types.h"

struct loading_bar_t {
    plat::rect_t done;
    plat::rect_t rest;
};

// The two parts of the bar centred in a client area; percent is held to 0..100.
loading_bar_t loading_bar_rects(const plat::rect_t& client, int percent);
// The progress callback of the screen and sound managers.
void draw_loading_bar(plat::hwnd_t window, int percent);
