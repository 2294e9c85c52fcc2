#include "objects/play_globals.h"

uint32_t g_frame_counter = 0;
int32_t g_level = 1;
int32_t g_terrain_mode = 2;
ship_t* g_player_ship = nullptr;
play_frame_standin_t* g_play_scene = nullptr;
