// The front-end scenes' drawing of sprite-table pictures into the back buffer: a picture or one cell of
// a sheet, copied with its colour key and clipped to the back buffer, or blended by a value.
#pragma once

#include "platform/types.h"

#include <cstdint>

// Nothing for a sprite without a surface or without a back buffer.
void draw_sprite_keyed(int sprite, const plat::rect_t& source, int32_t left, int32_t top);
// Cell (col, row) of a sheet cut into the sprite's cell size, top-left corner at (left, top).
void draw_sprite_cell(int sprite, int32_t col, int32_t row, int32_t left, int32_t top);
// The whole picture (its cell size) centred on (x, y), the halves rounded down.
void draw_sprite_centred(int sprite, int32_t x, int32_t y);

// Blend values of draw_sprite_blend besides a destination weight of 0..256.
constexpr int32_t blend_additive = -1;
constexpr int32_t blend_half = 128;
constexpr int32_t blend_quarter = 64;

// Cell c of a sprite's sheet: column c mod 8, row c / 8, of the record's cell size; the whole picture
// for cell 0. Empty for a sprite index outside the table.
plat::rect_t sprite_cell(int sprite, int32_t cell);
// The source rectangle centred on (centre_x, centre_y), the halves rounded down: additive, half,
// three-quarter source, or any other value as the destination's weight. Nothing for a sprite without a
// surface or without a back buffer.
void draw_sprite_blend(int sprite, const plat::rect_t& source, int32_t centre_x, int32_t centre_y,
                       int32_t value);

// An 8-bit-a-channel colour in the screen's pixel format.
uint32_t screen_colour(uint8_t red, uint8_t green, uint8_t blue);
