// The final boss body's script: idle, the volleys its core asks for, and the death sequence.
#include "bosses/melvorin/melvorin_body.h"

#include "bosses/melvorin/melvorin_weapons.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t idle = 1;
constexpr int32_t volley = 100;
constexpr int32_t flash = 101;
constexpr int32_t fire = 102;
constexpr int32_t dying = 200;
constexpr int32_t dead = -1;

constexpr float muzzle_dx = 96;
constexpr float muzzle_dy = 34;
constexpr uint32_t flash_frames = 32;
constexpr int32_t upper_direction = 42; // down-left
constexpr int32_t lower_direction = 22; // up-left

constexpr uint32_t death_blasts_from = 280;
constexpr uint32_t whiteout_at = 896;
constexpr uint32_t end_at = 1048;

constexpr int32_t event_hold = 389;
constexpr int32_t event_fade_in = 413;
constexpr int32_t event_fade_white = 415;

constexpr int32_t se_ref_laser = 49;
constexpr int32_t se_rumble = 46;
constexpr int32_t se_end = 71;

} // namespace

namespace melvorin {

void body_t::update() {
    while (run_phase()) {
    }
    ++phase_timer;
}

bool body_t::run_phase() {
    switch (phase) {
    case 0:
        return enter_phase(phase, phase_timer, idle);
    case volley:
        muzzle_points[0][0] = x + muzzle_dx;
        muzzle_points[0][1] = y - muzzle_dy;
        muzzle_points[1][0] = x + muzzle_dx;
        muzzle_points[1][1] = y + muzzle_dy;
        return enter_phase(phase, phase_timer, flash);
    case flash:
        if (phase_timer >= flash_frames) {
            return enter_phase(phase, phase_timer, fire);
        }
        restart_flashes(1);
        return false;
    case fire:
        if (phase_timer >= 8 * uint32_t(difficulty_level())) {
            return enter_phase(phase, phase_timer, idle);
        }
        if (phase_timer % 2 == 0) {
            fire_ref_laser(muzzle_points[0], upper_direction, 0);
            fire_ref_laser(muzzle_points[1], lower_direction, 1);
        }
        restart_flashes(phase_timer / 16 + 1);
        return false;
    case dying:
        run_death_sequence();
        return false;
    default:
        return false;
    }
}

void body_t::restart_flashes(uint32_t flash_period) {
    if (muzzle_flashes[0] == nullptr || muzzle_flashes[0]->alive) {
        return;
    }
    for (int32_t i = 0; i < 2; ++i) {
        if (explosion_t* f = muzzle_flashes[i]) {
            f->period = flash_period;
            f->set_position(muzzle_points[i][0], muzzle_points[i][1]);
            f->start();
        }
    }
}

void body_t::fire_ref_laser(const float* p, int32_t direction, int32_t laser_pattern) {
    for (ref_laser_t* laser : ref_lasers) {
        if (!laser->alive) {
            laser->set_position(p[0], p[1]);
            laser->direction = direction;
            laser->pattern = laser_pattern;
            laser->start();
            break;
        }
    }
    g_soundctr.request_se(se_ref_laser);
}

void body_t::run_death_sequence() {
    const uint32_t t = phase_timer;
    const int32_t px = int32_t(x);
    const int32_t py = int32_t(y);
    if (t >= death_blasts_from && t % 8 == 0) {
        const int32_t i = rng::pick(int32_t(death_explosions.entries.size()));
        if (i < int32_t(death_explosions.entries.size())) {
            const mul_explosion_t::data_t& e = death_explosions.entries[size_t(i)];
            if (e.explosion != nullptr && !e.explosion->alive) {
                e.explosion->set_position(float(px + e.dx), float(py + e.dy));
                e.explosion->start();
            }
        }
    }
    if (t == whiteout_at) {
        post_event(event_fade_white, 5);
    }
    if (t == 980 || t == 996 || t == 1024) {
        g_soundctr.request_se(se_rumble);
    }
    if (t != end_at) {
        return;
    }
    // The body's own damage ignores every hit; the end goes past it.
    enemy_t::damage(9999);
    g_soundctr.request_se(se_end);
    for (const mul_explosion_t::data_t& e : death_explosions.entries) {
        if (e.explosion != nullptr && !e.explosion->alive) {
            e.explosion->set_position(float(px + e.dx), float(py + e.dy));
            e.explosion->start();
            e.explosion->period += 2;
        }
    }
    post_event(event_fade_in, 5);
    post_event(event_hold, 0);
    phase = dead;
}

} // namespace melvorin
