// The unshootable scenery on the kit: the electric barrier's cycle and harmlessness while hidden, the
// lightning's flash, star002's ring and return, the arrow sign's sweeps, and what a missing record makes.
#include "enemies/scenery/arrow.h"
#include "enemies/scenery/electricity.h"
#include "enemies/scenery/star002.h"
#include "objects/objectinfo.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>

namespace {

using scenery = enemy_kit_t;

} // namespace

TEST_F(scenery, electricity_flickers_on_burns_flickers_off_and_rests_harmless_while_hidden) {
    load({placed(177, 128, 128)});
    scene->scroll_stop = 1;
    auto* bolt = only<electricity_t>();
    ASSERT_NE(bolt, nullptr);
    const int32_t image = bolt->info->image_id;
    const int32_t damage = bolt->info->contact_damage;
    ASSERT_GT(damage, 0);
    struct row_t {
        uint32_t frame;
        bool shown;
        int32_t pattern;
        int32_t state;
    };
    const row_t rows[] = {
        {0, true, 1, 0},    {1, false, 1, 0},  {7, false, 4, 0},  {8, true, 4, 1},    {9, true, 5, 1},
        {40, true, 4, 1},   {41, true, 5, 1},  {105, true, 4, 2}, {106, true, 5, 2},  {107, false, 5, 2},
        {114, false, 0, 3}, {179, true, 0, 0}, {180, true, 1, 0}, {181, false, 1, 0},
    };
    std::vector<row_t> seen;
    for (uint32_t f = 0; f <= 181; ++f) {
        run(1);
        seen.push_back({f, bolt->image_id() == image, bolt->pattern, bolt->state});
        EXPECT_EQ(bolt->contact_damage(), bolt->image_id() < 0 ? 0 : damage) << f;
    }
    for (const row_t& r : rows) {
        EXPECT_EQ(seen[r.frame].shown, r.shown) << r.frame;
        EXPECT_EQ(seen[r.frame].pattern, r.pattern) << r.frame;
        EXPECT_EQ(seen[r.frame].state, r.state) << r.frame;
    }
    EXPECT_EQ(sound_frames(27), (std::vector<uint32_t>{0, 180}));

    // Beyond the right edge it waits; past the left edge it is switched off for good.
    bolt->x = 320;
    run(3);
    EXPECT_EQ(bolt->timer, 2u);
    bolt->x = -64.5f;
    run(1);
    EXPECT_EQ(bolt->alive, 0);
    EXPECT_EQ(bolt->hp, 0);
}

TEST_F(scenery, lightning_waits_strikes_flickers_fades_and_hurts_even_while_hidden) {
    load({placed(242, 128, 128), placed(244, 100, 60)});
    scene->scroll_stop = 1;
    const std::vector<lightning_t*> flashes = all<lightning_t>();
    ASSERT_EQ(flashes.size(), 2u);
    lightning_t* flash = flashes[0];
    EXPECT_EQ(flashes[1]->info->id, 244);
    const uint32_t wait = flash->wait;
    ASSERT_GE(wait, 64u);
    ASSERT_LT(wait, 128u);
    const int32_t hidden = -1;
    std::vector<int32_t> looks;
    for (uint32_t f = 0; f < wait + 21; ++f) {
        run(1);
        looks.push_back(flash->image_id() == hidden ? hidden : flash->pattern);
        EXPECT_EQ(flash->contact_damage(), flash->info->contact_damage) << f;
    }
    const std::vector<int32_t> strike{6, 4, 2, 0, 7, 7, 0, 0, 7,      7,     0,
                                      0, 1, 2, 3, 4, 5, 6, 7, hidden, hidden};
    EXPECT_EQ(std::vector<int32_t>(looks.begin(), looks.begin() + wait), std::vector<int32_t>(wait, hidden));
    EXPECT_EQ(std::vector<int32_t>(looks.begin() + wait, looks.end()), strike);
    EXPECT_NEAR(flash->x, 128 - 0.25f * float(wait + 21), 1e-3);
    EXPECT_EQ(flash->state, 0);
    EXPECT_EQ(flash->timer, 2u);
    EXPECT_GE(flash->wait, 64u);
}

