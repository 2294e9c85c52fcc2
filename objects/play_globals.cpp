#include "objects/play_globals.h"

#include <algorithm>

uint32_t g_frame_counter = 0;
uint32_t g_stage_position = 0;
uint32_t g_section_repeat = 0;
uint32_t g_repeat_count = 0;
int32_t g_level = 1;
int32_t g_terrain_mode = 2;
ship_t* g_player_ship = nullptr;
play_scene_t* g_play_scene = nullptr;
int32_t g_show_frame_rate = 0;

int32_t difficulty_level() {
    return std::clamp(g_level, 1, 8);
}
