// The shutters on the kit: shutter001's cycle and its sounds on screen, shutter002's slats by type and
// their final layout, and shutter003's gate opening at the ship's approach.
#include "enemies/turrets/shutters.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using shutters = enemy_kit_t;

std::vector<shutter002::slat_t*> slats_of(shutter002::body_t& body) {
    std::vector<shutter002::slat_t*> slats;
    for (shutter002::slat_t* s = body.first; s != nullptr; s = s->next) {
        slats.push_back(s);
    }
    return slats;
}

} // namespace

TEST_F(shutters, shutter001_opens_holds_closes_and_rests_and_is_heard_and_seen_only_on_screen) {
    struct row_t {
        int32_t x;
        int32_t image; // of record 178 (12 in the sample), or hidden
        int32_t sounds;
    };
    for (const row_t& r : {row_t{128, 1, 1}, {300, 0, 0}}) {
        load({placed(178, r.x, 128, 16 + 14)}); // the phase reduced to 14
        scene->scroll_stop = 1;
        auto* body = only<shutter001::body_t>();
        ASSERT_NE(body, nullptr);
        EXPECT_EQ(body->pattern, 14);
        std::vector<int32_t> patterns;
        for (int32_t f = 0; f < 200; ++f) {
            run(1);
            patterns.push_back(body->pattern);
        }
        EXPECT_EQ(body->image_id() != -1, r.image == 1) << r.x;
        // 14 -> 15 on frame 0, open from frame 2 for 48 frames, closing one step every second frame from
        // frame 51 to 0 on frame 79, shut for 32 frames from frame 81, opening again from frame 114.
        EXPECT_EQ(patterns[0], 15);
        EXPECT_EQ(patterns[50], 15);
        EXPECT_EQ(patterns[51], 14);
        EXPECT_EQ(patterns[79], 0);
        EXPECT_EQ(patterns[113], 0);
        EXPECT_EQ(patterns[114], 1);
        const std::vector<uint32_t> moving{0, 51, 114, 193};
        const std::vector<uint32_t> shut{79};
        EXPECT_EQ(sound_frames(60), r.sounds ? moving : std::vector<uint32_t>{}) << r.x;
        EXPECT_EQ(sound_frames(59), r.sounds ? shut : std::vector<uint32_t>{}) << r.x;
    }
}

TEST_F(shutters, shutter002_unrolls_its_slats_at_the_speed_of_its_type) {
    struct row_t {
        int32_t type;
        float step; // of the first slat per frame
        int32_t end_pattern;
        int32_t slat_pattern;
    };
    const row_t rows[] = {
        {181, 1.0f, 0, 2},   {182, -1.0f, 1, 3}, {183, 0.15f, 0, 2},
        {184, -0.15f, 1, 3}, {185, 1.5f, 0, 2},  {186, -1.5f, 1, 3},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 128, 128, 200)});
        scene->scroll_stop = 1;
        auto* body = only<shutter002::body_t>();
        ASSERT_NE(body, nullptr);
        const std::vector<shutter002::slat_t*> slats = slats_of(*body);
        ASSERT_EQ(slats.size(), 8u);
        EXPECT_EQ(body->pattern, r.end_pattern) << r.type;
        EXPECT_EQ(slats[0]->pattern, r.end_pattern) << r.type;
        EXPECT_EQ(slats[7]->pattern, r.slat_pattern) << r.type;
        run(10);
        EXPECT_NEAR(slats[0]->y, 128 + 10 * r.step, 1e-3) << r.type;
        EXPECT_FLOAT_EQ(body->y, 128);
    }
    // Length 40 at 1.0: the slats end 40, 24 and 8 below the body, the rest at it; sound every 8 frames.
    load({placed(181, 128, 100, 40)});
    scene->scroll_stop = 1;
    auto* body = only<shutter002::body_t>();
    run(60);
    std::vector<float> below;
    for (shutter002::slat_t* s : slats_of(*body)) {
        below.push_back(s->y - body->y);
        EXPECT_EQ(s->image_id(), s->info->image_id);
    }
    EXPECT_EQ(below, (std::vector<float>{40, 24, 8, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sound_frames(92),
              (std::vector<uint32_t>{0, 9, 17, 25, 33})); // the timer restarts after frame 0
    // Off screen (x from 352) it waits hidden, its slats too.
    for (const auto& [x, shown] : {std::pair{351, true}, {352, false}}) {
        load({placed(182, x, 100, 40)});
        scene->scroll_stop = 1;
        body = only<shutter002::body_t>();
        run(5);
        EXPECT_EQ(body->image_id() != -1, shown) << x;
        EXPECT_EQ(body->first->image_id() != -1, shown) << x;
        EXPECT_EQ(body->first->y < 100, shown) << x;
    }
}

TEST_F(shutters, shutter003_halves_slide_apart_once_the_ship_is_within_32_and_vanish_past_the_left_edge) {
    struct row_t {
        float ship_x;
        bool opens;
    };
    for (const row_t& r : {row_t{97, true}, {96, false}}) {
        load({placed(187, 128, 96), placed(188, 128, 160)});
        scene->scroll_stop = 1;
        ship_at(r.ship_x, 128);
        auto* upper = only<shutter003::upperbody_t>();
        auto* lower = only<shutter003::lowerbody_t>();
        ASSERT_NE(upper, nullptr);
        ASSERT_NE(lower, nullptr);
        EXPECT_EQ(upper->pattern, 0);
        EXPECT_EQ(lower->pattern, 1);
        run(81);
        EXPECT_EQ(upper->y < 96, r.opens) << r.ship_x;
        EXPECT_EQ(lower->y > 160, r.opens) << r.ship_x;
        EXPECT_FLOAT_EQ(lower->y - 160, 96 - upper->y); // the halves move alike
        if (r.opens) {
            EXPECT_NEAR(upper->speed, 0.4f, 1e-5); // full speed after 80 frames of opening
            EXPECT_EQ(sound_frames(25), (std::vector<uint32_t>{1, 13, 25, 37, 49, 61, 73}));
            run(300);
            EXPECT_LE(upper->y, 16);
            EXPECT_GT(upper->y, 15.5f);
            EXPECT_GE(lower->y, 240);
            EXPECT_EQ(upper->state, 9999);
        }
    }
    load({placed(187, -33, 96), placed(188, -32, 160)});
    run(1);
    EXPECT_FALSE(only<shutter003::upperbody_t>()->alive);
    EXPECT_TRUE(only<shutter003::lowerbody_t>()->alive);

    records({}, {188});
    load({placed(187, 128, 96), placed(188, 128, 160)});
    EXPECT_EQ(all<shutter003::body_t>().size(), 1u);
}
