// The tracers on the kit: assembly and missing records, the turn a step every other frame, the fire by
// level, the give-up window and the damage tail.
#include "enemies/chasers/tracer001.h"
#include "enemies/chasers/tracer002.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using tracers = enemy_kit_t;

int32_t heading(enemy_kit_t& kit) {
    if (auto* t = kit.only<tracer001::Body>()) {
        return t->direction;
    }
    return kit.only<tracer002::body_t>()->direction;
}

} // namespace

TEST_F(tracers, each_needs_all_its_records_and_assembles_in_order) {
    for (auto [type, ids] :
         {std::pair{140, std::vector<int32_t>{140, 83, 93, 30, 31}}, {141, {141, 30, 31, 68, 93}}}) {
        for (int32_t missing : ids) {
            records({}, {missing});
            load({placed(type, 128, 128, 0, 38)});
            EXPECT_EQ(object_total(), 0u) << type << " without " << missing;
        }
    }
    records({});
    load({placed(140, 128, 128, 0, 38)});
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0),
              (std::vector<part_t>{{"jet_t", 93, 2}, {"jet_t", 93, 2}, {"tracer001::Body", 140}}));
    EXPECT_EQ(manifest_of(scene->stage, list_explosions)[0],
              (part_t{"explosion_t", 83, 2, list_enemies0, 2}));
    EXPECT_EQ(manifest_of(scene->stage, list_explosions)[4],
              (part_t{"explosion_t", 31, 2, list_enemy_shots, 3}));
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots),
              std::vector<part_t>(4, part_t{"missile_t", 30})); // without an owner
    EXPECT_EQ(only<tracer001::Body>()->pattern, 16);
    EXPECT_EQ(only<tracer001::Body>()->carried->info->id, 38);
    load({placed(141, 128, 128, 0, 38)});
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0),
              (std::vector<part_t>{{"tracer002::body_t", 141}, {"jet_t", 93, 2}}));
    EXPECT_EQ(manifest_of(scene->stage, list_explosions)[0],
              (part_t{"explosion_t", 68, 1, list_enemies0, 0}));
    EXPECT_EQ(manifest_of(scene->stage, list_explosions)[8],
              (part_t{"explosion_t", 31, 3, list_enemy_shots, 7}));
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots),
              std::vector<part_t>(8, part_t{"missile_t", 30, -1, list_enemies0, 0}));
    EXPECT_EQ(only<tracer002::body_t>()->carried->info->id, 38);
}

TEST_F(tracers, turn_one_step_every_other_frame_tracer002_only_when_more_than_a_step_off) {
    struct row_t {
        int32_t type;
        std::vector<int32_t> headings; // frames 0..5, the ship above from frame 1: the shorter way
    };
    for (const row_t& r : {row_t{140, {33, 33, 32, 32, 31, 31}}, {141, {0, 0, 1, 1, 2, 2}}}) {
        load({placed(r.type, 128, 128)});
        scene->scroll_stop = 1;
        ship_at(228, 128);
        std::vector<int32_t> seen;
        for (int32_t f = 0; f < 6; ++f) {
            run(1);
            seen.push_back(heading(*this));
            ship_at(128, 0);
        }
        EXPECT_EQ(seen, r.headings) << r.type;
        EXPECT_EQ(all<enemy_t>()[r.type == 140 ? 2 : 0]->pattern, r.type == 140 ? 31 / 2 : 2) << r.type;
        // The flames behind it: tracer001's 14 pixels off, 3 steps to either side; tracer002's 12 straight.
        const enemy_t* body = all<enemy_t>()[r.type == 140 ? 2 : 0];
        const float reach = r.type == 140 ? 14 : 12;
        const std::vector<int32_t> sides =
            r.type == 140 ? std::vector<int32_t>{-3, 3} : std::vector<int32_t>{0};
        ASSERT_EQ(all<jet_t>().size(), sides.size());
        for (size_t i = 0; i < sides.size(); ++i) {
            const int32_t back = (heading(*this) + 32 + sides[i]) & 63;
            const jet_t* flame = all<jet_t>()[i];
            EXPECT_NEAR(flame->x, body->x + reach * cos_table[back], 1e-3) << r.type << " flame " << i;
            EXPECT_NEAR(flame->y, body->y - reach * sin_table[back], 1e-3) << r.type << " flame " << i;
        }
    }
    for (int32_t off : {1, 63}) { // a step off either way is close enough
        load({placed(141, 128, 128)});
        scene->scroll_stop = 1;
        ship_at(228, 128);
        run(1);
        ship_at(129 + 1000 * cos_table[off], 128 - 1000 * sin_table[off]);
        run(4);
        EXPECT_EQ(heading(*this), 0) << off;
    }
}

