#include "play/replay_file.h"

#include "base/safe_read.h"
#include "platform/file.h"

#include <cstddef>

bool load_replay_file(const std::string& path, playinfo_t* header, std::vector<uint8_t>& stream) {
    stream.clear();
    const size_t record = size_t(playinfo_size);
    std::vector<uint8_t> bytes;
    if (read_whole_file(path, bytes, plat::largest_media_file) != load_status_t::loaded ||
        bytes.size() < record) {
        return false;
    }
    byte_reader_t r(bytes.data(), record);
    read_playinfo(r, *header);
    const int32_t length = header->input_length;
    if (length <= 0 || bytes.size() - record < size_t(length)) {
        return false;
    }
    stream.assign(bytes.begin() + std::ptrdiff_t(record), bytes.begin() + std::ptrdiff_t(record) + length);
    return true;
}

std::vector<uint8_t> replay_file_bytes(const playinfo_t& header, const std::vector<uint8_t>& stream) {
    playinfo_t info = header;
    info.input_length = int32_t(stream.size());
    byte_writer_t w;
    write_playinfo(w, info);
    w.bytes(stream.data(), stream.size());
    return w.data();
}
