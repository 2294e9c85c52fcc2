// Display-mode words (bpp << 24 | width << 12 | height; 0 is the window), the nine modes the program
// offers, the blit scale that fits a mode, and whether a mode can be used on this machine.
#pragma once

#include <array>
#include <cstdint>

constexpr int32_t window_mode = 0;

constexpr int32_t make_display_mode(int32_t bits_per_pixel, int32_t width, int32_t height) {
    return int32_t(uint32_t(bits_per_pixel & 0xFF) << 24 | uint32_t(width & 0xFFF) << 12 |
                   uint32_t(height & 0xFFF));
}
constexpr int32_t display_mode_bits(int32_t mode) {
    return int32_t(uint32_t(mode) >> 24 & 0xFF);
}
constexpr int32_t display_mode_width(int32_t mode) {
    return int32_t(uint32_t(mode) >> 12 & 0xFFF);
}
constexpr int32_t display_mode_height(int32_t mode) {
    return int32_t(uint32_t(mode) & 0xFFF);
}

// Full-screen modes first, smallest first, 16 bits before 32; the window last.
constexpr std::array<int32_t, 9> display_mode_table = {
    make_display_mode(16, 640, 480),   make_display_mode(32, 640, 480),   make_display_mode(16, 800, 600),
    make_display_mode(32, 800, 600),   make_display_mode(16, 1024, 768),  make_display_mode(32, 1024, 768),
    make_display_mode(16, 1280, 1024), make_display_mode(32, 1280, 1024), window_mode};

// The largest integer magnification of the picture.
constexpr int32_t max_blt_scale = 16;

// 2 for the window; else the largest scale s <= 16 at which 256*s x 240*s fits the mode (at least 1).
int32_t default_blt_scale(int32_t mode);
// The window needs a 16- or 32-bit desktop; a full-screen mode must be one the display offers.
bool screen_mode_available(int32_t mode);
// The first usable mode of the table into out (0 and false when there is none).
bool find_available_mode(int32_t* out);
