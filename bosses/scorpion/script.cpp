// The scorpion chest's script: approach behind its escorts, the claw attacks, the jaw, aimed and
// sweeping stabs of the sting, the jump, the tail strikes, the walk back, the retreat, and the death
// that follows the head's.
#include "bosses/scorpion/chest.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t event_hold = 389;
constexpr int32_t event_quake = 371;
constexpr uint32_t escort_patience = 3072;
constexpr float arrive_x = 180;
constexpr float jump_end_x = 128;
constexpr int32_t passes = 5;
constexpr uint32_t claw_attacks = 7;
constexpr uint32_t aimed_shots = 25;
constexpr uint32_t sweeps = 5;
constexpr uint32_t triple_stabs = 7;
constexpr uint32_t tail_strikes = 7;
constexpr int32_t se_strike = 79;
constexpr int32_t se_thud = 90;
constexpr int32_t se_destroyed = 71;
constexpr int32_t idle_phase = -1;
constexpr int32_t death = 50000;

// Sting commands.
enum : int32_t {
    idle_command = 1,
    follow_tail = 200,
    turn_to_aim = 500,
    fan1 = 5101,
    fan2 = 5102,
    fan3 = 5103,
    bolt = 5200,
    homer_low = 5300,
    homer_high = 5301,
    balls = 5500,
};

// The strike for an aim: up to 28 the first row, then one per direction, two for 29-30 and 39-40.
int32_t strike_for(int32_t aim) {
    if (aim <= 28) {
        return 1000;
    }
    if (aim <= 30) {
        return 1050;
    }
    if (aim <= 38) {
        return 1100 + 50 * (aim - 31);
    }
    return aim <= 40 ? 1500 : 1550;
}

// How far direction v lies from the aim, counter-clockwise positive, -32..31: the sweeps measure it this
// way so that an aim next to direction 0 ends its sweep like any other.
int32_t past_aim(int32_t v, int32_t aim) {
    return wrap64(v - aim + 32) - 32;
}

} // namespace

