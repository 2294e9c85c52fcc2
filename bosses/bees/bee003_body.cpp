// Bee003's phase script: the entrance, the attack cycle with its eased moves and hover, the leave and the
// death sequence, and the section it holds meanwhile.
#include "bosses/bees/bee002.h"
#include "bosses/bees/bee003.h"

#include "objects/coordinate.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "player/smoke.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float home_x = 208;
constexpr float home_y = 128;
constexpr int32_t dying_hp = 500;
constexpr int32_t cycles = 5;
constexpr int32_t leaving = 1000;
constexpr int32_t dying = 5000;
constexpr float hover_size = 32;
constexpr int32_t hover_step = 2;
constexpr float tail_dy = 28;
constexpr float leave_x = 320;
constexpr float drift_bottom = 200;
constexpr float drift_left = 32;
constexpr int32_t bonus_frames = 6000;
constexpr int32_t escort_leave = 100;

constexpr int32_t event_navigation = 385;
constexpr int32_t event_415 = 415;
constexpr int32_t event_371 = 371;
constexpr int32_t event_413 = 413;

constexpr int32_t se_entry = 56;
constexpr int32_t se_ring = 40;
constexpr int32_t se_reflecting = 49;
constexpr int32_t se_escort = 11;
constexpr int32_t se_fan = 50;
constexpr int32_t se_tail = 16;
constexpr int32_t se_dying = 57;
constexpr int32_t se_hit = 47;
constexpr int32_t se_killed = 46;

// The reflecting lasers of phases 101, 104, .. 128: the base direction and the turn toward the ship.
struct laser_shot_t {
    int32_t base;
    int32_t turn;
};
constexpr laser_shot_t laser_series[10] = {{16, -8}, {48, 8},  {16, -6}, {48, 6},  {16, -4},
                                           {48, 4},  {16, -2}, {48, 2},  {16, -2}, {48, 2}};

// Where the three escorts appear, from the body.
constexpr float escort_dx[3] = {-48, -32, -32};
constexpr float escort_dy[3] = {0, -48, 48};

} // namespace

