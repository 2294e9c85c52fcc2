#include "umlib/music_segment.h"

#include "base/bootlog.h"
#include "base/failure.h"
#include "base/strformat.h"
#include "umlib/music_position.h"

namespace umlib {

segment_t::segment_t(plat::dm_loader_t* loader, const char* name, int midi_flag, segment_group_t* group,
                     plat::dm_audio_path_t* audio_path)
    : group(group), audio_path(audio_path) {
    segment = load(loader, name);
    if (this->audio_path == nullptr && group != nullptr) {
        this->audio_path = group->audio_path;
    }
    if (segment && midi_flag == 1) {
        segment->set_standard_midi_file();
    }
    if (!segment || group == nullptr || plat::failed(group->performance->download(segment.get()))) {
        release();
        throw construction_error_t(name != nullptr ? name : "segment");
    }
}

segment_t::~segment_t() {
    release();
}

std::unique_ptr<plat::dm_segment_t> segment_t::load(plat::dm_loader_t* loader, const char* name) {
    if (loader == nullptr || name == nullptr) {
        return nullptr;
    }
    std::string error;
    std::unique_ptr<plat::dm_segment_t> loaded = loader->load_segment(name, error);
    if (!loaded) {
        bootlog_error(strformat("%s: %s", name, error.c_str()));
    }
    return loaded;
}

void segment_t::release() {
    if (segment) {
        if (group != nullptr && group->performance) {
            group->performance->unload(segment.get());
        }
        segment.reset();
    }
}

int32_t segment_t::position() const {
    if (!segment || group == nullptr || !group->performance) {
        return 0;
    }
    int32_t now;
    int32_t start;
    if (plat::failed(group->performance->get_time(&now)) ||
        plat::failed(group->performance->get_primary_start_time(&start))) {
        return 0;
    }
    return fold_play_position(now, start, *segment);
}

} // namespace umlib
