#include "enemies/battery001.h"
#include "enemies/standin_turrets.h"
#include "objects/big_explosion.h"
#include "objects/ending_objects.h"
#include "objects/expman.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/oneup.h"
#include "objects/random.h"
#include "objects/stage_pointers.h"
#include "play/placement_dispatch.h"
#include "play/spawn_helpers.h"
#include "play/stage.h"
#include "play/stage_file.h"
#include "player/smoke.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/objectinfo_file.h"
#include "tools/sample/stage_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>

namespace {

// value A, operator A, value B, operator B.
constexpr uint32_t cond(uint32_t a, uint32_t op_a, uint32_t b, uint32_t op_b) {
    return a << 24 | op_a << 16 | b << 8 | op_b;
}

// A stage over the sample parameter table, as a play start loads it; records can be left out.
class stage_load : public ::testing::Test {
  protected:
    void load_table(std::initializer_list<int32_t> without = {}, std::initializer_list<int32_t> extra = {}) {
        std::vector<objectinfo_t> records = sample_objectinfo_records();
        for (int32_t id : extra) {
            records.push_back({id, 16, 16, 4, 0, 0, -1, 0, 0});
        }
        std::erase_if(records, [&](const objectinfo_t& r) {
            return std::find(without.begin(), without.end(), r.id) != without.end();
        });
        std::filesystem::create_directory("bin");
        ASSERT_TRUE(write_file_bytes(".\\bin\\objectinfo.dat", encode_objectinfo(records)));
        ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", 1));
    }
    void SetUp() override { load_table(); }
    void TearDown() override { stage.clear(); }

    placement_t at(int32_t type, int32_t param2 = 0, int32_t item = -1) {
        placement_t p;
        p.x = 100;
        p.y = 50;
        p.type = type;
        p.key = 7;
        p.param2 = param2;
        p.item = item;
        return p;
    }

    temp_folder_t folder;
    stage_t stage;
};

} // namespace

TEST(stage_condition, each_operator_compares_the_setting_with_its_value) {
    struct row_t {
        uint32_t condition;
        int32_t level;
        int32_t loop;
        bool passes;
    };
    const row_t rows[] = {
        {0, -5, 99, true},
        {cond(3, 1, 0, 0), 2, 1, false},
        {cond(3, 1, 0, 0), 3, 1, true},
        {cond(3, 1, 0, 0), 4, 1, false},
        {cond(3, 2, 0, 0), 3, 1, false},
        {cond(3, 2, 0, 0), 4, 1, true},
        {cond(3, 3, 0, 0), 2, 1, true},
        {cond(3, 3, 0, 0), 3, 1, false},
        {cond(3, 4, 0, 0), 2, 1, false},
        {cond(3, 4, 0, 0), 3, 1, true},
        {cond(3, 4, 0, 0), 8, 1, true},
        {cond(2, 5, 0, 0), 2, 1, true},
        {cond(2, 5, 0, 0), 3, 1, false},
        {cond(0, 0, 2, 1), 5, 2, true},
        {cond(0, 0, 2, 1), 5, 1, false},
        {cond(0, 0, 2, 2), 5, 3, true},
        {cond(0, 0, 2, 3), 5, 1, true},
        {cond(0, 0, 2, 4), 5, 1, false},
        {cond(0, 0, 2, 5), 5, 3, false},
        {cond(200, 4, 0, 0), -1, 1, false}, // signed: -1 is below 200
        {cond(9, 7, 9, 255), 1, 1, true},
        {cond(9, 6, 9, 6), 1, 1, true},
        {cond(3, 4, 2, 1), 3, 1, false},
        {cond(3, 4, 2, 1), 3, 2, true},
    };
    for (const row_t& r : rows) {
        EXPECT_EQ(condition_passes(r.condition, r.level, r.loop), r.passes)
            << std::hex << r.condition << std::dec << " level " << r.level << " loop " << r.loop;
    }
}

