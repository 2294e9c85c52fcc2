// The final boss core: its approach, dock and chase, its damage gate and death, and the pull on the ship.
#include "bosses/melvorin/melvorin_core.h"

#include "bosses/melvorin/melvorin_body.h"
#include "bosses/melvorin/melvorin_charge.h"
#include "bosses/melvorin/melvorin_weapons.h"
#include "objects/direction.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "player/mulctr.h"
#include "player/ship.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t waiting = 1;
constexpr int32_t approaching = 2;
constexpr int32_t docked = 3;
constexpr int32_t attacking = 10;
constexpr int32_t chasing = 50;

constexpr float start_x = -64;
constexpr float start_y = 128;
constexpr uint32_t wait_frames = 288;
constexpr float dock_dx = 96;
constexpr uint32_t attack_frames = 16384;
constexpr float first_pull = 0.4f;
constexpr float chase_pull = 0.6f;
constexpr float chase_speed = 0.5f;
constexpr int32_t bonus_frames = 2500;
constexpr int32_t dying_body_phase = 200;

constexpr int32_t event_shake = 371;
constexpr int32_t event_hold = 389;
constexpr int32_t event_is_held = 390;
constexpr int32_t event_fade_in = 413;

constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 42;
constexpr int32_t se_pulse = 95;

} // namespace

namespace melvorin {

void core_t::update() {
    while (run_phase()) {
    }
    if (g_frame_counter % 4 == 0) {
        pattern = (pattern + 1) % 16;
        if (cover != nullptr) {
            cover->pattern = pattern;
        }
    }
    if (g_frame_counter % 96 == 0) {
        g_soundctr.request_se(se_pulse);
    }
    pull_ship();
    ++phase_timer;
    ++frames_alive;
}

bool core_t::run_phase() {
    switch (phase) {
    case 0:
        ship = g_player_ship;
        pull_factor = first_pull;
        invulnerable = 1;
        set_position(start_x, start_y);
        return enter_phase(phase, phase_timer, waiting);
    case waiting:
        return phase_timer >= wait_frames && enter_phase(phase, phase_timer, approaching);
    case approaching:
        if (body == nullptr) {
            return false;
        }
        if (x + 1 < body->x + dock_dx) {
            set_position(x + 1, body->y);
            return false;
        }
        set_position(body->x + dock_dx, body->y);
        return enter_phase(phase, phase_timer, docked);
    case docked:
        if (post_event(event_is_held, 0) != 0) {
            invulnerable = 0;
            return enter_phase(phase, phase_timer, attacking);
        }
        if (body != nullptr) {
            bob(body->y, 0);
        }
        return false;
    case attacking:
        if (phase_timer >= attack_frames) {
            pull_factor = chase_pull;
            return enter_phase(phase, phase_timer, chasing);
        }
        run_attack_cycle();
        return false;
    case chasing:
        if (ship != nullptr) {
            const int32_t d = direction_to(position(), ship->position());
            set_position(x + chase_speed * cos_table[d & 63], y - chase_speed * sin_table[d & 63]);
        }
        return false;
    default:
        return false;
    }
}

void core_t::bob(float base_y, int32_t shake) {
    set_position(x, base_y + 12 * sin_table_deg[bob_angle] + float(shake));
    bob_angle = (bob_angle + 3) % 360;
}

void core_t::pull_ship() {
    if (ship == nullptr) {
        return;
    }
    const float* at = ship->position();
    const int32_t d = direction_to(at, position()) & 63;
    const float f = ship->speed * pull_factor;
    ship->set_position(at[0] + f * cos_table[d], at[1] - f * sin_table[d]);
    if (ship->controller != nullptr) {
        ship->controller->update(true);
    }
}

void core_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    if (cover != nullptr) {
        cover->set_position(new_x, new_y);
    }
}

void core_t::kill() {
    if (cover != nullptr) {
        cover->kill();
    }
    piveter_t::kill();
}

void core_t::damage(int32_t n) {
    if (invulnerable || n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (alive) {
        return;
    }
    g_soundctr.request_se(se_destroyed);
    if (body != nullptr) {
        body->phase = dying_body_phase;
        body->phase_timer = 0;
    }
    if (charge != nullptr) {
        charge->kill();
    }
    post_event(event_shake, 3);
    post_event(event_hold, 0);
    post_event(event_fade_in, 1);
}

int32_t core_t::bonus() {
    return 10 * std::max(0, bonus_frames - int32_t(std::min<uint32_t>(frames_alive, bonus_frames)));
}

} // namespace melvorin
