// The scorpion's head and eye: the head turns toward the ship, opens its jaw to release the worm and is
// the boss's weak point; the eye opens and closes its lid on the head's cue.
#include "bosses/scorpion/chest.h"
#include "enemies/worms/worm001.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t idle = -1;
constexpr float appear_x = 256;
constexpr uint32_t look_frames = 128;
constexpr int32_t event_hud = 385;
constexpr int32_t event_quake = 371;
constexpr int32_t jaw_open = 24;
constexpr int32_t jaw_shut = 8;
constexpr uint32_t jaw_frames = 80;
constexpr uint32_t worm_frame = 32;
constexpr int32_t worm_heading = 38;
constexpr int32_t death_phase = 50000;
constexpr int32_t bullet_level = 3;
constexpr int32_t se_hit = 47;
constexpr int32_t se_dead = 57;
constexpr int32_t se_roar = 70;

} // namespace

namespace scorpion001 {

void eye_t::update() {
    switch (phase) {
    case 100:
        if (phase_frame % 4 == 0) {
            pattern + 1 < 7 ? void(++pattern) : void(phase = 0);
        }
        break;
    case 150:
        if (phase_frame % 32 == 0) {
            pattern + 1 < 3 ? void(++pattern) : void(phase = 0);
        }
        break;
    case 200:
        if (phase_frame % 16 == 0) {
            pattern - 1 >= 0 ? void(--pattern) : void(phase = 0);
        }
        break;
    default:
        break;
    }
    ++phase_frame;
}

void head_t::set_position(float new_x, float new_y) {
    x = new_x;
    y = new_y;
    if (eye != nullptr) {
        eye->set_position(x - 15, y - 3);
    }
}

void head_t::update() {
    run_phase();
    ++phase_frame;
}

void head_t::go(int32_t next) {
    phase = next;
    phase_frame = 0;
    run_phase();
}

void head_t::turn_toward(int32_t target) {
    int32_t diff = wrap64(target - direction);
    const int32_t sign = diff == 0 ? 0 : (diff <= 32 ? 1 : -1);
    direction = std::clamp(wrap64(direction + sign), 24, 40);
    pattern = direction - 24;
}

void head_t::run_phase() {
    auto set_eye = [this](int32_t p) {
        eye->phase = p;
        eye->phase_frame = 0;
    };
    switch (phase) {
    case 0:
        invulnerable = 1;
        go(1);
        break;
    case 1:
        if (x < appear_x) {
            set_eye(100);
            go(2);
        }
        break;
    case 2:
        if (phase_frame >= look_frames) {
            set_eye(200);
            go(3);
        }
        break;
    case 3:
        if (chest->phase >= 100) {
            invulnerable = 0;
            post_event(event_hud, 2);
            go(100);
        }
        break;
    case 100:
        if (phase_frame % 4 == 0) {
            if (const float* ship = player_ship_position()) {
                turn_toward(direction_to(position(), ship));
            }
        }
        break;
    case 200:
        if (phase_frame % 4 == 0) {
            turn_toward(32);
        }
        if (direction == 32) {
            pattern = jaw_open;
            go(201);
        }
        break;
    case 201:
        if (phase_frame % 12 == 0) {
            if (pattern + 1 >= 32) {
                go(202);
            } else {
                ++pattern;
            }
        }
        break;
    case 202:
        if (phase_frame >= jaw_frames) {
            go(203);
            break;
        }
        if (phase_frame == 0) {
            g_soundctr.request_se(se_roar);
        }
        if (phase_frame == worm_frame && worm != nullptr && !worm->alive) {
            worm->set_position(x - 14, y + 16);
            worm->dir = worm_heading;
            worm->start();
        }
        pattern += phase_frame % 8 < 4 ? -1 : 1;
        break;
    case 203:
        if (phase_frame % 8 == 0) {
            if (pattern - 1 >= jaw_open) {
                --pattern;
            } else {
                pattern = jaw_shut;
                go(100);
            }
        }
        break;
    case 300:
        if (phase_frame % 16 == 0) {
            turn_toward(32);
        }
        if (direction == 32) {
            go(301);
        }
        break;
    case 301:
        set_eye(150);
        phase = idle;
        break;
    default:
        break;
    }
}

void head_t::damage(int32_t n) {
    if (invulnerable || n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (!alive) {
        g_soundctr.request_se(se_dead);
        chest->phase = death_phase;
        chest->phase_frame = 0;
        post_event(event_quake, -4);
        if (difficulty_level() >= bullet_level) {
            fire_aimed_bullet(position());
        }
    }
}

void head_t::kill() {
    piveter_t::kill();
    if (eye != nullptr) {
        eye->kill();
    }
    if (worm != nullptr && worm->alive) {
        worm->kill();
    }
}

} // namespace scorpion001
