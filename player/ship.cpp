#include "player/ship.h"

#include "objects/coordinate.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "player/discharge.h"
#include "player/double_shot.h"
#include "player/mulctr.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/shipjet.h"
#include "player/weapon_terrain.h"
#include "screen/soundctr.h"

#include <algorithm>

const float* player_ship_position() {
    return g_player_ship != nullptr ? g_player_ship->position() : nullptr;
}

namespace {

constexpr float play_area_min = 8;
constexpr float play_area_max = 248;
constexpr float jet_distance = 20; // behind the centre at natural size
constexpr float bank_step = 0.25f;
constexpr float bank_limit = 3;
constexpr float bank_return = 0.2f;
constexpr float warp_in_step_xy = 4;
constexpr float warp_in_end = 128;
constexpr int32_t warp_in_shrink = 30;
constexpr float warp_in_spin = -0.35f;
constexpr float fly_in_brake = 0.2f;
constexpr float parked = -9999;
constexpr int32_t terrain_hit = 9999;
constexpr int32_t in_play_sound = 17;

// Indexed by 4 + 3 up - 3 down + right - left.
constexpr int32_t directions[9] = {40, 48, 56, 32, -1, 0, 24, 16, 8};

// The ship's terrain probe: the pixel under its centre on each layer.
constexpr terrain_row_t centre_pixel = {{{0, 0, 1, 1}, {0, 0, 1, 1}, {0, 0, 1, 1}}, false};

int32_t bit(uint8_t input, uint8_t mask) {
    return (input & mask) != 0 ? 1 : 0;
}

} // namespace

int32_t input_direction(uint8_t input) {
    const int32_t k = 4 + 3 * bit(input, input_up) - 3 * bit(input, input_down) + bit(input, input_right) -
                      bit(input, input_left);
    return directions[k];
}

ship_t::ship_t(const objectinfo_t* info, float at_x, float at_y)
    : player_piveter_t(info), image(info->image_id) {
    x = at_x;
    y = at_y;
    multiples.reserve(4);
    debris.reserve(32);
    reset_speed();
}

void ship_t::update() {
    if (dying_timer > 0) {
        --dying_timer;
        if (dying_timer < 32) {
            flashing = 1;
        }
        if (dying_timer == 0) {
            kill();
        } else {
            dying_step();
        }
    }
    if (invulnerable_timer > 0) {
        --invulnerable_timer;
        if (state == play) {
            const bool shown = invulnerable_timer == 0 || g_frame_counter % 3 != 2;
            image = shown ? info->image_id : -1;
        }
    }
    switch (state) {
    case play:
        play_step();
        break;
    case warp_in:
        warp_in_step();
        break;
    case fly_in:
        fly_in_step();
        break;
    case dead:
        dead_step();
        break;
    default:
        break;
    }
}

void ship_t::play_step() {
    const int32_t d = input_direction(input);
    const bool held = (input & input_multiple) != 0;
    if (powergauge::shot_type == weapon_double && held) {
        // The multiple key steers the double shot's aim and holds the ship still.
        controller->update(false);
        if (d >= 0) {
            direction_delta(d);
        }
    } else {
        if (d < 0) {
            controller->update(false);
        } else {
            set_position(x + speed * cos_table[d], y - speed * sin_table[d]);
            controller->update(true);
        }
        controller->on_button(held);
    }
    if ((input & input_powerup) != 0) {
        powergauge_activate(this);
    }
    if (fire_enabled) {
        if ((input & input_shot) != 0) {
            fire_shot();
            controller->fire_shots();
        }
        if ((input & input_missile) != 0) {
            fire_missile();
            controller->fire_missiles();
        }
    }
    if ((input & input_up) != 0) {
        bank_with(-bank_step);
    } else if ((input & input_down) != 0) {
        bank_with(bank_step);
    } else {
        bank_with(0);
    }
    check_terrain();
}

void ship_t::warp_in_step() {
    const float nx = std::min(x + warp_in_step_xy, warp_in_end);
    const float ny = std::max(y - warp_in_step_xy, warp_in_end);
    if (draw_scale <= 100) {
        state = play;
        reset_bank();
        place_with_attachments(nx, ny);
        controller->reset(nx, ny);
        g_soundctr.request_se(in_play_sound);
        return;
    }
    draw_scale = std::max(draw_scale - warp_in_shrink, 100);
    place_with_attachments(nx, ny);
    shield->set_position(parked, 0);
    discharge->draw_scale = draw_scale;
    jet->draw_scale = draw_scale;
    roll(warp_in_spin);
}

void ship_t::fly_in_step() {
    if (speed <= 0) {
        state = play;
        reset_speed();
        controller->reset(x, y);
        return;
    }
    place_with_attachments(x + speed, y);
    speed = std::max(speed - fly_in_brake, 0.0f);
}

void ship_t::bank_with(float v) {
    if (v == 0) {
        if (bank < 0) {
            bank = std::min(bank + bank_return, 0.0f);
        } else if (bank > 0) {
            bank = std::max(bank - bank_return, 0.0f);
        }
    } else {
        bank = std::clamp(bank + v, -bank_limit, bank_limit);
    }
    pattern = int32_t(bank) & 15;
}

void ship_t::roll(float v) {
    if (v != 0) {
        bank += v;
        pattern = int32_t(bank) & 15;
    }
}

void ship_t::reset_bank() {
    bank = 0;
    pattern = 0;
}

void ship_t::place_with_attachments(float new_x, float new_y) {
    x = new_x;
    y = new_y;
    if (shield == nullptr) {
        return; // a ship made only to be aimed at has no attachments
    }
    shield->set_position(new_x, new_y);
    discharge->set_position(new_x, new_y);
    const float d = draw_scale == 100 ? jet_distance : float(draw_scale) * 0.2f;
    jet->set_position(new_x - d, new_y);
}

void ship_t::set_position(float new_x, float new_y) {
    const int32_t hw = width() >> 1;
    const int32_t hh = height() >> 1;
    if (new_x - hw < play_area_min) {
        new_x = hw + play_area_min;
    } else if (new_x + hw >= play_area_max) {
        new_x = play_area_max - hw;
    }
    if (new_y - hh < play_area_min) {
        new_y = hh + play_area_min;
    } else if (new_y + hh >= play_area_max) {
        new_y = play_area_max - hh;
    }
    place_with_attachments(new_x, new_y);
}

void ship_t::move_y(int32_t dy) {
    y += float(dy);
    for (object_t* attachment :
         {static_cast<object_t*>(jet), static_cast<object_t*>(shield), static_cast<object_t*>(discharge)}) {
        if (attachment->alive) {
            attachment->move_y(dy);
        }
    }
    controller->shift_y(dy);
}

void ship_t::get_rect(plat::rect_t& out) {
    out.left = pixel_coordinate(x - float(width() >> 1));
    out.top = pixel_coordinate(y - float(height() >> 1));
    out.right = out.left + width();
    out.bottom = out.top + height();
    if (shield != nullptr && shield->alive) {
        --out.left;
        --out.top;
        ++out.right;
        ++out.bottom;
    }
}

int32_t ship_t::contact_damage() {
    return state == play ? info->contact_damage : 0;
}

void ship_t::explode_at(float at_x, float at_y) {
    piveter_t::explode_at(at_x - 12, at_y);
}

void ship_t::check_terrain() {
    if (probe_terrain(centre_pixel, int32_t(x), int32_t(y)).layer >= 0) {
        damage(terrain_hit);
    }
}
