// Standard MIDI Files (formats 0 and 1) read into one time-ordered list of channel events, with every
// time converted to music time: 768 ticks per quarter note, whatever the file's own division.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

constexpr int32_t music_ticks_per_quarter = 768;
// 120 beats per minute, the tempo of a song that sets none.
constexpr uint32_t default_quarter_microseconds = 500000;

struct midi_event_t {
    int32_t time = 0;   // music time
    uint8_t status = 0; // a channel message: 0x80..0xEF
    uint8_t data1 = 0;
    uint8_t data2 = 0;
};

struct tempo_change_t {
    int32_t time = 0;
    uint32_t quarter_microseconds = default_quarter_microseconds;
};

struct midi_song_t {
    std::vector<midi_event_t> events;   // by time; events of equal time keep the file's order
    std::vector<tempo_change_t> tempos; // by time
    int32_t length = 0;                 // music time at which the longest track ends
};

bool is_midi_file(const uint8_t* data, size_t size);

// False, with the reason in error, unless the bytes are a well-formed Standard MIDI File.
bool parse_midi_file(const uint8_t* data, size_t size, midi_song_t& song, std::string& error);

} // namespace plat
