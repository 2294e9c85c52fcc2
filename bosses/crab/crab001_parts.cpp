// Crab001's small members: the eyes whose lids follow its moods and which send it away when its time is
// up, the balls of its fans, its lasers and the sparks of its stamps.
#include "bosses/crab/crab001.h"

#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

namespace {

// Two sections and 136 pixels of stage position.
constexpr uint32_t time_limit_keys = 131208;
constexpr int32_t leaving = 500;
constexpr float ball_area_min = -16;
constexpr float ball_area_end = 272;
constexpr int32_t se_ball_lost = 31;

} // namespace

namespace crab001 {

void eye_t::update() {
    while (run_mode()) {
    }
}

bool eye_t::run_mode() {
    const auto change = [this](int32_t next) {
        mode = next;
        timer = 0;
        return true;
    };
    const auto wait = [this] {
        ++timer;
        return false;
    };
    const auto every = [this](uint32_t k) { return timer % k == 0; };
    switch (mode) {
    case 0:
        pattern = 0;
        time_limit = time_limit_keys;
        return change(1);
    case 1:
        if (g_stage_position - key < time_limit) {
            return wait();
        }
        if (body->phase < leaving) {
            body->phase = leaving;
            body->phase_timer = 0;
        }
        return change(999);
    case 10:
        if (every(4) && pattern < 7) {
            ++pattern;
        }
        return pattern >= 7 ? change(11) : wait();
    case 11:
        return timer >= 96 ? change(12) : wait();
    case 12:
        if (every(8)) {
            if (pattern - 1 <= 3) {
                return change(1);
            }
            --pattern;
        }
        return wait();
    case 20:
        if (every(16)) {
            if (pattern - 1 < 0) {
                return change(1);
            }
            --pattern;
        }
        return wait();
    case 30:
        if (every(4)) {
            if (pattern - 1 <= 0) {
                return change(31);
            }
            --pattern;
        }
        return wait();
    case 31:
        return timer >= 64 ? change(32) : wait();
    case 32:
        if (every(8)) {
            if (pattern + 1 >= 5) {
                return change(1);
            }
            ++pattern;
        }
        return wait();
    default:
        return wait();
    }
}

void ball_t::update() {
    set_position(x + speed * cos_table[direction], y - speed * sin_table[direction]);
    if (terrain_layer0_at(int32_t(x), int32_t(y)) || x < ball_area_min || x >= ball_area_end ||
        y < ball_area_min || y >= ball_area_end) {
        kill();
    }
}

void ball_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (!alive) {
        g_soundctr.request_se(se_ball_lost);
    }
}

void body_laser_t::update() {
    missile_t::update();
    if (effect != nullptr && effect->alive) {
        effect->set_position(x, y);
    }
}

void spark_t::update() {
    step_pattern();
    set_position(x + speed * cos_table[direction], y - speed * sin_table[direction]);
}

} // namespace crab001
