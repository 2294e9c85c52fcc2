// Star002's random start on the ring and its flight.
#include "enemies/scenery/star002.h"

#include "objects/direction.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"

#include <algorithm>

namespace {

constexpr float start_speed = 3.0f;
constexpr float braking = 0.05f;
constexpr float least_speed = 0.4f;
constexpr uint32_t frames_per_pattern = 16;
constexpr int32_t last_pattern = 5;

} // namespace

void star002_t::update() {
    if (x >= target_x - 32 && x < target_x + 32 && y >= target_y - 16 && y < target_y + 16) {
        set_position(start_x, start_y);
        pattern = 0;
        speed = start_speed;
        counter = 0;
    }
    const int32_t d = direction_to(&x, &target_x);
    set_position(x + speed * cos_table[d], y - speed * sin_table[d]);
    speed -= braking;
    if (speed <= least_speed) {
        speed = least_speed;
    }
    pattern = std::min(int32_t(counter / frames_per_pattern), last_pattern);
    ++counter;
}

star002_t* stage_t::make_star002(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    auto* star = new star002_t(info, 0, 0, placement->key);
    // The angle is drawn before the radius.
    const int32_t a = rng::rand() / 92;
    const int32_t r = rng::rand() / 342 + 128;
    star->start_x = float(r) * cos_table_deg[a] + 128;
    star->start_y = float(r) * sin_table_deg[a] + 128;
    star->set_position(star->start_x, star->start_y);
    return append_enemy(stage, star);
}

void stage_t::spawn_star002(stage_t* stage, const placement_t* placement) {
    if (const objectinfo_t* record = objectinfo_find(95)) {
        make_star002(stage, placement, record);
    }
}
