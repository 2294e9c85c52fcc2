// The sting's weapons in flight: balls that fall and burst on the terrain, trailing lasers that bounce at
// the top level, bolts that leave smoke and a spark where they end, homing lasers with a long beam.
#include "bosses/scorpion/sting.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float gravity = 0.05f;
constexpr float field_low = -16;
constexpr float field_high = 272;
constexpr int32_t bouncing_level = 8;
constexpr int32_t bounces_at_top = 3;
constexpr int32_t ball_bullet_level = 7;
constexpr int32_t se_ball = 31;
constexpr int32_t se_homer = 49;
constexpr float spark_speed = 2.4f;
constexpr float homer_speed = 2.5f;
constexpr float homer_brake = 0.05f;
constexpr float homer_slowest = 0.2f;
constexpr uint32_t launch_frames = 40;
constexpr uint32_t homing_frames = 256;
constexpr int32_t sharp_level = 4;

// Whether terrain layer 0 holds a solid pixel under the point; nothing without a map.
bool on_terrain(float x, float y) {
    return terrain_layer0_at(int32_t(x), int32_t(y));
}

} // namespace

namespace scorpion001 {

void stingball_t::start() {
    fall = 0;
    object_t::start();
}

void stingball_t::update() {
    x += speed * cos_table[direction];
    y += -speed * sin_table[direction] + fall;
    fall += gravity;
    if (x < field_low || x >= field_high || y < field_low || y >= field_high || on_terrain(x, y)) {
        kill();
    }
}

void stingball_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (!alive) {
        g_soundctr.request_se(se_ball);
        if (difficulty_level() >= ball_bullet_level) {
            fire_aimed_bullet(position());
        }
    }
}

stinglaser1_head_t::stinglaser1_head_t(const objectinfo_t* info, uint32_t key)
    : stinglaser1_t(info, key), trail(8) {
    max_bounces = difficulty_level() == bouncing_level ? bounces_at_top : 0;
    trail.fill(x, y, 0);
}

void stinglaser1_head_t::start() {
    stopped = 0;
    bounces = 0;
    trail.fill(x, y, 0);
    object_t::start();
    for (stinglaser1_t* s = next; s != nullptr; s = s->next) {
        s->set_position(x, y);
        s->start();
    }
}

void stinglaser1_head_t::update() {
    if (!stopped) {
        if (!is_in_bounds()) {
            stopped = 1;
        } else if (on_terrain(x, y)) {
            if (++bounces > max_bounces) {
                stopped = 1;
            } else {
                direction = wrap64(64 - direction);
                vx = speed * cos_table[direction];
                vy = -speed * sin_table[direction];
            }
        }
    }
    if (!stopped) {
        x += speed * cos_table[direction];
        y -= speed * sin_table[direction];
    }
    trail.push(x, y);
    stinglaser1_t* last = this;
    uint32_t k = 1;
    for (stinglaser1_t* s = next; s != nullptr; s = s->next, ++k) {
        const poslog_t::entry_t& at = trail.entry(k);
        s->set_position(at.x, at.y);
        if (stopped && s->x == x && s->y == y) {
            s->alive = 0;
            s->hp = 0;
        }
        last = s;
    }
    if (!last->alive) {
        alive = 0;
        hp = 0;
    }
}

void stinglaser2_t::kill() {
    const float px = x;
    const float py = y;
    alive = 0;
    hp = 0;
    if (sting == nullptr) {
        return;
    }
    const int32_t e = direction < 32 ? 48 : 16;
    sting->emit_smoke(px, py, e);
    sting->emit_spark(px, py, e);
}

void stinglaser3_t::start() {
    trail.fill(x, y, 0);
    object_t::start();
    for (missile_t* s : segments) {
        s->set_position(x, y);
        s->start();
    }
    state = 0;
    timer = 0;
}

void stinglaser3_t::steer(uint32_t every) {
    if (timer % every == 0) {
        if (const float* ship = player_ship_position()) {
            direction = wrap64(direction + turn_step(direction, direction_to(position(), ship)));
        }
    }
}

void stinglaser3_t::update() {
    if (state == 0) {
        speed = homer_speed;
        state = 1;
    }
    if (state == 1) {
        if (timer < launch_frames) {
            steer(4);
            speed = std::max(speed - homer_brake, homer_slowest);
            if (timer < 8) {
                g_soundctr.request_se(se_homer);
            }
        } else {
            state = difficulty_level() < sharp_level ? 2 : 3;
        }
    }
    if (state == 2 || state == 3) {
        if (timer < homing_frames) {
            steer(state == 2 ? 4 : 3);
            speed = std::min(speed + homer_brake, homer_speed);
        } else {
            state = 100;
        }
    }
    vx = speed * cos_table[direction];
    vy = -speed * sin_table[direction];
    set_position(x + vx, y + vy);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
    trail.push(x, y);
    if (!segments.back()->alive) {
        alive = 0;
        hp = 0;
        for (missile_t* s : segments) {
            s->kill();
        }
    } else {
        for (uint32_t i = 0; i < segments.size(); ++i) {
            const poslog_t::entry_t& at = trail.entry(i);
            segments[i]->set_position(at.x, at.y);
        }
    }
    ++timer;
}

void stingspark_t::update() {
    explosion_t::update();
    x += spark_speed * cos_table[direction];
    y -= spark_speed * sin_table[direction];
}

} // namespace scorpion001