TEST(placement_dispatch, the_type_table_has_131_own_handlers_and_fixed_extras) {
    int own = 0;
    for (int32_t t = first_dispatch_type; t <= last_dispatch_type; ++t) {
        own += dispatch_entry(t).kind != handler_kind_t::plain_enemy;
    }
    EXPECT_EQ(own, 131);
    for (int32_t t : {42, 363, -1, 1000, 120, 122, 124, 126, 200, 201, 348, 349}) {
        EXPECT_EQ(dispatch_entry(t).kind, handler_kind_t::plain_enemy) << t;
    }
    struct row_t {
        int32_t type;
        handler_kind_t kind;
        int32_t extra;
    };
    const row_t rows[] = {
        {103, handler_kind_t::with_int, 12},       {106, handler_kind_t::with_int, 16},
        {108, handler_kind_t::with_int, 20},       {111, handler_kind_t::with_int, 1},
        {115, handler_kind_t::enemy_with_int, 8},  {127, handler_kind_t::with_int, 5},
        {150, handler_kind_t::turret, 72},         {155, handler_kind_t::turret, 68},
        {162, handler_kind_t::with_int, 3},        {165, handler_kind_t::with_int, 2},
        {176, handler_kind_t::enemy_with_int, 68}, {244, handler_kind_t::enemy_with_int, -1},
        {247, handler_kind_t::hatch, 8},           {249, handler_kind_t::with_int, 1},
        {250, handler_kind_t::with_int, 0},        {270, handler_kind_t::enemy_with_int, -1},
    };
    for (const row_t& r : rows) {
        EXPECT_EQ(dispatch_entry(r.type).kind, r.kind) << r.type;
        EXPECT_EQ(dispatch_entry(r.type).extra, r.extra) << r.type;
    }
    EXPECT_EQ(dispatch_entry(247).enemy_with_int, &stage_t::spawn_twister002_d);
    EXPECT_EQ(dispatch_entry(248).enemy_with_int, &stage_t::spawn_twister002_c);
    EXPECT_EQ(dispatch_entry(112).with_int, &stage_t::spawn_twister001_a);
    EXPECT_EQ(dispatch_entry(184).speed, -0.15f);
    EXPECT_EQ(dispatch_entry(171).with_flag, &stage_t::spawn_mmeteo);
    EXPECT_EQ(dispatch_entry(293).plain, &stage_t::spawn_wall);
    EXPECT_EQ(dispatch_entry(360).plain, &stage_t::spawn_ending_object001);
}

TEST_F(stage_load, turrets_get_their_explosion_item_and_owned_shots_in_order) {
    rng::srand(1);
    const int32_t first_draw = rng::rand();
    rng::srand(1);
    for (const placement_t& p : {at(150, 0, 37), at(155, 3)}) {
        stage_t::spawn_placement(&stage, &p);
    }
    ASSERT_EQ(stage.enemies[0].size(), 2u);
    auto* floor = dynamic_cast<battery001::floorbody_t*>(stage.enemies[0][0]);
    auto* b3 = dynamic_cast<battery003::body_t*>(stage.enemies[0][1]);
    ASSERT_NE(floor, nullptr);
    ASSERT_NE(b3, nullptr);
    EXPECT_EQ(floor->explosion, stage.explosions[0]);
    EXPECT_EQ(floor->explosion->info->id, 72);
    EXPECT_EQ(b3->explosion->info->id, 68);
    EXPECT_EQ(floor->carried, stage.items[0]);
    ASSERT_EQ(floor->shots.size(), 4u);
    ASSERT_EQ(b3->shots.size(), 64u);
    EXPECT_EQ(stage.enemy_shots.size(), 68u);
    EXPECT_EQ(floor->shots[3], stage.enemy_shots[3]);
    EXPECT_EQ(floor->shots[0]->info->id, 21);
    EXPECT_EQ(b3->shots[0]->info->id, 18);
    EXPECT_EQ(b3->shots[63]->owner, b3);
    EXPECT_EQ(b3->shots[0]->key, 7u);
    EXPECT_EQ(b3->fire_interval, 24u);
    EXPECT_EQ(b3->fire_countdown, 24u + uint32_t(first_draw >> 12));
}

