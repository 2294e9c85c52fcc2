#include "play/play_state.h"

#include "objects/hitmark.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/score.h"
#include "objects/stage_pointers.h"
#include "player/double_shot.h"
#include "player/powergauge.h"

// A new play global gets one line here with its start value, the value its definition gives it.
void reset_play_state() {
    g_frame_counter = 0;
    g_stage_position = 0;
    g_section_repeat = 0;
    g_repeat_count = 0;
    g_level = 1;
    g_terrain_mode = 2;
    g_player_ship = nullptr;
    g_enemy_list = nullptr;
    g_shot_pool = nullptr;
    g_spark_pool = nullptr;
    rng::reset();

    g_score = 0;
    g_lives = 0;
    g_next_extend = extend_step;
    g_pending_bonus = 0;

    g_hitmarks.clear();
    craters_enabled = false;

    dbl_aim = 0;
    powergauge::current_player = nullptr;
    powergauge::loadout = 0;
    powergauge::power_down_mode = 0;
    powergauge::shot_type = 0;
    powergauge::missile_type = 0;
    powergauge::gauge.reset();
    powergauge::active_weapons.clear();
}
