#include "platform/synth.h"

#include <fluidsynth.h>

namespace plat {

namespace {

// Loud enough beside the effects, with headroom for a full General MIDI arrangement.
constexpr double synth_gain = 0.5;

// The synthesizer would otherwise print its warnings on the terminal.
void quiet_log() {
    static const bool done = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
            fluid_set_log_function(level, nullptr, nullptr);
        }
        return true;
    }();
    (void)done;
}

} // namespace

std::unique_ptr<synth_t> synth_t::create(const std::string& soundfont, bool reverb, uint32_t rate) {
    quiet_log();
    fluid_settings_t* settings = new_fluid_settings();
    if (settings == nullptr) {
        return nullptr;
    }
    fluid_settings_setnum(settings, "synth.sample-rate", double(rate));
    fluid_settings_setnum(settings, "synth.gain", synth_gain);
    fluid_settings_setint(settings, "synth.reverb.active", reverb ? 1 : 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (synth == nullptr || fluid_synth_sfload(synth, soundfont.c_str(), 1) == FLUID_FAILED) {
        if (synth != nullptr) {
            delete_fluid_synth(synth);
        }
        delete_fluid_settings(settings);
        return nullptr;
    }
    return std::unique_ptr<synth_t>(new synth_t(settings, synth, reverb));
}

synth_t::~synth_t() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

void synth_t::send(const midi_event_t& m, int32_t) {
    const int channel = m.status & 0x0F;
    switch (m.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth_, channel, m.data1);
        break;
    case 0x90:
        fluid_synth_noteon(synth_, channel, m.data1, m.data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth_, channel, m.data1, m.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_, channel, m.data1, m.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth_, channel, m.data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth_, channel, m.data1);
        break;
    default:
        fluid_synth_pitch_bend(synth_, channel, m.data1 | m.data2 << 7);
        break;
    }
}

void synth_t::render(float* out, int frames) {
    fluid_synth_write_float(synth_, frames, out, 0, 2, out, 1, 2);
}

} // namespace plat
