// The sound card: one SDL audio device playing the mix, open while any performance is. Without a usable
// card the silent driver takes its place, so the music time still runs.
#pragma once

#include <string>

namespace plat {

// False when no device, not even the silent one, can be opened.
bool audio_device_acquire();
void audio_device_release();
// Why no sound card could be opened, while the silent driver stands in for one; empty otherwise.
std::string audio_device_missing_reason();

// Test hooks: while manual, the device plays silence and only audio_render (audio_mixer.h) moves the
// music on; a failing device makes audio_device_acquire fail.
void audio_set_manual(bool manual);
void audio_set_device_failure(bool fail);

} // namespace plat
