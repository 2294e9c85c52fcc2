#include "base/binio.h"

#include "base/safe_read.h"
#include "platform/file.h"

#include <algorithm>

uint64_t byte_reader_t::take(size_t n) {
    if (n > size_ - pos_) {
        ok_ = false;
        pos_ = size_;
        return 0;
    }
    uint64_t v = 0;
    for (size_t i = 0; i < n; ++i) {
        v |= uint64_t(data_[pos_ + i]) << (8 * i);
    }
    pos_ += n;
    return v;
}

void byte_reader_t::bytes(void* out, size_t n) {
    if (n > size_ - pos_) {
        ok_ = false;
        std::memset(out, 0, n);
        pos_ = size_;
        return;
    }
    std::memcpy(out, data_ + pos_, n);
    pos_ += n;
}

std::string byte_reader_t::fixed_string(size_t n) {
    std::string s(n, '\0');
    bytes(s.data(), n);
    const size_t end = s.find('\0');
    if (end != std::string::npos) {
        s.resize(end);
    }
    return s;
}

void byte_writer_t::put(uint64_t v, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        bytes_.push_back(uint8_t(v >> (8 * i)));
    }
}

void byte_writer_t::bytes(const void* data, size_t n) {
    const auto* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + n);
}

void byte_writer_t::fixed_string(const std::string& s, size_t n) {
    if (n == 0) {
        return;
    }
    const size_t len = std::min(s.size(), n - 1);
    bytes(s.data(), len);
    zeros(n - len);
}

bool read_file_bytes(const std::string& game_path, std::vector<uint8_t>& out, size_t max_bytes) {
    return read_file_head(game_path, out, max_bytes) == load_status_t::loaded;
}

bool write_file_bytes(const std::string& game_path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = plat::open_file(game_path, "wb");
    if (f == nullptr) {
        return false;
    }
    const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
