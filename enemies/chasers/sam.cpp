// The SAM's flight, fuel and smoke, its puffs and burst, and its assembly.
#include "enemies/chasers/sam.h"

#include "enemies/chasers/chase.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t low_fuel = 3;
constexpr uint32_t burn_period = 32;
constexpr uint32_t low_burn_period = 16;
constexpr int32_t flame_patterns = 8;
constexpr float thrust = 3.5f;
constexpr float hover_reach = 8; // half the box around it where the ship holds it still
constexpr uint32_t smoke_period = 8;
constexpr int32_t puff_period = 6;
constexpr int32_t puff_steps = 8;
constexpr int32_t burst_patterns = 24;
constexpr int32_t burst_harmful_frames = 3;
constexpr int32_t se_burst = 75;

void switch_off(object_t& o) {
    o.alive = 0;
    o.hp = 0;
}

} // namespace

void Sam::update() {
    if (counter % (fuel > low_fuel ? burn_period : low_burn_period) == 0) {
        --fuel;
    }
    if (fuel <= 0) {
        kill();
        return;
    }
    pattern = std::max(flame_patterns - fuel, 0);
    direction = turn_direction(direction, chase::direction_to_ship(position(), direction), 1);
    chase::advance(*this, direction, chase::ship_within(x, y, hover_reach) ? 0.0f : thrust / float(fuel));
    if (counter % smoke_period == 0) {
        emit_smoke();
    }
    ++counter;
}

void Sam::emit_smoke() {
    for (smoke_t* puff : smokes) {
        if (!puff->alive) {
            puff->set_position(x, y);
            puff->size = pattern / 2;
            puff->start();
            return;
        }
    }
}

void Sam::kill() {
    burst->set_position(x, y);
    burst->start();
    enemy_t::kill();
    g_soundctr.request_se(se_burst);
}

namespace sam_parts {

void smoke_t::update() {
    if (counter != 0 && counter % puff_period == 0) {
        if (step + 1 >= puff_steps) {
            switch_off(*this);
            return;
        }
        ++step;
    }
    pattern = size * puff_steps + step;
    ++counter;
}

void smoke_t::start() {
    counter = 0;
    step = 0;
    enemy_t::start();
}

void Burst::update() {
    if (counter != 0) {
        if (pattern + 1 >= burst_patterns) {
            switch_off(*this);
            return;
        }
        ++pattern;
    }
    ++counter;
}

void Burst::start() {
    counter = 0;
    pattern = 0;
    enemy_t::start();
}

int32_t Burst::contact_damage() {
    return counter < burst_harmful_frames ? enemy_t::contact_damage() : 0;
}

} // namespace sam_parts

Sam* stage_t::make_sam(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<Sam>(stage, placement, info);
}

Sam::smoke_t* stage_t::make_sam_smoke(stage_t* stage, const placement_t* placement,
                                      const objectinfo_t* info) {
    Sam::smoke_t* puff = make_placed_enemy<Sam::smoke_t>(stage, placement, info);
    switch_off(*puff);
    return puff;
}

Sam::Burst* stage_t::make_sam_burst(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    Sam::Burst* burst = make_placed_enemy<Sam::Burst>(stage, placement, info);
    switch_off(*burst);
    return burst;
}

void stage_t::spawn_sam(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({216, 217, 218});
    if (!r) {
        return;
    }
    const auto [missile, smoke, burst] = *r;
    std::array<Sam::smoke_t*, 10> smokes{};
    for (Sam::smoke_t*& puff : smokes) {
        puff = make_sam_smoke(stage, placement, smoke);
    }
    Sam* sam = make_sam(stage, placement, missile);
    sam->smokes = smokes;
    sam->burst = make_sam_burst(stage, placement, burst);
}
