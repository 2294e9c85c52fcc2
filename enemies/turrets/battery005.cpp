// Battery005's patrol along its wall, its beam clock, the beam's growth and retraction, and its assembly.
#include "enemies/turrets/battery005.h"

#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float cruise_speed = 0.4f;
constexpr float speed_step = 0.01f;
constexpr float patrol_amplitude = 32;
constexpr uint32_t beam_cycle = 128;
constexpr uint32_t beam_stop = 64;
constexpr int32_t grow_every = 4;
constexpr int32_t extension_steps = 8;
constexpr int32_t harmful_from = 4;
constexpr float segment_spacing = 16;
constexpr int32_t max_segments = 64;
constexpr int32_t se_beam = 74;

// Patrol states: the x-axis group from 10, the y-axis group from 20; within a group, by offset.
enum : int32_t { cruise_minus = 0, brake_minus, accelerate_plus, cruise_plus, brake_plus, accelerate_minus };
// The first patrol state of each beam direction.
constexpr int32_t first_state[4] = {20, 10, 23, 13};

constexpr float step_x[4] = {1, 0, -1, 0};
constexpr float step_y[4] = {0, -1, 0, 1};

void switch_off(object_t* object) {
    object->alive = 0;
    object->hp = 0;
}

} // namespace

namespace battery005 {

void body_t::patrol() {
    const bool along_x = direction == 1 || direction == 3;
    float& coord = along_x ? x : y;
    const float base = along_x ? base_x : base_y;
    const int32_t group = along_x ? 10 : 20;
    const auto go = [this, group](int32_t offset) { state = group + offset; };
    switch (state - group) {
    case cruise_minus:
        coord -= speed;
        if (coord < base - amplitude) {
            go(brake_minus);
        }
        break;
    case brake_minus:
        coord -= speed;
        speed -= speed_step;
        if (speed < 0) {
            speed = 0;
            go(accelerate_plus);
        }
        break;
    case accelerate_plus:
        coord += speed;
        speed += speed_step;
        if (speed > cruise_speed) {
            speed = cruise_speed;
            go(cruise_plus);
        } else if (coord > base + amplitude) {
            go(brake_plus);
        }
        break;
    case cruise_plus:
        coord += speed;
        if (coord > base + amplitude) {
            go(brake_plus);
        }
        break;
    case brake_plus:
        coord += speed;
        speed -= speed_step;
        if (speed < 0) {
            speed = 0;
            go(accelerate_minus);
        }
        break;
    case accelerate_minus:
        coord -= speed;
        speed += speed_step;
        if (speed > cruise_speed) {
            speed = cruise_speed;
            go(cruise_minus);
        } else if (coord < base - amplitude) {
            go(brake_minus);
        }
        break;
    default: // the start
        speed = cruise_speed;
        state = first_state[direction];
        break;
    }
}

void body_t::update() {
    if (x < -8 || x >= 264 || y < -8 || y >= 264) {
        return;
    }
    patrol();
    if (clock % beam_cycle == 0) {
        laser->start();
        g_soundctr.request_se(se_beam);
    } else if (clock % beam_cycle == beam_stop) {
        laser->kill();
    }
    ++clock;
}

void body_t::move_x(int32_t d) {
    enemy_t::move_x(d);
    base_x += float(d);
}

void body_t::move_y(int32_t d) {
    enemy_t::move_y(d);
    base_y += float(d);
}

void body_t::move_y_wrapped(int32_t d) {
    enemy_t::move_y_wrapped(d);
    base_y = wrapped_y(base_y, d);
}

void laser_ctr_t::set_direction(int32_t d) {
    direction = d;
    pattern_base = 8 * (d % 2);
    pattern = pattern_base;
}

void laser_ctr_t::start() {
    missile_t::start();
    for (laser_t* segment = first; segment != nullptr; segment = segment->next) {
        segment->pattern = pattern_base;
        segment->alive = 1;
        segment->hp = segment->max_hp();
    }
    clock = 0;
    stopping = 0;
}

void laser_ctr_t::update() {
    float sx = owner->x;
    float sy = owner->y;
    for (laser_t* segment = first; segment != nullptr; segment = segment->next) {
        sx += step_x[direction] * segment_spacing;
        sy += step_y[direction] * segment_spacing;
        segment->set_position(sx, sy);
    }
    if (clock % grow_every == 0) {
        const int32_t k = pattern - pattern_base + (stopping ? -1 : 1);
        if (k < 0) {
            switch_off(this);
            for (laser_t* segment = first; segment != nullptr; segment = segment->next) {
                switch_off(segment);
            }
        } else if (k < extension_steps) {
            pattern = pattern_base + k;
            for (laser_t* segment = first; segment != nullptr; segment = segment->next) {
                segment->pattern = pattern;
            }
        }
    }
    ++clock;
}

int32_t laser_t::contact_damage() {
    return pattern % extension_steps < harmful_from ? 0 : missile_t::contact_damage();
}

} // namespace battery005

battery005::body_t* stage_t::make_battery005_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<battery005::body_t>(stage, placement, info);
}

battery005::laser_ctr_t* stage_t::make_battery005_laser_ctr(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info) {
    return append_dormant<battery005::laser_ctr_t>(stage->enemy_shots, placement, info);
}

battery005::laser_t* stage_t::make_battery005_laser(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return append_dormant<battery005::laser_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_battery005(stage_t* stage, const placement_t* placement, int32_t direction) {
    if (direction < 0 || direction > 3) {
        return;
    }
    const auto r = find_records({159, 0, direction % 2 == 0 ? 160 : 161});
    if (!r) {
        return;
    }
    const auto& [body_record, ctr_record, segment_record] = *r;
    battery005::body_t* body = make_battery005_body(stage, placement, body_record);
    body->direction = direction;
    body->pattern = direction;
    body->amplitude = patrol_amplitude;
    body->base_x = placed_coordinate(placement->x);
    body->base_y = placed_coordinate(placement->y);
    battery005::laser_ctr_t* ctr = make_battery005_laser_ctr(stage, placement, ctr_record);
    ctr->set_direction(direction);
    // The beam's length comes from the placement: at least one segment, and a bounded number.
    const int32_t count = std::clamp(placement->param2, 1, max_segments);
    battery005::laser_t* last = nullptr;
    for (int32_t i = 0; i < count; ++i) {
        battery005::laser_t* segment = make_battery005_laser(stage, placement, segment_record);
        if (last == nullptr) {
            ctr->first = segment;
        } else {
            last->next = segment;
        }
        last = segment;
    }
    body->laser = ctr;
    ctr->set_owner(body);
}
