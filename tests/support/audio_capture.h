// Renders the sound output offline and measures it, for tests that listen to what was played.
#pragma once

#include <vector>

// The next frames of the mix, interleaved stereo.
std::vector<float> render_audio(int frames);
// The largest absolute sample.
float peak_level(const std::vector<float>& samples);
