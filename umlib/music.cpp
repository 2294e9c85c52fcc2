#include "umlib/music.h"

#include "base/bootlog.h"
#include "base/failure.h"
#include "base/strformat.h"

namespace umlib {

music_t::music_t() : loader(std::make_unique<plat::dm_loader_t>()) {
    if (loader->collection().empty()) {
        bootlog_error(strformat("サウンドフォント [%s] が見つかりません。BGMは鳴りません",
                                plat::dm_loader_t::soundfont_path().c_str()));
    }
}

music_t::~music_t() {
    release();
}

void music_t::release() {
    loader.reset();
}

segment_group_t* music_t::create_group(uint32_t default_path_type, uint32_t channel_count) {
    try {
        return new segment_group_t(default_path_type, channel_count);
    } catch (const construction_error_t&) {
        return nullptr;
    }
}

segment_t* music_t::create_segment(const char* name, int midi_flag, segment_group_t* group,
                                   plat::dm_audio_path_t* audio_path) {
    try {
        return new segment_t(loader.get(), name, midi_flag, group, audio_path);
    } catch (const construction_error_t&) {
        return nullptr;
    }
}

} // namespace umlib
