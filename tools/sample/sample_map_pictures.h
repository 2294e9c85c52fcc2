// The pictures of the sample maps and their sprite-table entries: each map id is its image's index.
#pragma once

#include "screen/sprite_record.h"
#include "tools/sample/bitmap_writer.h"

#include <string>
#include <vector>

// Rock in every cell of the band map, with a lit edge facing the open space; black elsewhere.
sample_picture_t band_picture();
// Panels in two shades with a border and a diamond, covering the whole quadrant.
sample_picture_t backdrop_picture();

// Writes the map pictures under root and puts their records into a table of sprite_table_size records.
bool add_map_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
