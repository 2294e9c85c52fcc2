// Rotator004's construction, its glide-aim-fan machine, its surging lasers and its shield.
#include "enemies/rotators/rotator004.h"

#include "enemies/damage_tail.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t left = 32;
constexpr float glide_speed = 2.0f;
constexpr float enter_x = 272;
constexpr uint32_t volleys_per_visit = 5;
constexpr uint32_t fan_frames = 24;
constexpr uint32_t follow_frames = 32;
constexpr int32_t fan_spread = 4;
constexpr uint32_t spark_every = 8;
constexpr int32_t revenge_level = 3;

// Fans of a volley come on even frames below this limit: levels 1, 2, 3 and above.
uint32_t fan_limit(int32_t level) {
    constexpr uint32_t limits[3] = {4, 8, 12};
    return limits[std::clamp(level, 1, 3) - 1];
}

} // namespace

namespace rotator004 {

void laser_t::update() {
    p.run([this](int32_t phase) {
        switch (phase) {
        case 0:
            set_speed(3.0f);
            p.go(1);
            break;
        case 1:
        case 3:
            if (p.timer >= (phase == 1 ? 8u : 16u)) {
                p.go(phase + 1);
            }
            break;
        case 2:
            set_speed(std::max(speed - 0.1f, 1.5f));
            if (speed <= 1.5f) {
                p.go(3);
            }
            break;
        case 4:
            set_speed(std::min(speed + 0.25f, 3.0f));
            if (speed >= 3.0f) {
                p.go(5);
            }
            break;
        default:
            break;
        }
    });
    fly();
}

void body_t::step(int32_t phase) {
    switch (phase) {
    case 0:
        speed = glide_speed;
        volleys = 0;
        target = move_dir = pattern = left;
        p.go(1);
        break;
    case 1:
        if (x < enter_x) {
            p.go(2);
        }
        break;
    case 2:
        speed -= 0.1f;
        if (speed < 0) {
            speed = 0;
            p.go(3);
        }
        break;
    case 3:
        p.go(++volleys <= volleys_per_visit ? 10 : 20);
        break;
    case 10:
        target = rotators::direction_to_ship(position());
        p.go(11);
        break;
    case 11:
        if (pattern != target) {
            pattern = rotators::turn_step(pattern, target);
        } else {
            shielded = 0;
            p.go(12);
        }
        break;
    case 12:
        if (p.timer >= fan_frames) {
            p.go(13);
        } else if (p.timer % 2 == 0 && p.timer < fan_limit(difficulty_level())) {
            fan_asked = true;
        }
        break;
    case 13:
        if (p.timer >= follow_frames) {
            p.go(3);
        } else {
            target = rotators::direction_to_ship(position());
            pattern = rotators::turn_step(pattern, target);
        }
        break;
    case 20:
        if (pattern == left) {
            p.go(30);
        } else if (p.timer % 2 == 0) {
            pattern = rotators::turn_step(pattern, left);
        }
        break;
    case 30:
        speed += 0.05f;
        if (speed >= glide_speed) {
            speed = glide_speed;
            p.go(100);
        }
        break;
    case 100:
        if (x < -32) {
            alive = 0;
            hp = 0;
        }
        break;
    default:
        break;
    }
}

void body_t::update() {
    fan_asked = false;
    p.run([this](int32_t phase) { step(phase); });
    rotators::move_along(*this, move_dir, speed);
    if (fan_asked) {
        fire_fan();
    }
    ++p.timer;
}

void body_t::fire_fan() {
    const int32_t f = pattern;
    size_t i = 0;
    for (int32_t d : {f, f - fan_spread, f + fan_spread}) {
        i = next_idle(lasers, i);
        if (i == lasers.size()) {
            break;
        }
        missile_t* laser = lasers[i++];
        laser->direction = d & 63;
        laser->pattern = d & 31;
        laser->set_position(x, y);
        laser->start();
    }
    g_soundctr.request_se(rotators::se_fan);
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    g_soundctr.request_se(rotators::se_hit);
    if (shielded) {
        if (g_frame_counter % spark_every == 0) {
            spawn_sparks(position(), 1);
        }
        return;
    }
    enemy_t::damage(n);
    enemy_damage::death_tail(*this, {rotators::se_destroyed}, revenge_level);
}

} // namespace rotator004

rotator004::body_t* stage_t::make_rotator004_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<rotator004::body_t>(stage, placement, info);
}

rotator004::laser_t* stage_t::make_rotator004_laser(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return append_dormant<rotator004::laser_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_rotator004(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({placement->type, 83, 30, 31});
    if (!r) {
        return;
    }
    const auto [record, explosion, laser, effect] = *r;
    rotator004::body_t* body = make_rotator004_body(stage, placement, record);
    attach_death_explosion(stage, placement, body, explosion);
    for (int32_t i = 0; i < 64; ++i) {
        link_shot_effect(stage, placement, make_rotator004_laser(stage, placement, laser), effect, 2, body,
                         body->lasers);
    }
    give_item(stage, placement, body);
}
