// Midboss003's script: arrival, braking, alignment of its flames, 288 frames of ball fans and lasers,
// then the engines blink on and it leaves to the left; its ring burst when destroyed.
#include "bosses/midboss003/midboss003.h"

#include "enemies/damage_tail.h"
#include "enemies/jet.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t se_arrival = 29;
constexpr int32_t se_fan = 23;
constexpr int32_t se_attack_over = 10;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 1;
constexpr int32_t burst_level = 3;
constexpr int32_t laser_level = 5;
constexpr int32_t five_ball_level = 4;
constexpr uint32_t attack_frames = 288;
constexpr uint32_t no_animation = 32;
constexpr float arrival_x = 280;
constexpr float gone_x = -32;
constexpr float crawl = 0.2f;
constexpr float top_speed = 2.0f;

enum : int32_t {
    hide_jets = 0,
    arrive = 1,
    brake = 2,
    align = 3,
    attack = 50,
    ignite = 60,
    leave = 61,
};

} // namespace

namespace midboss003 {

body_t::body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
    balls.reserve(32);
    lasers.reserve(4);
    ring_shots.reserve(32);
    pattern = rng::rand() / 4096;
}

void body_t::update() {
    int32_t fan = 0;
    bool laser_pair = false;
    bool gone = false;
    uint32_t divisor = 1;
    while (run_state(fan, laser_pair, gone, divisor)) {
        fan = 0;
        laser_pair = false;
        divisor = 1;
    }
    if (gone) {
        return;
    }
    set_position(x - speed, y);
    if (upper_jet != nullptr && lower_jet != nullptr && upper_jet->alive && lower_jet->alive) {
        const float c = 12 * cos_table_deg[int32_t(float(pattern) * 5.625f)];
        upper_jet->set_position(x + 28, y - c);
        lower_jet->set_position(x + 28, y + c);
    }
    if (fan > 0) {
        fire_balls(fan);
    }
    if (laser_pair) {
        fire_lasers();
    }
    if (divisor < no_animation && g_frame_counter % divisor == 0) {
        pattern = (pattern + 1) & 63;
    }
    ++timer;
}

bool body_t::run_state(int32_t& fan, bool& laser_pair, bool& gone, uint32_t& divisor) {
    const int32_t before = state;
    switch (state) {
    case hide_jets:
        set_jets(false);
        state = arrive;
        break;
    case arrive:
        if (x >= arrival_x) {
            speed = top_speed;
        } else {
            g_soundctr.request_se(se_arrival);
            state = brake;
        }
        break;
    case brake:
        divisor = 2;
        speed -= 0.05f;
        if (speed <= crawl) {
            speed = crawl;
            state = align;
        }
        break;
    case align:
        divisor = pattern < 56 ? 2 : 3;
        if (pattern == 0) {
            state = attack;
        }
        break;
    case attack: {
        divisor = no_animation;
        if (timer >= attack_frames) {
            g_soundctr.request_se(se_attack_over);
            state = ignite;
            break;
        }
        const uint32_t interval = uint32_t(std::clamp((8 - difficulty_level()) * 16, 32, 64));
        if (timer % interval == 0) {
            fan = timer % (2 * interval) == 0 ? 4 : difficulty_level() < five_ball_level ? 3 : 5;
        }
        laser_pair = difficulty_level() >= laser_level && timer % 64 == 0;
        break;
    }
    case ignite:
        divisor = 3;
        speed += 0.03f;
        if (timer >= 16 && timer < 32) {
            set_jets(timer % 4 < 2);
        } else if (timer == 32) {
            set_jets(true);
        }
        if (speed >= top_speed) {
            speed = top_speed;
            state = leave;
        }
        break;
    case leave:
        divisor = 2;
        if (x < gone_x) {
            alive = 0;
            hp = 0;
            for (jet_t* jet : {upper_jet, lower_jet}) {
                if (jet != nullptr) {
                    jet->alive = 0;
                    jet->hp = 0;
                }
            }
            gone = true;
        }
        break;
    default:
        break;
    }
    if (state != before) {
        timer = 0;
        return true;
    }
    return false;
}

void body_t::set_jets(bool lit) {
    for (jet_t* jet : {upper_jet, lower_jet}) {
        if (jet == nullptr) {
            continue;
        }
        if (lit) {
            jet->start();
        } else {
            jet->kill();
        }
    }
}

void body_t::fire_balls(int32_t n) {
    const float* ship = player_ship_position();
    const bool ship_behind = ship != nullptr && ship[0] > x;
    const int32_t base = ship_behind ? 0 : 32;
    size_t i = 0;
    for (int32_t k = 0; k < n; ++k) {
        i = next_idle(balls, i);
        if (i == balls.size()) {
            break;
        }
        if (muzzle != nullptr) {
            muzzle->set_position(x - 20, y);
            muzzle->start();
        }
        ball_t* ball = balls[i++];
        ball->set_position(x - 20, y);
        ball->direction = (base - 4 * (n - 1) + 8 * k) & 63;
        ball->start();
    }
    g_soundctr.request_se(se_fan);
}

void body_t::fire_lasers() {
    if (pattern != 0) {
        return;
    }
    size_t i = 0;
    for (float dy : {-21.0f, 20.0f}) {
        i = next_idle(lasers, i);
        if (i == lasers.size()) {
            return;
        }
        missile_t* laser = lasers[i++];
        laser->start_effect_at(x - 16, y + dy);
        laser->set_position(x - 16, y + dy);
        laser->direction = 32;
        laser->start();
    }
}

void body_t::burst() {
    const float speed = 1 + 0.05f * float(difficulty_level());
    const int32_t count = std::min(2 << (difficulty_level() - 2), 16);
    size_t i = 0;
    for (int32_t k = 0; k < count; ++k) {
        i = next_idle(ring_shots, i);
        if (i == ring_shots.size()) {
            return;
        }
        launch(ring_shots[i++], x, y, k * (64 / count), speed);
    }
}

void body_t::get_rect(plat::rect_t& out) {
    enemy_t::get_rect(out);
    out.left += 8;
    out.right += 8;
}

void body_t::kill() {
    enemy_t::kill();
    set_jets(false);
}

void body_t::damage(int32_t n) {
    // Shields up until the attack begins.
    if (state < attack) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed});
    if (!alive && difficulty_level() >= burst_level) {
        burst();
    }
}

} // namespace midboss003
