// The final boss core's 1024-frame attack cycle and the launches it makes.
#include "bosses/melvorin/melvorin_body.h"
#include "bosses/melvorin/melvorin_charge.h"
#include "bosses/melvorin/melvorin_core.h"
#include "bosses/melvorin/melvorin_weapons.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "player/ship.h"
#include "screen/soundctr.h"

namespace {

constexpr uint32_t cycle_frames = 1024;
constexpr int32_t volley_body_phase = 100;
constexpr float launch_dx = 20;
constexpr float upper_row = 116;
constexpr float lower_row = 140;
constexpr float missile_dx = 24;
constexpr int32_t fan_spread = 2;
constexpr uint32_t burst_frames = 8;

// A burst of fans: its first frame in the cycle and the missiles of each fan.
struct burst_t {
    uint32_t first;
    int32_t count;
};
constexpr burst_t bursts[] = {{704, 2}, {768, 3}, {832, 3}, {896, 3}, {960, 2}};

// The cycle frames of the bending-laser pairs and the level each needs.
struct bend_pair_t {
    uint32_t at;
    int32_t level;
};
constexpr bend_pair_t bend_pairs[] = {{450, 1}, {500, 1}, {550, 1}, {600, 3}, {650, 3}, {700, 4}};

constexpr int32_t event_shake = 371;
constexpr int32_t event_fade_in = 413;
constexpr int32_t event_fade_white = 415;

constexpr int32_t se_charge = 53;
constexpr int32_t se_big_laser = 30;
constexpr int32_t se_bend_laser = 99;
constexpr int32_t se_missiles = 72;

} // namespace

namespace melvorin {

void core_t::run_attack_cycle() {
    const uint32_t u = phase_timer % cycle_frames;
    if (body != nullptr &&
        (((u == 0 || u == 96) && difficulty_level() >= 2) || (u == 904 && difficulty_level() >= 3))) {
        body->phase = volley_body_phase;
        body->phase_timer = 0;
    }
    for (const bend_pair_t& p : bend_pairs) {
        if (u == p.at && difficulty_level() >= p.level) {
            fire_bend_laser(x - launch_dx, upper_row);
            fire_bend_laser(x - launch_dx, lower_row);
        }
    }
    for (const burst_t& b : bursts) {
        if (u + 1 == b.first && ship != nullptr) {
            aim_direction = direction_to(position(), ship->position());
        }
        if (u >= b.first && u < b.first + burst_frames) {
            fire_missile_fan(b.count, fan_spread, aim_direction, 3.0f - 0.2f * float(u - b.first));
        }
    }
    if (u == 0 && charge != nullptr) {
        charge->start();
    } else if (u == 208) {
        g_soundctr.request_se(se_charge);
    } else if (u == 256) {
        post_event(event_fade_white, 1);
    } else if (u == 320) {
        if (big_laser != nullptr) {
            big_laser->start();
        }
        post_event(event_shake, 3);
        g_soundctr.request_se(se_big_laser);
    } else if (u == 340) {
        post_event(event_fade_in, 1);
    } else if (u == 450 && charge != nullptr) {
        charge->kill();
    }
    // The core shudders while the big laser fires.
    const int32_t sign = phase_timer % 2 == 1 ? 1 : -1;
    const int32_t shake = u >= 320 && u <= 329 ? 3 * sign : (u >= 330 && u <= 339 ? sign : 0);
    if (body != nullptr) {
        bob(body->y, shake);
    }
}

void core_t::fire_bend_laser(float at_x, float at_y) {
    for (bend_laser_t* laser : bend_lasers) {
        if (!laser->alive) {
            laser->set_position(at_x, at_y);
            laser->start();
            break;
        }
    }
    g_soundctr.request_se(se_bend_laser);
}

void core_t::fire_missile_fan(int32_t n, int32_t spread, int32_t direction, float fan_speed) {
    size_t next = 0;
    int32_t d = direction - (n - 1) * spread;
    for (int32_t i = 0; i < n; ++i, d += 2 * spread) {
        next = next_idle(missiles, next);
        if (next == missiles.size()) {
            break;
        }
        launch(missiles[next++], x - missile_dx, y, d & 63, fan_speed);
    }
    g_soundctr.request_se(se_missiles);
}

} // namespace melvorin
