#include "platform/dm_loader.h"

#include "platform/file.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace plat {

namespace {

std::string& soundfont_setting() {
    static std::string path = "/usr/share/sounds/sf2/default-GM.sf2";
    return path;
}

bool read_sound_file(const std::string& game_path, std::vector<uint8_t>& bytes, std::string& error) {
    switch (read_regular_file(game_path, bytes, largest_media_file, true, error)) {
    case read_status_t::read:
        return true;
    case read_status_t::missing:
        error = std::strerror(ENOENT);
        return false;
    case read_status_t::refused:
        break;
    }
    return false;
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