TEST_F(stage_load, a_turret_without_its_shot_record_stands_alone_and_unknown_types_make_nothing) {
    load_table({21, 114, 245});
    for (const placement_t& p : {at(150), at(363), at(999), at(245)}) {
        stage_t::spawn_placement(&stage, &p);
    }
    EXPECT_EQ(stage.enemies[0].size(), 1u);
    EXPECT_EQ(stage.enemy_shots.size(), 0u);
}

TEST_F(stage_load, dropped_items_follow_the_item_mode) {
    struct row_t {
        int32_t mode;
        int32_t item;
        int32_t made; // record id, 0 none
    };
    const row_t rows[] = {{1, 7, 42},  {1, -1, 0}, {1, 42, 42}, {0, 42, 0}, {0, 34, 34},
                          {0, 37, 37}, {0, -1, 0}, {0, 999, 0}, {2, 37, 0}, {-1, 37, 0}};
    for (const row_t& r : rows) {
        stage.item_mode = r.mode;
        const placement_t p = at(600, 0, r.item);
        item_t* item = stage_t::make_item(&stage, &p);
        EXPECT_EQ(item != nullptr ? item->info->id : 0, r.made) << r.mode << " " << r.item;
        if (item != nullptr) {
            EXPECT_EQ(stage.items.back(), item);
            EXPECT_EQ(dynamic_cast<capsule_item_t*>(item) != nullptr, r.mode == 1);
            EXPECT_EQ(dynamic_cast<speed_item_t*>(item) != nullptr, r.item == 34 && r.mode == 0);
            EXPECT_FALSE(item->alive);
        }
    }
}

TEST_F(stage_load, explosion_patterns_place_their_rings_and_need_every_record) {
    const placement_t p = at(600);
    big_explosion_t* boss = stage_t::make_explosion_pattern_boss(&stage, &p, 1);
    ASSERT_NE(boss, nullptr);
    ASSERT_EQ(boss->parts.entries.size(), 29u);
    EXPECT_EQ(stage.explosions.size(), 30u);
    const std::pair<int32_t, int32_t> inner[8] = {{8, 0},  {5, -5}, {0, -8}, {-5, -5},
                                                  {-8, 0}, {-5, 5}, {0, 8},  {5, 5}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(boss->parts.entries[size_t(1 + i)].dx, inner[i].first);
        EXPECT_EQ(boss->parts.entries[size_t(1 + i)].dy, inner[i].second);
        EXPECT_EQ(boss->parts.entries[size_t(1 + i)].explosion->period, uint32_t(i % 3 + 2));
    }
    // The counter-spray leaves from the spray's offsets the opposite way.
    const auto& last = boss->parts.entries.back();
    EXPECT_EQ(last.dx, -11);
    EXPECT_EQ(last.dy, 11);
    EXPECT_EQ(static_cast<active_explosion_t*>(last.explosion)->direction, 8);
    EXPECT_EQ(boss->parts.entries[9].dx, 11); // second ring, direction 4, radius 12
    EXPECT_EQ(boss->parts.entries[9].dy, -4);

    big_explosion_t* medium = stage_t::make_explosion_pattern_medium(&stage, &p);
    ASSERT_NE(medium, nullptr);
    medium->set_position(100.7f, 50.2f);
    medium->start();
    EXPECT_EQ(medium->parts.entries[1].explosion->x, 96);
    EXPECT_EQ(medium->parts.entries[1].explosion->y, 50);
    EXPECT_EQ(medium->parts.entries[3].explosion->x, 110);
    EXPECT_EQ(medium->parts.entries[3].explosion->key, 7u);
    EXPECT_EQ(stage_t::make_explosion_pattern_small(&stage, &p)->parts.entries.size(), 20u);
    EXPECT_EQ(stage_t::make_explosion_pattern_mothership(&stage, &p)->parts.entries.size(), 17u);

    load_table({83});
    const uint32_t before = stage.explosions.size();
    EXPECT_EQ(stage_t::make_explosion_pattern_boss(&stage, &p, 0), nullptr);
    EXPECT_EQ(stage.explosions.size(), before);
}

