// The escort bee on the kit, summoned as bee003 summons it: its fade-in unhurt and harmless, its glides,
// its fans by level, its homing balls and its leave.
#include "bosses/bees/bee002.h"
#include "bosses/bees/bee003.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "tests/bosses/midboss_kit.h"

namespace {

class bee002_test : public midboss_kit_t {
  protected:
    // The first escort of a bee003 held off screen, summoned at (x, y) at the level.
    bee002::body_t* summoned(float x, float y, int32_t level = 1) {
        auto* boss = hold<bee003::body_t>(placed(228, 0, 300), level);
        boss->phase = 1001; // waits
        bee002::body_t* bee = boss->escorts[0];
        bee->set_position(x, y);
        bee->start();
        return bee;
    }
};

} // namespace

TEST_F(bee002_test, it_fades_in_unhurt_and_harmless_and_can_be_hurt_after_its_first_six_fans) {
    bee002::body_t* bee = summoned(160, 100);
    ship_at(40, 100);
    const int32_t hp = bee->hp;
    std::vector<int32_t> fades;
    int32_t sparks = 0;
    uint32_t frame = 0;
    for (; bee->invulnerable && frame < 300; ++frame) {
        bee->damage(1);
        run(1);
        sparks = std::max(sparks, alive_count(scene->stage.spark_pool.items));
        if (frame % 16 == 0) {
            fades.push_back(bee->fade);
        }
        if (bee->fade != 0) {
            EXPECT_EQ(bee->contact_damage(), 0) << frame;
        }
    }
    EXPECT_EQ(fades, (std::vector<int32_t>{252, 188, 124, 60, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bee->wing->fade, 0);
    EXPECT_EQ(bee->blend_mode(), 0);
    EXPECT_EQ(bee->contact_damage(), bee->info->contact_damage);
    EXPECT_EQ(bee->hp, hp); // 64 fading, 23 gliding, 64 firing: no hit counted
    EXPECT_EQ(frame, 64u + 23 + 64 + 1);
    EXPECT_GT(sparks, 0);
    EXPECT_EQ(bee->wing->alive, 1);
    EXPECT_EQ(sounds_of(47), 0);
    bee->damage(1);
    run(1);
    EXPECT_EQ(bee->hp, hp - 1);
    EXPECT_EQ(sounds_of(47), 1);
}

TEST_F(bee002_test, each_glide_goes_48_across_and_32_toward_the_ship_in_23_eased_steps) {
    struct row_t {
        float x, y, ship_x, ship_y;
        float target_x, target_y;
    };
    const row_t rows[] = {
        {200, 100, 72, 140, 152, 132}, // 128 ahead of the ship: to the left
        {199, 100, 72, 60, 240, 68},   // nearer: to the right, no further than 240
        {100, 100, 72, 100, 148, 132}, // level with the ship: down
    };
    for (const row_t& r : rows) {
        bee002::body_t* bee = summoned(r.x, r.y);
        ship_at(r.ship_x, r.ship_y);
        bee->fade = 0;
        bee->pattern = 5;
        run(1); // chooses and takes its first step at 270 degrees: still at the start, tilting toward 3
        EXPECT_EQ(bee->pattern, 4);
        EXPECT_FLOAT_EQ(bee->target_x, r.target_x) << r.x;
        EXPECT_FLOAT_EQ(bee->target_y, r.target_y) << r.x;
        EXPECT_FLOAT_EQ(bee->x, r.x);
        run(4);
        EXPECT_EQ(bee->pattern, r.target_x < r.x ? 3 : 5) << r.x;
        run(18);
        EXPECT_EQ(bee->state, 3);
        EXPECT_NEAR(bee->x, r.x + (r.target_x - r.x) * cos_deg(358), 1e-3) << r.x;
        EXPECT_NEAR(bee->y, r.y + (r.target_y - r.y) * cos_deg(358), 1e-3) << r.x;
        EXPECT_FLOAT_EQ(bee->wing->x, bee->x + 16);
        run(1);
        EXPECT_EQ(bee->state, 4);
    }
}

TEST_F(bee002_test, six_fans_a_fire_state_as_wide_as_the_level_centred_on_straight_left) {
    const int32_t widths[8] = {3, 3, 4, 5, 6, 6, 6, 7};
    for (int32_t level = 1; level <= 8; ++level) {
        bee002::body_t* bee = summoned(200, 100, level);
        ship_at(40, 100);
        bee->fade = 0;
        bee->angle = 400;
        bee->state = 3;
        std::vector<int32_t> fans;
        const int32_t n = widths[level - 1];
        for (uint32_t f = 0; f < 66; ++f) {
            const int32_t before = alive_count(bee->balls);
            run(1);
            fans.push_back(alive_count(bee->balls) - before);
            if (f == 0) {
                EXPECT_EQ(bee->balls[0]->direction, 32 - 2 * (n - 1)) << level;
                EXPECT_EQ(bee->balls[size_t(n - 1)]->direction, 32 + 2 * (n - 1)) << level;
                EXPECT_FLOAT_EQ(bee->balls[0]->speed, 1.5f) << level;
            }
        }
        EXPECT_EQ(nonzero(fans), std::vector<int32_t>(6, n)) << level;
        EXPECT_EQ(fans[12], n) << level;
        EXPECT_EQ(bee->invulnerable, 0) << level;
    }
}

TEST_F(bee002_test, a_ball_flies_straight_32_frames_then_turns_a_step_every_8_toward_the_ship) {
    bee002::body_t* bee = summoned(160, 100);
    ship_at(200, 100); // directly behind the bee: half a circle turns +1
    bee002::ball_t* ball = bee->balls[0];
    ball->set_position(160, 100);
    ball->direction = 32;
    ball->speed = 1.5f;
    ball->start();
    bee->alive = 0;
    std::vector<int32_t> directions;
    for (int32_t f = 0; f < 49; ++f) {
        run(1);
        directions.push_back(ball->direction);
    }
    EXPECT_EQ(directions[31], 32);
    EXPECT_EQ(directions[32], 33);
    EXPECT_EQ(directions[39], 33);
    EXPECT_EQ(directions[40], 34);
    EXPECT_EQ(ball->state, 1);
    EXPECT_EQ(ball->pattern, 35);
    ball->timer = 256;
    run(1);
    EXPECT_EQ(ball->state, 2);
    ball->set_position(-14, 100);
    run(1);
    EXPECT_EQ(ball->alive, 1); // at -15.5
    run(1);
    EXPECT_EQ(ball->alive + ball->hp, 0);
    EXPECT_EQ(ball->explosion->alive, 0); // off the area: gone without an explosion
    bee002::ball_t* other = bee->balls[1];
    other->set_position(100, 60);
    other->start();
    other->damage(100);
    run(1);
    EXPECT_EQ(sounds_of(48), 1);
}

TEST_F(bee002_test, sent_away_while_fading_in_it_fades_out_from_there_and_ends_without_explosion) {
    bee002::body_t* bee = summoned(160, 100);
    run(10);
    bee->state = 100;
    bee->timer = 0;
    run(1);
    EXPECT_EQ(bee->fade, 220);
    run(9);
    EXPECT_EQ(bee->fade, 256);
    EXPECT_EQ(bee->alive, 1);
    run(1);
    EXPECT_EQ(bee->alive + bee->hp, 0);
    EXPECT_EQ(bee->wing->alive + bee->wing->hp, 0);
    EXPECT_EQ(bee->explosion->alive, 0);
}
