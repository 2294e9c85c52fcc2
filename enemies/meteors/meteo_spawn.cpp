// The meteors' construction: every piece a meteor can break into is made with it and waits switched off;
// the shower is a fixed field of them, the stream a controller with sixteen small ones.
#include "enemies/meteors/meteo.h"

#include "objects/random.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t small_record = 170;
constexpr int32_t medium_record = 171;
constexpr int32_t large_record = 172;
constexpr int32_t small_explosion = 73;
constexpr int32_t medium_explosion = 68;
constexpr int32_t large_explosion = 85;
constexpr int32_t rush_record = 0;

constexpr float small_speed = 0.8f;
constexpr float medium_speed = 0.4f;
constexpr float large_speed = 0.2f;
// The first pattern is drawn within each size's spin.
constexpr int32_t small_pattern_divisor = 937;
constexpr int32_t medium_pattern_divisor = 683;
constexpr int32_t large_pattern_divisor = 1425;

struct shower_row_t {
    int32_t size; // 0 small, 1 medium, 2 large
    int32_t x;
    int32_t y;
    bool reverse_spin;
};
constexpr shower_row_t shower[15] = {
    {0, 192, -20, false}, {0, 270, 0, true},   {0, 500, 24, false},  {0, 448, 128, true},
    {0, 300, 224, false}, {0, 480, 230, true}, {0, 256, 280, false}, {0, 256, 320, true},
    {1, 430, 32, false},  {1, 290, 192, true}, {1, 460, 240, false}, {1, 380, 224, true},
    {2, 490, -30, false}, {2, 512, 160, true}, {2, 580, 128, false},
};

constexpr int32_t rush_count = 16;
constexpr int32_t rush_x[rush_count] = {192, 270, 290, 340, 300, 280, 280, 290,
                                        360, 340, 290, 340, 310, 210, 320, 330};
constexpr int32_t rush_y[rush_count] = {-20, 0,  160, 24,  128, 224, 230, 280,
                                        320, 32, 192, 240, 224, -30, 160, 128};

// A placement of nothing but the key: the groups place their meteors at their own points.
placement_t keyed_placement(const placement_t* placement) {
    placement_t p;
    p.key = placement->key;
    return p;
}

// One meteor of a size with its death explosion, first pattern and spin; records checked by the caller.
template <typename Meteor>
Meteor* make_meteor(stage_t* stage, const placement_t* placement,
                    Meteor* (*maker)(stage_t*, const placement_t*, const objectinfo_t*), int32_t record,
                    int32_t explosion, int32_t pattern_divisor, bool reverse_spin) {
    Meteor* meteor = maker(stage, placement, objectinfo_find(record));
    attach_death_explosion(stage, placement, meteor, objectinfo_find(explosion));
    meteor->pattern = rng::rand() / pattern_divisor;
    meteor->reverse_spin = reverse_spin;
    return meteor;
}

// The four pieces, spinning as the parent, the other way, as the parent, the other way.
template <typename Parent, typename Child>
Parent* add_children(stage_t* stage, const placement_t* placement, Parent* parent,
                     Child* (*make_child)(stage_t*, const placement_t*, bool)) {
    bool spin = parent->reverse_spin != 0;
    for (int32_t i = 0; i < 4; ++i) {
        parent->add_child(make_child(stage, placement, spin));
        spin = !spin;
    }
    return parent;
}

smeteo_t* make_small(stage_t* stage, const placement_t* placement, bool reverse_spin) {
    return make_meteor(stage, placement, stage_t::make_smeteo, small_record, small_explosion,
                       small_pattern_divisor, reverse_spin);
}

mmeteo_t* make_medium(stage_t* stage, const placement_t* placement, bool reverse_spin) {
    return add_children(stage, placement,
                        make_meteor(stage, placement, stage_t::make_mmeteo, medium_record, medium_explosion,
                                    medium_pattern_divisor, reverse_spin),
                        make_small);
}

lmeteo_t* make_large(stage_t* stage, const placement_t* placement, bool reverse_spin) {
    return add_children(stage, placement,
                        make_meteor(stage, placement, stage_t::make_lmeteo, large_record, large_explosion,
                                    large_pattern_divisor, reverse_spin),
                        make_medium);
}

// The records of a size and of every piece it breaks into: a parent is never left with an empty slot.
bool small_records() {
    return find_records({small_record, small_explosion}).has_value();
}
bool medium_records() {
    return small_records() && find_records({medium_record, medium_explosion}).has_value();
}
bool large_records() {
    return medium_records() && find_records({large_record, large_explosion}).has_value();
}

} // namespace

smeteo_t* stage_t::make_smeteo(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    smeteo_t* meteor = make_placed_enemy<smeteo_t>(stage, placement, info);
    meteor->speed = small_speed;
    return meteor;
}

mmeteo_t* stage_t::make_mmeteo(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    mmeteo_t* meteor = make_placed_enemy<mmeteo_t>(stage, placement, info);
    meteor->speed = medium_speed;
    return meteor;
}

lmeteo_t* stage_t::make_lmeteo(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    lmeteo_t* meteor = make_placed_enemy<lmeteo_t>(stage, placement, info);
    meteor->speed = large_speed;
    return meteor;
}

smeteo_rush_t* stage_t::make_smeteo_rush(stage_t* stage, const placement_t* placement,
                                         const objectinfo_t* info) {
    return make_placed_enemy<smeteo_rush_t>(stage, placement, info);
}

void stage_t::spawn_smeteo(stage_t* stage, const placement_t* placement, bool reverse_spin) {
    if (small_records()) {
        make_small(stage, placement, reverse_spin);
    }
}

void stage_t::spawn_mmeteo(stage_t* stage, const placement_t* placement, bool reverse_spin) {
    if (medium_records()) {
        make_medium(stage, placement, reverse_spin);
    }
}

void stage_t::spawn_lmeteo(stage_t* stage, const placement_t* placement, bool reverse_spin) {
    if (large_records()) {
        make_large(stage, placement, reverse_spin);
    }
}

void stage_t::spawn_meteo_shower(stage_t* stage, const placement_t* placement) {
    // All or nothing: a shower missing its large meteors would be a different field.
    if (!large_records()) {
        return;
    }
    placement_t p = keyed_placement(placement);
    for (const shower_row_t& row : shower) {
        p.x = row.x;
        p.y = row.y;
        if (row.size == 0) {
            make_small(stage, &p, row.reverse_spin);
        } else if (row.size == 1) {
            make_medium(stage, &p, row.reverse_spin);
        } else {
            make_large(stage, &p, row.reverse_spin);
        }
    }
}

void stage_t::spawn_smeteo_rush(stage_t* stage, const placement_t* placement) {
    const objectinfo_t* record = objectinfo_find(rush_record);
    if (record == nullptr || !small_records()) {
        return;
    }
    smeteo_rush_t* rush = make_smeteo_rush(stage, placement, record);
    placement_t p = keyed_placement(placement);
    bool spin = false;
    for (int32_t i = 0; i < rush_count; ++i) {
        p.x = rush_x[i];
        p.y = rush_y[i];
        smeteo_t* meteor = make_small(stage, &p, spin);
        spin = !spin;
        meteor->alive = 0;
        meteor->hp = 0;
        rush->meteors.push_back(meteor);
    }
}
