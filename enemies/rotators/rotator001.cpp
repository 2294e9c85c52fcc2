// Rotator001's construction, its dash-and-fire machine and its damage.
#include "enemies/rotators/rotator001.h"

#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float dash_speed = 3.0f;
constexpr float slow_down = 0.1f;
constexpr float dash_end = 0.2f;
constexpr uint32_t leave_after = 0x10080;
constexpr float far_d2 = 96 * 96;
constexpr float near_d2 = 32 * 32;
constexpr int32_t se_fire = 94;

struct cadence_t {
    uint32_t every;
    float speed;
};

// Levels 1 to 5 and above.
cadence_t cadence(int32_t level) {
    constexpr cadence_t by_level[5] = {{24, 1.0f}, {24, 1.0f}, {16, 1.2f}, {8, 1.5f}, {8, 2.0f}};
    return by_level[std::clamp(level, 1, 5) - 1];
}

const float* ship_position(const float* own) {
    return g_player_ship != nullptr ? g_player_ship->position() : own;
}

} // namespace

namespace rotator001 {

void body_t::turn_to(int32_t target) {
    dir = rotators::turn_step(dir, target);
    pattern = dir;
}

void body_t::aim() {
    if (p.timer % 2 == 0) {
        turn_to(rotators::direction_to_ship(position()));
    }
}

bool body_t::dash(int32_t d) {
    rotators::move_along(*this, d, speed);
    speed -= slow_down;
    return speed >= dash_end;
}

void body_t::fire(float s) {
    const size_t i = next_idle(shots, 0, true);
    if (i == shots.size()) {
        return;
    }
    rotators::fire_from(shots[i], x, y, dir, s);
    g_soundctr.request_se(se_fire);
}

void body_t::step(int32_t phase) {
    switch (phase) {
    case 0:
        speed = 0;
        dir = pattern = rotators::direction_to_ship(position());
        p.go(1);
        break;
    case 1: {
        if (rotators::stage_past(key) >= leave_after) {
            p.go(900);
            break;
        }
        const float* ship = ship_position(position());
        const float dx = ship[0] - x;
        const float dy = ship[1] - y;
        const float d2 = dx * dx + dy * dy;
        if (d2 >= far_d2) {
            p.go(100);
        } else if (d2 < near_d2) {
            p.go(200);
        } else {
            p.go(x >= 32 ? 400 : 300);
        }
        break;
    }
    case 100:
    case 300:
        speed = dash_speed;
        p.go(phase + 1);
        break;
    case 101:
        aim();
        if (!dash(dir)) {
            p.go(1);
        }
        break;
    case 200: {
        const int32_t turn = rotators::shortest_turn(dir, rotators::direction_to_ship(position()));
        speed = dash_speed;
        p.go(std::abs(turn) < 16 ? 210 : 220);
        break;
    }
    case 210:
        aim();
        if (!dash((dir + 32) & 63)) {
            p.go(1);
        }
        break;
    case 220:
        if (p.timer % 2 == 0) {
            turn_to(direction_to(ship_position(position()), position()));
        }
        if (!dash(dir)) {
            p.go(1);
        }
        break;
    case 301:
    case 901:
        if (p.timer % 2 == 0) {
            turn_to(phase == 301 ? 0 : 32);
        }
        if (!dash(dir)) {
            p.go(phase == 301 ? 1 : 900);
        }
        break;
    case 400: {
        if (p.timer >= 16) {
            p.go(1);
            break;
        }
        aim();
        const cadence_t c = cadence(difficulty_level());
        if (p.timer % c.every == 0) {
            fire(c.speed);
        }
        break;
    }
    case 900:
        speed = dash_speed;
        p.go(901);
        break;
    default:
        break;
    }
}

void body_t::update() {
    p.run([this](int32_t phase) { step(phase); });
    ++p.timer;
}

void body_t::damage(int32_t n) {
    rotators::dasher_damage(*this, n);
}

} // namespace rotator001

rotator001::body_t* stage_t::make_rotator001_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<rotator001::body_t>(stage, placement, info);
}

void stage_t::spawn_rotator001(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({placement->type, 83, 30, 31});
    if (!r) {
        return;
    }
    const auto [record, explosion, shot, effect] = *r;
    rotator001::body_t* body = make_rotator001_body(stage, placement, record);
    attach_death_explosion(stage, placement, body, explosion);
    for (int32_t i = 0; i < 8; ++i) {
        link_shot_effect(stage, placement, make_missile(stage, placement, shot), effect, 2, body,
                         body->shots);
    }
    give_item(stage, placement, body);
}
