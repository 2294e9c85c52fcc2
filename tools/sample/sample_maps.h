// The sample map table and the map pictures it names: a floor and ceiling band of uneven height and a
// patterned backdrop, each a quadrant-sized image whose map id is its sprite-table index.
#pragma once

#include "render/map_table.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t sample_band_map_id = 500;
constexpr int32_t sample_backdrop_map_id = 501;
constexpr const char* sample_band_image = "image\\map_band.bmp";
constexpr const char* sample_backdrop_image = "image\\map_backdrop.bmp";

map_record_t sample_band_map();
map_record_t sample_backdrop_map();

// The 128 records of a map table file: the given ones first, the rest unused (id -1: an all-zero record
// would be found as map 0).
std::vector<uint8_t> map_table_file(const std::vector<map_record_t>& records);

// Writes bin/maptbl.dat under root.
bool write_sample_map_table(const std::string& root, std::string& error);
