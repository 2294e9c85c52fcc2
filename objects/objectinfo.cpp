#include "objects/objectinfo.h"

#include "base/binio.h"
#include "base/safe_read.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

std::array<objectinfo_t, objectinfo_count> table;

constexpr int32_t tough_hit_points = 3000;

int32_t toughened(int32_t hit_points, int32_t level) {
    if (hit_points < tough_hit_points) {
        return hit_points;
    }
    const int64_t raised = int64_t(hit_points) + int64_t(level - 1) * 1000;
    return int32_t(std::min<int64_t>(raised, INT32_MAX));
}

} // namespace

bool objectinfo_load(const std::string& path, int32_t level) {
    std::vector<uint8_t> bytes;
    if (read_data_file(path, bytes, objectinfo_file_size, true) != load_status_t::loaded) {
        return false;
    }
    level = std::clamp(level, 1, 8);
    byte_reader_t in(bytes);
    for (objectinfo_t& record : table) {
        record.id = in.i32();
        record.width = in.i32();
        record.height = in.i32();
        record.hit_points = toughened(in.i32(), level);
        record.contact_damage = in.i32();
        record.score = in.i32();
        record.image_id = in.i32();
        record.list_index = in.i32();
        record.blend_mode = in.i32();
    }
    return true;
}

const objectinfo_t* objectinfo_find(int32_t id) {
    if (id == -1) {
        return nullptr;
    }
    for (const objectinfo_t& record : table) {
        if (record.id == id) {
            return &record;
        }
    }
    return nullptr;
}
