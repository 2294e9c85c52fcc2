// Rotator003's construction, its launch-aim-leave machine, its damage and its controller.
#include "enemies/rotators/rotator003.h"

#include "objects/direction.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"

#include <algorithm>

namespace {

constexpr float launch_speed = 3.0f;
constexpr float launch_slowing = 0.05f;
constexpr uint32_t volleys_per_sortie = 5;
constexpr uint32_t volley_frames = 32;
constexpr float turn_speed = 0.5f;
constexpr float accelerating = 0.05f;
constexpr float leave_speed = 3.0f;
constexpr float centre[2] = {128, 128};
constexpr int32_t column_x = 288;
constexpr int32_t column_y[4] = {32, 96, 160, 224};

struct cadence_t {
    uint32_t every;
    float speed;
};

// Levels 1 to 4 and above.
cadence_t cadence(int32_t level) {
    constexpr cadence_t by_level[4] = {{64, 1.0f}, {32, 1.0f}, {32, 2.0f}, {16, 3.0f}};
    return by_level[std::clamp(level, 1, 4) - 1];
}

} // namespace

namespace rotator003 {

void body_t::start() {
    dir = 0;
    target = 0;
    speed = 0;
    volleys = 0;
    p = rotators::phases_t{};
    set_position(home_x, home_y);
    enemy_t::start();
}

void body_t::fire(float s) {
    const size_t i = next_idle(shots, 0);
    if (i < shots.size()) {
        rotators::fire_from(shots[i], x, y, dir, s);
    }
}

void body_t::step(int32_t phase) {
    switch (phase) {
    case 0: {
        speed = launch_speed;
        volleys = 0;
        const float home[2] = {home_x, home_y};
        dir = rotators::direction_to_ship(home);
        p.go(1);
        break;
    }
    case 1:
        rotators::move_along(*this, dir, speed);
        speed -= launch_slowing;
        if (speed < 0) {
            speed = launch_speed;
            p.go(100);
        }
        break;
    case 100:
        if (++volleys < volleys_per_sortie) {
            p.go(200);
        } else {
            volleys = 0;
            p.go(300);
        }
        break;
    case 200:
        target = rotators::direction_to_ship(position());
        p.go(201);
        break;
    case 201: {
        if (p.timer >= volley_frames) {
            p.go(100);
            break;
        }
        dir = rotators::turn_step(dir, target);
        const cadence_t c = cadence(difficulty_level());
        if (p.timer % c.every == 0) {
            fire(c.speed);
        }
        break;
    }
    case 300:
        target = direction_to(centre, position());
        speed = 0;
        p.go(301);
        break;
    case 301:
        if (dir == target) {
            p.go(302);
            break;
        }
        dir = rotators::turn_step(dir, target);
        speed = turn_speed;
        rotators::move_along(*this, dir, speed);
        break;
    case 302:
        rotators::move_along(*this, dir, speed);
        speed += accelerating;
        if (speed >= leave_speed) {
            speed = leave_speed;
            p.go(303);
        }
        break;
    case 303:
        rotators::move_along(*this, dir, leave_speed);
        if (rotators::off_box(*this, -32, 288)) {
            alive = 0;
            hp = 0;
        }
        break;
    default:
        break;
    }
}

void body_t::update() {
    p.run([this](int32_t phase) { step(phase); });
    pattern = dir;
    ++p.timer;
}

void body_t::damage(int32_t n) {
    rotators::dasher_damage(*this, n);
}

void ctr_t::update() {
    if (rotators::stage_past(key) >= rotators::one_section) {
        alive = 0;
        hp = 0;
        return;
    }
    for (body_t* body : bodies) {
        if (!body->alive && (body->explosion == nullptr || !body->explosion->alive)) {
            body->start();
        }
    }
    ++frames;
}

} // namespace rotator003

rotator003::body_t* stage_t::make_rotator003_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<rotator003::body_t>(stage, placement, info);
}

rotator003::ctr_t* stage_t::make_rotator003_ctr(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info) {
    return make_placed_enemy<rotator003::ctr_t>(stage, placement, info);
}

rotator003::body_t* stage_t::spawn_rotator003_body(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({133, 83, 32, 33});
    if (!r) {
        return nullptr;
    }
    const auto [record, explosion, shot, effect] = *r;
    rotator003::body_t* body = make_rotator003_body(stage, placement, record);
    attach_death_explosion(stage, placement, body, explosion)->period = 1;
    for (int32_t i = 0; i < 3; ++i) {
        make_shot_with_effect(stage, placement, shot, effect, 2, body, body->shots);
    }
    give_item(stage, placement, body);
    return body;
}

void stage_t::spawn_rotator003(stage_t* stage, const placement_t* placement) {
    spawn_rotator003_body(stage, placement);
}

void stage_t::spawn_rotator003_ctr(stage_t* stage, const placement_t* placement) {
    const objectinfo_t* record = objectinfo_find(0);
    if (record == nullptr) {
        return;
    }
    rotator003::ctr_t* ctr = make_rotator003_ctr(stage, placement, record);
    placement_t copy = *placement;
    copy.x = column_x;
    for (int32_t y : column_y) {
        copy.y = y;
        // A body whose records are missing is left out rather than kept as an empty entry.
        if (rotator003::body_t* body = spawn_rotator003_body(stage, &copy)) {
            ctr->bodies.push_back(body);
        }
    }
}
