// The hopper's behaviour: facing, hopping over the terrain, the gun and its volleys.
#include "enemies/walkers/hopper.h"

#include "enemies/damage_tail.h"
#include "objects/direction.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t shot_count = 16;
constexpr uint32_t effect_period = 3;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 41;
constexpr int32_t se_fire = 65;
constexpr int32_t se_land = 78;
constexpr int32_t revenge_level = 4;
constexpr float shot_speed = 3.2f;
constexpr float muzzle = 16;
constexpr float muzzle_rise = 6;
constexpr float hop_vx = 1.6f;
constexpr float hop_vy = -3.5f;
constexpr float gravity = 0.2f;
constexpr float fall_limit = 16.0f;
constexpr float drift_back = 0.4f;
constexpr float foot = 10;
constexpr float head = 8;
constexpr float climb_limit = 32;
// More single-pixel steps than a climb or a landing within the limit takes from where a frame's move left
// the hopper; a count, because far from the origin a float stops changing when 1 is added.
constexpr int32_t probe_steps = int32_t(2 * climb_limit + fall_limit - hop_vy) + 2;
constexpr uint32_t volley_frames = 16;

// A 1 x 10 column of a layer under a screen point, when the layer holds a picture.
bool column_solid(vscreen_t* layer, int32_t x, int32_t y) {
    if (layer == nullptr || !layer->is_dirty()) {
        return false;
    }
    return layer->hit_test((x - layer->offset_x) & (layer->width - 1),
                           (y - layer->offset_y) & (layer->height - 1), 1, 10);
}

bool probe(float px, float py) {
    const int32_t x = int32_t(px);
    const int32_t y = int32_t(py);
    return column_solid(g_screenctr.layers[0], x, y) || column_solid(g_screenctr.cg, x, y);
}

} // namespace

void hopper_t::update() {
    const float* ship = player_ship_position();
    pending = false;
    if (ship != nullptr) {
        while (handle(ship)) {
        }
    }
    if (pending && aimed) {
        fire();
    }
    ++timer;
}

bool hopper_t::go(int32_t next) {
    state = next;
    timer = 0;
    return true;
}

bool hopper_t::handle(const float* ship) {
    switch (state) {
    case 0:
        facing = ship[0] <= x ? 1 : 0;
        pattern = facing == 1 ? 16 : 0;
        return go(facing == 1 ? 200 : 300);
    case 100:
        if (g_stage_position - key >= stay || ship[0] < x - 100) {
            return go(200);
        }
        if (ship[0] > x + 50) {
            return go(300);
        }
        return go(ship[0] >= x ? 350 : 250);
    case 200:
    case 250:
    case 300:
    case 350:
        step = 0;
        return go(state + 1);
    case 201:
    case 251:
        if (!turn_left()) {
            return false;
        }
        break;
    case 301:
    case 351:
        if (!turn_right()) {
            return false;
        }
        break;
    case 202:
    case 302:
        return hop() && go(100);
    case 252:
    case 352:
        return !turn_gun(aim) && go(state + 1);
    case 253:
    case 353:
        return volley() && go(state + 1);
    default: // 254, 354: the gun back to horizontal
        return !turn_gun(state == 254 ? 32 : 0) && go(100);
    }
    // A turn finished: hop next, or aim the gun.
    if (state == 251 || state == 351) {
        aim = direction_to(&x, ship);
    }
    step = 0;
    return go(state + 1);
}

bool hopper_t::volley() {
    if (timer < volley_frames) {
        if ((timer & 3) == 0 && on_screen()) {
            pending = true;
        }
        return false;
    }
    step = 0;
    return true;
}

bool hopper_t::turn_left() {
    switch (step) {
    case 0:
        if (facing == 1) {
            return true;
        }
        pattern = 0;
        step = 1;
        return false;
    case 1:
        if (++pattern == 16) {
            step = 2;
        }
        return false;
    default:
        facing = 1;
        return true;
    }
}

