// Boss006's body: its eased motions, the phase script of its five attack cycles, its escape and its
// death sequence, and the roll, smoke, jets and shots of every frame's tail.
#include "bosses/boss006/boss006.h"

#include "enemies/jet.h"
#include "objects/enemy_fire.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/stage_pointers.h"
#include "objects/trig_tables.h"
#include "player/smoke.h"
#include "screen/soundctr.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float home_x = 216;
constexpr float home_y = 128;
constexpr uint32_t cycles = 5;
constexpr uint32_t rounds = 5; // a repeat count reaching it ends the attack
constexpr float beam_x = 176;
constexpr float barrage_x = 192;
constexpr float return_x = 224;
constexpr float barrage_hop = 64;
constexpr float barrage_top = 32;
constexpr float barrage_bottom = 224;
constexpr uint32_t barrage_frames = 128;
constexpr uint32_t spark_start = 24;
constexpr uint32_t beam_wait = 32;
constexpr uint32_t escape_delay = 95;
constexpr float escape_accel = 0.005f;
constexpr float escape_limit = 2.0f;
constexpr uint32_t dying_frames = 480;
constexpr int32_t death_hp = 500;
constexpr float recoil_dx = 48;
constexpr int32_t frames_for_bonus = 6000;

constexpr float muzzle_dx = -36;
constexpr float muzzle_spread = 16;
constexpr float beam_dx = -12;
constexpr float smoke_dx = -20;
constexpr float jet_dx = 26;
constexpr float jet_spread = 12;
constexpr float bolt_speed = 4;
constexpr int32_t left = 32;
constexpr float smoke_speed = 1.5f;

struct launch_point_t {
    float dx;
    float dy;
    int32_t direction;
};
constexpr launch_point_t homing_launch[4] = {{8, -40, 16}, {8, 40, 48}, {34, -22, 60}, {34, 22, 4}};

constexpr int32_t event_hold = 389;
constexpr int32_t event_fade = 415;
constexpr int32_t event_destroyed = 413;

constexpr int32_t se_hit = 48;
constexpr int32_t se_dying = 57;
constexpr int32_t se_destroyed = 46;
constexpr int32_t se_bolts = 45;
constexpr int32_t se_beam = 64;
constexpr int32_t se_homing = 23;

} // namespace

