#include "platform/wav_file.h"

#include "platform/byte_order.h"

#include <algorithm>
#include <cstring>

namespace plat {

namespace {

constexpr uint16_t format_pcm = 1;
constexpr uint16_t format_float = 3;
constexpr uint16_t format_extensible = 0xFFFE;
constexpr uint32_t lowest_rate = 1000;
constexpr uint32_t highest_rate = 384000;

struct format_t {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t block_align = 0;
    uint16_t bits = 0;
};

bool read_format(const uint8_t* p, uint32_t size, format_t& f, std::string& error) {
    if (size < 16) {
        error = "format chunk too short";
        return false;
    }
    f.tag = read_le16(p);
    f.channels = read_le16(p + 2);
    f.rate = read_le32(p + 4);
    f.block_align = read_le16(p + 12);
    f.bits = read_le16(p + 14);
    if (f.tag == format_extensible) {
        if (size < 40) {
            error = "extensible format chunk too short";
            return false;
        }
        f.tag = read_le16(p + 24); // the first field of the sub-format identifier
    }
    const bool pcm = f.tag == format_pcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    const bool real = f.tag == format_float && f.bits == 32;
    if (!pcm && !real) {
        error =
            "unsupported sample format " + std::to_string(f.tag) + " of " + std::to_string(f.bits) + " bits";
        return false;
    }
    if (f.channels < 1 || f.channels > 2) {
        error = "unsupported channel count " + std::to_string(f.channels);
        return false;
    }
    if (f.rate < lowest_rate || f.rate > highest_rate) {
        error = "unsupported sample rate " + std::to_string(f.rate);
        return false;
    }
    if (f.block_align != f.channels * (f.bits / 8)) {
        error = "block alignment does not match the format";
        return false;
    }
    return true;
}

float sample_at(const uint8_t* p, const format_t& f) {
    switch (f.bits) {
    case 8:
        return (float(p[0]) - 128.0f) / 128.0f;
    case 16:
        return float(int16_t(read_le16(p))) / 32768.0f;
    case 24:
        return float(int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24)) /
               2147483648.0f;
    default:
        if (f.tag == format_float) {
            const uint32_t bits = read_le32(p);
            float v;
            std::memcpy(&v, &bits, sizeof v);
            return v == v ? std::clamp(v, -1.0f, 1.0f) : 0.0f; // a NaN would poison the whole mix
        }
        return float(int32_t(read_le32(p))) / 2147483648.0f;
    }
}

} // namespace

bool is_wav_file(const uint8_t* data, size_t size) {
    return size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0;
}

bool parse_wav_file(const uint8_t* data, size_t size, wave_t& wave, std::string& error) {
    wave = wave_t{};
    if (!is_wav_file(data, size)) {
        error = "not a WAV file";
        return false;
    }
    // Tools streaming to a pipe cannot go back to write the lengths: a RIFF or data length past the end
    // of the file means "up to the end".
    const uint32_t riff_size = read_le32(data + 4);
    if (riff_size < 4) {
        error = "RIFF length too short";
        return false;
    }
    const size_t end = riff_size > size - 8 ? size : 8 + size_t(riff_size);
    format_t format;
    bool have_format = false;
    const uint8_t* samples = nullptr;
    uint32_t sample_bytes = 0;
    for (size_t pos = 12; end - pos >= 8;) {
        uint32_t length = read_le32(data + pos + 4);
        const bool data_chunk = std::memcmp(data + pos, "data", 4) == 0;
        if (data_chunk && length > end - pos - 8) {
            length = uint32_t(end - pos - 8);
        }
        if (length > end - pos - 8) {
            error = "chunk length past the end of the file";
            return false;
        }
        const uint8_t* body = data + pos + 8;
        if (std::memcmp(data + pos, "fmt ", 4) == 0) {
            if (!read_format(body, length, format, error)) {
                return false;
            }
            have_format = true;
        } else if (data_chunk && samples == nullptr) {
            samples = body;
            sample_bytes = length;
        }
        pos += 8 + size_t(length) + (length & 1);
        if (pos > end) {
            break; // a missing pad byte after the last chunk
        }
    }
    if (!have_format) {
        error = "no format chunk";
        return false;
    }
    if (samples == nullptr) {
        error = "no data chunk";
        return false;
    }
    const size_t frames = sample_bytes / format.block_align;
    const size_t width = format.bits / 8;
    wave.rate = format.rate;
    wave.channels = format.channels;
    wave.samples.resize(frames * format.channels);
    for (size_t i = 0; i < wave.samples.size(); ++i) {
        wave.samples[i] = sample_at(samples + i * width, format);
    }
    return true;
}

} // namespace plat
