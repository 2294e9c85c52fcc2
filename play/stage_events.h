// The commands of the stage script, as stage files, game objects and the ending send them to the play
// scene, and the event window that the scroll moves over the stage's event list.
#pragma once

#include "objects/array.h"
#include "play/eventinfo.h"

#include <cstdint>

namespace stage_event {
enum : int32_t {
    ship_start_stage = 363,
    ship_game_over,
    weapons_enabled,
    full_power,
    bgm_start,
    bgm_stop,
    bgm_fade,
    craters,
    shake,
    explosion_layer,
    stars,
    layer_shift,
    layer_clear,
    quadrant_clear,
    quadrant_draw,
    quadrant_set,
    back_colour,
    clear_first,
    hide_layer,
    layer_transparency,
    swap_layers,
    restore_layers,
    navigation,
    navigation_if_empty,
    scroll_level,
    scroll_level_normal,
    scroll_stop,
    scroll_stopped,
    reset_scroll,
    scroll_right,
    scroll_left,
    scroll_up,
    scroll_down,
    camera_follow,
    camera_follow_clamped,
    camera_to_256,
    camera_to_0,
    shot_terrain_mode,
    flush_windows,
    delete_enemies,
    delete_shots,
    delete_explosions,
    skip_enemies0,
    skip_enemies1,
    skip_enemies2,
    skip_enemies3,
    skip_shots,
    skip_explosions,
    no_fading,
    fade_hold,
    fade_in,
    fade_out_black,
    fade_out_white,
    blackout,
    whiteout,
    game_over,
    next_stage,
};
static_assert(next_stage == 419);
} // namespace stage_event

// The event window moves to [position, position + 1). A position that went back (a repeating section
// starting over) first empties it, so that the events it held, which have run, do not run again.
void advance_event_window(array_t<eventinfo_t>& events, uint32_t position);
