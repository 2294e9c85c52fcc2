#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "player/double_shot.h"
#include "player/multiple.h"
#include "tests/player/player_fixture.h"
#include "tests/player/standin_ship.h"

namespace {

const objectinfo_t first_info = test_record(2, 8, 4, 3);
const objectinfo_t second_info = test_record(3, 8, 4, 3);

class double_shot : public player_test {
  protected:
    double_shot()
        : ship(&ship_info), first(&first_info), second(&second_info), first_hit(&hit_info, 0),
          second_hit(&hit_info, 0), kept_aim(dbl_aim) {
        first.partner = &second;
        first.set_speed(8.0f);
        second.set_speed(8.0f);
        first.effect = &first_hit;
        second.effect = &second_hit;
        first.set_owner(&ship);
        ship.shot_pool.push_back(&first);
    }
    ~double_shot() override { dbl_aim = kept_aim; }

    // One frame of the pair in weapon-list order; false once the first shot is dormant.
    bool frame() {
        if (first.alive) {
            first.update();
        }
        if (second.alive) {
            second.update();
        }
        return first.alive;
    }

    standin_ship_t ship;
    dbl::shot1_t first;
    dbl::shot2_t second;
    explosion_t first_hit;
    explosion_t second_hit;
    int32_t kept_aim;
};

} // namespace

TEST_F(double_shot, the_pair_leaves_together_and_the_partner_flies_along_the_aim) {
    dbl_aim = 8;
    ship.set_position(100.6f, 120.3f);
    ship.fire_shot();
    ASSERT_TRUE(first.alive && second.alive);
    EXPECT_EQ(second.x, 100.0f);
    EXPECT_EQ(second.y, 120.0f);
    EXPECT_EQ(first.vx, 8.0f);
    EXPECT_EQ(second.vx, 8.0f * cos_table[8]);
    EXPECT_EQ(second.vy, -8.0f * sin_table[8]);
    EXPECT_EQ(second.pattern, 8);
    EXPECT_TRUE(requested(101));
    EXPECT_EQ(second.owner, &ship) << "the owner passes to the partner";
    first.move_x(-5);
    EXPECT_EQ(first.x, 100.0f) << "the scroll does not move it";

    first.kill();
    dbl_aim = 40;
    ship.fire_shot();
    EXPECT_EQ(second.pattern, 8) << "opposite aims share a pattern";
    EXPECT_LT(second.vx, 0.0f);
}

TEST_F(double_shot, the_pair_dies_only_in_an_update_that_begins_with_both_spent) {
    dbl_aim = 16; // straight up
    ship.set_position(100, 20);
    ship.fire_shot();
    int frames = 0;
    while (frame() && frames < 100) {
        ++frames;
        EXPECT_EQ(second.spent, frames >= 4);
    }
    EXPECT_EQ(second.x, -9999.0f) << "spent shots are parked";
    EXPECT_EQ(frames, 20) << "the first shot reaches x = 260 in its 20th update, the pair dies in the 21st";
    EXPECT_FALSE(second.alive);
    EXPECT_FALSE(first_hit.alive) << "leaving the bounds shows no effect";
}

TEST_F(double_shot, a_hit_spends_one_shot_at_once_with_its_effect_while_the_other_flies_on) {
    dbl_aim = 32;
    ship.set_position(50, 60);
    ship.fire_shot();
    first.damage(0);
    EXPECT_FALSE(first.spent);
    first.damage(1);
    EXPECT_TRUE(first.spent);
    EXPECT_EQ(first.hp, 3) << "hit points are not used";
    EXPECT_TRUE(first_hit.alive);
    EXPECT_EQ(first_hit.x, 50.0f);

    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(frame());
    }
    EXPECT_EQ(second.x, -30.0f) << "the pair's bounds reach x = -32";
    second.damage(5);
    EXPECT_TRUE(second_hit.alive);
    EXPECT_TRUE(first.alive) << "the pair waits for the first shot's next update";
    EXPECT_FALSE(frame());
}

TEST_F(double_shot, a_pair_fired_by_a_multiple_is_silent_and_is_killed_as_one) {
    multiple_t multiple(&multiple_info);
    first.set_owner(&multiple);
    multiple.shot_pool.push_back(&first);
    multiple.fire_shot();
    EXPECT_TRUE(first.alive && second.alive);
    EXPECT_FALSE(requested(101));
    second.kill();
    second.start();
    EXPECT_TRUE(second.alive) << "the partner is driven by the first shot only";
    first.kill();
    EXPECT_FALSE(second.alive);
}
