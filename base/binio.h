// Little-endian fields of the game's fixed-layout records, read and written one at a time.
#pragma once

#include "platform/file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// Reads fields in order from a byte buffer; every read is bounds-checked and a short buffer sets ok() false.
class byte_reader_t {
  public:
    byte_reader_t(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit byte_reader_t(const std::vector<uint8_t>& bytes) : byte_reader_t(bytes.data(), bytes.size()) {}

    uint8_t u8() { return uint8_t(take(1)); }
    uint16_t u16() { return uint16_t(take(2)); }
    uint32_t u32() { return uint32_t(take(4)); }
    int32_t i32() { return int32_t(u32()); }
    int16_t i16() { return int16_t(u16()); }
    float f32() {
        const uint32_t bits = u32();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    // Copies n bytes into out; zeros when the buffer runs short.
    void bytes(void* out, size_t n);
    // A fixed field of n bytes holding a zero-terminated string.
    std::string fixed_string(size_t n);
    void skip(size_t n) { pos_ = n > size_ - pos_ ? (ok_ = false, size_) : pos_ + n; }
    void seek(size_t offset) { pos_ = offset > size_ ? (ok_ = false, size_) : offset; }

    size_t position() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }
    bool ok() const { return ok_; }

  private:
    uint64_t take(size_t n);

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

// Appends fields in order to a growing byte buffer.
class byte_writer_t {
  public:
    void u8(uint8_t v) { bytes_.push_back(v); }
    void u16(uint16_t v) { put(v, 2); }
    void u32(uint32_t v) { put(v, 4); }
    void i32(int32_t v) { put(uint32_t(v), 4); }
    void i16(int16_t v) { put(uint16_t(v), 2); }
    void f32(float v) {
        uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    void bytes(const void* data, size_t n);
    // s in a field of n bytes, zero-padded; cut to n - 1 characters so it stays terminated.
    void fixed_string(const std::string& s, size_t n);
    void zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }

    const std::vector<uint8_t>& data() const { return bytes_; }
    size_t size() const { return bytes_.size(); }

  private:
    void put(uint64_t v, size_t n);

    std::vector<uint8_t> bytes_;
};

// Reads at most max_bytes of a file named as the game names it (through the safe reader); false when it
// is missing or refused.
bool read_file_bytes(const std::string& game_path, std::vector<uint8_t>& out,
                     size_t max_bytes = plat::largest_media_file);
// Writes the whole buffer; false unless every byte reached the file.
bool write_file_bytes(const std::string& game_path, const std::vector<uint8_t>& bytes);
