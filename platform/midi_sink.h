// Where a sequencer sends its channel messages: the synthesizer, or a recorder in the tests.
#pragma once

#include "platform/midi_file.h"

namespace plat {

class midi_sink_t {
  public:
    virtual ~midi_sink_t() = default;
    // at: the music time into the current advance at which the message falls.
    virtual void send(const midi_event_t& message, int32_t at) = 0;
};

} // namespace plat
