// The placement dispatcher: one placement record becomes its objects through the spawn function of its
// type; the turret and hatch types get their shots and their formation here.
#include "enemies/turrets/battery001.h"
#include "enemies/turrets/battery003.h"
#include "objects/missile.h"
#include "play/placement_dispatch.h"
#include "play/spawn_helpers.h"

#include <array>
#include <initializer_list>

namespace {

using S = stage_t;
using table_t = std::array<dispatch_entry_t, last_dispatch_type - first_dispatch_type + 1>;

constexpr int32_t plain_enemy_explosion = 50;
constexpr int32_t hatch_members = 8;

struct table_builder_t {
    table_t table{};

    dispatch_entry_t& at(int32_t type) { return table[size_t(type - first_dispatch_type)]; }
    void plain(std::initializer_list<int32_t> types, void (*f)(stage_t*, const placement_t*)) {
        for (int32_t t : types) {
            at(t).kind = handler_kind_t::plain;
            at(t).plain = f;
        }
    }
    void range(int32_t first, int32_t last, void (*f)(stage_t*, const placement_t*)) {
        for (int32_t t = first; t <= last; ++t) {
            plain({t}, f);
        }
    }
    void with_int(std::initializer_list<int32_t> types, void (*f)(stage_t*, const placement_t*, int32_t),
                  int32_t extra) {
        for (int32_t t : types) {
            at(t) = {handler_kind_t::with_int, nullptr, f, nullptr, nullptr, nullptr, extra, 0};
        }
    }
    void enemy_with_int(std::initializer_list<int32_t> types,
                        enemy_t* (*f)(stage_t*, const placement_t*, int32_t), int32_t extra,
                        handler_kind_t kind = handler_kind_t::enemy_with_int) {
        for (int32_t t : types) {
            at(t) = {kind, nullptr, nullptr, f, nullptr, nullptr, extra, 0};
        }
    }
    void with_speed(int32_t type, float speed) {
        at(type) = {handler_kind_t::with_speed, nullptr, nullptr, nullptr,
                    S::spawn_shutter002,        nullptr, 0,       speed};
    }
    void with_flag(int32_t type, void (*f)(stage_t*, const placement_t*, bool)) {
        at(type) = {handler_kind_t::with_flag, nullptr, nullptr, nullptr, nullptr, f, 0, 0};
    }
    void turret(int32_t type, int32_t explosion) {
        at(type).kind = handler_kind_t::turret;
        at(type).extra = explosion;
    }
};

table_t build_table() {
    table_builder_t b;
    b.plain({43}, S::spawn_arrow);
    b.plain({91}, S::spawn_expman);
    b.plain({95}, S::spawn_star002);
    b.range(96, 99, S::spawn_enemy_skipper);
    b.plain({100}, S::spawn_missile_skipper);
    b.plain({101}, S::spawn_explosion_skipper);
    b.with_int({103}, S::spawn_zigzag_a, 12);
    b.with_int({104}, S::spawn_zigzag_b, 12);
    b.with_int({105}, S::spawn_zigzag_c, 12);
    b.with_int({106}, S::spawn_zigzag_d, 16);
    b.with_int({107}, S::spawn_zigzag_e, 20);
    b.with_int({108}, S::spawn_zigzag_f, 20);
    b.with_int({111}, S::spawn_twister001_a, 1);
    b.with_int({112}, S::spawn_twister001_a, 8);
    b.with_int({113}, S::spawn_twister001_b, 8);
    b.enemy_with_int({114}, S::spawn_twister002_a, 1);
    b.enemy_with_int({115}, S::spawn_twister002_a, 8);
    b.enemy_with_int({116}, S::spawn_twister002_b, 8);
    b.plain({117, 118}, S::spawn_twister003);
    b.plain({119}, S::spawn_twister004);
    b.with_int({121, 123, 125, 127}, spawn_with_int_dropping_result<S::spawn_twister005>, 5);
    b.plain({128}, S::spawn_twister006);
    b.plain({129}, S::spawn_twister007);
    b.plain({130}, S::spawn_twister008);
    b.plain({131}, S::spawn_rotator001);
    b.plain({132}, S::spawn_rotator002);
    b.plain({133}, S::spawn_rotator003);
    b.plain({134}, S::spawn_rotator003_ctr);
    b.plain({135}, S::spawn_rotator004);
    b.plain({136}, S::spawn_rotator005);
    b.plain({137}, S::spawn_rotator006);
    b.plain({140}, S::spawn_tracer001);
    b.plain({141}, S::spawn_tracer002);
    b.plain({142}, S::spawn_fencer);
    b.plain({143}, S::spawn_patroller001);
    b.plain({144}, S::spawn_twinbarrel);
    b.plain({146}, S::spawn_quadbarrel);
    b.turret(150, 72);
    b.turret(151, 72);
    b.plain({152}, spawn_dropping_result<S::spawn_battery002>);
    b.turret(155, 68);
    b.plain({156}, S::spawn_battery004);
    b.with_int({162}, S::spawn_battery005, 3);
    b.with_int({163}, S::spawn_battery005, 1);
    b.with_int({164}, S::spawn_battery005, 0);
    b.with_int({165}, S::spawn_battery005, 2);
    b.plain({166}, spawn_dropping_result<S::spawn_battery006>);
    b.plain({167}, S::spawn_fish);
    b.plain({168}, S::spawn_gather);
    b.plain({169}, S::spawn_hopper);
    b.with_flag(170, S::spawn_smeteo);
    b.with_flag(171, S::spawn_mmeteo);
    b.with_flag(172, S::spawn_lmeteo);
    b.plain({173}, S::spawn_meteo_shower);
    b.plain({174}, S::spawn_smeteo_rush);
    b.enemy_with_int({176}, S::spawn_splitter, 68);
    b.plain({177}, S::spawn_electricity);
    b.plain({178}, S::spawn_shutter001);
    b.with_speed(181, 1.0f);
    b.with_speed(182, -1.0f);
    b.with_speed(183, 0.15f);
    b.with_speed(184, -0.15f);
    b.with_speed(185, 1.5f);
    b.with_speed(186, -1.5f);
    b.plain({187, 188}, S::spawn_shutter003);
    b.plain({189}, S::spawn_worm001);
    b.plain({190}, S::spawn_worm002);
    b.plain({193}, S::spawn_worm003);
    b.plain({196}, S::spawn_worm004);
    b.plain({199}, S::spawn_worm005);
    b.plain({202}, S::spawn_worm006);
    b.plain({205}, S::spawn_worm007);
    b.plain({210}, S::spawn_worm008);
    b.plain({214}, S::spawn_phoenix001);
    b.plain({215}, S::spawn_phoenix002);
    b.plain({216}, S::spawn_sam);
    b.plain({219}, S::spawn_bee001);
    b.plain({228}, S::spawn_bee003);
    b.plain({237}, S::spawn_cell001);
    b.plain({240}, S::spawn_cell002);
    b.enemy_with_int({242, 243, 244}, S::spawn_lightning, -1);
    b.enemy_with_int({245}, S::spawn_twister002_a, hatch_members, handler_kind_t::hatch);
    b.enemy_with_int({246}, S::spawn_twister002_b, hatch_members, handler_kind_t::hatch);
    b.enemy_with_int({247}, S::spawn_twister002_d, hatch_members, handler_kind_t::hatch);
    b.enemy_with_int({248}, S::spawn_twister002_c, hatch_members, handler_kind_t::hatch);
    b.with_int({249}, spawn_with_int_dropping_result<S::spawn_spider001>, 1);
    b.with_int({250}, spawn_with_int_dropping_result<S::spawn_spider001>, 0);
    b.plain({254}, S::spawn_tentacle001);
    b.plain({259}, S::spawn_tarantula);
    b.plain({262}, S::spawn_midboss001);
    b.plain({266}, S::spawn_midboss002);
    b.plain({267}, S::spawn_midboss003);
    b.enemy_with_int({270}, S::spawn_oneup, -1);
    b.plain({271}, S::spawn_pole);
    b.plain({274}, S::spawn_tripus);
    b.plain({277}, S::spawn_crab001);
    b.range(288, 293, S::spawn_wall);
    b.plain({294}, S::spawn_scorpion001);
    b.plain({311}, S::spawn_boss004);
    b.plain({322}, S::spawn_boss005);
    b.plain({331}, S::spawn_boss006);
    b.plain({338}, S::spawn_melvorin);
    b.plain({347}, S::spawn_mothership);
    b.range(350, 360, S::spawn_ending_object001);
    b.plain({361}, S::spawn_ending_object002);
    b.plain({362}, S::spawn_ending_object_shipeject);
    return b.table;
}

const table_t dispatch_table = build_table();
const dispatch_entry_t plain_enemy_entry{};

// The turret's shots: 4 of record 21 for the floor and roof turrets, 64 of record 18 for battery003.
template <typename Body>
void give_turret_shots(stage_t* stage, const placement_t* placement, Body* body, int32_t record_id,
                       int32_t count) {
    if (body == nullptr) {
        return;
    }
    if (const objectinfo_t* record = objectinfo_find(record_id)) {
        make_shot_pool(stage, placement, record, body, count, body->shots);
    }
}

void spawn_turret(stage_t* stage, const placement_t* placement, int32_t explosion) {
    switch (placement->type) {
    case 150:
        give_turret_shots(stage, placement, S::spawn_battery001_floor(stage, placement, explosion), 21, 4);
        break;
    case 151:
        give_turret_shots(stage, placement, S::spawn_battery001_roof(stage, placement, explosion), 21, 4);
        break;
    default: {
        battery003::body_t* body = S::spawn_battery003(stage, placement, explosion);
        // The param word is the facing; its one random draw, the animation's phase, comes before the shots.
        if (body != nullptr) {
            body->set_facing(placement->param2);
        }
        give_turret_shots(stage, placement, body, 18, 64);
        break;
    }
    }
}

} // namespace

