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

load_status_t malformed(const std::string& game_path, size_t got, size_t size) {
    bootlog_error(
        got < size
            ? strformat("%s の形式が正しくありません (%zu バイトしかありません。%zu バイト必要です)",
                        game_path.c_str(), got, size)
            : strformat("%s の形式が正しくありません (%zu バイトを超えています)", game_path.c_str(), size));
    return load_status_t::malformed;
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
    return malformed(game_path, out.size(), size);
}

load_status_t read_data_file(const std::string& game_path, std::vector<uint8_t>& out, size_t size,
                             bool exact) {
    const load_status_t status = read_file(game_path, out, exact ? size + 1 : size, false);
    if (status == load_status_t::missing) {
        bootlog_error(strformat("%s が見つかりません", game_path.c_str()));
    }
    if (status != load_status_t::loaded || out.size() == size) {
        return status;
    }
    return malformed(game_path, out.size(), size);
}
