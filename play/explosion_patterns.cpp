// The composite death explosions of large enemies and bosses: a core and rings of fragments that fly
// apart, all started together where their owner dies.
#include "objects/big_explosion.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t composite_record = 0;

// Offset of radius r along direction d, truncated toward zero.
int32_t ring_dx(float r, int32_t d) {
    return int32_t(r * cos_table[d & 63]);
}
int32_t ring_dy(float r, int32_t d) {
    return int32_t(-r * sin_table[d & 63]);
}

struct fragment_t {
    int32_t direction;
    uint32_t period;
    float speed;
    int32_t accel;
    int32_t dx;
    int32_t dy;
};

void add_fragment(stage_t* stage, const placement_t* placement, big_explosion_t* set,
                  const objectinfo_t* record, const fragment_t& f) {
    active_explosion_t* part = stage_t::make_active_explosion(stage, placement, record);
    part->period = f.period;
    part->direction = f.direction;
    part->speed = f.speed;
    part->accel = f.accel;
    part->vx = f.speed * cos_table[f.direction & 63];
    part->vy = -f.speed * sin_table[f.direction & 63];
    set->parts.add(part, f.dx, f.dy);
}

void add_core(stage_t* stage, const placement_t* placement, big_explosion_t* set, const objectinfo_t* record,
              uint32_t period) {
    explosion_t* core = stage_t::make_explosion(stage, placement, record);
    core->period = period;
    set->parts.add(core, 0, 0);
}

// The spray of the boss and medium patterns: directions E, periods F, speeds G.
constexpr int32_t spray_direction[8] = {8, 20, 22, 24, 25, 36, 40, 44};

} // namespace

big_explosion_t* stage_t::make_explosion_pattern_mothership(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({composite_record, 89, 71, 68});
    if (!r) {
        return nullptr;
    }
    constexpr float inner_speed[8] = {0.2f, 0.1f, 0.0f, 0.3f, 0.15f, 0.2f, 0.1f, 0.3f};
    constexpr float outer_speed[8] = {0.5f, 0.3f, 1.0f, 0.3f, 0.6f, 1.2f, 0.8f, 0.6f};
    big_explosion_t* set = make_big_explosion(stage, placement, (*r)[0]);
    add_core(stage, placement, set, (*r)[1], 4);
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t d = 8 * i;
        add_fragment(stage, placement, set, (*r)[2],
                     {d, 6, inner_speed[i], 0, ring_dx(12, d), ring_dy(12, d)});
    }
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t d = 4 + 8 * i;
        add_fragment(stage, placement, set, (*r)[3],
                     {d, 2, 0.5f + outer_speed[i], 0, ring_dx(16, d), ring_dy(16, d)});
    }
    return set;
}

big_explosion_t* stage_t::make_explosion_pattern_boss(stage_t* stage, const placement_t* placement,
                                                      int32_t base) {
    // Record 83 is required although no part uses it.
    const auto r = find_records({composite_record, 90, 71, 68, 83, 75});
    if (!r) {
        return nullptr;
    }
    constexpr float inner_speed[8] = {0.5f, 0.3f, 0.0f, 0.6f, 0.4f, 0.3f, 0.3f, 0.6f};
    constexpr float second_speed[8] = {0.4f, 0.5f, 1.4f, 0.5f, 0.6f, 1.2f, 0.8f, 0.7f};
    constexpr uint32_t spray_period[8] = {3, 4, 7, 6, 6, 9, 7, 3};
    constexpr float spray_speed[8] = {3, 4, 5, 4, 5, 4, 5, 4};
    const uint32_t b = uint32_t(base);
    big_explosion_t* set = make_big_explosion(stage, placement, (*r)[0]);
    add_core(stage, placement, set, (*r)[1], b + 1);
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t d = 8 * i;
        add_fragment(stage, placement, set, (*r)[2],
                     {d, uint32_t(i % 3) + b + 1, inner_speed[i], 0, ring_dx(8, d), ring_dy(8, d)});
    }
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t d = 4 + 8 * i;
        add_fragment(stage, placement, set, (*r)[3],
                     {d, b + 2, second_speed[i], 0, ring_dx(12, d), ring_dy(12, d)});
    }
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t e = spray_direction[i];
        add_fragment(stage, placement, set, (*r)[5],
                     {e, spray_period[i], spray_speed[i], -9, ring_dx(16, e), ring_dy(16, e)});
    }
    for (int32_t j = 0; j < 8; j += 2) {
        const int32_t e = spray_direction[j];
        add_fragment(stage, placement, set, (*r)[5],
                     {(e + 32) % 64, spray_period[j], spray_speed[j], -12, ring_dx(16, e), ring_dy(16, e)});
    }
    return set;
}

big_explosion_t* stage_t::make_explosion_pattern_medium(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({composite_record, 68, 73, 75});
    if (!r) {
        return nullptr;
    }
    constexpr float ring_speed[8] = {0.7f, 0.4f, 0.6f, 0.5f, 0.7f, 0.5f, 0.6f, 0.4f};
    constexpr float spray_speed[8] = {3, 4, 5, 4, 5, 5, 4, 4};
    constexpr uint32_t spray_period[8] = {2, 2, 3, 4, 5, 6, 4, 2};
    big_explosion_t* set = make_big_explosion(stage, placement, (*r)[0]);
    add_fragment(stage, placement, set, (*r)[1], {0, 2, 0.0f, 0, 0, 0});
    add_fragment(stage, placement, set, (*r)[1], {32, 1, 0.5f, 0, -4, 0});
    add_fragment(stage, placement, set, (*r)[1], {0, 1, 0.5f, 0, 4, 0});
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t d = 8 * i;
        add_fragment(stage, placement, set, (*r)[2],
                     {d, 2 + uint32_t(i % 2), ring_speed[i], 0, ring_dx(10, d), ring_dy(10, d)});
    }
    for (int32_t i = 0; i < 8; ++i) {
        add_fragment(stage, placement, set, (*r)[3],
                     {spray_direction[i], spray_period[i], spray_speed[i], -12, 0, 0});
    }
    return set;
}

big_explosion_t* stage_t::make_explosion_pattern_small(stage_t* stage, const placement_t* placement) {
    const objectinfo_t* core = objectinfo_find(90);
    if (core == nullptr) {
        return nullptr;
    }
    big_explosion_t* set = make_explosion_pattern_medium(stage, placement);
    if (set != nullptr) {
        add_core(stage, placement, set, core, 1);
    }
    return set;
}
