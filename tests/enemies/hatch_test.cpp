// The hatch on the kit: its opening, open, closing and pausing times around each flight, how many members
// each level releases from its place, its ring of 16, and a hatch without records or formation.
#include "enemies/turrets/hatch.h"
#include "enemies/twisters/twister002.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using hatch = enemy_kit_t;

constexpr int32_t hatch_x = 128;
constexpr int32_t hatch_y = 40;

} // namespace

TEST_F(hatch,
       it_opens_in_28_frames_stays_144_closes_pauses_16_and_releases_its_levels_members_from_its_place) {
    struct step_t {
        uint32_t frame;
        int32_t state;
        int32_t pattern;
    };
    for (const auto& [level, released] : {std::pair{1, 2}, {2, 4}, {3, 8}, {8, 8}}) {
        load({placed(245, hatch_x, hatch_y, 0, 37)}, level);
        scene->scroll_stop = 1;
        ship_at(10, 250); // where the chain meets it only after the hatch has closed
        auto* door = only<hatch_t>();
        ASSERT_NE(door, nullptr);
        twister002::leader_t* leader = door->children;
        std::vector<step_t> steps;
        int32_t state = door->state;
        for (uint32_t frame = 0; frame < 222; ++frame) {
            run(1);
            if (door->state != state) {
                state = door->state;
                steps.push_back({frame, state, door->pattern});
            }
        }
        // Opening from timer 0: pattern 7 at frame 24, the release at 28; closing from 173 in the same
        // rhythm.
        const std::vector<std::tuple<uint32_t, int32_t, int32_t>> expected{
            {28, 1, 7}, {173, 2, 7}, {202, 3, 0}, {219, 0, 0}};
        ASSERT_EQ(steps.size(), expected.size()) << level;
        for (size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ(std::tie(steps[i].frame, steps[i].state, steps[i].pattern), expected[i])
                << level << " " << i;
        }
        // Leader and released members start at the hatch on frame 28 (the formation is made before its
        // hatch).
        std::vector<launch_t> out;
        for (const launch_t& l : launches(list_enemies0)) {
            if (l.frame == 28) {
                out.push_back(l);
            }
        }
        ASSERT_EQ(int32_t(out.size()), released + 1) << level;
        EXPECT_EQ(out[0], (launch_t{28, list_enemies0, 0, hatch_x, hatch_y, -1, 0}));
        EXPECT_EQ(out[1], (launch_t{28, list_enemies0, 1, hatch_x, hatch_y, -1, 0}));
        // The second flight waits for the first to end, then comes from the hatch again.
        ASSERT_TRUE(leader->alive);
        for (auto* m = leader->first; m != nullptr; m = m->next) {
            if (m->alive) {
                shoot(m->x, m->y, 9999);
            }
        }
        run(1);
        EXPECT_FALSE(leader->alive);
        EXPECT_TRUE(scene->stage.items[0]->alive);
        const size_t before = trace.size();
        run(30); // frames 223 to 252
        EXPECT_EQ(door->state, 1);
        EXPECT_EQ(look_of(*leader).pattern, 0); // each launch starts the animation over
        ASSERT_GT(trace.size(), before);
        EXPECT_EQ(trace[before].x, float(hatch_x));
        EXPECT_EQ(trace[before].frame, 252u) << level;
        run(1); // the history starts over at the hatch: the second member waits there
        EXPECT_EQ(leader->first->next->x, float(hatch_x));
        EXPECT_EQ(leader->first->next->y, float(hatch_y));
    }
}

TEST_F(hatch, destroyed_it_rings_16_shots_from_level_3_and_a_zero_hit_is_silent) {
    struct row_t {
        int32_t level;
        int32_t shots;
        int32_t first_direction;
        float speed;
    };
    for (const row_t& r :
         {row_t{1, 0, 0, 0}, {2, 0, 0, 0}, {3, 16, 2, 1.0f}, {4, 16, 0, 1.2f}, {8, 16, 0, 2.0f}}) {
        load({placed(246, hatch_x, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(10, 10);
        auto* door = only<hatch_t>();
        ASSERT_NE(door, nullptr);
        const int32_t hp = door->hp;
        shoot(hatch_x, 128, 0);
        run(1);
        EXPECT_EQ(sounds_of(48), 0);
        shoot(hatch_x, 128, hp);
        std::vector<missile_t*> ring;
        for (missile_t* m : door->shots) {
            if (m->alive) {
                ring.push_back(m);
            }
        }
        ASSERT_EQ(int32_t(ring.size()), r.shots) << r.level;
        for (size_t i = 0; i < ring.size(); ++i) {
            EXPECT_EQ(ring[i]->direction, r.first_direction + 4 * int32_t(i)) << r.level;
            EXPECT_FLOAT_EQ(ring[i]->speed, r.speed);
            EXPECT_EQ(ring[i]->x, float(hatch_x));
        }
        run(1);
        EXPECT_EQ(sound_frames(48), std::vector<uint32_t>{1});
        EXPECT_EQ(sounds_of(2) + sounds_of(52), 2);
        EXPECT_TRUE(door->explosion->alive);
        EXPECT_EQ(pool_shots_alive(), 0); // no aimed revenge of its own
    }
}

TEST_F(hatch, missing_records_make_no_hatch_and_an_empty_hatch_stays_shut) {
    for (int32_t missing : {245, 85, 17}) {
        records({}, {missing});
        load({placed(245, hatch_x, 200)});
        scene->scroll_stop = 1;
        EXPECT_EQ(all<hatch_t>().size(), 0u) << missing;
        auto* leader = only<twister002::leader_t>();
        ASSERT_NE(leader, nullptr); // the formation flies free from the start
        run(10);
        EXPECT_EQ(leader->y, 215); // kind A: down at 1.5
    }
    records({}, {114});
    load({placed(245, hatch_x, hatch_y)}, 3);
    scene->scroll_stop = 1;
    auto* door = only<hatch_t>();
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->children, nullptr);
    run(300);
    EXPECT_EQ(door->pattern, 0);
}
