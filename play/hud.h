// Where the power-up gauge stands on the screen in each of its five styles, and how translucent its
// boxes are for the ship's height.
#pragma once

#include <cstdint>

struct gauge_layout_t {
    int32_t x1, y1; // slot 1; slots 2 and 3 follow 40 pixels apart
    int32_t x2, y2; // slot 4; slots 5 and 6 likewise
};

constexpr int32_t gauge_style_count = 5;

// The layout of a style; a style outside 0..4 (gaugestyle.txt holds any number) lays out as style 0.
gauge_layout_t gauge_layout(int32_t style);
// The boxes' destination weight: opaque above y 160, fading by 4 a pixel to a quarter strength.
int32_t gauge_box_blend(int32_t ship_y);
