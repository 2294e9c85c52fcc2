#include "platform/sequencer.h"

#include "platform/midi_chase.h"

#include <algorithm>

namespace plat {

namespace {

constexpr uint8_t cc_sustain = 64;

bool before(const midi_event_t& e, int32_t time) {
    return e.time < time;
}

} // namespace

struct sequencer_t::walker_t {
    sequencer_t& seq;
    midi_sink_t& sink;

    void span(int32_t from, int32_t to, int32_t elapsed) {
        const std::vector<midi_event_t>& events = seq.song_->events;
        for (; seq.next_ < events.size() && events[seq.next_].time < to; ++seq.next_) {
            seq.send(sink, events[seq.next_], elapsed + (events[seq.next_].time - from));
        }
    }
    void jump(int32_t elapsed) {
        seq.stop_notes(sink, elapsed);
        for (const midi_event_t& e : seq.loop_state_) {
            seq.send(sink, e, elapsed);
        }
        seq.seek(seq.clock_.loop_start());
    }
};

sequencer_t::sequencer_t(std::shared_ptr<const midi_song_t> song, const segment_params_t& params,
                         bool general_midi_reset)
    : song_(std::move(song)), clock_(params), general_midi_reset_(general_midi_reset),
      loop_state_(chase_channel_state(*song_, params.loop_start)) {}

void sequencer_t::start(midi_sink_t& sink) {
    if (general_midi_reset_) {
        for (const midi_event_t& e : general_midi_reset()) {
            send(sink, e, 0);
        }
    }
    for (const midi_event_t& e : chase_channel_state(*song_, clock_.position())) {
        send(sink, e, 0);
    }
    seek(clock_.position());
}

void sequencer_t::advance(int32_t ticks, midi_sink_t& sink) {
    if (clock_.ended()) {
        return;
    }
    walker_t walker{*this, sink};
    const int32_t played = clock_.advance(ticks, walker);
    if (clock_.ended()) {
        stop_notes(sink, played);
    }
}

void sequencer_t::stop(midi_sink_t& sink) {
    stop_notes(sink, 0);
}

void sequencer_t::stop_notes(midi_sink_t& sink, int32_t at) {
    for (size_t i = 0; i < sounding_.size(); ++i) {
        if (sounding_[i]) {
            send(sink, {0, uint8_t(0x80 | i >> 7), uint8_t(i & 0x7F), 0}, at);
        }
    }
    for (uint8_t c = 0; c < pedal_.size(); ++c) {
        if (pedal_[c]) {
            send(sink, {0, uint8_t(0xB0 | c), cc_sustain, 0}, at);
        }
    }
}

uint32_t sequencer_t::quarter_microseconds() const {
    const auto& tempos = song_->tempos;
    auto after = std::upper_bound(tempos.begin(), tempos.end(), clock_.position(),
                                  [](int32_t t, const tempo_change_t& c) { return t < c.time; });
    return after == tempos.begin() ? default_quarter_microseconds : std::prev(after)->quarter_microseconds;
}

void sequencer_t::send(midi_sink_t& sink, const midi_event_t& e, int32_t at) {
    const size_t channel = e.status & 0x0F;
    const size_t note = channel << 7 | e.data1;
    switch (e.status & 0xF0) {
    case 0x90:
        if (e.data2 != 0) {
            sounding_[note] = true;
            break;
        }
        [[fallthrough]];
    case 0x80:
        sounding_[note] = false;
        break;
    case 0xB0:
        if (e.data1 == cc_sustain) {
            pedal_[channel] = e.data2 >= 64;
        }
        break;
    default:
        break;
    }
    sink.send(e, at);
}

void sequencer_t::seek(int32_t time) {
    const auto& events = song_->events;
    next_ = size_t(std::lower_bound(events.begin(), events.end(), time, before) - events.begin());
}

} // namespace plat