TEST_F(stage_load, a_whole_file_loads_events_first_then_placements_then_pools_and_pointers) {
    std::vector<placement_t> placements(stage_record_count, at(600));
    placements[1].condition = cond(5, 1, 0, 0); // level 5 only
    std::vector<eventinfo_t> events(stage_record_count, eventinfo_t{380, 0, 3, 1});
    events[0].condition = cond(0, 0, 2, 1); // loop 2 only
    const std::vector<uint8_t> image = stage_file_bytes(placements, events);
    ASSERT_EQ(image.size(), stage_file_size);
    ASSERT_TRUE(stage.load(image.data(), 1, 1, 0));
    EXPECT_EQ(stage.events.size(), 2047u);
    EXPECT_EQ(stage.enemies[0].size(), 2047u);
    EXPECT_EQ(stage.shot_pool.size(), 80u);
    EXPECT_EQ(g_shot_pool, &stage.shot_pool);
    EXPECT_EQ(g_enemy_list, &stage.enemies[0]);
    stage.clear();

    // Terminated tables stop at the first -1; what follows is not read.
    placements.resize(3);
    placements[1].type = -1;
    ASSERT_TRUE(stage.load(stage_file_bytes(placements, {}).data(), 1, 1, 0));
    EXPECT_EQ(stage.enemies[0].size(), 1u);
    EXPECT_EQ(stage.events.size(), 0u);
    EXPECT_EQ(stage.stars.size(), 64u);
}

TEST_F(stage_load, placed_objects_are_made_of_their_type_without_explosion_and_the_sequencer_gets_two_bands) {
    load_table({}, {65, 66, 67, 69, 270, 350, 361});
    for (const placement_t& p : {at(270, 0, 37), at(350), at(361), at(91)}) {
        stage_t::spawn_placement(&stage, &p);
    }
    ASSERT_EQ(stage.enemies[0].size(), 4u);
    auto* oneup = dynamic_cast<oneup_t*>(stage.enemies[0][0]);
    ASSERT_NE(oneup, nullptr);
    EXPECT_EQ(oneup->explosion, nullptr);
    EXPECT_EQ(oneup->carried, stage.items[0]);
    EXPECT_NE(dynamic_cast<ending_object001_t*>(stage.enemies[0][1]), nullptr);
    EXPECT_NE(dynamic_cast<ending_object002_t*>(stage.enemies[0][2]), nullptr);
    auto* manager = dynamic_cast<expman_t*>(stage.enemies[0][3]);
    ASSERT_NE(manager, nullptr);
    ASSERT_EQ(manager->set.entries.size(), 192u);
    EXPECT_EQ(stage.explosions.size(), 192u);
    EXPECT_EQ(manager->set.entries[95].explosion->period, 7u);
    EXPECT_EQ(manager->set.entries[95].explosion->info->id, 65);
    EXPECT_EQ(manager->set.entries[96].dx, 244);
    EXPECT_EQ(manager->set.entries[96].dy, 232);
}

