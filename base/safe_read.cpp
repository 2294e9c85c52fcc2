#include "base/safe_read.h"

#include "base/bootlog.h"
#include "base/strformat.h"
#include "platform/file.h"

namespace {

load_status_t read_file(const std::string& game_path, std::vector<uint8_t>& out, size_t max_bytes,
                        bool whole) {
    std::string reason;
    switch (plat::read_regular_file(game_path, out, max_bytes, whole, reason)) {
    case plat::read_status_t::read:
        return load_status_t::loaded;
    case plat::read_status_t::missing:
        return load_status_t::missing;
    case plat::read_status_t::refused:
        break;
    }
    bootlog_error(strformat("%s を読み込めません (%s)", game_path.c_str(), reason.c_str()));
    return load_status_t::unreadable;
}

} // namespace

load_status_t read_whole_file(const std::string& game_path, std::vector<uint8_t>& out, size_t max_bytes) {
    return read_file(game_path, out, max_bytes, true);
}

load_status_t read_file_head(const std::string& game_path, std::vector<uint8_t>& out, size_t max_bytes) {
    return read_file(game_path, out, max_bytes, false);
}

load_status_t read_record_file(const std::string& game_path, std::vector<uint8_t>& out, size_t size) {
    const load_status_t status = read_file(game_path, out, size, false);
    if (status != load_status_t::loaded || out.size() >= size) {
        return status;
    }
    bootlog_error(strformat("%s の形式が正しくありません (%zu バイト)", game_path.c_str(), out.size()));
    return load_status_t::malformed;
}
