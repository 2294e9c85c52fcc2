#include "platform/audio_mixer.h"

#include "platform/dm_performance.h"

#include <algorithm>
#include <vector>

namespace plat {

namespace {

std::vector<dm_performance_t*>& performances() {
    static std::vector<dm_performance_t*> list;
    return list;
}

} // namespace

std::mutex& audio_mutex() {
    static std::mutex mutex;
    return mutex;
}

void mixer_attach(dm_performance_t* performance) {
    performances().push_back(performance);
}

void mixer_detach(dm_performance_t* performance) {
    std::erase(performances(), performance);
}

void audio_render(float* out, int frames) {
    std::fill(out, out + 2 * frames, 0.0f);
    std::lock_guard<std::mutex> lock(audio_mutex());
    for (dm_performance_t* p : performances()) {
        p->render_add(out, frames);
    }
    for (int i = 0; i < 2 * frames; ++i) {
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    }
}

} // namespace plat
