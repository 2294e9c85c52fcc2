#include "scenes/display_mode.h"

#include "platform/display.h"
#include "umlib/display_modes.h"

namespace {

constexpr int32_t window_blt_scale = 2;
constexpr int32_t picture_width = 256;
constexpr int32_t picture_height = 240;
// Colour planes of the screen's device context; always one on this platform.
constexpr int screen_planes = 1;

} // namespace

int32_t default_blt_scale(int32_t mode) {
    if (mode == window_mode) {
        return window_blt_scale;
    }
    for (int32_t s = max_blt_scale; s > 1; --s) {
        if (display_mode_width(mode) >= picture_width * s &&
            display_mode_height(mode) >= picture_height * s) {
            return s;
        }
    }
    return 1;
}

bool screen_mode_available(int32_t mode) {
    if (mode == window_mode) {
        const int depth = plat::desktop_bits_per_pixel() * screen_planes;
        return depth == 16 || depth == 32;
    }
    return umlib::mode_exists(display_mode_width(mode), display_mode_height(mode), display_mode_bits(mode));
}

bool find_available_mode(int32_t* out) {
    for (const int32_t mode : display_mode_table) {
        if (screen_mode_available(mode)) {
            *out = mode;
            return true;
        }
    }
    *out = 0;
    return false;
}