TEST_F(stage_load, makers_append_dormant_objects_with_the_placement_key_and_skippers_ignore_hits) {
    load_table({99}, {603});
    const placement_t p = at(97);
    stage_t::spawn_placement(&stage, &p);
    const placement_t missing = at(99);
    stage_t::spawn_placement(&stage, &missing);
    ASSERT_EQ(stage.enemies[1].size(), 1u); // record 97 names list 1
    enemy_t* skipper = stage.enemies[1][0];
    EXPECT_EQ(skipper->x, 100);
    skipper->damage(1000);
    EXPECT_TRUE(skipper->alive);
    EXPECT_EQ(stage.enemies[0].size() + stage.enemies[2].size(), 0u);

    std::vector<object_t*> made = {stage_t::make_missile(&stage, &p, objectinfo_find(18)),
                                   stage_t::make_common_missile1(&stage, &p, objectinfo_find(17)),
                                   stage_t::make_explosion(&stage, &p, objectinfo_find(68)),
                                   stage_t::make_active_explosion(&stage, &p, objectinfo_find(68)),
                                   stage_t::make_big_explosion(&stage, &p, objectinfo_find(0)),
                                   stage_t::make_smoke(&stage, &p, objectinfo_find(175))};
    for (object_t* o : made) {
        EXPECT_FALSE(o->alive);
        EXPECT_EQ(o->hp, 0);
    }
    EXPECT_EQ(stage.enemy_shots.size(), 2u);
    EXPECT_EQ(stage.explosions.size(), 4u);
    EXPECT_EQ(stage.explosions[3], made[5]);
    auto* smoke = static_cast<smoke_t*>(made[5]);
    EXPECT_EQ(smoke->key, 7u);
    EXPECT_EQ(smoke->speed, 0);
    EXPECT_EQ(smoke->terrain_collision, 0);

    // A record without an enemy list: made, explosion and item given, on no list, deleted with the stage.
    stage.item_mode = 0;
    const placement_t unlisted = at(603, 0, 37);
    objectinfo_t* record = const_cast<objectinfo_t*>(objectinfo_find(603));
    record->list_index = 3;
    enemy_t* body = stage_t::spawn_plain_enemy(&stage, &unlisted, 50);
    ASSERT_NE(body, nullptr);
    EXPECT_NE(body->explosion, nullptr);
    EXPECT_NE(body->carried, nullptr);
    EXPECT_EQ(stage.unlisted.size(), 1u);
}

namespace {

// What the spy spawn functions were called with.
struct spy_call_t {
    int32_t type = 0;
    int32_t extra = 0;
    float speed = 0;
    bool flag = false;
};
spy_call_t spied;

void spy_plain(stage_t*, const placement_t* p) {
    spied = {p->type};
}
void spy_int(stage_t*, const placement_t* p, int32_t extra) {
    spied = {p->type, extra};
}
enemy_t* spy_enemy(stage_t*, const placement_t* p, int32_t extra) {
    spied = {p->type, extra};
    return nullptr;
}
void spy_speed(stage_t*, const placement_t* p, float speed) {
    spied = {p->type, 0, speed};
}
void spy_flag(stage_t*, const placement_t* p, bool flag) {
    spied = {p->type, 0, 0, flag};
}

} // namespace

