// The one output mix of the stand-in: every initialised performance adds its share. Performances take
// audio_mutex() around every change, and the mix runs under it.
#pragma once

#include <cstdint>
#include <mutex>

namespace plat {

class dm_performance_t;

constexpr uint32_t audio_sample_rate = 44100;

std::mutex& audio_mutex();
// Both with audio_mutex() held.
void mixer_attach(dm_performance_t* performance);
void mixer_detach(dm_performance_t* performance);

// Mixes the next frames of every performance into out (interleaved stereo, -1..1), as the sound device
// pulls them; tests call it to render offline.
void audio_render(float* out, int frames);

} // namespace plat
