// The scorpion chest's body: its skeleton placed from its position every frame, its walk along the
// terrain, the feet's gait, the jump and the death explosions.
#include "bosses/scorpion/chest.h"
#include "objects/coordinate.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float joint = 14;
constexpr float probe_ahead = 8;
constexpr float walk_height = 28;
constexpr float screen_bottom = 256;
constexpr float jump_probe_from = 128;
constexpr float foot_drop = 4;
constexpr float settle_step = 4;
constexpr int32_t bullet_level = 3;

// The first height from `from` down, by `step`, where the column meets terrain layer 0; 256 without any.
// Once the walk has gone a layer's height above the screen and met nothing, the heights still above it
// only repeat rows it has met: it skips them by whole heights, and the sums stay exact.
float ground_below(float px, float from, float step) {
    const int32_t column = pixel_coordinate(px);
    const int32_t wrap_steps = int32_t(float(terrain_wrap) / step);
    float h = from;
    for (int32_t n = 1; h < screen_bottom && !terrain_layer0_at(column, pixel_coordinate(h)); ++n) {
        h += step;
        if (n == wrap_steps && h < 0) {
            h += float(std::floor(-double(h) / terrain_wrap) * terrain_wrap);
        }
    }
    return h;
}

} // namespace

namespace scorpion001 {

chest_t::chest_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
    smokes.reserve(8);
    explosions.entries.reserve(4);
    for (int32_t d = 0; d < 64; ++d) {
        dir_vectors[d][0] = joint * cos_table[d];
        dir_vectors[d][1] = -joint * sin_table[d];
    }
}

void chest_t::move_x(int32_t d) {
    x += float(d);
    fall.x0 += float(d);
    fall.x1 += float(d);
}

bool chest_t::turn_tail(int32_t row, int32_t step) {
    return turn_joint_chain(tail, tail_poses[row], step, 0);
}

bool chest_t::assemble() {
    head->set_position(x, y);
    hand->set_position(x, y);
    for (foot_t* foot : feet) {
        foot->set_position(x, y);
    }
    // Without ground on screen the feet stop at its bottom edge. Above where a foot can stand it is only
    // ever in the air: the drop starts at the first height of its walk where it could stand.
    float h = y;
    const double air_drops = std::ceil((foot_t::ground_from - foot_t::height - double(h)) / foot_drop);
    if (air_drops > 0) {
        h += float(air_drops * foot_drop);
    }
    for (foot_t* foot : feet) {
        while (foot->in_air && h < screen_bottom) {
            foot->set_position(x, h);
            h += foot_drop;
        }
    }
    while (turn_tail(pose_rest, int32_t(settle_step))) {
    }
    pass_count = 0;
    attack_count = 0;
    return true;
}

bool chest_t::walk(int32_t mode, float speed) {
    if (mode != 1 && mode != 3) {
        return false;
    }
    const float px = mode == 1 ? x - probe_ahead : x + probe_ahead;
    const float target[2] = {px, ground_below(px, y, 1) - walk_height};
    const int32_t d = direction_to(position(), target);
    x += speed * cos_table[d];
    y -= speed * sin_table[d];
    return true;
}

bool chest_t::step_feet(int32_t mode, float speed) {
    bool stepped = false;
    auto step = [&](foot_t* foot, float by) {
        foot->step(by);
        stepped = true;
    };
    if (mode == 1 || mode == 3) {
        // Each foot steps while in the air, or once it is far enough back and the foot before stands.
        const float sign = mode == 1 ? 1.0f : -1.0f;
        const float reach[3] = {-8, 30, 52};
        const size_t partner[3] = {1, 0, 1};
        for (size_t i = 0; i < 3; ++i) {
            foot_t* foot = feet[i];
            if (foot->in_air || (sign * (foot->x - x) >= sign * reach[i] && !feet[partner[i]]->in_air)) {
                step(foot, -sign * speed);
            }
        }
        return stepped;
    }
    if (mode == 2 || mode == 4) {
        for (foot_t* foot : feet) {
            if (foot->in_air) {
                step(foot, mode == 2 ? -speed : speed);
            }
        }
    }
    return stepped;
}

