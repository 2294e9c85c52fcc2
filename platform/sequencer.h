// Plays one MIDI song in music time: from its start point, through its loops, to its end. Notes that
// sound across a loop end are released, and the loop start's channel state is sent after each jump.
#pragma once

#include "platform/midi_sink.h"
#include "platform/segment_clock.h"

#include <array>
#include <memory>
#include <vector>

namespace plat {

class sequencer_t {
  public:
    // general_midi_reset: the channels are reset before the song's own state is sent.
    sequencer_t(std::shared_ptr<const midi_song_t> song, const segment_params_t& params,
                bool general_midi_reset);

    // Sends the channel state in force at the start point.
    void start(midi_sink_t& sink);
    // Plays the next ticks of music time; the notes still sounding are released when the song ends.
    void advance(int32_t ticks, midi_sink_t& sink);
    // Releases every note and held pedal of this song.
    void stop(midi_sink_t& sink);

    bool ended() const { return clock_.ended(); }
    int32_t position() const { return clock_.position(); }
    // Tempo at the current position.
    uint32_t quarter_microseconds() const;

  private:
    struct walker_t;

    void send(midi_sink_t& sink, const midi_event_t& e, int32_t at);
    void stop_notes(midi_sink_t& sink, int32_t at);
    void seek(int32_t time);

    std::shared_ptr<const midi_song_t> song_;
    segment_clock_t clock_;
    bool general_midi_reset_;
    std::vector<midi_event_t> loop_state_;
    size_t next_ = 0;
    std::array<bool, 16 * 128> sounding_{};
    std::array<bool, 16> pedal_{};
};

} // namespace plat
