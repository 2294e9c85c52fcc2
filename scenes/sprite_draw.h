// Whole pictures and sheet cells of the sprite table drawn into the back buffer for the front-end
// scenes: copied with the colour key, or blended by a value; nothing for a sprite without a surface.
#pragma once

#include "platform/types.h"

#include <cstdint>

// Blend values of draw_sprite_blend besides a destination weight of 0..256.
constexpr int32_t blend_additive = -1;
constexpr int32_t blend_half = 128;
constexpr int32_t blend_quarter = 64;

// Cell c of a sprite's sheet: column c mod 8, row c / 8, of the record's cell size; the whole picture
// for cell 0. Empty for a sprite index outside the table.
plat::rect_t sprite_cell(int sprite, int32_t cell);

// The source rectangle with its top-left corner at (left, top), clipped to the back buffer.
void draw_sprite_keyed(int sprite, const plat::rect_t& source, int32_t left, int32_t top);
// The same, centred on (centre_x, centre_y), halves rounded down.
void draw_sprite_keyed_centred(int sprite, const plat::rect_t& source, int32_t centre_x, int32_t centre_y);
// The source rectangle centred on (centre_x, centre_y): additive, half, three-quarter source, or
// any other value as the destination's weight.
void draw_sprite_blend(int sprite, const plat::rect_t& source, int32_t centre_x, int32_t centre_y,
                       int32_t value);

// An 8-bit-a-channel colour in the screen's pixel format.
uint32_t screen_colour(uint8_t red, uint8_t green, uint8_t blue);
