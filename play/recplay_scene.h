// The play scene while it is recorded: every update frame's input byte is kept and written with the play
// settings to a replay file when the scene is deleted; after the last stage the next loop is recorded anew.
#pragma once

#include "play/play_scene.h"

#include <cstdint>
#include <string>
#include <vector>

class recplay_scene_t : public play_scene_t {
  public:
    // The records are the controller's; file_name is copied.
    recplay_scene_t(playinfo_t* settings, userinfo_t* user, ranking_t* ranking, const char* file_name);
    ~recplay_scene_t() override;

    bool startup() override;
    void all_cleared() override;
    uint8_t read_input() override;
    void draw_mode_overlay() override;
    // Writes the header and the stream; a failure ends the application with the log shown. A recording
    // without a frame is not written (a reader refuses it) and is no failure.
    bool save();

    playinfo_t* header;
    std::vector<uint8_t> input_stream;
    std::string file_name;
    int32_t rec_image = -1;

    static constexpr size_t stream_reserve = 131072;
};
