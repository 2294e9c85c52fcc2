#include "play/userinfo.h"

#include "base/binio.h"
#include "base/safe_save.h"

#include <algorithm>
#include <vector>

load_status_t userinfo_load(userinfo_t* info) {
    *info = userinfo_t{};
    std::vector<uint8_t> bytes;
    const load_status_t status = read_record_file(userinfo_path, bytes, userinfo_size);
    if (status != load_status_t::loaded) {
        return status;
    }
    byte_reader_t r(bytes);
    info->ending_reached = r.u8() != 0 ? 1 : 0;
    r.skip(3);
    info->level = std::clamp(r.i32(), 1, max_level);
    info->loop = std::clamp(r.i32(), 1, max_loop);
    info->stage = std::clamp(r.i32(), 1, max_unlocked_stage);
    return load_status_t::loaded;
}

bool userinfo_save(const userinfo_t* info) {
    byte_writer_t w;
    w.u8(info->ending_reached);
    w.zeros(3);
    w.i32(info->level);
    w.i32(info->loop);
    w.i32(info->stage);
    return safe_save(userinfo_path, w.data());
}
