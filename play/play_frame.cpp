// The play scene's frame: the running frame in its fixed order (keys, update, collisions, draw, present,
// count, scroll, stage change), the paused frame, the game-logic update and the input byte.
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/hitmark.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "platform/clock.h"
#include "platform/keyboard.h"
#include "play/collision.h"
#include "play/each_alive.h"
#include "play/key_table.h"
#include "play/play_scene.h"
#include "play/playinfo.h"
#include "play/stage_events.h"
#include "player/discharge.h"
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"
#include "player/shipjet.h"
#include "screen/bg.h"
#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"

#include <algorithm>

namespace {

constexpr uint32_t fps_period = 8;
// The paused picture: the menu three quarters opaque, the time of day below it.
constexpr int32_t paused_menu_blend = 64;
constexpr int32_t clock_col = 33;
constexpr int32_t clock_row = 33;
// The power-up entry's state in the first frame its key is down.
constexpr uint32_t key_pressed_now = 0x80000001u;
constexpr int32_t bgm_fade_step = -8;
constexpr int32_t fade_step = 4;

bool is_key_down(int32_t code) {
    return (uint16_t(plat::get_async_key_state(code)) >> 8) != 0;
}

template <typename T> void update_alive(T* object) {
    if (object != nullptr && object->alive) {
        object->update();
    }
}

template <typename List> void update_window(List& list) {
    each_alive_in_window(list, [](auto& object) { object.update(); });
}

template <typename List> void update_whole(List& list) {
    each_alive(list, [](auto& object) { object.update(); });
}

// A shake offset swings back toward 0, one step smaller each time: 4, -3, 2, -1, 0.
int32_t quake_swing(int32_t offset) {
    return offset > 0 ? -(offset - 1) : -(offset + 1);
}

} // namespace

void play_scene_t::frame() {
    if (!paused) {
        run_frame(true);
        return;
    }
    compose_frame(paused_menu_blend);
    draw_clock(clock_col, clock_row, plat::calendar_time());
    g_soundctr.play_requested_se();
    present_frame();
}

void play_scene_t::run_frame(bool present) {
    if (g_show_frame_rate) {
        if (++fps_frames >= fps_period) {
            const uint32_t elapsed = plat::time_get_time() - fps_time;
            fps_rate = elapsed == 0 ? 0.0 : fps_period * 1000.0 / elapsed;
            fps_time = plat::time_get_time();
            fps_frames = 0;
        }
    }
    for (int key : {key_up, key_down, key_right, key_left, key_shot, key_missile, key_multiple, key_pause}) {
        g_key_table[key].state = is_key_down(g_key_table[key].code) ? 1 : 0;
    }
    key_entry_t& powerup = g_key_table[key_powerup];
    powerup.state = !is_key_down(powerup.code) ? 0 : powerup.state == 0 ? int32_t(key_pressed_now) : 1;

    update();
    collide_all(stage, player, powergauge::active_weapons);
    draw_world();
    g_soundctr.play_requested_se();
    if (present) {
        present_frame();
    }
    if (bgm_fading) {
        g_soundctr.add_bgm_volume(bgm_fade_step);
    }
    ++g_frame_counter;
    scroll_frame();
    if (next_stage != 0) {
        change_stage(int16_t(next_stage & 0xFFFF), int16_t(next_stage >> 16), settings->level, settings->loop,
                     settings->powerup_mode);
    }
}

uint8_t play_scene_t::read_input() {
    uint8_t input = 0;
    for (int key = key_up; key <= key_multiple; ++key) {
        if (g_key_table[key].state != 0) {
            input |= uint8_t(1u << key);
        }
    }
    if (uint32_t(g_key_table[key_powerup].state) >> 31) {
        input |= input_powerup;
    }
    return input;
}

void play_scene_t::update() {
    // The terrain layers the objects' hit tests read during the update, in their unlock order.
    vscreen_t* const terrain_layers[] = {g_screenctr.layers[0], g_screenctr.layers[1], g_screenctr.cg};
    for (vscreen_t* layer : terrain_layers) {
        if (layer != nullptr) {
            layer->lock();
        }
    }
    ship_t* ship = player.ship;
    powergauge_refresh_slots(ship);
    ship->input = read_input();
    ship->update();
    update_whole(powergauge::active_weapons);
    update_whole(player.multiples);
    update_alive(player.jet);
    update_alive(player.shield);
    update_alive(player.discharge);
    update_whole(player.explosions);
    for (int list = 0; list < 3; ++list) {
        update_window(stage.enemies[list]);
    }
    update_window(stage.enemy_shots);
    update_whole(stage.shot_pool);
    update_window(stage.explosions);
    update_whole(stage.spark_pool);
    update_whole(stage.items);
    update_whole(player.items);
    for (vscreen_t* layer : terrain_layers) {
        if (layer != nullptr) {
            layer->unlock();
        }
    }
    // Craters are drawn into the layers, so only once they are unlocked.
    hitmark_update_all();
    navigation.type();

    if (mg_t* screen = g_screenctr.mg) {
        if (screen->scroll_x != 0 && (g_frame_counter + 1) % 4 == 0) {
            screen->scroll_x = quake_swing(screen->scroll_x);
        }
        if (screen->scroll_y != 0 && g_frame_counter % 3 == 0) {
            screen->scroll_y = quake_swing(screen->scroll_y);
        }
    }
    if (fade_state == stage_event::fade_in) {
        fade_weight = std::max(0, fade_weight - fade_step);
        if (fade_weight == 0) {
            run_event(stage_event::no_fading, 0);
        }
    } else if (fade_state == stage_event::fade_out_black || fade_state == stage_event::fade_out_white) {
        fade_weight = std::min(fade_full, fade_weight + fade_step);
    }
    score_drain_pending();
}