namespace bee003 {

void body_t::update() {
    if (phase < dying && hp < dying_hp) {
        phase = dying;
        phase_timer = 0;
    } else if (phase < leaving && loop_count >= cycles) {
        phase = leaving;
        phase_timer = 0;
    }
    bool hovers = false;
    if (run_phase(hovers)) {
        return;
    }
    ++phase_timer;
    ++frame_count;
    if (hovers) {
        hover();
    }
}

bool body_t::next(int32_t phase_after) {
    phase = phase_after;
    phase_timer = 0;
    return true;
}

bool body_t::run_phase(bool& hovers) {
    const uint32_t t = phase_timer;
    const int32_t level = difficulty_level();
    const float* ship = ship_or_self();
    hovers = true;
    switch (phase) {
    case 0:
        if ((g_section_repeat & 1) == 0) {
            g_section_repeat = 1;
            g_repeat_count = 0;
        }
        set_position(0, 300);
        return next(1);
    case 1:
        hovers = false;
        if (t == 0) {
            g_soundctr.request_se(se_entry);
        }
        return !move_home(3) && next(50);
    case 50:
    case 100:
        if (phase == 50 && t == 256) {
            post_event(event_navigation, 0);
        }
        if (t % 16 == 0) {
            ball_ring();
        }
        return t > (phase == 50 ? 255u : 511u) && next(101);
    case 130:
        return t > 159 && next(150);
    case 150:
    case 800:
        if (t == 0) {
            launch_escort(0, escort_dx[0], escort_dy[0]);
        }
        return t > (phase == 150 ? 31u : 23u) && next(phase + 1);
    case 151:
    case 801:
        if (t == 0) {
            launch_escort(1, escort_dx[1], escort_dy[1]);
        }
        return t > 15 && next(phase + 1);
    case 152:
    case 802:
        if (t == 0) {
            launch_escort(2, escort_dx[2], escort_dy[2]);
        }
        return t > 15 && next(phase == 152 ? 160 : 850);
    case 160:
    case 850:
        if ((phase == 850 || level >= 2) && t % 4 == 0) {
            aimed_ball(direction_to(position(), ship));
        }
        if (t > 2047 || !escorts_fighting()) {
            send_escorts_away();
            return next(phase == 160 ? 170 : 851);
        }
        return false;
    case 170:
        return t > 95 && next(200);
    case 200:
        if (t % 32 == 0) {
            bigball_fan();
        }
        return t >= 64 * uint32_t(level + 1) && next(201);
    case 201:
        return t > 159 && next(300);
    case 400:
        hovers = false;
        return !move_home(4) && next(500);
    case 500:
    case 501:
        hovers = false;
        if (t % 4 == 0 && pattern > 0) {
            --pattern;
        }
        return phase == 500 ? !move_by(64, -32, 3) && next(501) : t > 15 && next(502);
    case 502:
        hovers = false;
        return !dash() && next(503);
    case 503:
        hovers = false;
        return t > 7 && next(600);
    case 600:
        hovers = false;
        if (t % 8 == 0) {
            pattern = pattern - 1 >= 4 ? pattern - 1 : 3;
        }
        return !move_home(2) && next(601);
    case 601:
        return t > 31 && next(700);
    case 700:
        if (t % 4 == 0) {
            const int32_t d = direction_to(position(), ship);
            aimed_ball((t % 12 == 0 ? d + 2 : t % 8 == 0 ? d - 2 : d) & 63);
        }
        if (t > 255) {
            hover(); // this phase hovers on its last frame too
            return next(level == 1 ? 851 : 800);
        }
        return false;
    case 851:
        if (t > 79) {
            ++loop_count;
            return next(100);
        }
        return false;
    case leaving:
        hovers = false;
        set_position(x + 0.2f, y);
        if (x >= leave_x) {
            if (g_section_repeat & 1) {
                g_section_repeat |= 2;
            }
            return next(leaving + 1);
        }
        return false;
    case dying:
    case dying + 1:
        hovers = false;
        return run_death();
    default:
        if (phase > 100 && phase < 130) {
            return run_laser_series(hovers);
        }
        hovers = false;
        if (phase >= 300 && phase <= 311) {
            return run_tail_series();
        }
        return false;
    }
}

bool body_t::run_laser_series(bool& hovers) {
    const uint32_t t = phase_timer;
    const int32_t step = (phase - 101) % 3;
    hovers = step == 2;
    if (step == 0) {
        const laser_shot_t& shot = laser_series[(phase - 101) / 3];
        const bool ship_ahead = x < ship_or_self()[0];
        reflecting_laser(shot.base + (ship_ahead ? shot.turn : -shot.turn));
        return next(phase + 1);
    }
    if (step == 1) {
        g_soundctr.request_se(se_reflecting);
        return t > 31 && next(phase + 1);
    }
    if (t <= 15) {
        return false;
    }
    const int32_t level = difficulty_level();
    if ((phase == 112 && level == 1) || (phase == 118 && level <= 2)) {
        return next(130);
    }
    return next(phase + 1);
}

bool body_t::run_tail_series() {
    const uint32_t t = phase_timer;
    if (phase % 2 == 1) {
        if (t == 0) {
            tail_laser();
        }
        if (ease_out(32, 0, 10)) {
            return false;
        }
        return next(phase == 311 || (phase == 307 && difficulty_level() == 1) ? 400 : phase + 1);
    }
    if (t % 4 == 0 && pattern < 7) {
        ++pattern;
    }
    const float dx = phase == 300 ? 0 : -32;
    const float dy = ship_or_self()[1] - y - tail_dy;
    return !move_by(dx, dy, phase == 300 ? 8 : 6) && next(phase + 1);
}

bool body_t::run_death() {
    const uint32_t t = phase_timer;
    if (phase == dying) {
        if (t == 0) {
            g_soundctr.request_se(se_dying);
            pattern = 7;
            recoil_speed = 3;
            for (bee002::body_t* escort : escorts) {
                if (escort != nullptr && escort->alive) {
                    escort->kill();
                }
            }
        }
        if (t % 8 == 0) {
            smoke();
        }
        if (t % 4 == 0) {
            spawn_sparks(position(), 2);
        }
        if (recoil_speed > 0) {
            set_position(x + recoil_speed, y);
            recoil_speed = std::max(recoil_speed - 0.1f, 0.0f);
        }
        return recoil_speed <= 0 && next(dying + 1);
    }
    if (t < 512 && !move_home(1)) {
        set_position(std::max(x - 0.3f, drift_left), std::min(y + 0.1f, drift_bottom));
    }
    if (t % 8 == 0) {
        smoke();
    }
    death_explosion();
    if (t == 432) {
        post_event(event_415, 3);
    }
    if (t >= 512) {
        enemy_t::damage(9999);
        post_event(event_371, -3);
        post_event(event_413, 3);
        return true;
    }
    return false;
}

void body_t::death_explosion() {
    const uint32_t t = phase_timer;
    const uint32_t n = std::max<uint32_t>(32 - std::min<uint32_t>(t / 8, 32), 6);
    if (t % n != 0 || explosions.entries.empty()) {
        return;
    }
    const size_t i = size_t(explosions.next) % explosions.entries.size();
    const mul_explosion_t::data_t& entry = explosions.entries[i];
    if (entry.explosion->alive) {
        return;
    }
    entry.explosion->set_position(float(entry.dx + pixel_coordinate(x)),
                                  float(entry.dy + pixel_coordinate(y - 8)));
    entry.explosion->start();
    explosions.next = int32_t((i + 1) % explosions.entries.size());
    if (difficulty_level() >= 3) {
        fire_aimed_bullet(entry.explosion->position());
    }
}

void body_t::hover() {
    const float old_y = y;
    set_position(x, hover_base_y + hover_size * sin_table_deg[hover_angle]);
    hover_angle = (hover_angle + hover_step) % 360;
    if (g_frame_counter % 8 == 0) {
        if (y < old_y && pattern < 3) {
            ++pattern;
        } else if (y > old_y && pattern > 0) {
            --pattern;
        }
    }
}

void body_t::set_up_move(float target_x, float target_y, float span_x, float span_y, float angle,
                         float step) {
    move_start_x = x;
    move_start_y = y;
    move_target_x = target_x;
    move_target_y = target_y;
    move_span_x = span_x;
    move_span_y = span_y;
    move_angle = angle;
    move_step = step;
    arrived = 0;
}

bool body_t::step_move(bool eased_out) {
    if (move_angle > 360) {
        arrived = 1;
        return false;
    }
    const float c = cos_deg(move_angle);
    move_angle += move_step;
    if (eased_out) {
        set_position(move_start_x + move_span_x * c, move_start_y + move_span_y * c);
    } else {
        set_position(move_start_x + move_span_x + move_span_x * c,
                     move_start_y + move_span_y + move_span_y * c);
    }
    return true;
}

bool body_t::move_home(float step) {
    if (phase_timer == 0) {
        set_up_move(home_x, home_y, (home_x - x) / 2, (home_y - y) / 2, 180, step);
    }
    if (!step_move(false)) {
        return false;
    }
    hover_base_y = y;
    hover_angle = 0;
    return true;
}

bool body_t::move_by(float dx, float dy, float step) {
    if (phase_timer == 0) {
        set_up_move(x + dx, y + dy, dx / 2, dy / 2, 180, step);
    }
    return step_move(false);
}

bool body_t::ease_out(float dx, float dy, float step) {
    if (phase_timer == 0) {
        set_up_move(x + dx, y + dy, dx, dy, 270, step);
    }
    return step_move(true);
}

bool body_t::dash() {
    if (phase_timer == 0) {
        const float* ship = ship_or_self();
        set_up_move(ship[0], ship[1], (ship[0] - x) / 2, (ship[1] - y) / 2, 180, 3);
    }
    if (phase_timer % 3 == 0 && pattern < 7) {
        ++pattern;
    }
    return step_move(false);
}

void body_t::ball_ring() {
    int32_t d = 0;
    for (size_t i = next_idle(balls, 0); i < balls.size() && d < 64; i = next_idle(balls, i + 1)) {
        balls[i]->set_position(x, y);
        balls[i]->direction = d;
        balls[i]->start();
        d += 4;
    }
    g_soundctr.request_se(se_ring);
}

void body_t::aimed_ball(int32_t direction) {
    const size_t i = next_idle(balls, 0);
    if (i < balls.size()) {
        balls[i]->set_position(x, y);
        balls[i]->direction = direction;
        balls[i]->start();
    }
}

void body_t::reflecting_laser(int32_t direction) {
    const size_t i = next_idle(reflex_lasers, 0);
    if (i < reflex_lasers.size()) {
        launch(reflex_lasers[i], x, y, direction & 63, 2.5f);
    }
}

void body_t::bigball_fan() {
    const int32_t d = direction_to(position(), ship_or_self());
    int32_t k = 0;
    for (size_t i = next_idle(bigballs, 0); i < bigballs.size() && k < 5; i = next_idle(bigballs, i + 1)) {
        launch(bigballs[i], x, y, (d - 4 + 2 * k) & 63, 1.5f);
        ++k;
    }
    g_soundctr.request_se(se_fan);
}

void body_t::tail_laser() {
    const size_t i = next_idle(tail_lasers, 0);
    if (i < tail_lasers.size()) {
        tail_laser_t* first = tail_lasers[i];
        first->set_position(x - 20, y + 30);
        first->speed = 2.0f + 0.2f * float(difficulty_level() - 1);
        first->start();
    }
    g_soundctr.request_se(se_tail);
}

void body_t::smoke() {
    for (smoke_t* puff : smokes) {
        if (!puff->alive) {
            puff->set_position(x, y);
            puff->speed = 1;
            puff->period = 3;
            puff->direction = 28 + rng::rand() / 3641;
            puff->vx = cos_table[puff->direction];
            puff->vy = -sin_table[puff->direction];
            puff->start();
            return;
        }
    }
}

void body_t::launch_escort(int32_t index, float dx, float dy) {
    bee002::body_t* escort = escorts[index];
    if (escort != nullptr) {
        escort->set_position(x + dx, y + dy);
        escort->start();
    }
    g_soundctr.request_se(se_escort);
}

bool body_t::escorts_fighting() {
    return std::any_of(std::begin(escorts), std::end(escorts),
                       [](const bee002::body_t* escort) { return escort != nullptr && escort->alive; });
}

void body_t::send_escorts_away() {
    for (bee002::body_t* escort : escorts) {
        if (escort != nullptr && escort->alive) {
            escort->state = escort_leave;
            escort->timer = 0;
        }
    }
}

const float* body_t::ship_or_self() {
    const float* ship = player_ship_position();
    return ship != nullptr ? ship : position();
}

void body_t::move_y(int32_t d) {
    y += float(d);
    hover_base_y += float(d);
}

void body_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    hover_base_y = wrapped_y(hover_base_y, d);
}

void body_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    wing->set_position(new_x + 24, new_y - 32);
}

void body_t::get_rect(plat::rect_t& out) {
    const int32_t w = info->width;
    const int32_t h = info->height;
    out.left = pixel_coordinate(x - float(w >> 1)) + 8;
    out.top = pixel_coordinate(y - float(h >> 1)) - 8;
    out.right = out.left + w;
    out.bottom = out.top + h;
}

void body_t::kill() {
    piveter_t::kill();
    wing->kill();
    g_soundctr.request_se(se_killed);
    if (g_section_repeat & 1) {
        g_section_repeat |= 2;
    }
}

void body_t::damage(int32_t n) {
    if (phase <= 50 || phase >= leaving) {
        return;
    }
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
}

int32_t body_t::bonus() {
    return 10 * int32_t(std::max<int64_t>(int64_t(bonus_frames) - int64_t(frame_count), 0));
}

} // namespace bee003
