// The play scene's globals that game objects read, and the one way objects talk to the play scene.
#pragma once

#include <cstdint>

class ship_t;
class play_scene_t;

// +1 per played frame, 0 at every stage start.
extern uint32_t g_frame_counter;
// section << 16 | pixel; section << 16 at every stage start.
extern uint32_t g_stage_position;
// Bit 0: the current section repeats; bit 1: the repeat ends at the next even count.
extern uint32_t g_section_repeat;
extern uint32_t g_repeat_count;
// 1..8, from the play settings.
extern int32_t g_level;
// The difficulty level as every family's tables read it: g_level held to 1..8, so that no table index
// or interval of the form 128 - 16 x (level - 1) leaves its range.
int32_t difficulty_level();
// How enemy shots meet the background: 0 not at all, 1 layers 0 and 1, else also the cg layer.
extern int32_t g_terrain_mode;
// The player's ship; enemies aim at it.
extern ship_t* g_player_ship;
// Where g_player_ship is (x then y), null without a ship; defined beside the ship, whose type objects don't
// see.
const float* player_ship_position();
// The play scene that exists, null when none does.
extern play_scene_t* g_play_scene;
// F2 switches it; it outlives the play scenes.
extern int32_t g_show_frame_rate;

// Hands (type, param) to the running play scene's event processor; 0 while there is none.
int32_t post_event(int32_t type, int32_t param);
