// The General MIDI synthesizer of a music performance: FluidSynth without an audio driver of its own,
// rendered by our mixer.
#pragma once

#include "platform/midi_sink.h"

#include <memory>
#include <string>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace plat {

class synth_t : public midi_sink_t {
  public:
    // Null when the soundfont cannot be loaded.
    static std::unique_ptr<synth_t> create(const std::string& soundfont, bool reverb, uint32_t rate);
    ~synth_t() override;
    synth_t(const synth_t&) = delete;
    synth_t& operator=(const synth_t&) = delete;

    void send(const midi_event_t& message, int32_t at) override;
    // Writes frames of interleaved stereo to out.
    void render(float* out, int frames);
    bool reverb() const { return reverb_; }

  private:
    synth_t(fluid_settings_t* settings, fluid_synth_t* synth, bool reverb)
        : settings_(settings), synth_(synth), reverb_(reverb) {}

    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    bool reverb_;
};

} // namespace plat
