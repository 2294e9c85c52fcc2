#include "platform/display.h"

#include "platform/window_internal.h"

#include <SDL.h>

#include <optional>

namespace plat {

namespace {

std::optional<std::vector<display_mode_t>> test_modes;
std::optional<int> test_depth;

} // namespace

std::vector<display_mode_t> display_modes() {
    if (test_modes) {
        return *test_modes;
    }
    std::vector<display_mode_t> modes;
    for (const auto& [w, h] : {std::pair{640u, 480u}, {800u, 600u}, {1024u, 768u}, {1280u, 1024u}}) {
        for (const uint32_t bpp : {16u, 32u}) {
            modes.push_back({w, h, bpp});
        }
    }
    return modes;
}

int desktop_bits_per_pixel() {
    if (test_depth) {
        return *test_depth;
    }
    SDL_DisplayMode mode;
    if (!video_ready() || SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return 32;
    }
    return SDL_BYTESPERPIXEL(mode.format) == 4 ? 32 : SDL_BITSPERPIXEL(mode.format);
}

void set_display_modes_for_test(const std::vector<display_mode_t>& modes) {
    test_modes = modes;
}
void set_desktop_bits_per_pixel_for_test(int bits) {
    test_depth = bits;
}

void reset_display_for_test() {
    test_modes.reset();
    test_depth.reset();
}

} // namespace plat
