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

bool read_stream(std::FILE* f, playinfo_t* header, std::vector<uint8_t>& stream) {
    uint8_t record[playinfo_size];
    if (std::fread(record, 1, sizeof record, f) != sizeof record) {
        return false;
    }
    byte_reader_t r(record, sizeof record);
    read_playinfo(r, *header);
    const int32_t length = header->input_length;
    // The announced length is checked against the file before any memory is taken for it.
    if (length <= 0 || file_length(f) < long(playinfo_size) + length) {
        return false;
    }
    stream.resize(size_t(length));
    return std::fread(stream.data(), 1, stream.size(), f) == stream.size();
}

} // namespace

bool load_replay_file(const std::string& path, playinfo_t* header, std::vector<uint8_t>& stream) {
    std::FILE* f = plat::open_file(path, "rb");
    if (f == nullptr) {
        return false;
    }
    const bool ok = read_stream(f, header, stream);
    std::fclose(f);
    if (!ok) {
        stream.clear();
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
