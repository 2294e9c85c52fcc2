// The sample sprite table .\bin\sptbl.dat and the pictures it names: the font sheets, the craters and
// the background picture of the menus.
#pragma once

#include "screen/sprite_record.h"
#include "tools/sample/bitmap_writer.h"
#include "tools/sample/font_glyphs.h"

#include <string>
#include <vector>

// A font sheet: 8 cells a row, 16 rows (codes 0 to 127), each glyph at (x, y) in its cell, drawn in
// colour with its lower half in shade, on black.
sample_picture_t font_sheet(const glyph_font_t& font, int32_t cell_width, int32_t cell_height, int32_t x,
                            int32_t y, uint32_t colour, uint32_t shade);

// One drawn picture of the sprite table: its record's index, path, colour key and cell size.
struct drawn_sprite_t {
    int index;
    const char* path;
    plat::colorref_t key;
    int32_t cell_width;
    int32_t cell_height;
    sample_picture_t (*draw)();
};

// Writes the picture as a 24-bit image file and enters it in record index of the table; false with a
// message on failure, also when another picture has the record already.
bool add_sprite_picture(const std::string& root, std::vector<sprite_record_t>& table, int index,
                        const char* path, plat::colorref_t key, int32_t cell_width, int32_t cell_height,
                        const sample_picture_t& picture, std::string& error);

// The same for a picture drawn by its entry's function.
bool add_drawn_sprite(const std::string& root, std::vector<sprite_record_t>& table,
                      const drawn_sprite_t& sprite, std::string& error);

bool write_sprite_files(const std::string& root, std::string& error);
