// The channel state (programs, banks, controllers, bend, pressure) a song has set up by a music time,
// as the messages that bring a synthesizer into it: sent when playing from a start point or a loop start.
#pragma once

#include "platform/midi_file.h"

#include <vector>

namespace plat {

// Everything the song touches anywhere: what it set before time, or the General MIDI default.
std::vector<midi_event_t> chase_channel_state(const midi_song_t& song, int32_t time);

// Controllers reset, bank 0, program 0 and the pitch wheel centred on every channel.
std::vector<midi_event_t> general_midi_reset();

} // namespace plat
