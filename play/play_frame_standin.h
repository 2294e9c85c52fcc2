// A test frame on the play scene: it keeps the events that objects post instead of running them, and
// runs the object steps of a play frame in their order on a ship that the test owns.
#pragma once

#include "play/play_scene.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class object_t;
class ship_t;

class play_frame_standin_t : public play_scene_t {
  public:
    play_frame_standin_t();
    ~play_frame_standin_t();
    play_frame_standin_t(const play_frame_standin_t&) = delete;
    play_frame_standin_t& operator=(const play_frame_standin_t&) = delete;

    // Seeds the generator, sets the level and loads the object table; false after the boot-log line.
    bool startup(const std::string& objectinfo_path, int32_t level, uint32_t seed);
    // Keeps what objects post.
    int32_t run_event(int32_t type, int32_t param) override;

    // The updates of the stage's lists, windows read once before each loop, then the craters.
    void update();
    // The passes between the update and the draw: shots against enemy list 0, then the ship against
    // enemy shots, the shot pool and enemy list 0.
    void collide();
    // Horizontal scroll of every alive object of the windows and pools.
    void scroll_x(int32_t dx);
    void advance_windows(uint32_t from, uint32_t to);
    // Frame counter + 1, as after presenting.
    void end_frame();

    ship_t* ship = nullptr;              // not owned
    std::vector<object_t*> player_shots; // not owned
    std::vector<std::pair<int32_t, int32_t>> events;
};
