// The scorpion's jointed chains and feet: turning a chain toward a pose, the deaths passed down each
// chain, the arm's flash pulse, and the feet's steps along their arcs onto the terrain.
#include "bosses/scorpion/limbs.h"
#include "objects/coordinate.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "player/smoke.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int32_t tail_delay = 6;
constexpr int32_t limb_delay = 4;
constexpr int32_t pulse_frames = 10;
constexpr int32_t pulse_handover = 8;
constexpr float arc_dx = 10;
constexpr float arc_dy = 14;
constexpr float puff_speed = 0.3f;
constexpr int32_t puff_direction = 16;
constexpr int32_t bullet_level = 3;

// Counts the frames since owner died; true on the frame the follower's own death is due.
bool death_due(object_t* owner, int32_t& delay, int32_t frames) {
    return owner != nullptr && !owner->alive && ++delay == frames;
}

} // namespace

namespace scorpion001 {

bool turn_joint_chain(body_t* segment, const int32_t* targets, int32_t step, int32_t index) {
    const int32_t c = segment->direction;
    const int32_t t = targets[index];
    const int32_t diff = t - c;
    int32_t turned = c;
    if (diff != 0) {
        const int32_t positive = diff > 0 ? diff : diff + 64;
        const int32_t negative = diff > 0 ? diff - 64 : diff;
        turned = positive <= std::abs(negative) ? std::min(t, c + step) : std::max(t, c - step);
        turned = ((turned % 64) + 64) % 64;
    }
    segment->direction = turned;
    segment->pattern = turned;
    bool changed = turned != c;
    if (segment->next != nullptr) {
        changed = turn_joint_chain(segment->next, targets, step, index + 1) || changed;
    }
    return changed;
}

void body_t::update() {
    if (death_due(owner, death_delay, tail_delay)) {
        kill();
    }
}

void body_t::kill() {
    piveter_t::kill();
    if (difficulty_level() >= bullet_level) {
        fire_aimed_bullet(position());
    }
}

void leg_t::update() {
    if (death_due(owner, death_delay, limb_delay)) {
        kill();
    }
}

void arm_t::update() {
    if (death_due(owner, death_delay, limb_delay)) {
        kill();
    }
    if (pulse != 0 && --pulse == pulse_handover && next != nullptr) {
        next->start_pulse(true);
    }
}

void foot_t::update() {
    if (owner != nullptr && !owner->alive) {
        piveter_t::kill();
    }
    anchor_x = x + anchor_dx;
    anchor_y = y + height + anchor_dy;
}

void foot_t::set_position(float new_x, float new_y) {
    x = new_x;
    y = new_y;
    const float ground = y + height;
    in_air =
        ground >= ground_from && terrain_layer0_at(pixel_coordinate(x), pixel_coordinate(ground)) ? 0 : 1;
    if (!in_air) {
        puff();
    }
}

void foot_t::puff() {
    for (smoke_t* smoke : puffs) {
        if (!smoke->alive) {
            smoke->set_position(x, y + height);
            smoke->speed = puff_speed;
            smoke->direction = puff_direction;
            smoke->vx = puff_speed * cos_table[puff_direction];
            smoke->vy = -puff_speed * sin_table[puff_direction];
            smoke->terrain_collision = 0;
            smoke->start();
            return;
        }
    }
}

void foot_t::step(float speed) {
    if (!in_air) {
        apex_x = speed > 0 ? x + arc_dx : x - arc_dx;
        apex_y = y - arc_dy;
        const int32_t run = int32_t(x - apex_x);
        arc_k = float(int32_t(y - apex_y)) / float(run * run);
    }
    const float to_x = x + speed;
    set_position(to_x, (to_x - apex_x) * (to_x - apex_x) * arc_k + apex_y);
}

} // namespace scorpion001
