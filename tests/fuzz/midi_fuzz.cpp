// Feeds arbitrary bytes to the MIDI reader, and plays whatever it accepts through the sequencer with
// a loop inside the song.
#include "platform/midi_file.h"
#include "platform/sequencer.h"

#include <string>

namespace {

class ignore_t : public plat::midi_sink_t {
    void send(const plat::midi_event_t&, int32_t) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto song = std::make_shared<plat::midi_song_t>();
    std::string error;
    if (!plat::parse_midi_file(data, size, *song, error)) {
        return 0;
    }
    const plat::segment_params_t params{song->length, song->length / 8, song->length / 4, song->length / 2,
                                        3};
    plat::sequencer_t sequencer(song, params, true);
    ignore_t sink;
    sequencer.start(sink);
    for (int block = 0; block < 256 && !sequencer.ended(); ++block) {
        sequencer.advance(int32_t(sequencer.quarter_microseconds() % 97 + 1), sink);
    }
    return 0;
}
