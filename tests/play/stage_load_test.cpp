#include "enemies/turrets/battery001.h"
#include "enemies/turrets/battery003.h"
#include "objects/big_explosion.h"
#include "objects/ending_objects.h"
#include "objects/expman.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/oneup.h"
#include "objects/random.h"
#include "objects/stage_pointers.h"
#include "objects/trig_tables.h"
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

namespace {

using K = handler_kind_t;
using S = stage_t;
using spawn_id_t = void (*)();

template <class F> spawn_id_t fn(F f) {
    return reinterpret_cast<spawn_id_t>(f);
}

// Which spawn function an entry calls, whatever its form; none for the plain enemy and the turrets.
spawn_id_t spawn_of(const dispatch_entry_t& e) {
    return e.plain            ? fn(e.plain)
           : e.with_int       ? fn(e.with_int)
           : e.enemy_with_int ? fn(e.enemy_with_int)
           : e.with_speed     ? fn(e.with_speed)
           : e.with_flag      ? fn(e.with_flag)
                              : nullptr;
}

struct dispatch_row_t {
    int32_t first, last;
    handler_kind_t kind;
    spawn_id_t spawn;
    int32_t extra = 0;
    float speed = 0;
};

// The dispatcher as it should be, a line per type or range; a type not named makes a plain enemy.
const dispatch_row_t dispatch_rows[] = {
    {43, 43, K::plain, fn(S::spawn_arrow)},
    {91, 91, K::plain, fn(S::spawn_expman)},
    {95, 95, K::plain, fn(S::spawn_star002)},
    {96, 99, K::plain, fn(S::spawn_enemy_skipper)},
    {100, 100, K::plain, fn(S::spawn_missile_skipper)},
    {101, 101, K::plain, fn(S::spawn_explosion_skipper)},
    {103, 103, K::with_int, fn(S::spawn_zigzag_a), 12},
    {104, 104, K::with_int, fn(S::spawn_zigzag_b), 12},
    {105, 105, K::with_int, fn(S::spawn_zigzag_c), 12},
    {106, 106, K::with_int, fn(S::spawn_zigzag_d), 16},
    {107, 107, K::with_int, fn(S::spawn_zigzag_e), 20},
    {108, 108, K::with_int, fn(S::spawn_zigzag_f), 20},
    {111, 111, K::with_int, fn(S::spawn_twister001_a), 1},
    {112, 112, K::with_int, fn(S::spawn_twister001_a), 8},
    {113, 113, K::with_int, fn(S::spawn_twister001_b), 8},
    {114, 114, K::enemy_with_int, fn(S::spawn_twister002_a), 1},
    {115, 115, K::enemy_with_int, fn(S::spawn_twister002_a), 8},
    {116, 116, K::enemy_with_int, fn(S::spawn_twister002_b), 8},
    {117, 118, K::plain, fn(S::spawn_twister003)},
    {119, 119, K::plain, fn(S::spawn_twister004)},
    {121, 121, K::with_int, fn(spawn_with_int_dropping_result<S::spawn_twister005>), 5},
    {123, 123, K::with_int, fn(spawn_with_int_dropping_result<S::spawn_twister005>), 5},
    {125, 125, K::with_int, fn(spawn_with_int_dropping_result<S::spawn_twister005>), 5},
    {127, 127, K::with_int, fn(spawn_with_int_dropping_result<S::spawn_twister005>), 5},
    {128, 128, K::plain, fn(S::spawn_twister006)},
    {129, 129, K::plain, fn(S::spawn_twister007)},
    {130, 130, K::plain, fn(S::spawn_twister008)},
    {131, 131, K::plain, fn(S::spawn_rotator001)},
    {132, 132, K::plain, fn(S::spawn_rotator002)},
    {133, 133, K::plain, fn(S::spawn_rotator003)},
    {134, 134, K::plain, fn(S::spawn_rotator003_ctr)},
    {135, 135, K::plain, fn(S::spawn_rotator004)},
    {136, 136, K::plain, fn(S::spawn_rotator005)},
    {137, 137, K::plain, fn(S::spawn_rotator006)},
    {140, 140, K::plain, fn(S::spawn_tracer001)},
    {141, 141, K::plain, fn(S::spawn_tracer002)},
    {142, 142, K::plain, fn(S::spawn_fencer)},
    {143, 143, K::plain, fn(S::spawn_patroller001)},
    {144, 144, K::plain, fn(S::spawn_twinbarrel)},
    {146, 146, K::plain, fn(S::spawn_quadbarrel)},
    {150, 150, K::turret, nullptr, 72}, // the turrets' bodies and shots: the test below
    {151, 151, K::turret, nullptr, 72},
    {152, 152, K::plain, fn(spawn_dropping_result<S::spawn_battery002>)},
    {155, 155, K::turret, nullptr, 68},
    {156, 156, K::plain, fn(S::spawn_battery004)},
    {162, 162, K::with_int, fn(S::spawn_battery005), 3},
    {163, 163, K::with_int, fn(S::spawn_battery005), 1},
    {164, 164, K::with_int, fn(S::spawn_battery005), 0},
    {165, 165, K::with_int, fn(S::spawn_battery005), 2},
    {166, 166, K::plain, fn(spawn_dropping_result<S::spawn_battery006>)},
    {167, 167, K::plain, fn(S::spawn_fish)},
    {168, 168, K::plain, fn(S::spawn_gather)},
    {169, 169, K::plain, fn(S::spawn_hopper)},
    {170, 170, K::with_flag, fn(S::spawn_smeteo)},
    {171, 171, K::with_flag, fn(S::spawn_mmeteo)},
    {172, 172, K::with_flag, fn(S::spawn_lmeteo)},
    {173, 173, K::plain, fn(S::spawn_meteo_shower)},
    {174, 174, K::plain, fn(S::spawn_smeteo_rush)},
    {176, 176, K::enemy_with_int, fn(S::spawn_splitter), 68},
    {177, 177, K::plain, fn(S::spawn_electricity)},
    {178, 178, K::plain, fn(S::spawn_shutter001)},
    {181, 181, K::with_speed, fn(S::spawn_shutter002), 0, 1.0f},
    {182, 182, K::with_speed, fn(S::spawn_shutter002), 0, -1.0f},
    {183, 183, K::with_speed, fn(S::spawn_shutter002), 0, 0.15f},
    {184, 184, K::with_speed, fn(S::spawn_shutter002), 0, -0.15f},
    {185, 185, K::with_speed, fn(S::spawn_shutter002), 0, 1.5f},
    {186, 186, K::with_speed, fn(S::spawn_shutter002), 0, -1.5f},
    {187, 188, K::plain, fn(S::spawn_shutter003)},
    {189, 189, K::plain, fn(S::spawn_worm001)},
    {190, 190, K::plain, fn(S::spawn_worm002)},
    {193, 193, K::plain, fn(S::spawn_worm003)},
    {196, 196, K::plain, fn(S::spawn_worm004)},
    {199, 199, K::plain, fn(S::spawn_worm005)},
    {202, 202, K::plain, fn(S::spawn_worm006)},
    {205, 205, K::plain, fn(S::spawn_worm007)},
    {210, 210, K::plain, fn(S::spawn_worm008)},
    {214, 214, K::plain, fn(S::spawn_phoenix001)},
    {215, 215, K::plain, fn(S::spawn_phoenix002)},
    {216, 216, K::plain, fn(S::spawn_sam)},
    {219, 219, K::plain, fn(S::spawn_bee001)},
    {228, 228, K::plain, fn(S::spawn_bee003)},
    {237, 237, K::plain, fn(S::spawn_cell001)},
    {240, 240, K::plain, fn(S::spawn_cell002)},
    {242, 244, K::enemy_with_int, fn(S::spawn_lightning), -1},
    {245, 245, K::hatch, fn(S::spawn_twister002_a), 8},
    {246, 246, K::hatch, fn(S::spawn_twister002_b), 8},
    {247, 247, K::hatch, fn(S::spawn_twister002_d), 8},
    {248, 248, K::hatch, fn(S::spawn_twister002_c), 8},
    {249, 249, K::with_int, fn(spawn_with_int_dropping_result<S::spawn_spider001>), 1},
    {250, 250, K::with_int, fn(spawn_with_int_dropping_result<S::spawn_spider001>), 0},
    {254, 254, K::plain, fn(S::spawn_tentacle001)},
    {259, 259, K::plain, fn(S::spawn_tarantula)},
    {262, 262, K::plain, fn(S::spawn_midboss001)},
    {266, 266, K::plain, fn(S::spawn_midboss002)},
    {267, 267, K::plain, fn(S::spawn_midboss003)},
    {270, 270, K::enemy_with_int, fn(S::spawn_oneup), -1},
    {271, 271, K::plain, fn(S::spawn_pole)},
    {274, 274, K::plain, fn(S::spawn_tripus)},
    {277, 277, K::plain, fn(S::spawn_crab001)},
    {288, 293, K::plain, fn(S::spawn_wall)},
    {294, 294, K::plain, fn(S::spawn_scorpion001)},
    {311, 311, K::plain, fn(S::spawn_boss004)},
    {322, 322, K::plain, fn(S::spawn_boss005)},
    {331, 331, K::plain, fn(S::spawn_boss006)},
    {338, 338, K::plain, fn(S::spawn_melvorin)},
    {347, 347, K::plain, fn(S::spawn_mothership)},
    {350, 360, K::plain, fn(S::spawn_ending_object001)},
    {361, 361, K::plain, fn(S::spawn_ending_object002)},
    {362, 362, K::plain, fn(S::spawn_ending_object_shipeject)},
};

} // namespace

