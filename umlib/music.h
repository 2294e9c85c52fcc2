// The platform library's music object: owns the loader that every segment comes from, and makes the
// segment groups (performances) and segments the sound manager plays.
#pragma once

#include "platform/dm_loader.h"
#include "umlib/music_group.h"
#include "umlib/music_segment.h"

#include <memory>

namespace umlib {

class music_t : public music_object_t {
  public:
    // A missing soundfont is logged here once: the music then plays silently.
    music_t();
    ~music_t() override;

    void release();
    // Null when the performance cannot be set up.
    segment_group_t* create_group(uint32_t default_path_type, uint32_t channel_count);
    // Null when the file cannot be loaded or downloaded; audio_path null takes the group's default path.
    segment_t* create_segment(const char* name, int midi_flag, segment_group_t* group,
                              plat::dm_audio_path_t* audio_path);

    std::unique_ptr<plat::dm_loader_t> loader;
};

} // namespace umlib