TEST_F(scenery, star002_starts_on_its_ring_flies_in_braking_and_returns_to_the_same_point) {
    load({});
    scene->scroll_stop = 1;
    uint32_t state = rng::current_state();
    const placement_t p = placed(95, 0, 0);
    star002_t* star = stage_t::make_star002(&scene->stage, &p, objectinfo_find(95));
    // The generator's own step: the angle is drawn first, then the radius.
    auto next_random = [&state] {
        state = state * 22695477u + 1u;
        return int32_t((state >> 16) & 0x7FFF);
    };
    const int32_t a = next_random() / 92;
    const int32_t r = next_random() / 342 + 128;
    EXPECT_EQ(rng::current_state(), state);
    EXPECT_FLOAT_EQ(star->start_x, float(r) * cos_table_deg[a] + 128);
    EXPECT_FLOAT_EQ(star->start_y, float(r) * sin_table_deg[a] + 128);
    EXPECT_FLOAT_EQ(star->x, star->start_x);
    EXPECT_FLOAT_EQ(star->y, star->start_y);

    load({placed(95, 0, 0)});
    scene->scroll_stop = 1;
    star = only<star002_t>();
    ASSERT_NE(star, nullptr);

    struct row_t {
        uint32_t frames; // run since the last row
        float speed;
        int32_t pattern;
    };
    const row_t rows[] = {{1, 2.95f, 0}, {15, 2.2f, 0}, {1, 2.15f, 1}, {40, 0.4f, 3}, {60, 0.4f, 5}};
    for (const row_t& row : rows) {
        const float before = std::hypot(star->x - 128, star->y - 128);
        run(row.frames);
        EXPECT_NEAR(star->speed, row.speed, 1e-3) << row.frames;
        EXPECT_EQ(star->pattern, row.pattern) << row.frames;
        EXPECT_LT(std::hypot(star->x - 128, star->y - 128), before);
    }
    // Once inside the box of 64 x 32 around the target it starts again from its point.
    struct arrival_t {
        float x;
        float y;
        bool arrives;
    };
    for (const arrival_t& a : {arrival_t{96, 128, true},
                               {159.5f, 143.5f, true},
                               {160, 128, false},
                               {128, 144, false},
                               {128, 112, true},
                               {95.5f, 128, false}}) {
        star->counter = 9;
        star->set_position(a.x, a.y);
        run(1);
        EXPECT_EQ(star->counter, a.arrives ? 1u : 10u) << a.x << " " << a.y;
    }
    star->set_position(150, 140);
    run(1);
    EXPECT_EQ(star->pattern, 0);
    EXPECT_NEAR(star->speed, 2.95f, 1e-3);
    EXPECT_LT(std::hypot(star->x - star->start_x, star->y - star->start_y), 3.01f);
}

TEST_F(scenery, the_arrow_sign_sweeps_four_times_and_nothing_of_it_can_be_hit) {
    for (int32_t follow : {0, 1}) {
        load({placed(43, 200, 100, follow)});
        scene->scroll_stop = 1;
        auto* sign = only<arrow_ctr_t>();
        ASSERT_NE(sign, nullptr);
        const std::vector<arrow_t*> arrows = all<arrow_t>();
        ASSERT_EQ(arrows.size(), 4u);
        EXPECT_EQ(alive_count(arrows), 0);
        EXPECT_EQ(sign->follow_y, follow);
        EXPECT_EQ(std::vector<arrow_t*>(sign->arrows, sign->arrows + 4), arrows);
        EXPECT_EQ(manifest_of(scene->stage, list_explosions).size(), 0u);

        // Sweep k starts arrow i at frame 12k + 4i: a sweep's last arrow and the next sweep's first share
        // a frame. A started arrow has updated once by the end of its frame.
        const std::vector<std::vector<int32_t>> expected{
            {0}, {1}, {2}, {0, 3}, {1}, {2}, {0, 3}, {1}, {2}, {0, 3}, {1}, {2}, {3}, {},
        };
        std::vector<std::vector<int32_t>> started;
        for (uint32_t f = 0; f < 56; ++f) {
            run(1);
            if (f % 4 == 0) {
                started.emplace_back();
                for (int32_t i = 0; i < 4; ++i) {
                    if (arrows[i]->alive && arrows[i]->counter == 1) {
                        started.back().push_back(i);
                    }
                }
            }
            if (f == 47) {
                EXPECT_EQ(sign->alive, 1);
            }
        }
        EXPECT_EQ(started, expected);
        EXPECT_EQ(sound_frames(77), (std::vector<uint32_t>{0, 12, 24, 36}));
        EXPECT_EQ(sign->alive, 0);
        for (int32_t i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(arrows[i]->x, 200 - 4.0f * i);
            EXPECT_EQ(arrows[i]->base, 8 * i);
        }
        // The last arrow shows its row's cells 3 frames each and vanishes on its 13th update.
        EXPECT_EQ(arrows[3]->pattern, 24 + 2);
        run(4);
        EXPECT_EQ(arrows[3]->pattern, 27);
        EXPECT_EQ(arrows[3]->alive, 1);
        run(1);
        EXPECT_EQ(arrows[3]->alive, 0);

        sign->alive = 1;
        sign->move_x(10);
        sign->move_y(10);
        EXPECT_FLOAT_EQ(sign->x, 200);
        EXPECT_FLOAT_EQ(sign->y, follow ? 110 : 100);
        arrows[0]->start();
        EXPECT_FALSE(shoot(200, 100, 99));
        EXPECT_EQ(sign->alive, 1);
        EXPECT_EQ(arrows[0]->alive, 1);
    }
}

TEST_F(scenery, a_missing_record_makes_nothing) {
    struct row_t {
        int32_t type;
        int32_t missing;
    };
    for (const row_t& r : {row_t{43, 0}, {43, 43}, {95, 95}, {177, 177}, {243, 243}}) {
        records({}, {r.missing});
        load({placed(r.type, 128, 128)});
        EXPECT_EQ(object_total(), 0u) << r.type << " " << r.missing;
    }
}
