// The ship in a play of the tests: a play scene that keeps what objects post, its player container
// equipped as a play start does, and frames of the scene's own update and collision passes.
#pragma once

#include "player/player.h"
#include "tests/play/event_log_scene.h"

#include <cstdint>

class enemy_t;
class item_t;
class ship_t;

struct play_settings_t {
    int32_t ship_type = 0;
    int32_t power_up = 0;   // 0 ITEM, 1 CAPSULE
    int32_t power_down = 0; // 0 LOSE ALL, 1 LEAVE ITEMS
    int32_t option_type = 1;
    int32_t equipment = 1;
    int32_t lives = 2;
};

class ship_play_standin_t {
  public:
    ship_play_standin_t() = default;
    ~ship_play_standin_t();
    ship_play_standin_t(const ship_play_standin_t&) = delete;
    ship_play_standin_t& operator=(const ship_play_standin_t&) = delete;

    // The play start's steps for the player; the object table must be loaded.
    bool startup(const play_settings_t& settings);
    // The stage load's steps for the player, then the warp-in.
    void start_stage();
    void frame(uint8_t input);
    void frames(uint8_t input, int count);
    // Runs frames with the input until the ship is back in play; false after the limit.
    bool until_in_play(int limit = 1000);

    // An enemy of the stage at (x, y), in the open window, carrying what is given.
    enemy_t* add_enemy(float x, float y, object_t* carried = nullptr);
    // An idle item of the stage (started) at (x, y), or dormant when not placed.
    item_t* add_item(int32_t kind, float x, float y, bool placed = true);
    int32_t count_events(int32_t type, int32_t param) const;

    event_log_scene_t scene;
    player_t& player = scene.player;
    ship_t* ship = nullptr;
};