TEST_F(stage_load, every_entry_hands_its_spawn_function_the_fixed_extra_or_the_flag_of_param2) {
    for (int32_t type = first_dispatch_type; type <= last_dispatch_type; ++type) {
        dispatch_entry_t entry = dispatch_entry(type);
        if (entry.kind == handler_kind_t::plain_enemy || entry.kind == handler_kind_t::turret) {
            continue;
        }
        entry.plain = entry.plain != nullptr ? spy_plain : nullptr;
        entry.with_int = entry.with_int != nullptr ? spy_int : nullptr;
        entry.enemy_with_int = entry.enemy_with_int != nullptr ? spy_enemy : nullptr;
        entry.with_speed = entry.with_speed != nullptr ? spy_speed : nullptr;
        entry.with_flag = entry.with_flag != nullptr ? spy_flag : nullptr;
        for (int32_t param2 : {0, -1, 5}) {
            spied = {};
            const placement_t p = at(type, param2);
            run_dispatch_entry(entry, &stage, &p);
            EXPECT_EQ(spied.type, type);
            EXPECT_EQ(spied.extra, dispatch_entry(type).extra) << type;
            EXPECT_EQ(spied.speed, dispatch_entry(type).speed) << type;
            EXPECT_EQ(spied.flag, entry.kind == handler_kind_t::with_flag && param2 != 0) << type;
        }
    }
    // Only the hatches of 245..248 (three times each) were made, empty: their spied formations are none.
    EXPECT_EQ(stage.enemies[0].size(), 12u);
    stage.clear();
    // A hatch whose formation could not be made is still made.
    load_table({}, {245});
    dispatch_entry_t hatch = dispatch_entry(245);
    hatch.enemy_with_int = spy_enemy;
    const placement_t p = at(245);
    run_dispatch_entry(hatch, &stage, &p);
    EXPECT_EQ(spied.extra, 8);
    EXPECT_EQ(stage.enemies[0].size(), 1u);
}

TEST_F(stage_load, assembly_helpers_link_shot_effects_and_slow_each_row_explosion_by_fours) {
    const placement_t p = at(600);
    enemy_t owner(objectinfo_find(600), 0, 0, 7);
    std::vector<missile_t*> shots;
    missile_t* shot =
        make_shot_with_effect(&stage, &p, objectinfo_find(18), objectinfo_find(68), 3, &owner, shots);
    EXPECT_EQ(shots, std::vector<missile_t*>{shot});
    EXPECT_EQ(shot->owner, &owner);
    auto* effect = static_cast<explosion_t*>(shot->effect);
    EXPECT_EQ(effect->owner, shot);
    EXPECT_EQ(effect->period, 3u);

    mul_explosion_t row;
    const int32_t dx[6] = {1, 2, 3, 4, 5, 6};
    const int32_t dy[6] = {-1, -2, -3, -4, -5, -6};
    make_explosion_row(&stage, &p, {objectinfo_find(68), objectinfo_find(71)}, 6, dx, dy, row);
    ASSERT_EQ(row.entries.size(), 6u);
    EXPECT_EQ(row.entries[3].explosion->period, 1u);
    EXPECT_EQ(row.entries[4].explosion->period, 2u);
    EXPECT_EQ(row.entries[5].explosion->info->id, 71);
    EXPECT_EQ(row.entries[5].dy, -6);
    EXPECT_EQ(stage.explosions.size(), 7u);
}

// A placement's position, offsets included, is summed wide and kept to the whole pixels a float holds.
TEST_F(stage_load, positions_at_the_int_limits_stay_within_whole_float_pixels) {
    constexpr float limit = 16777216.0f;
    struct row_t {
        int32_t type, x, y;
        float at_x, at_y; // where one of the objects stands
    };
    const row_t rows[] = {
        {262, INT32_MAX, INT32_MAX, limit, limit}, // midboss001: a column of bodies below y
        {262, INT32_MIN, INT32_MIN, -limit, -limit},
        {262, 100, 16777206, 100.0f, limit}, // the second body, 16777206 + its step
        {150, INT32_MAX, -5, limit, -5.0f},
    };
    for (const row_t& r : rows) {
        stage.clear();
        placement_t p = at(r.type, 2);
        p.x = r.x;
        p.y = r.y;
        stage_t::spawn_placement(&stage, &p);
        bool found = false;
        for (const array_t<enemy_t*>& list : stage.enemies) {
            for (const enemy_t* e : list.items) {
                EXPECT_LE(std::abs(e->x), limit) << r.type << " " << r.x;
                EXPECT_LE(std::abs(e->y), limit) << r.type << " " << r.y;
                found = found || (e->x == r.at_x && e->y == r.at_y);
            }
        }
        EXPECT_TRUE(found) << r.type << " " << r.x << " " << r.y;
    }
}
