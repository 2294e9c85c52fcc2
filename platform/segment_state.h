// One play of a segment on a performance: a sequencer for a MIDI song, a voice for a wave.
#pragma once

#include "platform/dm_segment.h"
#include "platform/sequencer.h"
#include "platform/wave_voice.h"

#include <optional>

namespace plat {

class segment_state_t {
  public:
    // A wave starts at once; a song waits for begin.
    segment_state_t(const dm_segment_t& segment, int32_t start_time, bool primary, uint32_t output_rate);

    // Starts a song at start_time: the sequencer sends the channel state of the start point to sink.
    void begin(int32_t start_time, midi_sink_t& sink);
    // One block of the output: a song sends the messages of the next ticks to sink; a wave adds its
    // frames to the interleaved stereo out. A song that has not begun stays where it is.
    void play_block(int32_t ticks, midi_sink_t& sink, float* out, int frames);
    // Releases what the song holds.
    void stop(midi_sink_t& sink);

    bool ended() const { return sequencer_ ? sequencer_->ended() : voice_->ended(); }
    bool waiting() const { return sequencer_ && !begun_; }
    // The tempo that drives the performance while this is its primary segment.
    uint32_t quarter_microseconds() const;

    const dm_segment_t* segment() const { return segment_; }
    int32_t start_time() const { return start_time_; }
    bool primary() const { return primary_; }

  private:
    const dm_segment_t* segment_; // identifies the segment only; the content is shared
    int32_t start_time_;
    bool primary_;
    bool begun_ = false;
    std::optional<sequencer_t> sequencer_;
    std::optional<wave_voice_t> voice_;
};

} // namespace plat
