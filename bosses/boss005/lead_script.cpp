// Boss005's fight: the lead body's phase script alone, merged with the trailing body, the escape and the
// death sequence, with the orders for the hands that each frame leaves.
#include "bosses/boss005/bodies.h"

#include "bosses/boss005/parts.h"
#include "objects/enemy_fire.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float spread_dx = -14;
constexpr float dock_dx = 44;
constexpr int32_t merged_start = 1000;
constexpr int32_t escape = 4000;
constexpr int32_t death_sequence = 5000;
constexpr uint32_t death_frames = 160;
constexpr int32_t death_blow = 9999;
constexpr float escape_acceleration = 0.01f;
constexpr float escape_top_speed = 2.0f;

constexpr int32_t event_hold = 389;
constexpr int32_t event_navigation = 385;
constexpr int32_t event_white_out = 417;
constexpr int32_t event_fade_in = 413;

constexpr int32_t se_docked = 58;
constexpr int32_t se_first_blast = 42;
constexpr int32_t se_blast = 43;

const float* ship_or(const float* fallback) {
    const float* ship = player_ship_position();
    return ship != nullptr ? ship : fallback;
}

} // namespace

namespace boss005 {

void leadbody_t::update() {
    const uint32_t f = g_frame_counter;
    orders_t o;
    while (run_phase(f, o)) {
    }
    if (retracting && !retract_arms()) {
        retracting = 0;
    }
    if (arms_dirty) {
        place_arms();
    }
    if (o.spread != 0) {
        fire_spread(x + spread_dx, y, o.spread);
    }
    if (o.fire) {
        fire_hands();
    }
    if (o.lasers) {
        start_lasers();
    }
    if (merged) {
        partner->set_position(x + dock_dx, y);
        if (partner_retracting && !partner->retract_arms()) {
            partner_retracting = 0;
        }
        partner->place_arms();
        if (o.partner_fire) {
            partner->fire_hands();
        }
        if (o.partner_lasers) {
            partner->start_lasers();
        }
    }
    if (bonus_score > 10 && f % 128 == 0) {
        bonus_score -= 10;
    }
    ++phase_timer;
}

bool leadbody_t::run_phase(uint32_t f, orders_t& o) {
    const uint32_t t = phase_timer;
    if (phase >= escape) {
        return run_end(t);
    }
    if (phase >= merged_start) {
        return run_stage_two(t, f, o);
    }
    return run_stage_one(t, f, o);
}

bool leadbody_t::next(int32_t p) {
    return enter_phase(phase, phase_timer, p);
}

bool leadbody_t::next_round(uint32_t limit, int32_t more, int32_t done) {
    if (++repeat < limit) {
        return next(more);
    }
    repeat = 0;
    return next(done);
}

bool leadbody_t::run_stage_one(uint32_t t, uint32_t f, orders_t& o) {
    const int32_t level = difficulty_level();
    switch (phase) {
    case 0:
        post_event(event_hold, 1);
        arm_angle = 20;
        mirror_angle = 340;
        for (hand_t* hand : hands) {
            hand->direction = 32;
            hand->pattern = 16;
        }
        bonus_score = 10000;
        invulnerable = 1;
        return next(1);
    case 1:
        return !enter_step() && next(10);
    case 10:
        if (++repeat < 9) {
            if (repeat == 6 && invulnerable) {
                invulnerable = 0;
                post_event(event_navigation, 0);
            }
            return next(20);
        }
        repeat = 0;
        return next(30);
    case 20:
    case 30:
        reposition(4);
        return next(phase + 1);
    case 21:
        if (step_ease()) {
            o.fire = o.fire || (t % 32 > 15 && t % 8 == 0);
            return false;
        }
        if (level >= 4) {
            o.spread = repeat % 2 == 0 ? 5 : 4;
        }
        return next(10);
    case 31:
        return !step_ease() && next(100);
    case 100:
        if (t % 2 == 1 || close_hands()) {
            o.fire = o.fire || (hands[0]->direction < 44 && t % 4 == 0);
            rotate_arms(300, 1);
            return false;
        }
        return next(101);
    case 101:
        if (t % 2 == 1 || open_hands()) {
            o.fire = o.fire || (hands[0]->direction < 40 && t % 5 == 0);
            rotate_arms(300, 2);
            return false;
        }
        return next(102);
    case 102:
        if (t < 40) {
            o.fire = o.fire || t % 3 == 0;
            return false;
        }
        return next(103);
    case 103:
        if (t % 2 == 0) {
            close_hands();
        }
        if (t % 2 == 1 || hands[0]->direction != hands[1]->direction) {
            o.fire = o.fire || t % 4 == 0;
            return false;
        }
        return next(150);
    case 150:
    case 250:
    case 460:
    case 550:
        reposition(4);
        retracting = 1;
        return next(phase + 1);
    case 151:
    case 251:
    case 253:
    case 461:
    case 463:
    case 511:
        if (phase == 511 ? step_glide() : step_ease()) {
            return false;
        }
        return next(phase == 151 ? 160 : phase == 253 ? 300 : phase == 463 ? 500 : phase + 1);
    case 551:
        return !step_ease() && next(10);
    case 160:
        ease_to(224, y, 4);
        return next(161);
    case 161:
        if (step_ease()) {
            return false;
        }
        retracting = 0;
        return next(200);
    case 200:
        return next_round(7, 210, 250);
    case 210:
        std::copy_n(ship_or(position()), 2, aim_point);
        return next(211);
    case 211: {
        const bool upper = hands[0]->aim_at(aim_point);
        const bool lower = hands[1]->aim_at(aim_point);
        return !upper && !lower && next(212);
    }
    case 212:
        if (t < 32) {
            o.fire = o.fire || t % 3 == 0;
            return false;
        }
        return next(213);
    case 213:
        return (t >= 8 || repeat == 6) && next(200);
    case 252:
        ease_to(192, 128, 4);
        return next(253);
    case 300:
        start_sweep();
        return next(301);
    case 301:
        if (step_sweep()) {
            if (t % 2 == 0 && t < 220) {
                rotate_arms(140, 1);
            }
            o.fire = o.fire || (t >= 64 && f % 3 == 0);
            return false;
        }
        return next(level < 2 ? 302 : 400);
    case 302:
        if (t < 40) {
            o.fire = o.fire || f % 3 == 0;
            return false;
        }
        retracting = 1;
        return next(10);
    case 400:
        ease_to(216, 128, 4);
        return next(401);
    case 401:
        if (step_ease()) {
            if (t % 2 == 0) {
                close_hands();
            }
            return false;
        }
        return next(410);
    case 410:
        return next_round(7, 450, 460);
    case 450: {
        const float ship_y = ship_or(position())[1];
        const float to_y = y < 32 ? y + 48 : y >= 224 ? y - 48 : y < ship_y ? y + 32 : y - 32;
        glide_to(x, to_y, 1.5f);
        return next(451);
    }
    case 451:
        if (step_glide()) {
            if (t % 2 == 0) {
                repeat % 2 == 0 ? close_hands() : open_hands();
            }
            o.fire = o.fire || t % 4 == 0;
            return false;
        }
        return next(410);
    case 462:
        ease_to(160, ship_or(position())[1], 4);
        return next(463);
    case 500:
        return next_round(7, 510, 550);
    case 510: {
        const float* ship = ship_or(position());
        glide_to(std::min(ship[0] + 140, 224.0f), ship[1], 2);
        return next(511);
    }
    case 512:
        if (t < 28) {
            if (t % 2 == 0) {
                close_hands();
            }
            o.fire = o.fire || t % 6 == 0;
            if (level >= 3 && (t == 11 || t == 27)) {
                o.spread = t == 11 ? 8 : 9;
            }
            return false;
        }
        return next(513);
    case 513:
        if (t < 28) {
            if (t % 2 == 0) {
                open_hands();
            }
            return false;
        }
        return next(500);
    default:
        return false;
    }
}

bool leadbody_t::run_stage_two(uint32_t t, uint32_t f, orders_t& o) {
    // Every hand of both bodies one step toward straight left; true while any turned.
    const auto all_hands_left = [this]() {
        bool turned = false;
        for (hand_t* hand : {hands[0], hands[1], partner->hands[0], partner->hands[1]}) {
            turned = hand->turn_toward(32) || turned;
        }
        return turned;
    };
    const auto pulse_chains = [this]() {
        arms[0]->pulse(true);
        arms[1]->pulse(true);
    };
    const int32_t level = difficulty_level();
    switch (phase) {
    case 1000:
        merged = 1;
        repeat = 0;
        g_soundctr.request_se(se_docked);
        return next(1001);
    case 1001:
        glide_to(x - 48, y, 2);
        start();
        pulse_chains();
        post_event(event_white_out, 1);
        post_event(event_fade_in, 1);
        return next(1002);
    case 1002:
        if (step_glide()) {
            if (t % 2 == 0 && t < 24) {
                emit_spark();
            }
            return false;
        }
        return next(1003);
    case 1003:
        ease_to(x + 48, y, 1);
        retracting = 1;
        pulse_chains();
        return next(1004);
    case 1004:
    case 1006:
    case 2011:
    case 2062:
    case 2064:
    case 2101:
    case 2103:
    case 2501:
        if (step_ease()) {
            return false;
        }
        return next(phase == 1006 ? 1500 : phase == 2103 ? 2200 : phase + 1);
    case 1005:
        reposition(4);
        invulnerable = 0;
        return next(1006);
    case 1500:
        if (++cycle < 4) {
            return next(2000);
        }
        cycle = 0;
        return next(escape);
    case 2000:
        return next_round(3, 2010, 2020);
    case 2010:
    case 2100:
        reposition(phase == 2010 ? 4 : 5);
        retracting = 1;
        partner_retracting = 1;
        return next(phase + 1);
    case 2012:
        if (t < 32) {
            o.fire = o.fire || (t % 16 > 7 && t % 3 == 0);
            o.partner_fire = o.partner_fire || t % 3 == 0;
            return false;
        }
        return next(2000);
    case 2020:
        return next_round(7, 2021, 2030);
    case 2021:
        reposition(6);
        return next(2022);
    case 2022: {
        const bool moving = step_ease();
        const bool upper = partner->hands[0]->turn_toward(32);
        const bool lower = partner->hands[1]->turn_toward(32);
        const bool arms_moved = partner->rotate_arms(100, 1);
        return !moving && !upper && !lower && !arms_moved && next(2023);
    }
    case 2023:
        if (t < 18) {
            o.fire = o.fire || t % 3 == 0;
            o.partner_fire = o.partner_fire || t % 3 == 0;
            return false;
        }
        if (level >= 5) {
            o.spread = 5;
        }
        return next(2020);
    case 2030:
    case 2050: {
        const bool own = phase == 2030 ? rotate_arms(16, 1) : rotate_arms(100, 2);
        const bool other = partner->rotate_arms(phase == 2030 ? 150 : 220, 1);
        const bool turned = all_hands_left();
        return !own && !other && !turned && next(phase == 2030 ? 2031 : 2060);
    }
    case 2031:
        return t >= 40 && next(2040);
    case 2040:
        return next_round(17, 2041, 2050);
    case 2041:
        reposition(8);
        return next(2042);
    case 2042:
        if (step_ease()) {
            o.fire = o.fire || t == 0 || t == 16;
            o.partner_fire = o.partner_fire || t == 8 || t == 24;
            return false;
        }
        return next(2043);
    case 2043:
        return t >= 4 && next(2040);
    case 2060:
        return next_round(5, 2061, 2100);
    case 2061:
    case 2063:
        reposition(6);
        return next(phase + 1);
    case 2065: {
        const float ship_y = ship_or(position())[1];
        glide_to(x + 40, ship_y <= y ? ship_y + 16 : ship_y - 16, 0.5f);
        o.lasers = true;
        o.partner_lasers = true;
        return next(2066);
    }
    case 2066:
        return t >= 40 && next(2067);
    case 2067:
    case 2068: {
        const bool going = phase == 2067 ? step_glide() : any_laser_alive();
        if (!going) {
            return next(phase == 2067 ? 2068 : 2050);
        }
        if (t % 4 == 0 && (phase == 2068 || t >= 32)) {
            rotate_arms(20, 1);
            partner->rotate_arms(260, 1);
        }
        if (phase == 2067 && level >= 4 && t % 64 == 0) {
            o.spread = 10;
        }
        return false;
    }
    case 2102:
    case 2300:
    case 2500:
        ease_to(192, 128, 4);
        if (phase == 2500) {
            retracting = 1;
            partner_retracting = 1;
        }
        return next(phase + 1);
    case 2200:
    case 2302:
        start_sweep();
        return next(phase + 1);
    case 2201:
        if (step_sweep()) {
            if (t < 220 && f % 2 == 0) {
                rotate_arms(140, 1);
            }
            o.fire = o.fire || (t >= 64 && f % 3 == 0);
            o.partner_fire = o.partner_fire || (t >= 160 && f % 3 == 0);
            if (level >= 4 && t % 32 == 0) {
                o.spread = 8;
            }
            return false;
        }
        return next(2202);
    case 2202:
        if (t < 40) {
            o.fire = o.fire || f % 3 == 0;
            o.partner_fire = o.partner_fire || f % 3 == 0;
            return false;
        }
        return next(2300);
    case 2301: {
        bool moved = step_ease();
        moved = rotate_arms(20, 1) || moved;
        moved = hands[0]->turn_toward(29) || moved;
        moved = hands[1]->turn_toward(35) || moved;
        moved = partner->rotate_arms(160, 1) || moved;
        moved = partner->hands[0]->turn_toward(32) || moved;
        moved = partner->hands[1]->turn_toward(32) || moved;
        return !moved && next(2302);
    }
    case 2303:
        if (step_sweep()) {
            o.fire = o.fire || (t > 15 && t % 3 == 0);
            if (t % 64 > 15) {
                if (t % 8 == 0) {
                    std::copy_n(ship_or(position()), 2, aim_point);
                }
                partner->hands[0]->aim_at(aim_point);
                partner->hands[1]->aim_at(aim_point);
                o.partner_fire = o.partner_fire || t % 8 == 0;
            }
            return false;
        }
        return next(2400);
    case 2400: {
        bool moved = rotate_arms(180, 4);
        moved = partner->rotate_arms(80, 1) || moved;
        moved = hands[0]->turn_toward(32) || moved;
        moved = hands[1]->turn_toward(32) || moved;
        return !moved && next(2410);
    }
    case 2410:
        return next_round(5, 2411, 2500);
    case 2411:
    case 2413:
        reposition(4);
        return next(phase + 1);
    case 2412:
    case 2414: {
        const bool lead_fires = phase == 2412;
        bool moved = step_ease();
        if (t % 4 == 0) {
            (lead_fires ? o.fire : o.partner_fire) = true;
        }
        if (t % 2 == 1) {
            return false;
        }
        moved = (lead_fires ? open_hands() : close_hands()) || moved;
        moved = (lead_fires ? partner->close_hands() : partner->open_hands()) || moved;
        return !moved && next(lead_fires ? 2413 : 2410);
    }
    case 2502:
        return !retracting && !partner_retracting && next(1500);
    default:
        return false;
    }
}

bool leadbody_t::any_laser_alive() {
    for (hand_t* hand : {hands[0], hands[1], partner->hands[0], partner->hands[1]}) {
        if (hand->laser->alive) {
            return true;
        }
    }
    return false;
}

bool leadbody_t::run_end(uint32_t t) {
    switch (phase) {
    case escape:
        invulnerable = 1;
        escape_speed = 0;
        retracting = 1;
        partner_retracting = 1;
        return enter_phase(phase, phase_timer, escape + 1);
    case escape + 1:
        if (t == 64) {
            post_event(event_hold, 0);
        }
        set_position(x - escape_speed, y);
        escape_speed = std::min(escape_speed + escape_acceleration, escape_top_speed);
        return false;
    case death_sequence:
        glide_to(x + 32, y, 4);
        post_event(event_hold, 0);
        retracting = 0;
        partner_retracting = 0;
        stop_lasers();
        partner->stop_lasers();
        return enter_phase(phase, phase_timer, death_sequence + 1);
    case death_sequence + 1:
        step_glide();
        if (t >= death_frames) {
            body_t::damage(death_blow);
            return false;
        }
        if (t % 8 == 0) {
            explosion_t* blast = start_next_entry(death_explosions, x, y);
            if (blast != nullptr) {
                g_soundctr.request_se(t == 0 ? se_first_blast : se_blast);
                if (difficulty_level() >= 3) {
                    fire_aimed_bullet(blast->position());
                }
            }
        }
        return false;
    default:
        return false;
    }
}

} // namespace boss005
