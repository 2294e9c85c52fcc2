#include "platform/dm_loader.h"

#include "platform/file.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace plat {

namespace {

// Larger than any music or effect of the game; a bigger file is refused, not read.
constexpr size_t largest_sound_file = 32u << 20;

std::string& soundfont_setting() {
    static std::string path = "/usr/share/sounds/sf2/default-GM.sf2";
    return path;
}

bool read_sound_file(const std::string& game_path, std::vector<uint8_t>& bytes, std::string& error) {
    std::FILE* f = open_file(game_path, "rb");
    if (f == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    uint8_t block[65536];
    size_t got;
    while (bytes.size() <= largest_sound_file && (got = std::fread(block, 1, sizeof block, f)) > 0) {
        bytes.insert(bytes.end(), block, block + got);
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = "read error";
        return false;
    }
    if (bytes.size() > largest_sound_file) {
        error = "file too large";
        return false;
    }
    return true;
}

} // namespace

void set_soundfont_path(const std::string& path) {
    soundfont_setting() = path;
}

const std::string& dm_loader_t::soundfont_path() {
    return soundfont_setting();
}

dm_loader_t::dm_loader_t() {
    if (::access(soundfont_setting().c_str(), R_OK) == 0) {
        collection_ = soundfont_setting();
    }
}

std::unique_ptr<dm_segment_t> dm_loader_t::load_segment(const std::string& game_path, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!read_sound_file(game_path, bytes, error)) {
        return nullptr;
    }
    if (is_midi_file(bytes.data(), bytes.size())) {
        auto song = std::make_shared<midi_song_t>();
        if (!parse_midi_file(bytes.data(), bytes.size(), *song, error)) {
            error = "MIDI: " + error;
            return nullptr;
        }
        return std::make_unique<dm_segment_t>(std::move(song), collection_);
    }
    if (is_wav_file(bytes.data(), bytes.size())) {
        auto wave = std::make_shared<wave_t>();
        if (!parse_wav_file(bytes.data(), bytes.size(), *wave, error)) {
            error = "WAV: " + error;
            return nullptr;
        }
        return std::make_unique<dm_segment_t>(std::move(wave));
    }
    error = "neither a MIDI nor a WAV file";
    return nullptr;
}

} // namespace plat
