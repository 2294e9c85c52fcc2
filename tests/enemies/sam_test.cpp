// The SAM on the kit: assembly without item or explosion, the fuel schedule and the hover box, the
// puffs every 8 frames, the burst that hurts only in its first three frames, and shots that change nothing.
#include "enemies/chasers/sam.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using sam = enemy_kit_t;

} // namespace

TEST_F(sam, needs_its_three_records_and_makes_puffs_missile_and_burst_only) {
    for (int32_t missing : {216, 217, 218}) {
        records({}, {missing});
        load({placed(216, 128, 128, 0, 38)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    load({placed(216, 128, 128, 0, 38)});
    EXPECT_EQ(manifest_of(scene->stage, list_enemies2),
              std::vector<part_t>(10, part_t{"sam_parts::smoke_t", 217}));
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0),
              (std::vector<part_t>{{"Sam", 216}, {"sam_parts::Burst", 218}}));
    EXPECT_EQ(object_total(), 12u); // no explosion, no item, no shot
    EXPECT_EQ(alive_count(all<enemy_t>()), 1);
    EXPECT_EQ(only<Sam>()->burst->hp + only<Sam>()->smokes[9]->hp, 0); // switched off, not killed
}

TEST_F(sam, burns_in_steps_speeds_up_hovers_over_the_ship_and_bursts_at_208) {
    struct row_t {
        uint32_t frame; // the last frame run
        int32_t fuel;
        float step; // its move in that frame
    };
    const row_t rows[] = {{0, 8, 0.4375f},   {31, 8, 0.4375f},  {32, 7, 0.5f},   {159, 4, 0.875f},
                          {160, 3, 1.1667f}, {175, 3, 1.1667f}, {176, 2, 1.75f}, {192, 1, 3.5f}};
    load({placed(216, 0, 128)});
    scene->scroll_stop = 1;
    ship_at(5000, 128);
    Sam* missile = only<Sam>();
    uint32_t frame = 0;
    for (const row_t& r : rows) {
        run(r.frame - frame);
        const float before = missile->x;
        run(1);
        frame = r.frame + 1;
        EXPECT_EQ(missile->fuel, r.fuel) << r.frame;
        EXPECT_EQ(missile->pattern, 8 - r.fuel) << r.frame;
        EXPECT_NEAR(missile->x - before, r.step, 1e-3) << r.frame;
    }
    const float x = missile->x;
    for (auto [dx, dy] : {std::pair{7.5f, -8.0f}, {-8.0f, 7.5f}}) {
        ship_at(missile->x + dx, missile->y + dy); // inside the box, left and top included: it stands
        run(1);
        EXPECT_EQ(missile->x, x);
    }
    ship_at(missile->x + 8, missile->y); // the box's right and bottom edges are out
    run(1);
    EXPECT_GT(missile->x, x);
    const float y = missile->y;
    ship_at(missile->x, missile->y + 8);
    run(1);
    EXPECT_GT(missile->y, y);
    run(207 - frame - 3);
    EXPECT_TRUE(missile->alive);
    EXPECT_EQ(sounds_of(75), 0);
    run(1);
    EXPECT_FALSE(missile->alive);
    EXPECT_EQ(sound_frames(75), (std::vector<uint32_t>{208}));
    EXPECT_TRUE(missile->burst->alive);
    EXPECT_EQ(missile->burst->x, missile->x);
}

TEST_F(sam, turns_a_step_a_frame_and_leaves_a_puff_every_8_frames) {
    load({placed(216, 128, 128)});
    scene->scroll_stop = 1;
    ship_at(128, 2000); // straight below: direction 48, reached the shorter way from 0 in 16 frames
    Sam* missile = only<Sam>();
    const std::vector<Sam::smoke_t*> puffs(missile->smokes.begin(), missile->smokes.end());
    run(15);
    EXPECT_EQ(missile->direction, 49);
    const std::vector<int32_t> starts = starts_per_frame(puffs, 136 - 15);
    EXPECT_EQ(missile->direction, 48);
    for (uint32_t f = 0; f < starts.size(); ++f) {
        EXPECT_EQ(starts[f], (f + 15) % 8 == 0 ? 1 : 0) << f + 15;
    }
    EXPECT_EQ(alive_count(puffs), 6); // each lives 48 frames: those of 88, 96, ..., 128
    std::vector<uint8_t> before;
    for (const Sam::smoke_t* p : puffs) {
        before.push_back(p->alive);
    }
    run(1); // frame 136, fuel 4: pattern 4, size 2
    Sam::smoke_t* fresh = nullptr;
    for (size_t i = 0; i < puffs.size(); ++i) {
        fresh = puffs[i]->alive && !before[i] ? puffs[i] : fresh;
    }
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->pattern, 2 * 8);
    run(47);
    EXPECT_EQ(fresh->pattern, 2 * 8 + 7);
    EXPECT_TRUE(fresh->alive);
    run(1);
    EXPECT_FALSE(fresh->alive);
}

TEST_F(sam, burst_hurts_in_its_first_three_frames_and_shots_change_nothing) {
    load({placed(216, 128, 128)});
    scene->scroll_stop = 1;
    ship_at(20, 20);
    Sam* missile = only<Sam>();
    run(1);
    EXPECT_TRUE(shoot(missile->x, missile->y, 999));
    EXPECT_TRUE(missile->alive);
    EXPECT_EQ(missile->hp, missile->max_hp());
    run(208); // it bursts in frame 208; the burst's first update comes before the collisions
    std::vector<int32_t> harm;
    for (int32_t f = 0; f < 5; ++f) {
        harm.push_back(missile->burst->contact_damage());
        run(1);
    }
    EXPECT_EQ(harm, (std::vector<int32_t>{2, 2, 0, 0, 0}));
    EXPECT_FALSE(shoot(missile->burst->x, missile->burst->y, 999)); // harmless now: the shot flies on
    EXPECT_TRUE(missile->burst->alive);
    run(18);
    EXPECT_EQ(missile->burst->pattern, 23);
    run(1);
    EXPECT_FALSE(missile->burst->alive);
}
