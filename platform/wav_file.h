// WAV files (RIFF WAVE: integer PCM of 8, 16, 24 or 32 bits, or 32-bit float; mono or stereo) read
// into floating-point samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

struct wave_t {
    uint32_t rate = 0;          // frames per second
    uint16_t channels = 0;      // 1 or 2
    std::vector<float> samples; // interleaved, -1..1

    size_t frames() const { return channels == 0 ? 0 : samples.size() / channels; }
};

bool is_wav_file(const uint8_t* data, size_t size);

// False, with the reason in error, unless the bytes are a well-formed WAV file of a supported kind.
bool parse_wav_file(const uint8_t* data, size_t size, wave_t& wave, std::string& error);

} // namespace plat
