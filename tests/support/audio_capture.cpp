#include "tests/support/audio_capture.h"

#include "platform/audio_mixer.h"

#include <cmath>

std::vector<float> render_audio(int frames) {
    std::vector<float> out(2 * size_t(frames));
    plat::audio_render(out.data(), frames);
    return out;
}

float peak_level(const std::vector<float>& samples) {
    float peak = 0;
    for (float s : samples) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}
