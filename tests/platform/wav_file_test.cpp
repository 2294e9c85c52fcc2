#include "base/binio.h"
#include "platform/wav_file.h"
#include "tools/sample/sound_writers.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

bool parse(const std::vector<uint8_t>& bytes, plat::wave_t& wave, std::string& error) {
    return plat::parse_wav_file(bytes.data(), bytes.size(), wave, error);
}

std::vector<uint8_t> float_bytes(std::initializer_list<float> values) {
    byte_writer_t w;
    for (float v : values) {
        w.f32(v);
    }
    return w.data();
}

} // namespace

TEST(wav_file, sample_formats_decode_to_the_same_scale) {
    struct format_case_t {
        const char* name;
        uint16_t tag, bits;
        std::vector<uint8_t> half_up_half_down; // +0.5 then -0.5
    };
    const std::vector<format_case_t> cases = {
        {"8-bit", 1, 8, {192, 64}},
        {"16-bit", 1, 16, {0x00, 0x40, 0x00, 0xC0}},
        {"24-bit", 1, 24, {0x00, 0x00, 0x40, 0x00, 0x00, 0xC0}},
        {"32-bit", 1, 32, {0, 0, 0, 0x40, 0, 0, 0, 0xC0}},
        {"float", 3, 32, float_bytes({0.5f, -0.5f})},
    };
    for (const format_case_t& c : cases) {
        plat::wave_t wave;
        std::string error;
        ASSERT_TRUE(parse(wav_file_bytes(c.tag, 1, 22050, c.bits, c.half_up_half_down), wave, error))
            << c.name << error;
        EXPECT_EQ(wave.rate, 22050u);
        ASSERT_EQ(wave.frames(), 2u) << c.name;
        EXPECT_NEAR(wave.samples[0], 0.5f, 1e-6) << c.name;
        EXPECT_NEAR(wave.samples[1], -0.5f, 1e-6) << c.name;
    }
}

TEST(wav_file, stereo_frames_and_unknown_chunks_with_padding) {
    std::vector<uint8_t> bytes = pcm16_wav_bytes(2, 44100, {0.25f, -0.25f, 0.5f, -0.5f});
    // An odd-sized chunk with its pad byte between the format and the data.
    const std::vector<uint8_t> extra = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, extra.begin(), extra.end());
    const uint32_t riff = uint32_t(bytes.size() - 8);
    std::memcpy(bytes.data() + 4, &riff, 4);
    plat::wave_t wave;
    std::string error;
    ASSERT_TRUE(parse(bytes, wave, error)) << error;
    EXPECT_EQ(wave.channels, 2);
    ASSERT_EQ(wave.frames(), 2u);
    EXPECT_NEAR(wave.samples[3], -0.5f, 1e-4);
}

TEST(wav_file, malformed_files_are_refused_with_a_reason) {
    const std::vector<uint8_t> good = pcm16_wav_bytes(1, 22050, {0.1f, 0.2f});
    auto with = [&](size_t at, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> f = good;
        std::copy(bytes.begin(), bytes.end(), f.begin() + long(at));
        return f;
    };
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"RIFF length below the WAVE tag", with(4, {0x03, 0x00, 0x00, 0x00})},
        {"huge format length", with(16, {0xF0, 0xFF, 0xFF, 0xFF})},
        {"compressed format", with(20, {0x02, 0x00})},
        {"three channels", with(22, {0x03, 0x00})},
        {"rate 0", with(24, {0, 0, 0, 0})},
        {"block alignment", with(32, {0x07, 0x00})},
        {"no data chunk", with(36, {'j', 'u', 'n', 'k'})},
        {"no format chunk", with(12, {'j', 'u', 'n', 'k'})},
        {"format chunk too short", with(16, {0x08, 0x00, 0x00, 0x00})},
        {"not a WAV file", with(8, {'A', 'V', 'I', ' '})},
    };
    for (const auto& [name, bytes] : cases) {
        plat::wave_t wave;
        std::string error;
        EXPECT_FALSE(parse(bytes, wave, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
}

// Tools streaming to a pipe leave the RIFF and data lengths "unknown" (0xFFFFFFFF or near it), and a
// cut file looks the same: both read up to the end, whole frames only; a cut before the samples refuses.
TEST(wav_file, lengths_past_the_end_read_up_to_the_end_of_the_file) {
    const std::vector<uint8_t> good = pcm16_wav_bytes(1, 22050, {0.1f, 0.2f, 0.3f});
    constexpr size_t riff_at = 4, data_length_at = 40, samples_at = 44;
    for (const auto& [riff, data] : {std::pair{0xFFFFFFFFu, 0xFFFFFFFFu}, std::pair{0xFFFFFFFFu, 6u},
                                     std::pair{0x7FFFF024u, 0x7FFFF000u}}) {
        for (size_t size = 0; size <= good.size(); ++size) {
            std::vector<uint8_t> f(good.begin(), good.begin() + long(size));
            for (const auto& [at, value] : {std::pair{riff_at, riff}, std::pair{data_length_at, data}}) {
                for (size_t i = 0; i < 4 && at + i < size; ++i) {
                    f[at + i] = uint8_t(value >> (8 * i));
                }
            }
            plat::wave_t wave;
            std::string error;
            const bool parsed = parse(f, wave, error);
            ASSERT_EQ(parsed, size >= samples_at) << size << " " << error;
            if (parsed) {
                ASSERT_EQ(wave.frames(), (size - samples_at) / 2) << size;
                for (size_t i = 0; i < wave.frames(); ++i) {
                    EXPECT_NEAR(wave.samples[i], 0.1f * float(i + 1), 1e-4);
                }
            }
        }
    }
}
