// Midboss002's script: surges left with laser volleys at two points of its flap; a surge that begins
// left of x 64 turns into the retreat, fanning balls from level 3 until it leaves on the right.
#include "bosses/midboss002/midboss002.h"

#include "enemies/damage_tail.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 1;
constexpr int32_t se_volley = 21;
constexpr int32_t event_shake = 371;
constexpr int32_t shake = -3;
constexpr int32_t revenge_level = 4;
constexpr int32_t fan_level = 3;
constexpr int32_t double_level = 4;
constexpr float retreat_x = 64;
constexpr float gone_x = 288;
constexpr float ball_speed = 1.5f;

enum : int32_t {
    accelerate = 0,
    surge = 1,
    brake = 2,
    fire = 3,
    stop = 50,
    reverse = 51,
    retreat = 52,
};

} // namespace

namespace midboss002 {

float flap(int32_t p) {
    return cos_table_deg[int32_t(float(p) * 5.625f)];
}

void body_t::update() {
    bool volley = false;
    bool left = false;
    uint32_t divisor = 1;
    while (run_state(volley, left, divisor)) {
    }
    if (left) {
        return;
    }
    set_position(x - speed, y);
    const float s = flap(pattern);
    const float places[4][2] = {{20, -8 * s}, {20, 8 * s}, {16, -18 * s}, {16, 18 * s}};
    for (int32_t i = 0; i < 4; ++i) {
        if (jets[i] != nullptr) {
            jets[i]->set_position(x + places[i][0], y + places[i][1]);
        }
    }
    if (volley) {
        fire_lasers(pattern, difficulty_level() >= double_level);
    }
    if (g_frame_counter % divisor == 0) {
        pattern = (pattern + 1) & 31;
    }
    ++timer;
}

bool body_t::run_state(bool& volley, bool& left, uint32_t& divisor) {
    const int32_t before = state;
    switch (state) {
    case accelerate:
        divisor = 2;
        speed += 0.02f;
        if (speed >= 1.0f) {
            speed = 1.0f;
            state = surge;
        }
        break;
    case surge:
        divisor = 3;
        if (timer >= 24) {
            state = brake;
        } else if (x < retreat_x) {
            state = stop;
        }
        break;
    case brake:
        divisor = 2;
        speed -= 0.01f;
        if (speed < 0.5f) {
            speed = 0.5f;
            state = fire;
        }
        break;
    case fire:
        divisor = 1;
        if (timer >= 64) {
            state = accelerate;
        } else if (pattern == 0 || pattern == 12) {
            volley = true;
        }
        break;
    case stop:
        divisor = 2;
        speed -= 0.02f;
        if (speed < 0) {
            speed = 0;
            state = reverse;
        }
        break;
    case reverse:
        divisor = 2;
        speed -= 0.05f;
        if (speed <= -1.0f) {
            speed = -1.0f;
            fan_count = difficulty_level() < double_level ? 3 : 5;
            state = retreat;
        }
        break;
    case retreat:
        divisor = 1;
        if (x >= gone_x) {
            leave();
            left = true;
        } else if (difficulty_level() >= fan_level && timer % 16 == 0) {
            if (difficulty_level() == fan_level) {
                fan_count = fan_count == 3 ? 4 : 3;
            } else {
                fan_count = fan_count == 5 ? 6 : 5;
            }
            fire_fan(fan_count);
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

void body_t::fire_fan(int32_t n) {
    size_t i = 0;
    for (int32_t k = 0; k < n; ++k) {
        i = next_idle(balls, i);
        if (i == balls.size()) {
            return;
        }
        launch(balls[i++], x, y, 32 - 2 * (n - 1) + 4 * k, ball_speed);
    }
}

void body_t::fire_lasers(int32_t p, bool spreading) {
    const float s = flap(p);
    struct shot_t {
        float dx, dy;
        bool outer;
    };
    const shot_t inner_pair[2] = {{-28, -12 * s, false}, {-28, 12 * s, false}};
    const shot_t outer_pair[2] = {{-16, -24 * s, true}, {-16, 24 * s, true}};
    size_t i = 0;
    const auto fire_pair = [&](const shot_t(&pair)[2]) {
        for (const shot_t& shot : pair) {
            i = next_idle(lasers, i, true);
            if (i == lasers.size()) {
                return;
            }
            laser_t* laser = lasers[i++];
            laser->start_effect_at(x + shot.dx, y + shot.dy);
            laser->set_position(x + shot.dx, y + shot.dy);
            if (shot.outer) {
                laser->spreading = spreading ? 1 : 0;
            }
            laser->start();
        }
    };
    if (difficulty_level() >= double_level) {
        fire_pair(inner_pair);
    }
    fire_pair(outer_pair);
    g_soundctr.request_se(se_volley);
}

void body_t::get_rect(plat::rect_t& out) {
    enemy_t::get_rect(out);
    out.left += 8;
    out.right += 8;
}

void body_t::kill() {
    enemy_t::kill();
    for (jet_t* jet : jets) {
        if (jet != nullptr) {
            jet->kill();
        }
    }
}

void body_t::leave() {
    alive = 0;
    hp = 0;
    for (jet_t* jet : jets) {
        if (jet != nullptr) {
            jet->alive = 0;
            jet->hp = 0;
        }
    }
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    if (!alive) {
        post_event(event_shake, shake);
    }
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

} // namespace midboss002
