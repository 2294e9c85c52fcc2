#include "play/stage_events.h"

#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/hitmark.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "play/play_scene.h"
#include "play/scroll.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "render/map_table.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"
#include "umlib/surface.h"

#include <algorithm>

namespace {

namespace ev = stage_event;

constexpr int32_t normal_scroll_level = 3;
constexpr int32_t max_layer_shift = 31;
constexpr uint32_t fade_white = 0xE8E8E8; // red, green and blue 232
// Where objects that the script takes out of their windows wait for the stage to end.
constexpr float parked_at = -4096.0f;

// The markers that placement types 96 to 101 make, in the order of events 405 to 410.
constexpr int32_t enemy_markers[4] = {96, 97, 98, 99};
constexpr int32_t shot_marker = 100;
constexpr int32_t explosion_marker = 101;

constexpr int32_t scroll_modes_by_event[8] = {
    scroll_modes::scroll_right,  scroll_modes::scroll_left,   scroll_modes::scroll_up,
    scroll_modes::scroll_down,   scroll_modes::camera_follow, scroll_modes::camera_follow_clamped,
    scroll_modes::camera_to_256, scroll_modes::camera_to_0};

int32_t low_half(int32_t parameter) {
    return int16_t(uint32_t(parameter) & 0xFFFF);
}

int32_t high_half(int32_t parameter) {
    return int16_t(uint32_t(parameter) >> 16);
}

// The screen's pixel value of 0xRRGGBB: each channel cut to the format's width at the format's place.
uint32_t screen_colour(uint32_t rgb) {
    const umlib::pixel_format_record_t& f = umlib::pixel_format;
    const auto channel = [](uint32_t value, uint32_t width, uint32_t shift) {
        return width == 0 ? 0u : (value & 0xFF) >> (8 - std::min(width, 8u)) << shift;
    };
    return channel(rgb >> 16, f.red_width, f.red_shift) | channel(rgb >> 8, f.green_width, f.green_shift) |
           channel(rgb, f.blue_width, f.blue_shift);
}

// The active layer of a slot 0..3; null for any other slot.
bg_t* layer_at(int32_t slot) {
    return slot >= 0 && slot < background_layer_count ? g_screenctr.layers[slot] : nullptr;
}

// A quadrant code is 10 x layer + quadrant; null when either part lies outside 0..3.
bg_t* quadrant_layer(int32_t code, int& quadrant) {
    if (code < 0 || code % 10 >= quadrant_count) {
        return nullptr;
    }
    quadrant = code % 10;
    return layer_at(code / 10);
}

// Dead without the kill's explosion, score or drop, and out of the way of anything that still points to
// it; the stage deletes it with the rest.
void park(object_t* object) {
    object->alive = 0;
    object->x = parked_at;
    object->y = parked_at;
}

void hand_over(stage_t& stage, enemy_t* enemy) {
    stage.unlisted.push_back(enemy);
}

void hand_over(stage_t& stage, object_t* object) {
    stage.unlisted_objects.push_back(object);
}

// Takes the window's objects of one type out of the list, later elements moving down by one.
template <typename T> void delete_by_type(stage_t& stage, array_t<T*>& list, int32_t type_id) {
    for (uint32_t i = list.first; i < list.end;) {
        T* object = list[i];
        if (object->type_id() != type_id) {
            ++i;
            continue;
        }
        list.items.erase(list.items.begin() + i);
        --list.end;
        park(object);
        hand_over(stage, object);
    }
}

// The window starts after the last marker of that type in it; without one it stays.
template <typename T> void skip_to_marker(array_t<T*>& list, int32_t marker) {
    for (uint32_t i = list.end; i > list.first; --i) {
        if (list[i - 1]->type_id() == marker) {
            list.first = i;
            return;
        }
    }
}

// The commands addressed to the player's ship.
void run_ship_event(ship_t& ship, int32_t code, bool flag) {
    switch (code) {
    case ev::ship_start_stage:
        ship.start_stage();
        break;
    case ev::ship_game_over:
        ship.game_over();
        break;
    case ev::weapons_enabled:
        ship.fire_enabled = flag;
        break;
    case ev::full_power:
        powergauge_full_power(&ship);
        break;
    default:
        break;
    }
}

// The commands on the screen manager's background layers; an index outside the layers does nothing.
void run_layer_event(int32_t code, int32_t parameter) {
    switch (code) {
    case ev::layer_shift:
        if (bg_t* layer = layer_at(low_half(parameter))) {
            layer->shift = std::min(int32_t(uint32_t(parameter) >> 16), max_layer_shift);
        }
        break;
    case ev::layer_clear:
        if (bg_t* layer = layer_at(parameter)) {
            layer->clear(0);
        }
        break;
    case ev::quadrant_clear:
    case ev::quadrant_draw:
    case ev::quadrant_set: {
        int q = 0;
        bg_t* layer = quadrant_layer(low_half(parameter), q);
        if (layer == nullptr) {
            break;
        }
        if (code == ev::quadrant_clear) {
            layer->clear_quadrant(q);
        } else if (code == ev::quadrant_draw) {
            layer->draw_map(q, find_map(high_half(parameter)));
        } else {
            layer->set_quadrant_map(q, find_map(high_half(parameter)));
            hitmark_fill(layer, q);
        }
        break;
    }
    case ev::hide_layer:
        // Any other slot than 0..3 shows every layer again.
        g_screenctr.hidden_layer = layer_at(parameter);
        break;
    case ev::layer_transparency:
        if (bg_t* layer = layer_at(low_half(parameter))) {
            layer->transparency = high_half(parameter);
        }
        break;
    case ev::swap_layers:
        g_screenctr.swap_layers(low_half(parameter), high_half(parameter));
        break;
    case ev::restore_layers:
        g_screenctr.restore_layers();
        break;
    default:
        break;
    }
}

// The commands on the stage's list windows.
void run_list_event(stage_t& stage, int32_t code, int32_t parameter) {
    switch (code) {
    case ev::flush_windows:
        advance_object_windows(stage, g_stage_position, g_stage_position + 1);
        break;
    case ev::delete_enemies:
        for (int list = 0; list < 3; ++list) {
            delete_by_type(stage, stage.enemies[list], parameter);
        }
        break;
    case ev::delete_shots:
        delete_by_type(stage, stage.enemy_shots, parameter);
        break;
    case ev::delete_explosions:
        delete_by_type(stage, stage.explosions, parameter);
        break;
    case ev::skip_enemies0:
    case ev::skip_enemies1:
    case ev::skip_enemies2:
    case ev::skip_enemies3: {
        const int list = code - ev::skip_enemies0;
        skip_to_marker(stage.enemies[list], enemy_markers[list]);
        break;
    }
    case ev::skip_shots:
        skip_to_marker(stage.enemy_shots, shot_marker);
        break;
    case ev::skip_explosions:
        skip_to_marker(stage.explosions, explosion_marker);
        break;
    default:
        break;
    }
}

} // namespace

