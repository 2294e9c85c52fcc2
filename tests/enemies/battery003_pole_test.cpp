// Battery003 and the pole on the kit: the fan by facing and level on the global beat, the animation, the
// pole's assembly and items, its slide script and the joint's delayed death.
#include "enemies/turrets/battery002.h"
#include "enemies/turrets/battery003.h"
#include "enemies/turrets/battery006.h"
#include "enemies/turrets/pole.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"

#include <algorithm>

namespace {

using battery003_pole = enemy_kit_t;

std::vector<int32_t> directions_at(const std::vector<launch_t>& launches, uint32_t frame) {
    std::vector<int32_t> d;
    for (const launch_t& l : launches) {
        if (l.frame == frame) {
            d.push_back(l.direction);
        }
    }
    return d;
}

} // namespace

TEST_F(battery003_pole, battery003_fires_its_fan_around_the_facing_on_the_global_beat_by_level) {
    struct row_t {
        int32_t param; // facing, reduced to 0..3
        int32_t level;
        std::vector<int32_t> fan;
        uint32_t interval;
        float speed;
        float centre_x; // where the shot along the facing stands after its first move
        float centre_y;
    };
    const row_t rows[] = {
        {1, 1, {12, 16, 20}, 128, 0.75f, 128, 115.25f},
        {5, 3, {8, 12, 16, 20, 24}, 96, 0.95f, 128, 115.05f},
        {0, 5, {56, 60, 0, 4, 8}, 64, 1.15f, 141.15f, 128},
        {2, 2, {26, 30, 34, 38}, 112, 0.85f, 115.15f, 128},
        {-1, 8, {40, 44, 48, 52, 56}, 32, 1.45f, 128, 141.45f},
    };
    for (const row_t& r : rows) {
        load({placed(155, 128, 128, r.param)}, r.level);
        scene->scroll_stop = 1;
        run(2 * r.interval + 1);
        const std::vector<launch_t> shots = launches(list_enemy_shots);
        ASSERT_EQ(shots.size(), 3 * r.fan.size()) << r.param << " level " << r.level;
        for (uint32_t frame : {0u, r.interval, 2 * r.interval}) {
            EXPECT_EQ(directions_at(shots, frame), r.fan) << r.param << " frame " << frame;
        }
        EXPECT_FLOAT_EQ(shots[0].speed, r.speed);
        if (r.fan.size() % 2 == 0) {
            continue; // no shot along the facing itself
        }
        const auto centre = std::find_if(shots.begin(), shots.end(), [&r](const launch_t& l) {
            return l.direction == 16 * (r.param & 3);
        });
        ASSERT_NE(centre, shots.end());
        EXPECT_NEAR(centre->x, r.centre_x, 1e-3) << r.param;
        EXPECT_NEAR(centre->y, r.centre_y, 1e-3) << r.param;
    }
}

TEST_F(battery003_pole,
       battery003_keeps_the_beat_of_the_frame_counter_animates_its_row_and_fires_idle_shots_only) {
    // Placed a section apart: both fire on the frames of the global counter, not of their appearance.
    load({placed(155, 100, 100, 0), placed(155, 300, 140, 0), placed(155, 140, 140, 0, -1, 0x10000)});
    scene->scroll_stop = 1;
    const std::vector<battery003::body_t*> turrets = all<battery003::body_t>();
    ASSERT_EQ(turrets.size(), 3u);
    run(200);
    EXPECT_EQ(alive_count(turrets[1]->shots), 0); // off screen it does not fire
    const int32_t phase = turrets[1]->pattern;
    run(1); // but animates: the next of its row on every eighth frame, wrapping within the row
    EXPECT_EQ(turrets[1]->pattern, (phase + 1) % 8);
    advance_to(0x10000);
    run(56); // to frame 264
    EXPECT_EQ(directions_at(launches(list_enemy_shots), 256), (std::vector<int32_t>{60, 0, 4, 60, 0, 4}));

    // Two idle shots left: a five-shot fan fires the two at the fan's first directions.
    load({placed(155, 128, 128, 1)}, 5);
    scene->scroll_stop = 1;
    battery003::body_t* turret = only<battery003::body_t>();
    ASSERT_NE(turret, nullptr);
    for (size_t i = 0; i + 2 < turret->shots.size(); ++i) {
        turret->shots[i]->alive = 1;
    }
    run(1);
    EXPECT_EQ(directions_at(launches(list_enemy_shots), 0), (std::vector<int32_t>{8, 12}));
}

