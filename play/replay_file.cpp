#include "play/replay_file.h"

#include "platform/file.h"

#include <cstdio>

namespace {

// The file's length in bytes, -1 when it cannot be told.
long file_length(std::FILE* f) {
    const long here = std::ftell(f);
    if (here < 0 || std::fseek(f, 0, SEEK_END) != 0) {
        return -1;
    }
    const long length = std::ftell(f);
    return std::fseek(f, here, SEEK_SET) == 0 ? length : -1;
}

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

bool read_stream(std::FILE* f, playinfo_t& header, std::vector<uint8_t>& stream, std::string& reason) {
    uint8_t record[playinfo_size];
    if (std::fread(record, 1, sizeof record, f) != sizeof record) {
        reason = "short header";
        return false;
    }
    byte_reader_t r(record, sizeof record);
    read_playinfo(r, header);
    if (const char* field = invalid_field(header, file_length(f))) {
        reason = std::string("invalid ") + field;
        return false;
    }
    stream.resize(size_t(header.input_length));
    if (std::fread(stream.data(), 1, stream.size(), f) != stream.size()) {
        reason = "short input stream";
        return false;
    }
    return true;
}

} // namespace

bool load_replay_file(const std::string& path, playinfo_t* header, std::vector<uint8_t>& stream,
                      std::string* reason) {
    std::string why;
    playinfo_t local;
    std::FILE* f = plat::open_file(path, "rb");
    bool ok = false;
    if (f == nullptr) {
        why = "cannot open";
    } else {
        ok = read_stream(f, local, stream, why);
        std::fclose(f);
    }
    if (ok) {
        *header = local;
    } else {
        stream.clear();
    }
    if (reason != nullptr) {
        *reason = path + ": " + why;
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
