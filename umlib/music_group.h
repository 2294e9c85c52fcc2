// The base of the music wrappers, and a segment group: one performance with its default audio path.
#pragma once

#include "platform/dm_performance.h"

#include <memory>

namespace umlib {

// Every wrapper is deleted through this base.
class music_object_t {
  public:
    virtual ~music_object_t() = default;
};

class segment_group_t : public music_object_t {
  public:
    // Throws the integer 1 when the performance cannot be set up.
    segment_group_t(uint32_t default_path_type, uint32_t channel_count);
    ~segment_group_t() override;

    void release();

    std::unique_ptr<plat::dm_performance_t> performance;
    plat::dm_audio_path_t* audio_path = nullptr; // the performance's default path
};

} // namespace umlib
