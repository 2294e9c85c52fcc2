#include "play/scroll.h"

#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/star.h"
#include "play/each_alive.h"
#include "play/play_scene.h"
#include "play/stage.h"
#include "play/stage_events.h"
#include "player/player.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "screen/screenctr.h"

#include <algorithm>
#include <vector>

const scroll_speed_t scroll_speed_table[scroll_speed_count] = {
    {8, 1}, {4, 1}, {3, 1}, {2, 1}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}};

namespace {

constexpr uint32_t section_pixels = 256;
constexpr uint32_t section_step = 0x10000;
constexpr uint32_t repeat_section = 1;
constexpr uint32_t repeat_ends = 2;
constexpr int32_t follow_top = 112;
constexpr int32_t follow_bottom = 144;
// The vertical scroll of the camera modes, read inside the 512-pixel-high map.
constexpr int32_t map_height = 512;
constexpr int32_t map_height_mask = map_height - 1;
constexpr int32_t map_half = 256;

// The lists that scroll with the world, in their order; the star field goes after the shot pool.
template <typename Move, typename Stars>
void each_scrolled(stage_t& stage, player_t& player, array_t<player_missile_t*>& shots, Move move,
                   Stars stars) {
    for (int list = 0; list < 3; ++list) {
        each_alive_in_window(stage.enemies[list], move);
    }
    each_alive_in_window(stage.explosions, move);
    each_alive(stage.spark_pool, move);
    each_alive_in_window(stage.enemy_shots, move);
    each_alive(stage.shot_pool, move);
    stars();
    each_alive(stage.items, move);
    each_alive(player.items, move);
    each_alive(shots, move);
    each_alive(player.explosions, move);
}

} // namespace

const scroll_speed_t& scroll_speed(int32_t level) {
    return scroll_speed_table[std::clamp(level, 0, scroll_speed_count - 1)];
}

int32_t step_stage_position(uint32_t pixels) {
    const uint32_t p = g_stage_position & 0xFFFF;
    if (p + pixels < section_pixels) {
        g_stage_position += pixels;
        return int32_t(pixels);
    }
    if ((g_section_repeat & (repeat_section | repeat_ends)) == (repeat_section | repeat_ends) &&
        (g_repeat_count & 1) == 0) {
        g_section_repeat = 0;
        g_repeat_count = 0;
    }
    if (g_section_repeat & repeat_section) {
        g_stage_position -= p;
        ++g_repeat_count;
    } else {
        g_stage_position += section_step - p;
    }
    return int32_t(section_pixels - p);
}

int32_t follow_step(const ship_t& ship) {
    const int32_t limit = int32_t(ship.speed) + 1;
    const int32_t y = int32_t(ship.y);
    if (y <= follow_top) {
        return std::min(std::max((follow_top - y) >> 3, 1), limit);
    }
    if (y >= follow_bottom) {
        return -std::min(std::max((y - follow_bottom) >> 3, 1), limit);
    }
    return 0;
}

void advance_object_windows(stage_t& stage, uint32_t from, uint32_t to) {
    for (int list = 0; list < 3; ++list) {
        stage.enemies[list].advance_window(from, to);
    }
    stage.enemy_shots.advance_window(from, to);
    stage.explosions.advance_window(from, to);
}

void scroll_world_x(stage_t& stage, player_t& player, array_t<player_missile_t*>& shots, int32_t dx) {
    if (dx == 0) {
        return;
    }
    each_scrolled(
        stage, player, shots, [dx](object_t& o) { o.move_x(dx); }, [] {});
    g_screenctr.scroll_x(dx);
}

void scroll_world_y(stage_t& stage, player_t& player, array_t<player_missile_t*>& shots, bool stars,
                    int32_t dy) {
    if (dy == 0) {
        return;
    }
    each_scrolled(
        stage, player, shots, [dy](object_t& o) { o.move_y(dy); },
        [&] {
            if (stars) {
                for (star_t* star : stage.stars) {
                    star->move_y(dy);
                }
            }
        });
    g_screenctr.scroll_y(dy);
}