bool hopper_t::turn_right() {
    switch (step) {
    case 0:
        if (facing == 0) {
            return true;
        }
        pattern = 16;
        step = 1;
        return false;
    case 1:
        pattern = (pattern + 1) & 31;
        if (pattern == 0) {
            step = 2;
        }
        return false;
    default:
        facing = 0;
        return true;
    }
}

bool hopper_t::hop() {
    const int32_t base = facing == 0 ? 0 : 16;
    for (;;) {
        switch (step) {
        case 0:
            pattern = base;
            step = 1;
            return false;
        case 1:
            pattern = base + 32;
            step = 2;
            return false;
        case 2:
            if (pattern + 1 < base + 44) {
                ++pattern;
                return false;
            }
            step = 3;
            vx = facing == 0 ? hop_vx : -hop_vx;
            vy = hop_vy;
            blocked = 0;
            break;
        case 3:
            if (jump_step()) {
                return false;
            }
            step = 4;
            break;
        case 4:
            if (pattern + 1 < base + 48) {
                ++pattern;
                return false;
            }
            step = 7;
            break;
        case 7:
            pattern = base;
            step = 8;
            return false;
        default:
            return true;
        }
    }
}

bool hopper_t::jump_step() {
    const float px = x;
    const float py = y;
    float nx = px + vx;
    float ny = py + vy;
    if (blocked) {
        nx = px - drift_back * vx;
    } else if (probe(nx, ny + foot)) {
        blocked = 1;
        nx = px - vx;
    }
    bool bump = false;
    for (int32_t n = 1; probe(nx, ny - head); ++n) {
        bump = true;
        ny += 1;
        if (!(ny < py + climb_limit) || n == probe_steps) {
            ny = py;
            break;
        }
    }
    if (bump) {
        vy = std::fabs(vy);
        ny += vy;
    }
    bool landed = false;
    for (int32_t n = 1; probe(nx, ny + foot); ++n) {
        landed = true;
        ny -= 1;
        if (ny < py - climb_limit || n == probe_steps) {
            ny = py;
            break;
        }
    }
    set_position(nx, ny);
    vy = std::min(vy + gravity, fall_limit);
    if (landed && on_screen()) {
        g_soundctr.request_se(se_land);
    }
    return !landed;
}

bool hopper_t::turn_gun(int32_t d) {
    aimed = 0;
    const bool right = facing == 0;
    if (right ? (d < 0 || d > 16) : (d < 16 || d > 32)) {
        return false;
    }
    // The gun's rest cell stands just below its raised cells.
    const int32_t rest = right ? 63 : 79;
    int32_t current = pattern >= rest + 1 ? pattern : rest;
    const int32_t target = right ? 63 + d : 111 - d;
    const bool changed = current != target;
    current += current < target ? 1 : current > target ? -1 : 0;
    aimed = current == target ? 1 : 0;
    pattern = current == rest ? (right ? 0 : 16) : current;
    return changed;
}

void hopper_t::fire() {
    const size_t i = next_idle(shots, 0, true);
    if (i == shots.size()) {
        return;
    }
    missile_t* shot = shots[i];
    const float mx = x + muzzle * cos_table[aim];
    const float my = y - muzzle * sin_table[aim] - muzzle_rise;
    shot->pattern = aim & 31;
    shot->start_effect_at(mx, my);
    launch(shot, mx, my, aim, shot_speed);
    g_soundctr.request_se(se_fire);
}

bool hopper_t::on_screen() const {
    return x >= -16 && x < 272 && y >= -16 && y < 272;
}

void hopper_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

hopper_t* stage_t::make_hopper(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    hopper_t* hopper = make_placed_enemy<hopper_t>(stage, placement, info);
    hopper->shots.reserve(shot_count);
    return hopper;
}

void stage_t::spawn_hopper(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({169, 28, 29, 83});
    if (!r) {
        return;
    }
    const auto [body, shot, effect, explosion] = *r;
    hopper_t* hopper = make_hopper(stage, placement, body);
    attach_death_explosion(stage, placement, hopper, explosion);
    for (int32_t i = 0; i < shot_count; ++i) {
        make_shot_with_effect(stage, placement, shot, effect, effect_period, hopper, hopper->shots);
    }
    give_item(stage, placement, hopper);
}