const dispatch_entry_t& dispatch_entry(int32_t type) {
    if (type < first_dispatch_type || type > last_dispatch_type) {
        return plain_enemy_entry;
    }
    return dispatch_table[size_t(type - first_dispatch_type)];
}

void stage_t::spawn_placement(stage_t* stage, const placement_t* placement) {
    run_dispatch_entry(dispatch_entry(placement->type), stage, placement);
}

void run_dispatch_entry(const dispatch_entry_t& e, stage_t* stage, const placement_t* placement) {
    switch (e.kind) {
    case handler_kind_t::plain_enemy:
        S::spawn_plain_enemy(stage, placement, plain_enemy_explosion);
        break;
    case handler_kind_t::plain:
        e.plain(stage, placement);
        break;
    case handler_kind_t::with_int:
        e.with_int(stage, placement, e.extra);
        break;
    case handler_kind_t::enemy_with_int:
        e.enemy_with_int(stage, placement, e.extra);
        break;
    case handler_kind_t::with_speed:
        e.with_speed(stage, placement, e.speed);
        break;
    case handler_kind_t::with_flag:
        e.with_flag(stage, placement, placement->param2 != 0);
        break;
    case handler_kind_t::turret:
        spawn_turret(stage, placement, e.extra);
        break;
    case handler_kind_t::hatch:
        // The hatch is made even when the formation could not be.
        S::spawn_hatch(stage, placement, e.enemy_with_int(stage, placement, e.extra));
        break;
    }
}