TEST_F(tracers, fire_by_level_along_the_heading_until_they_give_up) {
    struct row_t {
        int32_t type;
        int32_t level;
        uint32_t position;
        std::vector<uint32_t> frames;
        float speed;
        float ahead; // of its first shot at the end of frame 0: its own move, the muzzle, the shot's move
    };
    const row_t rows[] = {
        {140, 1, 0x2003F, {0, 128}, 1.8f, 1.5f + 12 + 1.8f},
        {140, 2, 0, {0, 64, 128}, 1.8f, 0},
        {140, 2, 0x20040, {}, 0, 0},
        {141, 2, 0, {0, 96}, 1.2f, 1 + 18 + 1.2f},
        {141, 3, 0, {0, 64, 128}, 1.4f, 0},
        {141, 5, 0x1FFFF, {0, 32, 64, 96, 128}, 1.8f, 0},
        {141, 8, 0x20000, {}, 0, 0},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 250, 128)}, r.level);
        advance_to(r.position);
        scene->scroll_stop = 1;
        ship_at(-2000, 349.6f); // direction 33 from where it starts
        run(130);
        std::vector<uint32_t> frames;
        for (const launch_t& l : launches(list_enemy_shots)) {
            frames.push_back(l.frame);
            EXPECT_NEAR(l.speed, r.speed, 1e-4) << r.type;
            EXPECT_EQ(l.direction, 33);
        }
        EXPECT_EQ(frames, r.frames) << r.type << " level " << r.level;
        if (r.ahead != 0) {
            const launch_t first = launches(list_enemy_shots)[0];
            EXPECT_EQ(first.index, 0);
            EXPECT_NEAR(first.x, 250 + r.ahead * cos_table[33], 1e-3) << r.type;
            EXPECT_EQ(all<missile_t>()[0]->pattern, 33 & 31);
            // Its muzzle effect lights where it left.
            EXPECT_NEAR(launches(list_explosions)[0].x, first.x - r.speed * cos_table[33], 1e-3) << r.type;
        }
    }
    load({placed(141, 128, 128)});
    advance_to(0x20000);
    ship_at(228, 128);
    run(1);
    EXPECT_EQ(only<tracer002::body_t>()->state, 2);
    // It aimed at the ship, then turns a step toward the left every other frame.
    std::vector<int32_t> headings{heading(*this)};
    for (int32_t f = 0; f < 5; ++f) {
        run(1);
        headings.push_back(heading(*this));
    }
    EXPECT_EQ(headings, (std::vector<int32_t>{1, 1, 2, 2, 3, 3}));
}

TEST_F(tracers, damage_sounds_and_the_revenge_shot_by_level) {
    struct row_t {
        int32_t type;
        int32_t level;
        int32_t hit;
        std::vector<int32_t> death;
        int32_t revenge;
    };
    const row_t rows[] = {
        {140, 2, 48, {41}, 0},
        {140, 3, 48, {41}, 1},
        {141, 3, 47, {23, 2}, 0},
        {141, 4, 47, {23, 2}, 1},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 128, 128)}, r.level);
        ship_at(20, 20);
        enemy_t* body = all<enemy_t>()[r.type == 140 ? 2 : 0];
        EXPECT_TRUE(shoot(body->x, body->y, 999));
        run(1);
        EXPECT_EQ(sounds_of(r.hit), 1) << r.type;
        for (int32_t se : r.death) {
            EXPECT_EQ(sounds_of(se), 1) << r.type << " " << se;
        }
        EXPECT_EQ(pool_shots_alive(), r.revenge) << r.type << " level " << r.level;
        EXPECT_EQ(alive_count(all<jet_t>()), 0) << r.type;
    }
}