namespace scorpion001 {

const int32_t tail_poses[14][9] = {
    {4, 8, 10, 12, 13, 24, 32, 40, 48},   {2, 5, 6, 9, 5, 16, 24, 32, 38},
    {10, 16, 20, 26, 26, 28, 28, 28, 28}, {12, 16, 22, 26, 27, 28, 29, 30, 30},
    {12, 16, 22, 26, 28, 29, 30, 31, 31}, {12, 16, 22, 26, 29, 31, 32, 32, 32},
    {12, 18, 22, 28, 30, 32, 32, 33, 33}, {12, 19, 24, 29, 31, 33, 33, 33, 33},
    {12, 19, 24, 29, 32, 33, 34, 35, 35}, {12, 19, 24, 30, 32, 34, 36, 37, 37},
    {12, 19, 24, 30, 33, 35, 37, 38, 39}, {12, 19, 24, 30, 33, 36, 38, 40, 41},
    {14, 18, 24, 30, 34, 38, 40, 42, 44}, {14, 18, 24, 30, 34, 38, 42, 44, 48},
};

void chest_t::update() {
    run_phase();
    place_parts();
    ++phase_frame;
}

void chest_t::go(int32_t next) {
    phase = next;
    phase_frame = 0;
    run_phase();
}

void chest_t::sting_command(int32_t command) {
    sting->set_state(command);
}

bool chest_t::sting_idle() const {
    return sting->state == idle_command;
}

int32_t chest_t::aim_from_sting() {
    const float* ship = player_ship_position();
    return ship != nullptr ? direction_to(sting->position(), ship) : aim;
}

void chest_t::set_hand(int32_t p) {
    hand->phase = p;
    hand->phase_frame = 0;
}

void chest_t::set_head(int32_t p) {
    head->phase = p;
    head->phase_frame = 0;
}

void chest_t::puff_at_sting() {
    sting->emit_smoke(sting->x, sting->y, 16);
}

void chest_t::run_phase() {
    const int32_t level = difficulty_level();
    const bool even = attack_count % 2 == 0;
    const uint32_t f = phase_frame;
    switch (phase) {
    case 0:
        post_event(event_hold, 1);
        assemble();
        go(20);
        break;
    case 20: {
        bool alive_escort = false;
        for (enemy_t* escort : escorts) {
            if (escort != nullptr && escort->alive) {
                if (f >= escort_patience) {
                    escort->kill();
                } else {
                    alive_escort = true;
                }
            }
        }
        if (!alive_escort) {
            go(50);
        }
        break;
    }
    case 50:
        walk(1, 0.5f);
        step_feet(1, 1.2f);
        if (x <= arrive_x) {
            post_event(405, 0);
            post_event(409, 0);
            post_event(410, 0);
            go(51);
        }
        break;
    case 51:
        if (!step_feet(2, 1.0f)) {
            go(100);
        }
        break;
    case 100:
        if (++pass_count < passes) {
            go(4000);
        } else {
            pass_count = 0;
            go(60000);
        }
        break;

    case 4000:
        if (++attack_count < claw_attacks) {
            go(4001);
        } else {
            attack_count = 0;
            go(4100);
        }
        break;
    case 4001:
        go(4010);
        break;
    case 4010:
        set_hand(even ? 200 : 210);
        arm->start_pulse(true);
        go(4011);
        break;
    case 4011:
        if (hand->phase == 1) {
            set_hand(even ? 250 : 251);
            go(4012);
        }
        break;
    case 4012:
        if (f >= 32) {
            if (level >= 2) {
                sting_command(even ? homer_low : homer_high);
            }
            go(4000);
        }
        break;
    case 4100:
        set_hand(100);
        go(4101);
        break;
    case 4101:
        if (hand->phase == 0) {
            go(2000);
        }
        break;

    case 2000:
        set_head(200);
        set_hand(300);
        sting->aim = 36;
        sting_command(turn_to_aim);
        go(2001);
        break;
    case 2001:
        if (head->phase == 100) {
            set_hand(100);
            go(3000);
        }
        break;
    case 3000:
        if (++attack_count < aimed_shots) {
            go(3100);
        } else {
            attack_count = 0;
            go(3200);
        }
        break;
    case 3100: {
        constexpr int32_t spread[4] = {0, -3, 0, 3};
        aim = aim_from_sting();
        sting->aim = wrap64(aim + spread[(attack_count - 1) % 4]);
        sting_command(turn_to_aim);
        go(3101);
        break;
    }
    case 3101:
        if (sting_idle()) {
            go(3102);
        }
        break;
    case 3102:
        sting_command(fan3);
        go(3103);
        break;
    case 3103:
        if (f >= 12) {
            go(3000);
        }
        break;
    case 3200:
        if (f >= 32) {
            go(5000);
        }
        break;

    case 5000:
        go(5050);
        break;
    case 5050:
        if (++attack_count < sweeps) {
            go(5100);
        } else {
            attack_count = 0;
            go(5500);
        }
        break;
    case 5100:
    case 5200:
        aim = aim_from_sting();
        go(phase + 1);
        break;
    case 5101: {
        const int32_t v = wrap64(sting->aim - 2);
        if (past_aim(v, aim) > -8) {
            sting->aim = v;
            sting_command(turn_to_aim);
            go(5102);
        } else {
            go(5200);
        }
        break;
    }
    case 5201: {
        const int32_t v = wrap64(sting->aim + 3);
        if (past_aim(v, aim) < 8) {
            sting->aim = v;
            sting_command(turn_to_aim);
            go(5202);
        } else {
            go(5050);
        }
        break;
    }
    case 5102:
    case 5202:
    case 5611:
    case 5621:
    case 5631:
        if (sting_idle()) {
            sting->set_flashing(true);
            go(phase + 1);
        }
        break;
    case 5103:
    case 5203:
        if (f <= 8) {
            sting_command(bolt);
        } else if (f == 9) {
            if (phase == 5203 && level >= 2) {
                sting_command(level >= 4 ? fan2 : fan1);
            }
        } else {
            sting->set_flashing(false);
            go(phase == 5103 ? 5100 : 5200);
        }
        break;
    case 5500:
        if (f >= 64) {
            go(5600);
        }
        break;

    case 5600:
        if (++attack_count < triple_stabs) {
            go(5605);
        } else {
            attack_count = 0;
            go(5700);
        }
        break;
    case 5605:
        if (f == 0 && even && level >= 2) {
            sting_command(attack_count % 4 == 0 ? homer_high : homer_low);
        }
        if (f >= 8) {
            go(5610);
        }
        break;
    case 5610:
        aim = aim_from_sting();
        sting->aim = wrap64(aim - 1);
        sting_command(turn_to_aim);
        go(5611);
        break;
    case 5612:
    case 5622:
    case 5632:
        if (f <= 7) {
            sting_command(bolt);
        } else {
            sting->set_flashing(false);
            go(phase == 5612 ? 5620 : phase == 5622 ? 5630 : 5600);
        }
        break;
    case 5620:
    case 5630:
        sting->aim = wrap64(phase == 5620 ? aim + 1 : aim);
        sting_command(turn_to_aim);
        go(phase + 1);
        break;
    case 5700:
        if (f >= 32) {
            go(7000);
        }
        break;

    case 7000:
        if (f < 64) {
            x += 0.1f;
            y += 0.2f;
        } else {
            go(7001);
        }
        break;
    case 7001:
        start_jump();
        head->invulnerable = 1;
        go(7002);
        break;
    case 7002:
        if (!step_jump()) {
            g_soundctr.request_se(se_thud);
            post_event(event_quake, 6);
            go(7003);
        }
        break;
    case 7003:
        if (f < 12) {
            x -= 0.5f;
            y += 2.0f;
        } else {
            head->invulnerable = 0;
            go(7100);
        }
        break;
    case 7100:
    case 6001:
        sting->aim = phase == 7100 ? 32 : 36;
        sting_command(turn_to_aim);
        go(phase + 1);
        break;
    case 7101:
        if (sting_idle()) {
            go(7200);
        }
        break;
    case 7200:
        if (x < jump_end_x) {
            walk(3, 0.3f);
            step_feet(3, 1.0f);
            if (f == 96) {
                sting_command(balls);
            }
        } else {
            go(7201);
        }
        break;
    case 7201:
        if (!step_feet(4, 2.0f)) {
            go(level == 1 ? 6000 : 500);
        }
        break;

    case 500:
        if (++attack_count < tail_strikes) {
            sting_command(follow_tail);
            sting->set_flashing(attack_count != 1);
            go(attack_count == 1 ? 501 : 503);
        } else {
            attack_count = 0;
            sting->set_flashing(false);
            go(6000);
        }
        break;
    case 501:
        if (f < 64) {
            walk(3, 0.3f);
            step_feet(3, 1.0f);
        } else {
            go(502);
        }
        break;
    case 502:
        if (!step_feet(4, 1.0f)) {
            sting->set_flashing(true);
            go(503);
        }
        break;
    case 503:
        if (f == 24) {
            const float from[2] = {x + 4, y - 64};
            if (const float* ship = player_ship_position()) {
                aim = direction_to(from, ship);
            }
        }
        if (f % (attack_count == 1 ? 8 : 4) == 0 && !turn_tail(pose_aim, 1)) {
            g_soundctr.request_se(se_strike);
            go(strike_for(aim));
        }
        break;
    case 1000:
    case 1050:
    case 1100:
    case 1150:
    case 1200:
    case 1250:
    case 1300:
    case 1350:
    case 1400:
    case 1450:
    case 1500:
    case 1550: {
        const int32_t fast = phase >= 1500 ? 3 : 2;
        if (!turn_tail(pose_strikes + (phase - 1000) / 50, f < 8 ? 1 : fast)) {
            if (phase >= 1500) {
                g_soundctr.request_se(se_thud);
                post_event(event_quake, 3);
                puff_at_sting();
            }
            go(phase + 1);
        }
        break;
    }
    case 1001:
    case 1051:
    case 1101:
    case 1151:
    case 1201:
    case 1251:
    case 1301:
    case 1351:
    case 1401:
    case 1451:
        if (!turn_tail(pose_rest, 1)) {
            go(500);
        }
        break;
    case 1501:
    case 1551:
        if (f >= 8) {
            go(phase + 1);
        }
        break;
    case 1502:
    case 1552: {
        const uint32_t last_quake = phase == 1502 ? 8 : 10;
        if (f == last_quake) {
            post_event(event_quake, 3);
        }
        if (f == 1 || f == 8 || f == last_quake) {
            puff_at_sting();
        }
        if ((f == 1 || f == 8 || f >= last_quake) && !turn_tail(pose_rest, 1)) {
            go(500);
        }
        break;
    }

    case 6000:
    case 6020:
        if (f >= 32) {
            go(phase == 6000 ? 6001 : 100);
        }
        break;
    case 6002:
        if (sting_idle()) {
            go(6015);
        }
        break;
    case 6015:
        if (x < arrive_x) {
            walk(3, 0.2f);
            step_feet(3, 1.0f);
        } else {
            go(6016);
        }
        break;
    case 6016:
        if (!step_feet(4, 1.0f)) {
            go(6020);
        }
        break;

    case 60000:
        if (f == 0) {
            set_head(300);
        }
        if (f == 32) {
            post_event(event_hold, 0);
        }
        if (f >= 128) {
            walk(1, 0.125f);
            step_feet(1, 0.4f);
        }
        break;

    case death:
        set_hand(1);
        sting->set_flashing(false);
        sting_command(idle_command);
        fall = {0, x, y, x + 40, y - 12, 40, -12, 270.0f, 3.0f};
        go(50001);
        break;
    case 50001:
        if (fall.angle <= 360) {
            const float c = cos_deg(fall.angle);
            fall.angle += fall.step;
            x = fall.x0 + fall.dx * c;
            y = fall.y0 + fall.dy * c;
            if (f >= 18) {
                step_feet(3, 1.2f);
            }
        } else {
            fall.done = 1;
            go(50002);
        }
        break;
    case 50002:
        if (f < 128) {
            step_feet(4, 1.0f);
        } else {
            go(50003);
        }
        break;
    case 50003:
        if (f >= 374) {
            go(50004);
            break;
        }
        explode_step();
        if (f == 32) {
            set_hand(400);
        } else if (f == 80) {
            post_event(event_hold, 0);
        } else if (f == 256) {
            blend = 192;
            tail->kill();
            arm->kill();
        } else if (f == 260) {
            for (leg_t* leg : legs) {
                leg->kill();
            }
        }
        break;
    case 50004:
        piveter_t::kill();
        post_event(event_quake, 5);
        g_soundctr.request_se(se_destroyed);
        phase = idle_phase;
        break;
    default:
        break;
    }
}

} // namespace scorpion001