namespace boss006 {

void body_t::update() {
    frame_flags_t flags;
    const float reference_y = y;
    while (run_phase(flags)) {
    }
    frame_tail(flags, reference_y);
    ++phase_timer;
    ++frames_alive;
}

bool body_t::run_phase(frame_flags_t& flags) {
    const uint32_t t = phase_timer;
    const float* ship = player_ship_position();
    switch (phase) {
    case 0:
        cycle = 0;
        repeat = 0;
        invulnerable = 0;
        post_event(event_hold, 1);
        ease_home(2);
        return enter_phase(phase, phase_timer, 10);
    case 10:
    case 41:
    case 201:
        return !step_motion() && enter_phase(phase, phase_timer, phase == 10 ? 15 : phase == 41 ? 42 : 15);
    case 15:
        return enter_phase(phase, phase_timer, ++cycle <= cycles ? 20 : 500);
    case 20:
    case 30:
    case 50:
        repeat = 0;
        return enter_phase(phase, phase_timer, phase + 1);
    case 21:
        if (++repeat < rounds) {
            start_track();
            return enter_phase(phase, phase_timer, 22);
        }
        return enter_phase(phase, phase_timer, 30);
    case 22:
    case 23:
        if (step_motion()) {
            if (t % 2 == 0) {
                flags.laser_pair = difficulty_level() >= 2 || t < 16;
            }
            return false;
        }
        start_track();
        return enter_phase(phase, phase_timer, phase + 1);
    case 24:
        return !step_motion() && enter_phase(phase, phase_timer, 21);
    case 31:
        if (++repeat < rounds) {
            ease_to(beam_x, ship != nullptr ? ship[1] : y);
            return enter_phase(phase, phase_timer, 32);
        }
        return enter_phase(phase, phase_timer, 40);
    case 32:
        if (step_motion()) {
            if (t == spark_start) {
                spark_ctr->start();
            }
            return false;
        }
        return enter_phase(phase, phase_timer, 33);
    case 33:
        return !spark_ctr->alive && enter_phase(phase, phase_timer, 34);
    case 34:
        flags.big_laser = true;
        return enter_phase(phase, phase_timer, 35);
    case 35:
        return t >= beam_wait && enter_phase(phase, phase_timer, 31);
    case 40:
        ease_to(barrage_x, home_y);
        return enter_phase(phase, phase_timer, 41);
    case 42:
        return pattern == 0 && enter_phase(phase, phase_timer, 50);
    case 51:
        if (++repeat < rounds) {
            const bool above = ship != nullptr && y < ship[1];
            ease_to(x, above ? y - barrage_hop : y + barrage_hop);
            return enter_phase(phase, phase_timer, 52);
        }
        return enter_phase(phase, phase_timer, 200);
    case 52:
        flags.roll = false;
        return !step_motion() && enter_phase(phase, phase_timer, 53);
    case 53: {
        flags.roll = false;
        if (y < barrage_top || y >= barrage_bottom) {
            ease_to(x, y < barrage_top ? y + barrage_hop : y - barrage_hop);
            return enter_phase(phase, phase_timer, 52);
        }
        const int32_t level = difficulty_level();
        return enter_phase(phase, phase_timer, level >= 1 && level <= 4 ? 90 + 10 * level : 140);
    }
    case 100:
    case 110:
    case 120:
    case 130:
    case 140: {
        flags.roll = false;
        if (t >= barrage_frames) {
            return enter_phase(phase, phase_timer, 51);
        }
        // First stream every 4 from level 3; second every 8, 4, 8, 4, 2.
        const int32_t second[5] = {8, 4, 8, 4, 2};
        barrage(phase >= 120 ? 4 : 0, second[(phase - 100) / 10]);
        return false;
    }
    case 200:
        ease_to(return_x, home_y);
        return enter_phase(phase, phase_timer, 201);
    case 500:
        invulnerable = 1;
        escape_speed = 0;
        post_event(event_hold, 0);
        return enter_phase(phase, phase_timer, 501);
    case 501:
        if (t > escape_delay) {
            escape_speed = std::min(escape_speed + escape_accel, escape_limit);
            x -= escape_speed;
        }
        return false;
    case 1000:
        death_explosions.start_next_at(x, y);
        g_soundctr.request_se(se_dying);
        flags.roll = false;
        start_recoil();
        return enter_phase(phase, phase_timer, 1001);
    case 1001:
        if (step_motion()) {
            flags.roll = false;
            flags.smoke = t % 4 == 0;
            return false;
        }
        ease_home(0.6f);
        return enter_phase(phase, phase_timer, 1002);
    case 1002:
        if (t < dying_frames) {
            dying_frame(flags);
            return false;
        }
        return enter_phase(phase, phase_timer, 1003);
    case 1003:
        post_event(event_destroyed, 2);
        enemy_t::damage(9999);
        g_soundctr.request_se(se_destroyed);
        return false;
    default:
        return false;
    }
}

void body_t::barrage(int32_t first_every, int32_t second_every) {
    const uint32_t t = phase_timer;
    if (first_every != 0 && t % uint32_t(first_every) == 0) {
        fire_homing(t % uint32_t(2 * first_every) == 0 ? 1 : 0);
    }
    if (t % uint32_t(second_every) == 0) {
        fire_homing(t % uint32_t(2 * second_every) == 0 ? 3 : 2);
    }
}

void body_t::dying_frame(frame_flags_t& flags) {
    const uint32_t t = phase_timer;
    flags.roll = false;
    flags.smoke = t % 8 == 0;
    if (t > 63) {
        const uint32_t interval = 32 - std::min<uint32_t>(t / 6, 28);
        if (t % interval == 0) {
            explosion_t* started = death_explosions.start_next_at(x, y);
            if (started != nullptr && difficulty_level() >= 3) {
                fire_aimed_bullet(started->position());
            }
        }
    }
    if (t == 16) {
        post_event(event_hold, 0);
    }
    if (t == 400) {
        post_event(event_fade, 2);
    }
    if (!step_motion()) {
        x -= 0.01f;
        y += 0.1f;
    }
}

void body_t::start_motion(motion_kind_t kind, float to_x, float to_y, float start_angle, float step) {
    motion_kind = kind;
    motion_done = 0;
    motion_start[0] = x;
    motion_start[1] = y;
    motion_target[0] = to_x;
    motion_target[1] = to_y;
    motion_amp[0] = (to_x - x) / 2;
    motion_amp[1] = (to_y - y) / 2;
    motion_angle = start_angle;
    motion_step = step;
}

void body_t::ease_home(float step) {
    start_motion(ease, home_x, home_y, 180, step);
}

void body_t::ease_to(float to_x, float to_y) {
    start_motion(ease, to_x, to_y, 180, 4);
}

void body_t::start_track() {
    const float* ship = player_ship_position();
    const float to_y = ship != nullptr ? ship[1] : y;
    start_motion(track, x, to_y, 180, 5);
    const float dy = to_y - y;
    const float limit = float(std::min(16 * difficulty_level(), 64));
    const float size = std::min(std::max(std::fabs(dy), 8.0f), limit);
    motion_amp[0] = 0;
    motion_amp[1] = (dy > 0 ? size : dy < 0 ? -size : 0) / 2;
}

void body_t::start_recoil() {
    start_motion(recoil, x + recoil_dx, y, 270, 5);
    motion_amp[0] = recoil_dx;
    motion_amp[1] = 0;
}

bool body_t::step_motion() {
    if (motion_angle > 360) {
        motion_done = 1;
        return false;
    }
    const float c = cos_deg(motion_angle);
    motion_angle += motion_step;
    float to_x = x;
    float to_y = y;
    if (motion_kind == recoil) {
        to_x = motion_start[0] + motion_amp[0] * c;
    } else {
        to_y = motion_start[1] + motion_amp[1] + motion_amp[1] * c;
        if (motion_kind == ease) {
            to_x = motion_start[0] + motion_amp[0] + motion_amp[0] * c;
        }
    }
    set_position(to_x, to_y);
    return true;
}

void body_t::frame_tail(const frame_flags_t& flags, float reference_y) {
    if (flags.roll && phase_timer % 2 == 0) {
        roll(y < reference_y ? 1 : y > reference_y ? -1 : 0);
    }
    if (flags.smoke) {
        emit_smoke(x + smoke_dx, y);
    }
    const int32_t a = int32_t(float(pattern) * 11.25f);
    const float c = cos_table_deg[a];
    jets[0]->set_position(x + jet_dx, y - jet_spread * c);
    jets[1]->set_position(x + jet_dx, y + jet_spread * c);
    if (flags.laser_pair) {
        fire_laser_pair(a);
    }
    if (flags.big_laser) {
        fire_big_laser();
    }
}

void body_t::roll(int32_t d) {
    if (d != 0) {
        pattern = (pattern + d + 32) % 32;
    } else if (pattern != 0) {
        pattern = (pattern + (pattern < 16 ? -1 : 1) + 32) % 32;
    }
}

void body_t::fire_laser_pair(int32_t a) {
    const float c = cos_table_deg[a];
    for (const float dy : {-muzzle_spread * c, muzzle_spread * c}) {
        const size_t i = next_idle(lasers, 0);
        if (i == lasers.size()) {
            break;
        }
        laser_t* bolt = lasers[i];
        bolt->set_position(x + muzzle_dx, y + dy);
        bolt->start_effect_at(x + muzzle_dx, y + dy);
        launch(bolt, x + muzzle_dx, y + dy, left, bolt_speed);
    }
    g_soundctr.request_se(se_bolts);
}

void body_t::fire_big_laser() {
    const size_t i = next_idle(big_lasers, 0);
    if (i < big_lasers.size()) {
        big_laser_head_t* head = big_lasers[i];
        head->speed = bolt_speed;
        head->set_position(x + beam_dx, y);
        head->start();
    }
    g_soundctr.request_se(se_beam);
}

void body_t::fire_homing(int32_t kind) {
    const launch_point_t& at = homing_launch[kind];
    for (homing_t* pod : homings) {
        if (pod->alive || (pod->explosion != nullptr && pod->explosion->alive)) {
            continue;
        }
        pod->direction = at.direction;
        pod->pattern = at.direction;
        pod->explode_at(x + at.dx, y + at.dy);
        pod->set_position(x + at.dx, y + at.dy);
        pod->start();
        break;
    }
    g_soundctr.request_se(se_homing);
}

void body_t::emit_smoke(float at_x, float at_y) {
    for (smoke_t* puff : smokes) {
        if (!puff->alive) {
            puff->period = 4;
            puff->speed = smoke_speed;
            puff->vx = smoke_speed * cos_table[puff->direction];
            puff->vy = -smoke_speed * sin_table[puff->direction];
            puff->set_position(at_x, at_y);
            puff->start();
            return;
        }
    }
}

void body_t::attach_lasers(big_laser_head_t* head) {
    for (big_laser_t* link = head; link != nullptr; link = link->next) {
        link->set_owner(this);
    }
    big_lasers.push_back(head);
}

void body_t::get_rect(plat::rect_t& out) {
    object_t::get_rect(out);
    out.left += 8;
    out.right += 8;
}

void body_t::kill() {
    piveter_t::kill();
    for (jet_t* jet : jets) {
        jet->kill();
    }
    if (g_enemy_list == nullptr) {
        return;
    }
    array_t<enemy_t*>& list = *g_enemy_list;
    for (uint32_t i = list.first; i < list.end; ++i) {
        if (list[i]->alive) {
            list[i]->piveter_t::kill();
        }
    }
}

void body_t::damage(int32_t n) {
    if (invulnerable) {
        return;
    }
    if (int64_t(hp) - n <= death_hp) {
        phase = 1000;
        phase_timer = 0;
        invulnerable = 1;
        return;
    }
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
}

int32_t body_t::bonus() {
    return 10 * int32_t(std::max<int64_t>(0, frames_for_bonus - int64_t(frames_alive)));
}

} // namespace boss006
