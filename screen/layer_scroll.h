// Scroll arithmetic of the layers: an offset is the scroll position divided by 2^shift, truncated
// toward zero, and wrapped by the layer's power-of-two size.
#pragma once

#include <cstdint>

int32_t layer_scroll_offset(int32_t position, int32_t shift, int32_t size);
// The position after a move, wrapping like a 32-bit register instead of overflowing.
int32_t add_scroll(int32_t position, int32_t delta);
