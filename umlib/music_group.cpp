#include "umlib/music_group.h"
#include "base/failure.h"

namespace umlib {

segment_group_t::segment_group_t(uint32_t default_path_type, uint32_t channel_count)
    : performance(std::make_unique<plat::dm_performance_t>()) {
    if (plat::succeeded(performance->init_audio(default_path_type, channel_count))) {
        audio_path = performance->get_default_audio_path();
    }
    if (audio_path == nullptr) {
        release();
        throw construction_error_t("audio path");
    }
}

segment_group_t::~segment_group_t() {
    release();
}

void segment_group_t::release() {
    audio_path = nullptr;
    if (performance) {
        performance->close_down();
        performance.reset();
    }
}

} // namespace umlib
