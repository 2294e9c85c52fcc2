// Sprite sheets of the sample pictures: cells of one size, each drawn pixel by pixel from its centre on
// the magenta key, and entered in the sprite table.
#pragma once

#include "screen/sprite_record.h"
#include "tools/sample/bitmap_writer.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr uint32_t sheet_key_colour = 0xFF00FF;

// The colour of a cell's pixel at (x, y) from the cell's centre in the given pattern.
using cell_shade_t = uint32_t (*)(double x, double y, int pattern);

// A sheet of count cells, columns to a row, and its record in the sprite table.
struct sheet_sprite_t {
    int32_t index;
    const char* path;
    int32_t cell_width;
    int32_t cell_height;
    int32_t columns;
    int32_t count;
    cell_shade_t shade;
};

sample_picture_t sheet(const sheet_sprite_t& sprite);

// Draws, writes and enters each sheet; false with a message at the first that fails.
bool add_sheet_sprites(const std::string& root, std::vector<sprite_record_t>& table,
                       std::span<const sheet_sprite_t> sprites, std::string& error);
