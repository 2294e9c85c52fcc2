#include "tools/sample/sample_maps.h"

#include "base/binio.h"

#include <filesystem>

namespace {

constexpr int quadrant_units = 32; // a quadrant is 32 cells of 8 pixels across and down
constexpr int band_column_units = 2;
constexpr int backdrop_panel_units = 4;

void add_cell(map_record_t& record, int x, int y, int w, int h) {
    record.cells[size_t(record.count++)] = {uint8_t(x), uint8_t(y), uint8_t(w), uint8_t(h)};
}

void write_record(byte_writer_t& out, const map_record_t& record) {
    out.i32(record.id);
    out.i32(record.count);
    for (const map_cell_t& cell : record.cells) {
        out.u8(cell.x);
        out.u8(cell.y);
        out.u8(cell.w);
        out.u8(cell.h);
    }
}

map_record_t empty_record(int32_t id) {
    map_record_t record{};
    record.id = id;
    return record;
}

// Ceiling and floor heights of each 16-pixel column, uneven so that scrolling and terrain hits show.
int band_ceiling_units(int column) {
    return 2 + (column * 5 % 4);
}

int band_floor_units(int column) {
    return 3 + (column * 3 % 5);
}

} // namespace

map_record_t sample_band_map() {
    map_record_t record = empty_record(sample_band_map_id);
    for (int column = 0; column * band_column_units < quadrant_units; ++column) {
        const int x = column * band_column_units;
        const int floor = band_floor_units(column);
        add_cell(record, x, 0, band_column_units, band_ceiling_units(column));
        add_cell(record, x, quadrant_units - floor, band_column_units, floor);
    }
    return record;
}

map_record_t sample_backdrop_map() {
    map_record_t record = empty_record(sample_backdrop_map_id);
    for (int y = 0; y < quadrant_units; y += backdrop_panel_units) {
        for (int x = 0; x < quadrant_units; x += backdrop_panel_units) {
            add_cell(record, x, y, backdrop_panel_units, backdrop_panel_units);
        }
    }
    return record;
}

std::vector<uint8_t> map_table_file(const std::vector<map_record_t>& records) {
    byte_writer_t out;
    for (size_t i = 0; i < map_table_records; ++i) {
        write_record(out, i < records.size() ? records[i] : empty_record(-1));
    }
    return out.data();
}

bool write_sample_map_table(const std::string& root, std::string& error) {
    const std::string path = (std::filesystem::path(root) / "bin" / "maptbl.dat").string();
    if (!write_file_bytes(path, map_table_file({sample_band_map(), sample_backdrop_map()}))) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}
