// The sprite table: which bitmap each sprite index holds, its colour key and its glyph cell size,
// as stored in .\bin\sptbl.dat (512 records of 80 bytes, no header).
#pragma once

#include "platform/types.h"

#include <cstddef>
#include <cstdint>
#include <string>

class byte_writer_t;
namespace umlib {
class surface_t;
}

constexpr int sprite_table_size = 512;
constexpr size_t sprite_record_bytes = 80;
constexpr size_t sprite_path_bytes = 64;
constexpr size_t sprite_table_bytes = sprite_table_size * sprite_record_bytes;

struct sprite_record_t {
    std::string path; // empty: an empty record
    umlib::surface_t* surface = nullptr;
    plat::colorref_t color_key = 0;
    int32_t cell_width = 0;
    int32_t cell_height = 0;
};

// Fills the table from the file's bytes; false when fewer than sprite_table_bytes are given. The
// stored surface field means nothing on disk and stays null; a path without its terminating zero
// keeps its 64 characters.
bool read_sprite_table(const uint8_t* data, size_t size, sprite_record_t* sprites);
// The file image of the table (the surface field written as 0).
void write_sprite_record(byte_writer_t& w, const sprite_record_t& record);

// The table of the screen manager, for the layers' text drawing.
extern sprite_record_t* g_sprite_table;

// The record of a sprite index that holds a surface, or null.
const sprite_record_t* sprite_with_surface(int sprite);
