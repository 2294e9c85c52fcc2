// Battery004's charge, fire and rest cycle, its growing beam, its damage and its assembly.
#include "enemies/turrets/battery004.h"

#include "enemies/damage_tail.h"
#include "objects/explosion.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t segment_count = 32;
constexpr int32_t segments_with_effect = 28;
constexpr int32_t taper_from = 25; // segments from here on show the narrowing tail
constexpr float muzzle = 18;
constexpr float beam_speed = 4.0f;
constexpr int32_t head_gap = 12;
constexpr int32_t follower_gap = 8;
constexpr float clearance = 4;
constexpr uint32_t spark_every = 4;
constexpr uint32_t charge_frames = 32;
constexpr uint32_t rest_frames = 128;
constexpr uint32_t effect_period = 1;
constexpr int32_t se_segment = 37;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 57;

enum : int32_t { waiting = 0, charging, firing, resting };

// Unit steps along the four facing directions (index direction >> 4), y down.
constexpr float step_x[4] = {1, 0, -1, 0};
constexpr float step_y[4] = {0, -1, 0, 1};

// The point gap pixels behind a segment moving along axis a: the coordinate along the axis truncated
// toward zero, the other one kept.
void behind(const battery004::laser_t& ahead, int32_t a, int32_t gap, float& bx, float& by) {
    bx = step_x[a] == 0 ? ahead.x : float(int32_t(ahead.x) - int32_t(step_x[a]) * gap);
    by = step_y[a] == 0 ? ahead.y : float(int32_t(ahead.y) - int32_t(step_y[a]) * gap);
}

} // namespace

namespace battery004 {

void body_t::attach_lasers(laser_t* head) {
    laser = head;
    for (laser_t* segment = head; segment != nullptr; segment = segment->next) {
        segment->set_owner(this);
    }
}

void body_t::muzzle_point(int32_t direction, float& mx, float& my) const {
    const int32_t a = (direction >> 4) & 3;
    mx = x + step_x[a] * muzzle;
    my = y + step_y[a] * muzzle;
}

void body_t::fire() {
    if (laser->alive) {
        return;
    }
    float mx = 0;
    float my = 0;
    muzzle_point(facing_direction(), mx, my);
    laser->start_effect_at(mx, my);
    launch(laser, mx, my, facing_direction(), beam_speed);
}

void body_t::update() {
    const bool on_screen = x >= 0 && x < 256 && y >= 0 && y < 256;
    int32_t before = state;
    do {
        before = state;
        switch (state) {
        case waiting:
            state = on_screen ? charging : waiting;
            break;
        case charging:
            if (timer >= charge_frames) {
                state = firing;
            } else if (timer % spark_every == 0 && laser->effect != nullptr) {
                float mx = 0;
                float my = 0;
                muzzle_point(facing_direction(), mx, my);
                laser->effect->set_position(mx, my);
                laser->effect->start();
            }
            break;
        case firing:
            fire();
            state = resting;
            break;
        case resting:
            state = timer >= rest_frames ? waiting : resting;
            break;
        }
        if (state != before) {
            timer = 0;
        }
    } while (state != before);
    ++timer;
}

void body_t::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed});
}

void laser_t::start() {
    missile_t::start();
    g_soundctr.request_se(se_segment);
}

void laser_t::update() {
    const int32_t a = (direction >> 4) & 3;
    const int32_t base = a * 8;
    if (prev == nullptr || !prev->alive) {
        x += step_x[a] * speed;
        y += step_y[a] * speed;
    } else {
        behind(*prev, a, prev->pattern == base ? head_gap : follower_gap, x, y);
    }
    if (owner != nullptr && owner->alive && next != nullptr && !next->alive) {
        const float along = step_x[a] * (x - (owner->x + step_x[a] * muzzle)) +
                            step_y[a] * (y - (owner->y + step_y[a] * muzzle));
        if (along >= clearance) {
            float bx = 0;
            float by = 0;
            behind(*this, a, pattern == base ? head_gap : follower_gap, bx, by);
            next->start_effect_at(bx, by);
            launch(next, bx, by, direction, speed);
        }
    }
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
}

} // namespace battery004

battery004::body_t* stage_t::make_battery004_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<battery004::body_t>(stage, placement, info);
}

battery004::laser_t* stage_t::make_battery004_laser(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return append_dormant<battery004::laser_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_battery004(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({placement->type, 68, 157, 158});
    if (!r) {
        return;
    }
    const auto& [body_record, explosion, segment_record, effect_record] = *r;
    battery004::body_t* body = make_battery004_body(stage, placement, body_record);
    attach_death_explosion(stage, placement, body, explosion);
    // The facing indexes the four directions and the picture's rows.
    body->pattern = placement->param2 & 3;
    const int32_t base = body->pattern * 8;
    battery004::laser_t* head = nullptr;
    battery004::laser_t* last = nullptr;
    for (int32_t i = 0; i < segment_count; ++i) {
        battery004::laser_t* segment = make_battery004_laser(stage, placement, segment_record);
        if (i < segments_with_effect) {
            explosion_t* effect = make_explosion(stage, placement, effect_record);
            effect->period = effect_period;
            effect->owner = segment;
            segment->effect = effect;
        }
        segment->pattern = i == 0 ? base : i < taper_from ? base + 1 : base + i - 24;
        if (last != nullptr) {
            segment->prev = last;
            last->next = segment;
        } else {
            head = segment;
        }
        last = segment;
    }
    body->attach_lasers(head);
}
