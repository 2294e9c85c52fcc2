// The ship's life cycle: stage start, hits, dying, death, respawn and game over.
#include "player/ship.h"

#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/discharge.h"
#include "player/mulctr.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/shipjet.h"
#include "player/smoke.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t warp_in_scale = 2000;
constexpr float warp_in_x = -80;
constexpr float warp_in_y = 288;
constexpr float fly_in_x = -64;
constexpr float fly_in_y = 128;
constexpr float fly_in_speed = 8.0f;
constexpr float parked = -9999;
constexpr uint32_t invulnerable_frames = 320;
constexpr uint32_t dying_frames = 128;
constexpr uint32_t hit_while_dying = 8; // each further hit brings death this much nearer
constexpr uint32_t discharge_every = 40;
constexpr uint32_t debris_every = 3;
constexpr float debris_offset_x = -8;
constexpr int32_t run_over_event = 418;
constexpr int32_t hit_sound = 14;
constexpr int32_t respawn_sound = 15;
constexpr int32_t death_sound = 3;

} // namespace

void ship_t::restart_at(float new_x, float new_y) {
    place_with_attachments(new_x, new_y);
    controller->reset(new_x, new_y);
    start();
    jet->start();
    reset_bank();
    image = info->image_id;
    dying_timer = 0;
    invulnerable_timer = invulnerable_frames;
    flashing = 0;
}

void ship_t::start_stage() {
    if (state == fly_in) {
        return;
    }
    draw_scale = warp_in_scale;
    jet->draw_scale = warp_in_scale;
    discharge->draw_scale = warp_in_scale;
    restart_at(warp_in_x, warp_in_y);
    state = warp_in;
}

bool ship_t::respawn() {
    // A negative count from a damaged replay is no life either.
    if (g_lives <= 0) {
        return false;
    }
    g_lives = std::min(g_lives - 1, 99);
    restart_at(fly_in_x, fly_in_y);
    speed = fly_in_speed;
    state = fly_in;
    g_soundctr.request_se(respawn_sound);
    return true;
}

void ship_t::game_over() {
    draw_scale = 100;
    jet->draw_scale = 100;
    discharge->draw_scale = 100;
    place_with_attachments(parked, y);
    controller->reset(parked, y);
    image = -1;
    state = ended;
}

void ship_t::damage(int32_t n) {
    if (n <= 0 || invulnerable_timer != 0) {
        return;
    }
    if (shield->alive) {
        shield->damage(n);
    } else if (dying_timer != 0) {
        dying_timer = dying_timer > hit_while_dying ? dying_timer - hit_while_dying : 1;
    } else {
        dying_timer = dying_frames;
        reset_speed();
        jet->kill();
        g_soundctr.request_se(hit_sound);
    }
}

void ship_t::dying_step() {
    if (g_frame_counter % discharge_every == 0) {
        discharge->set_position(x, y);
        discharge->start();
    }
    if (g_frame_counter % debris_every == 0) {
        for (smoke_t* puff : debris) {
            if (!puff->alive) {
                puff->set_position(x + debris_offset_x, y);
                puff->start();
                break;
            }
        }
    }
}

void ship_t::kill() {
    state = dead;
    flashing = 0;
    piveter_t::kill();
    jet->kill();
    discharge->start();
    powergauge_update(this);
    powergauge_apply_bits(this, weapon_normal, 0);
    g_soundctr.request_se(death_sound);
}

void ship_t::dead_step() {
    if (explosion != nullptr && explosion->alive) {
        return;
    }
    if (!respawn()) {
        game_over();
        post_event(run_over_event, 0);
    }
}
