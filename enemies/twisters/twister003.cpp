// Twister003's phases, its spreads, lasers and mirrored laser pairs, the meteors they cut, its assembly.
#include "enemies/twisters/twister003.h"

#include "enemies/damage_tail.h"
#include "enemies/meteors/meteor_hit.h"
#include "objects/big_explosion.h"
#include "objects/coordinate.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "objects/stage_pointers.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t type_rightward = 118;
constexpr int32_t meteor_cut = 25;
constexpr int32_t meteor_reach_squared = 64 * 64;
constexpr int32_t self_destruct = 9999;
constexpr int32_t shot_count = 24;
constexpr int32_t laser_count = 16;
constexpr int32_t twin_laser_count = 32;
constexpr uint32_t laser_effect_period = 3;
constexpr uint32_t flash_period = 1;
constexpr float spin_speed = 0.8f;
constexpr float drift_speed = 0.4f;
constexpr float leave_speed = 1.5f;
constexpr float speed_step = 0.02f;
constexpr float laser_speed = 2.0f;
constexpr float spread_speed = 1.0f;
constexpr int32_t spread[3] = {26, 32, 38};
constexpr float spread_muzzle = 18;
constexpr float laser_muzzle = 16;
constexpr float twin_reach = 20;
constexpr uint32_t hang_frames = 32;
constexpr uint32_t straight_fire_frames = 192;
constexpr int32_t open_pose = 32;
constexpr int32_t open_limit = 40;
constexpr uint32_t open_hold_frames = 16;
constexpr uint32_t twin_fire_frames = 176;
constexpr uint32_t closed_hold_frames = 64;
constexpr uint32_t laser_beat = 8;
constexpr float leave_left = -64;
constexpr float leave_right = 320;
constexpr int32_t se_spread = 94;
constexpr int32_t se_laser = 21;
constexpr int32_t se_pose = 24;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 42;
constexpr int32_t revenge_level = 4;

enum : int32_t {
    begin = 0,
    hang = 1,
    straight_fire = 50,
    straight_leave = 51,
    await_pose = 100,
    opening = 101,
    open_hold = 102,
    twin_fire = 103,
    closing = 104,
    closed_hold = 105,
    twin_leave = 106,
};

uint32_t spread_interval() {
    const int32_t level = difficulty_level();
    return level <= 2 ? 96 : level <= 4 ? 64 : 32;
}

void accelerate_away(float& speed) {
    if (speed < leave_speed) {
        speed += speed_step;
    }
}

} // namespace

