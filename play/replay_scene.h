// The play scene fed from a replay file: the recorded input byte by byte, a pause menu that can hand the
// game over to the live keys, the blinking replay mark and, while I is held, the file's header.
#pragma once

#include "play/play_scene.h"

#include <cstdint>
#include <string>
#include <vector>

class replay_scene_t : public play_scene_t {
  public:
    // Loads the file into the controller's settings; throws construction_error_t, with a boot-log line,
    // when it cannot be read or its header is not one a run can start from (the settings stay as they were).
    replay_scene_t(playinfo_t* settings, ranking_t* ranking, const char* path);

    bool startup() override;
    void on_key(int32_t key) override;
    void game_over() override;
    void all_cleared() override;
    uint8_t read_input() override;
    void compose_frame(int32_t blend) override;
    void draw_mode_overlay() override;

    std::vector<uint8_t> input_stream;
    uint32_t read_pos = 0;
    playinfo_t* header;
    int32_t replay_image = -1;
    bool taken_over = false;

  protected:
    // The header's version, date, level and loop, while the I key is down.
    void draw_header_text();
};

// The four lines of the header text.
std::string replay_header_text(const playinfo_t& header);