TEST_F(battery003_pole, the_pole_is_assembled_in_order_with_its_items_or_not_at_all) {
    load({placed(271, 200, 128, 0, 41)});
    const std::vector<part_t> parts = manifest_of(scene->stage, list_enemies0);
    std::vector<std::pair<std::string, int32_t>> made;
    for (const part_t& p : parts) {
        made.emplace_back(p.kind, p.record);
    }
    const std::vector<std::pair<std::string, int32_t>> expected{
        {"pole::ctr_t", 0},          {"pole::upper_body_t", 272}, {"battery003::body_t", 155},
        {"battery003::body_t", 155}, {"battery006::body_t", 166}, {"pole::lower_body_t", 272},
        {"battery003::body_t", 155}, {"battery003::body_t", 155}, {"battery006::body_t", 166},
        {"pole::joint_t", 273},      {"battery002::body_t", 152},
    };
    EXPECT_EQ(made, expected);
    pole::ctr_t* ctr = only<pole::ctr_t>();
    ASSERT_NE(ctr, nullptr);
    for (pole::body_t* piece :
         {static_cast<pole::body_t*>(ctr->upper), static_cast<pole::body_t*>(ctr->lower)}) {
        EXPECT_EQ(piece->left_turret->pattern_base, 16);
        EXPECT_EQ(piece->right_turret->pattern_base, 0);
        EXPECT_EQ(piece->left_turret->shots.size(), 64u);
        EXPECT_EQ(piece->left_turret->carried->info->id, 40);
        EXPECT_EQ(piece->tracking_turret->carried, nullptr);
        EXPECT_EQ(piece->tracking_turret->direction, 32);
    }
    EXPECT_EQ(ctr->joint->turret->carried->info->id, 38);
    EXPECT_EQ(ctr->joint->turret->direction, 32);
    EXPECT_EQ(ctr->joint->carried->info->id, 41);
    EXPECT_EQ(ctr->joint->explosion->info->id, 85);
    // The shots of the two turrets of a piece alternate.
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots)[1].owner_index, 3);

    for (int32_t missing : {0, 273, 85, 272, 18, 155, 152, 154, 166, 31}) {
        records({}, {missing});
        load({placed(271, 200, 128)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
}

TEST_F(battery003_pole, the_pole_slides_between_90_and_166_carrying_its_parts) {
    load({placed(271, 200, 128), placed(271, 288, 128)});
    scene->scroll_stop = 1;
    const std::vector<pole::ctr_t*> ctrs = all<pole::ctr_t>();
    ASSERT_EQ(ctrs.size(), 2u);
    pole::ctr_t& ctr = *ctrs[0];
    struct leg_t {
        int32_t state;
        uint32_t frames; // in it
    };
    std::vector<leg_t> legs{{ctr.state, 0}};
    std::vector<float> pauses; // where it rests: about 12 past each turn, braking from 0.5
    float speed_at_50 = 0;
    for (uint32_t f = 0; f < 700; ++f) {
        run(1);
        if (ctr.state != legs.back().state) {
            legs.push_back({ctr.state, 0});
            if (ctr.state == 3 || ctr.state == 6) {
                EXPECT_NEAR(ctr.y, ctr.state == 3 ? 90 : 166, 1); // turns there, at up to 0.5 a frame
            }
            if (ctr.state == 4 || ctr.state == 7) {
                pauses.push_back(ctr.y);
            }
        }
        ++legs.back().frames;
        if (f == 49) {
            speed_at_50 = ctr.speed;
        }
    }
    ASSERT_GE(legs.size(), 8u);
    EXPECT_EQ(legs[1].state, 2);
    EXPECT_NEAR(speed_at_50, 0.5f, 1e-5); // full speed after 50 frames from rest
    for (size_t i = 2; i < 8; ++i) {
        const uint32_t expected = legs[i].state == 4 || legs[i].state == 7   ? 8
                                  : legs[i].state == 3 || legs[i].state == 6 ? 50
                                                                             : legs[i].frames;
        EXPECT_EQ(legs[i].frames, expected) << "state " << legs[i].state;
    }
    ASSERT_GE(pauses.size(), 2u);
    EXPECT_NEAR(pauses[0], 90 - 12.25f, 0.75f);
    EXPECT_NEAR(pauses[1], 166 + 12.25f, 0.75f);
    EXPECT_EQ(sound_frames(10).front(), 0u);
    EXPECT_EQ(sound_frames(10)[1], 40u);
    // The parts stand around the controller.
    EXPECT_FLOAT_EQ(ctr.upper->y, ctr.y - 120);
    EXPECT_FLOAT_EQ(ctr.lower->y, ctr.y + 120);
    EXPECT_FLOAT_EQ(ctr.upper->left_turret->x, ctr.x - 20);
    EXPECT_FLOAT_EQ(ctr.upper->left_turret->y, ctr.y - 44);
    EXPECT_FLOAT_EQ(ctr.lower->right_turret->x, ctr.x + 20);
    EXPECT_FLOAT_EQ(ctr.lower->right_turret->y, ctr.y + 44);
    EXPECT_FLOAT_EQ(ctr.upper->tracking_turret->y, ctr.y - 72);
    EXPECT_FLOAT_EQ(ctr.lower->tracking_turret->x, ctr.x - 18);
    EXPECT_FLOAT_EQ(ctr.joint->turret->x, ctr.x - 8);
    // Far right it waits without moving.
    EXPECT_EQ(ctrs[1]->state, 1);
    EXPECT_FLOAT_EQ(ctrs[1]->y, 128);
}

TEST_F(battery003_pole, the_joint_dies_64_frames_after_its_turret_and_past_x_minus_32_the_pole_vanishes) {
    load({placed(271, 200, 128, 0, 41)});
    scene->scroll_stop = 1;
    pole::ctr_t* ctr = only<pole::ctr_t>();
    ASSERT_NE(ctr, nullptr);
    run(10);
    battery002::body_t* turret = ctr->joint->turret;
    EXPECT_TRUE(shoot(ctr->x, ctr->upper->y, 999)); // the piece takes the shot, and nothing else
    EXPECT_TRUE(shoot(ctr->x + 6, ctr->y, 999));    // as the joint does
    EXPECT_TRUE(ctr->upper->alive && ctr->joint->alive);
    EXPECT_TRUE(shoot(turret->x - 7, turret->y, 999, 2, 2)); // left of the joint
    EXPECT_FALSE(turret->alive);
    run(63);
    EXPECT_TRUE(ctr->joint->alive);
    run(1);
    EXPECT_FALSE(ctr->joint->alive);
    EXPECT_EQ(sound_frames(52), std::vector<uint32_t>{73});
    EXPECT_TRUE(ctr->joint->carried->alive); // the pole's item
    run(2);
    EXPECT_FLOAT_EQ(ctr->joint->explosion->y, ctr->y); // the explosion rides with the controller

    load({placed(271, -33, 128), placed(271, -32, 128)});
    run(1);
    ctr = all<pole::ctr_t>()[0];
    EXPECT_FALSE(ctr->alive || ctr->upper->alive || ctr->lower->alive || ctr->joint->alive);
    EXPECT_TRUE(ctr->upper->left_turret->alive);
    EXPECT_EQ(ctr->joint->explosion->alive, 0);
    EXPECT_TRUE(all<pole::ctr_t>()[1]->alive);
}