TEST(placement_dispatch, every_type_calls_its_spawn_function_with_its_extra_and_the_rest_make_plain_enemies) {
    for (int32_t t = first_dispatch_type - 1; t <= last_dispatch_type + 1; ++t) {
        const dispatch_row_t* row = nullptr;
        for (const dispatch_row_t& r : dispatch_rows) {
            row = t >= r.first && t <= r.last ? &r : row;
        }
        const dispatch_row_t expected = row != nullptr ? *row : dispatch_row_t{t, t, K::plain_enemy, nullptr};
        const dispatch_entry_t& e = dispatch_entry(t);
        EXPECT_EQ(e.kind, expected.kind) << "type " << t;
        EXPECT_EQ(spawn_of(e), expected.spawn) << "type " << t;
        EXPECT_EQ(e.extra, expected.extra) << "type " << t;
        EXPECT_EQ(e.speed, expected.speed) << "type " << t;
    }
    for (int32_t t : {-1, 1000}) {
        EXPECT_EQ(dispatch_entry(t).kind, K::plain_enemy) << t;
    }
}

TEST_F(stage_load, turrets_get_their_explosion_item_and_owned_shots_in_order) {
    rng::srand(1);
    const int32_t first_draw = rng::rand();
    rng::srand(1);
    for (const placement_t& p : {at(150, 0, 37), at(155, 3), at(151)}) {
        stage_t::spawn_placement(&stage, &p);
    }
    ASSERT_EQ(stage.enemies[0].size(), 3u);
    auto* roof = dynamic_cast<battery001::roofbody_t*>(stage.enemies[0][2]);
    ASSERT_NE(roof, nullptr);
    EXPECT_EQ(roof->explosion->info->id, 72);
    EXPECT_EQ(roof->shots.size(), 4u);
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
    EXPECT_EQ(stage.enemy_shots.size(), 72u);
    EXPECT_EQ(floor->shots[3], stage.enemy_shots[3]);
    EXPECT_EQ(floor->shots[0]->info->id, 21);
    EXPECT_EQ(b3->shots[0]->info->id, 18);
    EXPECT_EQ(b3->shots[63]->owner, b3);
    EXPECT_EQ(b3->shots[0]->key, 7u);
    EXPECT_EQ(b3->pattern_base, 24); // the facing from the param word, with a random phase
    EXPECT_EQ(b3->pattern, 24 + (first_draw >> 12));
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

namespace {

// One part of a composite explosion after the composite itself: a core stands still, a fragment flies.
struct part_row_t {
    int32_t record;
    bool fragment;
    int32_t direction;
    uint32_t period;
    float speed;
    int32_t accel;
    int32_t dx, dy;
};

const std::vector<part_row_t> mothership_parts = {
    {89, false, 0, 4, 0, 0, 0, 0},       {71, true, 0, 6, 0.2f, 0, 12, 0},
    {71, true, 8, 6, 0.1f, 0, 8, -8},    {71, true, 16, 6, 0.0f, 0, 0, -12},
    {71, true, 24, 6, 0.3f, 0, -8, -8},  {71, true, 32, 6, 0.15f, 0, -12, 0},
    {71, true, 40, 6, 0.2f, 0, -8, 8},   {71, true, 48, 6, 0.1f, 0, 0, 12},
    {71, true, 56, 6, 0.3f, 0, 8, 8},    {68, true, 4, 2, 1.0f, 0, 14, -6},
    {68, true, 12, 2, 0.8f, 0, 6, -14},  {68, true, 20, 2, 1.5f, 0, -6, -14},
    {68, true, 28, 2, 0.8f, 0, -14, -6}, {68, true, 36, 2, 1.1f, 0, -14, 6},
    {68, true, 44, 2, 1.7f, 0, -6, 14},  {68, true, 52, 2, 1.3f, 0, 6, 14},
    {68, true, 60, 2, 1.1f, 0, 14, 6},
};

// With base 0; base 1 lengthens the periods of the first 17 parts by one.
const std::vector<part_row_t> boss_parts = {
    {90, false, 0, 1, 0, 0, 0, 0},       {71, true, 0, 1, 0.5f, 0, 8, 0},
    {71, true, 8, 2, 0.3f, 0, 5, -5},    {71, true, 16, 3, 0.0f, 0, 0, -8},
    {71, true, 24, 1, 0.6f, 0, -5, -5},  {71, true, 32, 2, 0.4f, 0, -8, 0},
    {71, true, 40, 3, 0.3f, 0, -5, 5},   {71, true, 48, 1, 0.3f, 0, 0, 8},
    {71, true, 56, 2, 0.6f, 0, 5, 5},    {68, true, 4, 2, 0.4f, 0, 11, -4},
    {68, true, 12, 2, 0.5f, 0, 4, -11},  {68, true, 20, 2, 1.4f, 0, -4, -11},
    {68, true, 28, 2, 0.5f, 0, -11, -4}, {68, true, 36, 2, 0.6f, 0, -11, 4},
    {68, true, 44, 2, 1.2f, 0, -4, 11},  {68, true, 52, 2, 0.8f, 0, 4, 11},
    {68, true, 60, 2, 0.7f, 0, 11, 4},   {75, true, 8, 3, 3, -9, 11, -11},
    {75, true, 20, 4, 4, -9, -6, -14},   {75, true, 22, 7, 5, -9, -8, -13},
    {75, true, 24, 6, 4, -9, -11, -11},  {75, true, 25, 6, 5, -9, -12, -10},
    {75, true, 36, 9, 4, -9, -14, 6},    {75, true, 40, 7, 5, -9, -11, 11},
    {75, true, 44, 3, 4, -9, -6, 14},    {75, true, 40, 3, 3, -12, 11, -11},
    {75, true, 54, 7, 5, -12, -8, -13},  {75, true, 57, 6, 5, -12, -12, -10},
    {75, true, 8, 7, 5, -12, -11, 11},
};

const std::vector<part_row_t> medium_parts = {
    {68, true, 0, 2, 0, 0, 0, 0},       {68, true, 32, 1, 0.5f, 0, -4, 0},
    {68, true, 0, 1, 0.5f, 0, 4, 0},    {73, true, 0, 2, 0.7f, 0, 10, 0},
    {73, true, 8, 3, 0.4f, 0, 7, -7},   {73, true, 16, 2, 0.6f, 0, 0, -10},
    {73, true, 24, 3, 0.5f, 0, -7, -7}, {73, true, 32, 2, 0.7f, 0, -10, 0},
    {73, true, 40, 3, 0.5f, 0, -7, 7},  {73, true, 48, 2, 0.6f, 0, 0, 10},
    {73, true, 56, 3, 0.4f, 0, 7, 7},   {75, true, 8, 2, 3, -12, 0, 0},
    {75, true, 20, 2, 4, -12, 0, 0},    {75, true, 22, 3, 5, -12, 0, 0},
    {75, true, 24, 4, 4, -12, 0, 0},    {75, true, 25, 5, 5, -12, 0, 0},
    {75, true, 36, 6, 5, -12, 0, 0},    {75, true, 40, 4, 4, -12, 0, 0},
    {75, true, 44, 2, 4, -12, 0, 0},
};

void expect_parts(const big_explosion_t* set, std::vector<part_row_t> rows, const char* name) {
    ASSERT_NE(set, nullptr) << name;
    EXPECT_EQ(set->info->id, 0) << name;
    ASSERT_EQ(set->parts.entries.size(), rows.size()) << name;
    for (size_t i = 0; i < rows.size(); ++i) {
        const part_row_t& r = rows[i];
        const auto& part = set->parts.entries[i];
        EXPECT_EQ(part.explosion->info->id, r.record) << name << " part " << i;
        EXPECT_EQ(part.explosion->period, r.period) << name << " part " << i;
        EXPECT_EQ(part.dx, r.dx) << name << " part " << i;
        EXPECT_EQ(part.dy, r.dy) << name << " part " << i;
        const auto* fragment = dynamic_cast<const active_explosion_t*>(part.explosion);
        ASSERT_EQ(fragment != nullptr, r.fragment) << name << " part " << i;
        if (fragment != nullptr) {
            EXPECT_EQ(fragment->direction, r.direction) << name << " part " << i;
            EXPECT_FLOAT_EQ(fragment->speed, r.speed) << name << " part " << i;
            EXPECT_EQ(fragment->accel, r.accel) << name << " part " << i;
            EXPECT_FLOAT_EQ(fragment->vy, -r.speed * sin_table[r.direction]) << name << " part " << i;
        }
    }
}

} // namespace

TEST_F(stage_load, explosion_patterns_are_their_tables_of_parts_and_need_every_record) {
    const placement_t p = at(600);
    expect_parts(stage_t::make_explosion_pattern_mothership(&stage, &p), mothership_parts, "mothership");
    expect_parts(stage_t::make_explosion_pattern_boss(&stage, &p, 0), boss_parts, "boss 0");
    std::vector<part_row_t> slower = boss_parts;
    for (size_t i = 0; i < 17; ++i) {
        ++slower[i].period;
    }
    expect_parts(stage_t::make_explosion_pattern_boss(&stage, &p, 1), slower, "boss 1");
    expect_parts(stage_t::make_explosion_pattern_medium(&stage, &p), medium_parts, "medium");
    std::vector<part_row_t> small = medium_parts;
    small.push_back({90, false, 0, 1, 0, 0, 0, 0});
    expect_parts(stage_t::make_explosion_pattern_small(&stage, &p), small, "small");
    EXPECT_EQ(stage.explosions.size(), 18u + 2 * 30u + 20u + 21u);
    EXPECT_EQ(stage.explosions.items.back()->key, 7u);

    // Started where its owner dies, each part stands at the position plus its offset, truncated.
    big_explosion_t* medium = stage_t::make_explosion_pattern_medium(&stage, &p);
    medium->set_position(100.7f, 50.2f);
    medium->start();
    EXPECT_EQ(medium->parts.entries[1].explosion->x, 96);
    EXPECT_EQ(medium->parts.entries[1].explosion->y, 50);
    EXPECT_EQ(medium->parts.entries[3].explosion->x, 110);

    for (const int32_t missing : {83, 90, 68}) {
        load_table({missing});
        const uint32_t before = stage.explosions.size();
        EXPECT_EQ(stage_t::make_explosion_pattern_boss(&stage, &p, 0), nullptr) << missing;
        if (missing != 83) { // which only the boss pattern needs
            EXPECT_EQ(stage_t::make_explosion_pattern_small(&stage, &p), nullptr) << missing;
        }
        EXPECT_EQ(stage.explosions.size(), before) << missing;
    }
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
