// Writers of Standard MIDI Files and WAV files, for the sample data and the tests' own fixtures.
#pragma once

#include <cstdint>
#include <vector>

// One track chunk's events, appended in order.
class midi_track_writer_t {
  public:
    // With running status, a status byte equal to the previous one is left out.
    explicit midi_track_writer_t(bool running_status = false) : running_status_(running_status) {}

    // A channel message after delta ticks; program change and channel pressure take data1 only.
    void message(uint32_t delta, uint8_t status, uint8_t data1, uint8_t data2 = 0);
    void tempo(uint32_t delta, uint32_t quarter_microseconds);
    void end(uint32_t delta);
    // Bytes as they stand, for malformed tracks.
    void raw(const std::vector<uint8_t>& bytes);

    const std::vector<uint8_t>& bytes() const { return bytes_; }

  private:
    void quantity(uint32_t value);

    bool running_status_;
    uint8_t last_status_ = 0;
    std::vector<uint8_t> bytes_;
};

struct midi_note_t {
    uint32_t start; // in the file's ticks
    uint32_t length;
    uint8_t channel;
    uint8_t key;
    uint8_t velocity;
};

// The notes as note-on and note-off messages in time order, after the given set-up messages at tick 0.
void write_notes(midi_track_writer_t& track, const std::vector<midi_note_t>& notes);

std::vector<uint8_t> midi_file_bytes(uint16_t format, uint16_t division,
                                     const std::vector<midi_track_writer_t>& tracks);

// A WAV file of any format tag and sample width, the sample bytes as given.
std::vector<uint8_t> wav_file_bytes(uint16_t format_tag, uint16_t channels, uint32_t rate, uint16_t bits,
                                    const std::vector<uint8_t>& data);
// 16-bit PCM from samples in -1..1.
std::vector<uint8_t> pcm16_wav_bytes(uint16_t channels, uint32_t rate, const std::vector<float>& samples);