void advance_event_window(array_t<eventinfo_t>& events, uint32_t position) {
    if (events.first < events.end && events[events.first].trigger > position) {
        events.first = events.end;
    }
    events.advance_window(position, position + 1);
}

int32_t play_scene_t::run_event(int32_t code, int32_t parameter) {
    const bool flag = parameter != 0;
    switch (code) {
    case ev::bgm_start:
        bgm_fading = false;
        g_soundctr.stop_bgm();
        g_soundctr.select_bgm(parameter);
        g_soundctr.start_bgm();
        break;
    case ev::bgm_stop:
        g_soundctr.stop_bgm();
        break;
    case ev::bgm_fade:
        bgm_fading = true;
        break;
    case ev::craters:
        craters_enabled = flag;
        break;
    case ev::shake:
        if (g_screenctr.mg != nullptr) {
            g_screenctr.mg->scroll_y = low_half(parameter);
        }
        break;
    case ev::explosion_layer:
        explosion_layer = parameter;
        break;
    case ev::stars:
        draw_stars = flag;
        break;
    case ev::back_colour:
        back_colour = screen_colour(uint32_t(parameter));
        break;
    case ev::clear_first:
        clear_first = flag;
        break;
    case ev::navigation:
    case ev::navigation_if_empty:
        if (parameter >= 0 && parameter < navigation_t::message_count &&
            (code == ev::navigation || navigation.is_empty())) {
            navigation.start(navigation_message(parameter));
        }
        break;
    case ev::scroll_level:
        if (parameter >= 0 && parameter < scroll_speed_count) {
            scroll_level = parameter;
        }
        break;
    case ev::scroll_level_normal:
        scroll_level = normal_scroll_level;
        break;
    case ev::scroll_stop:
        scroll_stop = flag ? 1 : 0;
        break;
    case ev::scroll_stopped:
        return scroll_stop;
    case ev::reset_scroll:
        g_screenctr.reset_scroll();
        break;
    case ev::scroll_right:
    case ev::scroll_left:
    case ev::scroll_up:
    case ev::scroll_down:
    case ev::camera_follow:
    case ev::camera_follow_clamped:
    case ev::camera_to_256:
    case ev::camera_to_0:
        scroll_mode = scroll_modes_by_event[code - ev::scroll_right];
        break;
    case ev::shot_terrain_mode:
        g_terrain_mode = parameter;
        break;
    case ev::no_fading:
        fade_state = fade_none;
        fade_layer = 0;
        fade_weight = 0;
        fade_colour = 0;
        break;
    case ev::fade_hold:
        fade_hold = flag;
        break;
    case ev::fade_in:
    case ev::fade_out_black:
    case ev::fade_out_white:
    case ev::blackout:
    case ev::whiteout:
        if (fade_hold) {
            break;
        }
        fade_state = code;
        fade_layer = parameter;
        if (code != ev::fade_in) {
            const bool black = code == ev::fade_out_black || code == ev::blackout;
            fade_colour = black ? back_colour : screen_colour(fade_white);
            fade_weight = code == ev::fade_out_black || code == ev::fade_out_white ? 0 : fade_full;
        }
        break;
    case ev::game_over:
        game_over();
        break;
    case ev::next_stage:
        next_stage = uint32_t(parameter);
        break;
    default:
        // The ship's, the layers' and the lists' commands; each group passes over the others' codes.
        if (player.ship != nullptr) {
            run_ship_event(*player.ship, code, flag);
        }
        run_layer_event(code, parameter);
        run_list_event(stage, code, parameter);
        break;
    }
    return 0;
}