void shift_world_camera(stage_t& stage, player_t& player, array_t<player_missile_t*>& shots, bool stars,
                        int32_t dy) {
    const auto wrapped = [dy](object_t& o) { o.move_y_wrapped(dy); };
    const auto plain = [dy](object_t& o) { o.move_y(dy); };
    for (int list = 0; list < 3; ++list) {
        array_t<enemy_t*>& enemies = stage.enemies[list];
        each_alive_in_window(enemies, wrapped);
        // Those still ahead of the window keep their place relative to the map.
        each_alive(enemies.items, enemies.end, enemies.size(), plain);
    }
    each_alive_in_window(stage.explosions, wrapped);
    each_alive(stage.spark_pool, wrapped);
    each_alive_in_window(stage.enemy_shots, wrapped);
    each_alive(stage.shot_pool, wrapped);
    if (stars) {
        for (star_t* star : stage.stars) {
            star->move_y_wrapped(dy);
        }
    }
    each_alive(stage.items, wrapped);
    each_alive(player.items, wrapped);
    each_alive(shots, plain);
    each_alive(player.explosions, plain);
    g_screenctr.scroll_y(dy);
}

void play_scene_t::scroll_horizontal(int32_t dx) {
    scroll_world_x(stage, player, powergauge::active_weapons, dx);
}

void play_scene_t::scroll_vertical(int32_t dy) {
    scroll_world_y(stage, player, powergauge::active_weapons, draw_stars, dy);
}

void play_scene_t::shift_camera(int32_t dy) {
    shift_world_camera(stage, player, powergauge::active_weapons, draw_stars, dy);
}

void play_scene_t::camera_to_0() {
    const int32_t v = g_screenctr.scroll_pos_y & map_height_mask;
    if (v != 0) {
        shift_camera(v < map_half ? -1 : 1);
    }
}

void play_scene_t::camera_to_256() {
    int32_t v = g_screenctr.scroll_pos_y & map_height_mask;
    if (v == 0) {
        v = map_height;
    }
    if (v != map_half) {
        shift_camera(v > map_half ? -1 : 1);
    }
}

void play_scene_t::camera_follow_clamped() {
    int32_t v = g_screenctr.scroll_pos_y & map_height_mask;
    if (v > 0 && v < map_half) {
        shift_camera(v < map_half / 2 ? -1 : 1);
        return;
    }
    int32_t dy = follow_step(*player.ship);
    if (v == 0) {
        v = map_height;
    }
    if (v + dy < map_half) {
        dy = map_half - v;
    } else if (v + dy > map_height) {
        dy = map_height - v;
    }
    player.ship->move_y(dy);
    shift_camera(dy);
}

void play_scene_t::scroll_frame() {
    const scroll_speed_t& speed = scroll_speed(scroll_level);
    if (draw_stars) {
        for (star_t* star : stage.stars) {
            star->move_x(int32_t(speed.pixels));
        }
    }
    switch (scroll_mode) {
    case scroll_modes::camera_follow: {
        const int32_t dy = follow_step(*player.ship);
        player.ship->move_y(dy);
        shift_camera(dy);
        break;
    }
    case scroll_modes::camera_follow_clamped:
        camera_follow_clamped();
        break;
    case scroll_modes::camera_to_256:
        camera_to_256();
        break;
    case scroll_modes::camera_to_0:
        camera_to_0();
        break;
    default:
        break;
    }
    if (scroll_stop != 0 || g_frame_counter % speed.frames != 0) {
        return;
    }
    const int32_t d = step_stage_position(speed.pixels);
    switch (scroll_mode) {
    case scroll_modes::scroll_left:
        scroll_horizontal(d);
        break;
    case scroll_modes::scroll_up:
        scroll_vertical(d);
        break;
    case scroll_modes::scroll_down:
        scroll_vertical(-d);
        break;
    case scroll_modes::scroll_right:
    case scroll_modes::camera_follow:
    case scroll_modes::camera_follow_clamped:
    case scroll_modes::camera_to_256:
    case scroll_modes::camera_to_0:
        scroll_horizontal(-d);
        break;
    default:
        break;
    }
    // Objects stay for the current section and the two before it; the start is compared as signed.
    const int64_t section_start = int32_t(g_stage_position & 0xFFFF0000u);
    const int64_t from = std::max<int64_t>(0, section_start - 2 * int64_t(section_step));
    advance_object_windows(stage, uint32_t(from), g_stage_position + 1);
    advance_event_window(stage.events, g_stage_position);
    run_pending_events();
}
