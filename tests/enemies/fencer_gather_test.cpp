// The fencer and the gathering ring on the kit: assembly and missing records, the fencer's entry, loops,
// exit and aimed fire by level; the ring by level, its fade in, rush and fade out, and hits only while solid.
#include "enemies/flyers/fencer.h"
#include "enemies/formations/gather.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using fencer_gather = enemy_kit_t;

} // namespace

TEST_F(fencer_gather, each_needs_all_its_records_and_assembles_in_order) {
    for (auto [type, ids] : {std::pair{142, std::vector<int32_t>{142, 68, 19, 31}}, {168, {168, 69}}}) {
        for (int32_t missing : ids) {
            records({}, {missing});
            load({placed(type, 128, 128, 1, 38)});
            EXPECT_EQ(object_total(), 0u) << type << " without " << missing;
        }
    }
    records({});
    load({placed(142, 128, 128, 1, 38)});
    EXPECT_EQ(manifest_of(scene->stage, list_explosions),
              (std::vector<part_t>{{"explosion_t", 68, 1, list_enemies0, 0}}));
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots),
              std::vector<part_t>(2, part_t{"missile_t", 19, -1, list_enemies0, 0}));
    EXPECT_EQ(all<item_t>().size(), 0u);
    EXPECT_EQ(only<fencer::body_t>()->turn, 1);
    load({placed(168, 128, 128, 0, 38)});
    const std::vector<gather::member_t*> ring = all<gather::member_t>();
    ASSERT_EQ(ring.size(), 16u);
    EXPECT_EQ(ring[0]->carried->info->id, 38);
    for (size_t i = 0; i < ring.size(); ++i) {
        EXPECT_EQ(ring[i]->next, i + 1 < ring.size() ? ring[i + 1] : nullptr);
        EXPECT_EQ(ring[i]->explosion->info->id, 69);
    }
}

TEST_F(fencer_gather, fencer_enters_loops_its_way_fires_when_near_and_leaves_at_heading_32) {
    struct row_t {
        int32_t turn;
        int32_t level;
        std::vector<int32_t> headings; // at frames 63, 64, 67, 68
        float speed;                   // of its first shot, at frame 64; 0 none
    };
    const row_t rows[] = {
        {1, 1, {32, 33, 33, 34}, 0},    {0, 2, {32, 31, 31, 30}, 1.0f}, {1, 3, {32, 33, 33, 34}, 1.2f},
        {7, 4, {32, 31, 31, 30}, 1.5f}, {1, 5, {32, 33, 33, 34}, 2.0f},
    };
    for (const row_t& r : rows) {
        load({placed(142, 200, 128, r.turn)}, r.level);
        scene->scroll_stop = 1;
        auto* body = only<fencer::body_t>();
        std::vector<int32_t> headings;
        for (uint32_t f = 0; f < 69; ++f) {
            ship_at(body->x - 40, body->y + 40); // inside the near box
            run(1);
            if (f == 63 || f == 64 || f == 67 || f == 68) {
                headings.push_back(body->direction);
            }
        }
        EXPECT_EQ(headings, r.headings) << r.turn;
        EXPECT_NEAR(body->x,
                    200 - 64 * 2.4f + 2.4f * (cos_table[r.headings[1]] * 4 + cos_table[r.headings[3]]), 1e-2);
        const std::vector<launch_t> shots = launches(list_enemy_shots);
        EXPECT_EQ(shots.size(), r.speed == 0 ? 0u : 1u) << r.level;
        if (!shots.empty()) {
            EXPECT_EQ(shots[0].frame, 64u);
            EXPECT_NEAR(shots[0].speed, r.speed, 1e-4);
        }
    }
    // A section past its key it leaves once its heading comes round to 32: after 63 steps of 4 frames.
    load({placed(142, 250, 128, 1)});
    advance_to(0x10000);
    scene->scroll_stop = 1;
    ship_at(-500, -500);
    auto* body = only<fencer::body_t>();
    run(64 + 252);
    EXPECT_EQ(body->state, 1);
    run(1);
    EXPECT_EQ(body->state, 100);
    EXPECT_EQ(body->direction, 32);
    run(200);
    EXPECT_EQ(body->direction, 32);
    EXPECT_FALSE(body->alive); // switched off left of x = -32
    EXPECT_EQ(sounds_of(23), 0);
    for (int32_t level : {5, 6}) { // shot down: its sounds, and from level 6 the revenge shot
        load({placed(142, 200, 128)}, level);
        ship_at(20, 20);
        EXPECT_TRUE(shoot(200, 128, 999));
        run(1);
        EXPECT_EQ(sounds_of(47) + sounds_of(23) + sounds_of(2), 3);
        EXPECT_EQ(pool_shots_alive(), level == 6) << level;
    }
}

