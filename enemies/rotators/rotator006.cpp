// Rotator006's construction and its turning cross of arms.
#include "enemies/rotators/rotator006.h"

#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"

namespace {

constexpr float arm_radius = 36.0f;
constexpr uint32_t turn_every = 4;

} // namespace

namespace rotator006 {

void body_t::set_arms(arm_t* arm0, arm_t* arm1, arm_t* arm2, arm_t* arm3) {
    arms = {arm0, arm1, arm2, arm3};
}

void body_t::place_arms(int32_t s) {
    angle = (angle + s) & 63;
    pattern = angle & 15;
    for (int32_t k = 0; k < 4; ++k) {
        const int32_t d = (angle + 16 * k) & 63;
        arms[size_t(k)]->set_position(x + radius * cos_table[d], y - radius * sin_table[d]);
        arms[size_t(k)]->pattern = d;
    }
}

void body_t::update() {
    if (phase == 0) {
        radius = arm_radius;
        place_arms(0);
        phase = 1;
    }
    if (timer % turn_every == 0) {
        place_arms(1);
    }
    ++timer;
}

} // namespace rotator006

rotator006::body_t* stage_t::make_rotator006_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<rotator006::body_t>(stage, placement, info);
}

rotator006::arm_t* stage_t::make_rotator006_arm(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info) {
    return make_placed_enemy<rotator006::arm_t>(stage, placement, info);
}

void stage_t::spawn_rotator006(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({138, 139});
    if (!r) {
        return;
    }
    const auto [hub, arm] = *r;
    rotator006::body_t* body = make_rotator006_body(stage, placement, hub);
    rotator006::arm_t* a[4];
    for (rotator006::arm_t*& each : a) {
        each = make_rotator006_arm(stage, placement, arm);
    }
    body->set_arms(a[0], a[1], a[2], a[3]);
}
