// A segment of the platform library: one MIDI or WAV file loaded and downloaded to a group's
// performance, with its play position folded through the loops.
#pragma once

#include "platform/dm_loader.h"
#include "umlib/music_group.h"

#include <memory>

namespace umlib {

class segment_t : public music_object_t {
  public:
    // midi_flag 1 marks the file as a Standard MIDI File. Throws the integer 1 when the file cannot be
    // loaded or downloaded.
    segment_t(plat::dm_loader_t* loader, const char* name, int midi_flag, segment_group_t* group,
              plat::dm_audio_path_t* audio_path);
    ~segment_t() override;

    // Null, with the reason in the boot log, when the file cannot be loaded.
    static std::unique_ptr<plat::dm_segment_t> load(plat::dm_loader_t* loader, const char* name);
    void release();
    // Where the performance plays the segment now, in music time within the segment; 0 when it is not
    // the playing primary segment.
    int32_t position() const;

    segment_group_t* group; // borrowed
    std::unique_ptr<plat::dm_segment_t> segment;
    plat::dm_audio_path_t* audio_path; // borrowed
};

} // namespace umlib
