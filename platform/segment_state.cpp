#include "platform/segment_state.h"

namespace plat {

segment_state_t::segment_state_t(const dm_segment_t& segment, int32_t start_time, bool primary,
                                 uint32_t output_rate)
    : segment_(&segment), start_time_(start_time), primary_(primary) {
    if (segment.song()) {
        sequencer_.emplace(segment.song(), segment.params(), segment.standard_midi_file());
    } else {
        voice_.emplace(segment.wave(), segment.params(), output_rate);
    }
}

void segment_state_t::begin(int32_t start_time, midi_sink_t& sink) {
    start_time_ = start_time;
    begun_ = true;
    sequencer_->start(sink);
}

void segment_state_t::play_block(int32_t ticks, midi_sink_t& sink, float* out, int frames) {
    if (sequencer_) {
        if (begun_) {
            sequencer_->advance(ticks, sink);
        }
    } else {
        voice_->render_add(out, frames);
        voice_->advance(ticks);
    }
}

void segment_state_t::stop(midi_sink_t& sink) {
    if (sequencer_) {
        sequencer_->stop(sink);
    }
}

uint32_t segment_state_t::quarter_microseconds() const {
    return sequencer_ ? sequencer_->quarter_microseconds() : default_quarter_microseconds;
}

} // namespace plat