void chest_t::start_jump() {
    jump_vx = -2.0f;
    jump_vy = -8.0f;
}

bool chest_t::step_jump() {
    x += jump_vx;
    y += jump_vy;
    const float ground = ground_below(x, jump_probe_from, 2);
    bool going = false;
    if (jump_vy > 0) {
        for (foot_t* foot : feet) {
            if (foot->in_air) {
                foot->set_position(foot->x + jump_vx - 0.5f, foot->y + jump_vy + 1.0f);
                going = true;
            }
        }
    } else {
        if (ground - y >= 96) {
            const float e = ground - y < 104 ? 0.0f : 3.0f;
            for (foot_t* foot : feet) {
                foot->set_position(foot->x + jump_vx - 0.5f, foot->y + jump_vy - e);
            }
        }
        going = true;
    }
    jump_vy += 0.3f;
    return going;
}

void chest_t::place_parts() {
    auto v = [this](int32_t d) { return dir_vectors[d]; };
    head->set_position(x - 32, y + 6);
    float px = x;
    float py = y;
    int32_t previous = 0;
    float scale = 1.2f;
    int32_t k = 0;
    body_t* last = nullptr;
    for (body_t* s = tail; s != nullptr; s = s->next, ++k) {
        const float* a = v(previous);
        const float* b = v(s->direction);
        px += scale * (a[0] + b[0]);
        py += scale * (a[1] + b[1]);
        s->set_position(px, py);
        previous = s->direction;
        scale = k < 3 ? 0.5f : 1.0f;
        last = s;
    }
    if (last != nullptr) {
        const float* end = v(wrap64(last->direction + 2));
        sting->set_position(px + end[0], py + end[1]);
    }

    const float hx = hand->x;
    const float hy = hand->y;
    const float sx = x - 18;
    const float sy = y + 10;
    const float ex = hx + 40;
    const float ey = (y + 10 + hy) / 2;
    const float c = hy == ey ? hx - ex : (hx - ex) / ((hy - ey) * (hy - ey));
    k = 0;
    for (arm_t* s = arm; s != nullptr; s = s->next, ++k) {
        if (k < 6) {
            s->set_position(sx + float(k) / 6 * (ex - sx), sy + float(k) / 6 * (ey - sy));
        } else {
            const float h = ey + float(k - 6) / 6 * (hy - ey);
            s->set_position(ex + c * (h - ey) * (h - ey), h);
        }
    }

    for (size_t i = 0; i < 3; ++i) {
        const float lx = x + 14 * float(i);
        const float ly = y + 16;
        const float ax = feet[i]->anchor_x;
        const float ay = feet[i]->anchor_y;
        k = 0;
        for (leg_t* s = legs[i]; s != nullptr; s = s->next, ++k) {
            s->set_position(lx + float(k) / 10 * (ax - lx), ly + float(k) / 10 * (ay - ly));
        }
    }
}

bool chest_t::explode_step() {
    const uint32_t interval = 32 - std::min<uint32_t>(phase_frame / 6, 28);
    if (phase_frame % interval != 0 || explosions.entries.empty()) {
        return true;
    }
    const mul_explosion_t::data_t& entry = explosions.entries[size_t(explosions.next)];
    if (entry.explosion->alive) {
        return true;
    }
    entry.explosion->set_position(float(pixel_coordinate(x) + entry.dx),
                                  float(pixel_coordinate(y) + entry.dy));
    entry.explosion->start();
    explosions.next = (explosions.next + 1) % int32_t(explosions.entries.size());
    if (difficulty_level() >= bullet_level) {
        fire_aimed_bullet(entry.explosion->position());
    }
    return true;
}

} // namespace scorpion001