TEST_F(fencer_gather, ring_forms_round_the_ship_by_level_fades_in_rushes_and_fades_out) {
    struct row_t {
        int32_t level;
        int32_t placed;
        int32_t first_direction; // of the leader, toward the centre
    };
    for (const row_t& r : {row_t{1, 4, 40}, {2, 8, 36}, {3, 16, 34}}) {
        load({placed(168, 250, 20)}, r.level);
        scene->scroll_stop = 1;
        ship_at(128, 128);
        const std::vector<gather::member_t*> ring = all<gather::member_t>();
        run(1);
        int32_t forming = 0;
        for (gather::member_t* m : ring) {
            forming += m->state == 1;
        }
        EXPECT_EQ(forming, r.placed) << r.level;
        EXPECT_EQ(ring[0]->direction, r.first_direction) << r.level;
        const int32_t d = (r.first_direction + 32) % 64;
        EXPECT_NEAR(ring[0]->x, 128 + 96 * cos_table[d], 1e-3);
        EXPECT_NEAR(ring[0]->y, 128 - 96 * sin_table[d], 1e-3);
        EXPECT_EQ(ring[r.placed - 1]->direction, (r.first_direction + 64 - 64 / r.placed) % 64) << r.level;
        EXPECT_EQ(ring[r.placed - 1]->fade, 248);
        if (r.placed < 16) {
            EXPECT_EQ(ring[r.placed]->state, 0);
        }
    }
    ship_at(5, 250); // out of the ring's way: its centre stays where the ship was
    gather::member_t* leader = all<gather::member_t>()[0];
    gather::member_t* last = all<gather::member_t>()[15];
    EXPECT_FALSE(shoot(leader->x, leader->y, 999)); // fading in: untouchable, the shot flies on
    EXPECT_TRUE(leader->alive);
    EXPECT_EQ(leader->contact_damage(), 0);
    run(30);
    EXPECT_EQ(leader->fade, 8);
    run(1);
    EXPECT_EQ(last->fade, 0);
    const float x = leader->x;
    run(1); // frame 32: all rush together
    EXPECT_NEAR(leader->x - x, 3.0f * cos_table[leader->direction], 1e-3);
    EXPECT_EQ(last->state, 2);
    EXPECT_EQ(leader->contact_damage(), 1);
    run(47);
    EXPECT_EQ(leader->fade, 0);
    run(1);
    EXPECT_EQ(leader->fade, 8);
    EXPECT_EQ(leader->pattern, (leader->direction + 2) % 32);
    run(30);
    EXPECT_TRUE(last->alive);
    run(1);
    EXPECT_FALSE(last->alive);
    load({placed(168, 128, 128)}, 3);
    ship_at(128, 128);
    run(33);
    leader = all<gather::member_t>()[0];
    EXPECT_TRUE(shoot(leader->x, leader->y, 999));
    EXPECT_FALSE(leader->alive);
    run(1);
    EXPECT_EQ(sounds_of(47), 1);
    EXPECT_EQ(sounds_of(20), 1);
}
