// Rotator002's construction, its dash and laser machine, its lasers and its damage.
#include "enemies/rotators/rotator002.h"

#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"

namespace {

constexpr float dash_speed = 4.0f;
constexpr float slow_down = 0.2f;
constexpr uint32_t dashes_per_cycle = 3;
constexpr float jet_behind = 10;
constexpr float muzzle = 8;
constexpr int32_t spread_level = 2;

} // namespace

namespace rotator002 {

void laser_t::update() {
    p.run([this](int32_t phase) {
        if (phase == 0) {
            set_speed(1.0f);
            p.go(1);
        } else if (phase == 1 && p.timer >= 16) {
            p.go(2);
        } else if (phase == 2) {
            set_speed(std::min(speed + 0.1f, 2.0f));
            if (speed >= 2.0f) {
                p.go(3);
            }
        }
    });
    fly();
}

bool body_t::turning() {
    if (dir == target) {
        return false;
    }
    dir = rotators::turn_step(dir, target);
    pattern = dir;
    return true;
}

bool body_t::dash() {
    if (p.timer == 0) {
        speed = dash_speed;
    }
    rotators::move_along(*this, dir, speed);
    speed -= slow_down;
    return speed > 0;
}

void body_t::step(int32_t phase) {
    const bool early = p.timer < 8 && p.timer % 2 == 0;
    switch (phase) {
    case 0:
        dashes = 0;
        target = dir = pattern = rotators::direction_to_ship(position());
        p.go(1);
        break;
    case 1:
        if (rotators::stage_past(key) >= rotators::one_section) {
            p.go(100);
        } else if (++dashes < dashes_per_cycle) {
            p.go(10);
        } else {
            dashes = 0;
            p.go(20);
        }
        break;
    case 10:
    case 20:
        target = rotators::direction_to_ship(position());
        p.go(phase + 1);
        break;
    case 11:
    case 21:
    case 101:
        if (!turning()) {
            p.go(phase + 1);
        }
        break;
    case 12:
        if (dash()) {
            bullet_asked = bullet_asked || (dashes == 1 && early);
        } else {
            p.go(1);
        }
        break;
    case 22:
        if (p.timer >= 32) {
            p.go(1);
        } else if (p.timer == 0 || p.timer == 8) {
            laser_asked = true;
        }
        break;
    case 100:
        target = (dir + 32) & 63;
        p.go(101);
        break;
    case 102:
        if (dash()) {
            bullet_asked = bullet_asked || early;
        } else {
            p.go(103);
        }
        break;
    case 103:
        if (!dash()) {
            p.go(103);
            break;
        }
        if (rotators::off_box(*this, -16, 272)) {
            jet->kill();
            alive = 0;
            hp = 0;
        }
        break;
    default:
        break;
    }
}

void body_t::update() {
    const int32_t level = difficulty_level();
    bullet_asked = false;
    laser_asked = false;
    p.run([this](int32_t phase) { step(phase); });
    if (bullet_asked && level >= spread_level) {
        fire_bullet();
    }
    if (laser_asked) {
        fire_laser();
    }
    const int32_t back = (dir + 32) & 63;
    jet->set_position(x + jet_behind * cos_table[back], y - jet_behind * sin_table[back]);
    ++p.timer;
}

void body_t::fire_bullet() {
    const size_t i = next_idle(bullets, 0);
    if (i == bullets.size()) {
        return;
    }
    const int32_t d = int32_t(g_frame_counter % 5) - 2 + rotators::direction_to_ship(position());
    launch(bullets[i], x, y, d & 63, 1.0f);
}

void body_t::fire_laser() {
    const size_t i = next_idle(lasers, 0);
    if (i == lasers.size()) {
        return;
    }
    missile_t* laser = lasers[i];
    const float lx = x + muzzle * cos_table[dir];
    const float ly = y - muzzle * sin_table[dir];
    laser->start_effect_at(lx, ly);
    laser->set_position(lx, ly);
    laser->direction = dir;
    laser->pattern = dir & 31;
    laser->start();
}

void body_t::kill() {
    jet->kill();
    piveter_t::kill();
}

void body_t::damage(int32_t n) {
    rotators::dasher_damage(*this, n);
}

} // namespace rotator002

rotator002::body_t* stage_t::make_rotator002_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<rotator002::body_t>(stage, placement, info);
}

rotator002::laser_t* stage_t::make_rotator002_laser(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return append_dormant<rotator002::laser_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_rotator002(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({placement->type, 83, 93, 18, 30, 31});
    if (!r) {
        return;
    }
    const auto [record, explosion, flame, bullet, laser, effect] = *r;
    rotator002::body_t* body = make_rotator002_body(stage, placement, record);
    attach_death_explosion(stage, placement, body, explosion);
    body->jet = make_jet(stage, placement, flame);
    body->jet->period = 2;
    make_shot_pool(stage, placement, bullet, body, 16, body->bullets);
    for (int32_t i = 0; i < 6; ++i) {
        link_shot_effect(stage, placement, make_rotator002_laser(stage, placement, laser), effect, 2, body,
                         body->lasers);
    }
    give_item(stage, placement, body);
}
