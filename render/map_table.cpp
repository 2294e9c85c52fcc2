#include "render/map_table.h"

#include "base/binio.h"
#include "base/safe_read.h"

#include <algorithm>
#include <vector>

std::array<map_record_t, map_table_records> g_map_table{};

namespace {

void read_record(byte_reader_t& in, map_record_t& record) {
    record.id = in.i32();
    // Bounded here as well, for whatever else reads the records' counts.
    record.count = std::clamp<int32_t>(in.i32(), 0, int32_t(map_cells_max));
    for (map_cell_t& cell : record.cells) {
        cell.x = in.u8();
        cell.y = in.u8();
        cell.w = in.u8();
        cell.h = in.u8();
    }
}

} // namespace

bool load_map_table(const char* path) {
    std::vector<uint8_t> bytes;
    if (read_data_file(path, bytes, map_table_bytes, true) != load_status_t::loaded) {
        return false;
    }
    // Layers keep pointers into the table, so it is filled in place, and only from a file of the right size.
    byte_reader_t in(bytes);
    for (map_record_t& record : g_map_table) {
        read_record(in, record);
    }
    return true;
}

const map_record_t* find_map(int32_t id) {
    for (const map_record_t& record : g_map_table) {
        if (record.id == id) {
            return &record;
        }
    }
    return nullptr;
}
