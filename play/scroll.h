// Scrolling of a stage: the speed table, the stage-position step with its section repeat, the camera's
// follow step, the list windows, and the moves that carry every live world object with the map layers.
#pragma once

#include "objects/array.h"

#include <cstdint>

class player_missile_t;
class player_t;
class ship_t;
class stage_t;

// The position advances by `pixels` in every frame whose counter is a multiple of `frames`.
struct scroll_speed_t {
    uint32_t frames;
    uint32_t pixels;
};

constexpr int32_t scroll_speed_count = 12;
extern const scroll_speed_t scroll_speed_table[scroll_speed_count];
// The entry of a level; a level outside the table (stage data) is held to its nearest end.
const scroll_speed_t& scroll_speed(int32_t level);

// Scroll modes, as stage events 392 to 399 select them.
namespace scroll_modes {
constexpr int32_t scroll_right = 1;
constexpr int32_t scroll_left = 2;
constexpr int32_t scroll_up = 4;
constexpr int32_t scroll_down = 8;
constexpr int32_t camera_follow = 0x10000;
constexpr int32_t camera_follow_clamped = 0x10001;
constexpr int32_t camera_to_256 = 0x10002;
constexpr int32_t camera_to_0 = 0x10004;
} // namespace scroll_modes

// Advances the stage position by up to `pixels`; a step that would pass the section's end is cut to reach
// its pixel 0 (of the next section, or of the same one while it repeats). Returns the step taken.
int32_t step_stage_position(uint32_t pixels);
// How far the camera follows the ship this frame: toward the band 113..143, at most speed + 1.
int32_t follow_step(const ship_t& ship);
// The five object windows with [from, to): enemy lists 0 to 2, the enemy shots, the explosions.
void advance_object_windows(stage_t& stage, uint32_t from, uint32_t to);

// Moves every alive object that scrolls with the world, then the map layers.
void scroll_world_x(stage_t& stage, player_t& player, array_t<player_missile_t*>& shots, int32_t dx);
void scroll_world_y(stage_t& stage, player_t& player, array_t<player_missile_t*>& shots, bool stars,
                    int32_t dy);
// The vertical camera shift: the world wraps inside the 512-pixel map, the player's side does not.
void shift_world_camera(stage_t& stage, player_t& player, array_t<player_missile_t*>& shots, bool stars,
                        int32_t dy);