namespace twister003 {

bool body_t::run_phase(flags_t& f) {
    switch (state) {
    case begin:
        state = hang;
        return true;
    case hang:
        if (timer >= hang_frames) {
            speed -= speed_step;
            if (speed < drift_speed) {
                speed = drift_speed;
                state = difficulty_level() >= 2 ? await_pose : straight_fire;
                return true;
            }
        }
        return false;
    case straight_fire:
        if (timer < straight_fire_frames) {
            f.spread = f.laser = true;
            return false;
        }
        state = straight_leave;
        return true;
    case straight_leave:
    case twin_leave:
        accelerate_away(speed);
        return false;
    case await_pose:
        if (pattern != 0) {
            return false;
        }
        pattern = open_pose;
        state = opening;
        return true;
    case opening:
        f.spin = false;
        f.spread = true;
        if (timer % 2 == 0) {
            if (pattern + 1 < open_limit) {
                ++pattern;
            } else {
                g_soundctr.request_se(se_pose);
                state = open_hold;
                return true;
            }
        }
        return false;
    case open_hold:
        f.spin = false;
        f.spread = true;
        if (timer < open_hold_frames) {
            return false;
        }
        state = twin_fire;
        return true;
    case twin_fire:
        f.spin = false;
        f.spread = true;
        if (timer < twin_fire_frames) {
            f.twin = true;
            return false;
        }
        state = closing;
        return true;
    case closing:
        f.spin = false;
        f.spread = f.twin = true;
        if (timer % laser_beat == 0) {
            if (pattern - 1 > open_pose) {
                --pattern;
            } else {
                pattern = open_pose;
                g_soundctr.request_se(se_pose);
                state = closed_hold;
                return true;
            }
        }
        return false;
    case closed_hold:
        f.spin = false;
        f.spread = f.twin = true;
        if (timer < closed_hold_frames) {
            return false;
        }
        state = twin_leave;
        return true;
    default:
        return false;
    }
}

void body_t::update() {
    flags_t f{speed > spin_speed || g_frame_counter % 2 == 1};
    while (run_phase(f)) {
        timer = 0;
    }
    if (f.spin) {
        pattern = (pattern + 1) & 31;
    }
    if (side == 0) {
        x -= speed;
        if (x < leave_left) {
            alive = 0;
            hp = 0;
        }
    } else {
        x += speed;
        if (x > leave_right) {
            alive = 0;
            hp = 0;
        }
    }
    if (f.spread && g_frame_counter % spread_interval() == 0) {
        fire_spread();
    }
    if (f.laser && g_frame_counter % laser_beat == 0) {
        fire_laser();
    }
    if (f.twin && g_frame_counter % laser_beat == 0) {
        fire_twin_lasers();
    }
    ++timer;
}

void body_t::fire_spread() {
    if (side != 0) {
        return;
    }
    size_t next = 0;
    for (int32_t direction : spread) {
        next = next_idle(shots, next);
        if (next == shots.size()) {
            return;
        }
        launch(shots[next++], x - spread_muzzle, y, direction, spread_speed);
        g_soundctr.request_se(se_spread);
    }
}

void body_t::fire_laser() {
    g_soundctr.request_se(se_laser);
    const size_t i = next_idle(lasers, 0, true);
    if (i == lasers.size()) {
        return;
    }
    const float mx = side == 0 ? x + laser_muzzle : x - laser_muzzle;
    lasers[i]->start_effect_at(mx, y);
    launch(lasers[i], mx, y, side == 0 ? 0 : 32, laser_speed);
}

void body_t::fire_twin_lasers() {
    if (pattern < open_pose) {
        return;
    }
    g_soundctr.request_se(se_laser);
    const int32_t d1 = side == 0 ? (pattern - open_pose) & 63 : (64 - pattern) & 63;
    const float mx = x + (side == 0 ? -2.0f : 2.0f) + twin_reach * cos_table[d1];
    const float my1 = y - 7 - twin_reach * sin_table[d1];
    const struct {
        laser_flash_t* flash;
        float y;
        int32_t direction;
    } muzzles[2] = {{flash_upper, my1, d1}, {flash_lower, 2 * y - my1, (-d1) & 63}};
    size_t next = 0;
    for (const auto& m : muzzles) {
        next = next_idle(twin_lasers, next);
        if (next == twin_lasers.size()) {
            return;
        }
        m.flash->set_position(mx, m.y);
        m.flash->start();
        laser_t* laser = twin_lasers[next++];
        laser->pattern = m.direction & 31;
        launch(laser, mx, m.y, m.direction, laser_speed);
    }
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
    if (alive || g_enemy_list == nullptr) {
        return;
    }
    array_t<enemy_t*>& list = *g_enemy_list;
    for (uint32_t i = list.first; i < list.end; ++i) {
        enemy_t* other = list[i];
        if (!other->alive || !is_meteor(*other)) {
            continue;
        }
        // Bounded and squared wide: meteors and the body may stand any distance apart.
        const int64_t dx = pixel_coordinate(other->x - x);
        const int64_t dy = pixel_coordinate(other->y - y);
        if (dx * dx + dy * dy < meteor_reach_squared) {
            other->kill();
        }
    }
}

void laser_t::update() {
    missile_t::update();
    if (!alive) {
        return;
    }
    if (enemy_t* meteor = meteor_struck(*this)) {
        // The plain hit rule: a cut meteor neither scores nor drops.
        meteor->object_t::damage(meteor_cut);
        damage(self_destruct);
    }
}

void laser_flash_t::start() {
    if (!alive) {
        explosion_t::start();
    }
}

} // namespace twister003

twister003::body_t* stage_t::make_twister003_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<twister003::body_t>(stage, placement, info);
}

twister003::laser_t* stage_t::make_twister003_laser(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return append_dormant<twister003::laser_t>(stage->enemy_shots, placement, info);
}

twister003::laser_flash_t* stage_t::make_twister003_laser_flash(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info) {
    return append_dormant<twister003::laser_flash_t>(stage->explosions, placement, info);
}

namespace {

void make_lasers(stage_t* stage, const placement_t* placement, const objectinfo_t* laser_record,
                 const objectinfo_t* effect_record, int32_t count, twister003::body_t* body,
                 std::vector<twister003::laser_t*>& lasers) {
    for (int32_t i = 0; i < count; ++i) {
        twister003::laser_t* laser = stage_t::make_twister003_laser(stage, placement, laser_record);
        explosion_t* effect = stage_t::make_explosion(stage, placement, effect_record);
        effect->period = laser_effect_period;
        effect->owner = laser;
        laser->effect = effect;
        laser->set_owner(body);
        lasers.push_back(laser);
    }
}

twister003::laser_flash_t* make_flash(stage_t* stage, const placement_t* placement,
                                      const objectinfo_t* record) {
    twister003::laser_flash_t* flash = stage_t::make_twister003_laser_flash(stage, placement, record);
    flash->period = flash_period;
    return flash;
}

} // namespace

void stage_t::spawn_twister003(stage_t* stage, const placement_t* placement) {
    // Record 84 is asked for though nothing is made of it.
    const auto r = find_records({placement->type, 19, 32, 33, 28, 29, 84});
    if (!r) {
        return;
    }
    const auto [body_record, shot, laser, laser_effect, twin_laser, twin_effect, unused] = *r;
    twister003::body_t* body = make_twister003_body(stage, placement, body_record);
    body->pattern = rng::rand() >> 10;
    body->attach_explosion(make_explosion_pattern_medium(stage, placement));
    body->side = placement->type == type_rightward ? 1 : 0;
    make_shot_pool(stage, placement, shot, body, shot_count, body->shots);
    make_lasers(stage, placement, laser, laser_effect, laser_count, body, body->lasers);
    make_lasers(stage, placement, twin_laser, twin_effect, twin_laser_count, body, body->twin_lasers);
    body->flash_upper = make_flash(stage, placement, twin_effect);
    body->flash_lower = make_flash(stage, placement, twin_effect);
    give_item(stage, placement, body);
}
