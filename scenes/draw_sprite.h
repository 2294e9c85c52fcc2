// The front-end scenes' drawing of sprite-table pictures into the back buffer: a picture or one cell of
// a sheet, copied with its colour key and clipped to the back buffer.
#pragma once

#include "platform/types.h"

#include <cstdint>

// Nothing for a sprite without a surface or without a back buffer.
void draw_sprite_keyed(int sprite, const plat::rect_t& source, int32_t left, int32_t top);
// Cell (col, row) of a sheet cut into the sprite's cell size, top-left corner at (left, top).
void draw_sprite_cell(int sprite, int32_t col, int32_t row, int32_t left, int32_t top);
// The whole picture (its cell size) centred on (x, y), the halves rounded down.
void draw_sprite_centred(int sprite, int32_t x, int32_t y);
