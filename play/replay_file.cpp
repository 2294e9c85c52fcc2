#include "play/replay_file.h"

#include "base/bootlog.h"
#include "base/safe_read.h"
#include "base/strformat.h"
#include "objects/score.h"
#include "platform/file.h"

#include <algorithm>
#include <cstddef>

namespace {

bool in_range(int32_t v, int32_t low, int32_t high) {
    return v >= low && v <= high;
}

// The first field that a run cannot start from, or null.
const char* invalid_field(const playinfo_t& info, long file_size) {
    // The announced length is checked against the file before any memory is taken for it.
    if (info.input_length < 1 || file_size < long(playinfo_size) + info.input_length) {
        return "input_length";
    }
    if (!in_range(info.level, 1, 8)) {
        return "level";
    }
    if (!in_range(info.loop, 1, 8)) {
        return "loop";
    }
    if (!in_range(info.ship_type, 0, 3)) {
        return "ship_type";
    }
    if (!in_range(info.option_type, 1, 2)) {
        return "option_type";
    }
    if (!in_range(info.powerup_mode, 0, 1)) {
        return "powerup_mode";
    }
    if (!in_range(info.section, 0, 0x7FFF)) {
        return "section";
    }
    if (!in_range(info.stage, 0, 999)) {
        return "stage";
    }
    return nullptr;
}

bool read_stream(const std::vector<uint8_t>& bytes, playinfo_t& header, std::vector<uint8_t>& stream,
                 std::string& reason) {
    const size_t record = size_t(playinfo_size);
    if (bytes.size() < record) {
        reason = "short header";
        return false;
    }
    byte_reader_t r(bytes.data(), record);
    read_playinfo(r, header);
    if (const char* field = invalid_field(header, long(bytes.size()))) {
        reason = std::string("invalid ") + field;
        return false;
    }
    stream.assign(bytes.begin() + std::ptrdiff_t(record),
                  bytes.begin() + std::ptrdiff_t(record) + header.input_length);
    return true;
}

// A start the game itself could never have recorded is brought within its bounds, and the log says so.
void clamp_start(const std::string& path, const char* field, int32_t& value, int32_t cap) {
    const int32_t bounded = std::clamp(value, 0, cap);
    if (bounded != value) {
        bootlog_progress(strformat("%s: %s %d を %d にしました", path.c_str(), field, value, bounded));
        value = bounded;
    }
}

} // namespace

bool load_replay_file(const std::string& path, playinfo_t* header, std::vector<uint8_t>& stream,
                      std::string* reason) {
    std::string why;
    playinfo_t local;
    std::vector<uint8_t> bytes;
    stream.clear();
    bool ok = false;
    // A refused file was named in the log by the reader already.
    const load_status_t status = read_whole_file(path, bytes, plat::largest_media_file);
    if (status == load_status_t::missing) {
        why = "ファイルが見つかりません";
    } else if (status == load_status_t::loaded) {
        ok = read_stream(bytes, local, stream, why);
    }
    if (ok) {
        clamp_start(path, "start_score", local.start_score, score_cap);
        clamp_start(path, "start_lives", local.start_lives, lives_cap);
        *header = local;
    } else {
        stream.clear();
    }
    if (reason != nullptr) {
        *reason = why;
    }
    return ok;
}

std::vector<uint8_t> replay_file_bytes(const playinfo_t& header, const std::vector<uint8_t>& stream) {
    playinfo_t info = header;
    info.input_length = int32_t(stream.size());
    byte_writer_t w;
    write_playinfo(w, info);
    w.bytes(stream.data(), stream.size());
    return w.data();
}
