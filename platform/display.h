// The display as the game sees it: the desktop's colour depth and the full-screen modes on offer.
// Full-screen modes are virtual (a desktop full-screen window with a logical size), so every mode of
// the list can be taken; tests replace the list and the depth to reach the other paths.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <vector>

namespace plat {

struct display_mode_t {
    uint32_t width;
    uint32_t height;
    uint32_t bits_per_pixel;
};

std::vector<display_mode_t> display_modes();
// Bits per pixel of the desktop; 24-bit pixels stored in 32 bits count as 32.
int desktop_bits_per_pixel();

void set_display_modes_for_test(const std::vector<display_mode_t>& modes);
void set_desktop_bits_per_pixel_for_test(int bits);
// Back to what the machine reports.
void reset_display_for_test();
// Queues the event of the window gaining or losing the input focus, as the display would send it; the
// next peek_message delivers it.
void post_focus_event_for_test(hwnd_t window, bool gained);

} // namespace plat
