// The map table .\bin\maptbl.dat: which 8-pixel cells of a quadrant carry picture, one record per map.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

constexpr size_t map_cells_max = 512;
constexpr size_t map_table_records = 128;
constexpr size_t map_record_bytes = 8 + 4 * map_cells_max;
constexpr size_t map_table_bytes = map_table_records * map_record_bytes;
constexpr int32_t map_cell_unit = 8;

struct map_cell_t {
    uint8_t x, y, w, h; // in units of 8 pixels
};

struct map_record_t {
    int32_t id;    // the key of find_map and the sprite-table index of the map's image; -1 = no map
    int32_t count; // cells in use
    std::array<map_cell_t, map_cells_max> cells;
};

// The cells in use; a count outside 0 .. map_cells_max is bounded so that no walk runs past the record.
inline std::span<const map_cell_t> used_cells(const map_record_t& record) {
    const size_t count = record.count < 0 ? 0 : size_t(record.count);
    return std::span(record.cells).first(std::min(count, map_cells_max));
}

extern std::array<map_record_t, map_table_records> g_map_table;

// True when the file holds exactly the 128 records; otherwise the table keeps what it held.
bool load_map_table(const char* path);
// The first record with that id, or null.
const map_record_t* find_map(int32_t id);
