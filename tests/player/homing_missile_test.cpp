#include "objects/trig_tables.h"
#include "play/stage_pointers.h"
#include "player/homing_missile.h"
#include "tests/player/enemy_list_standin.h"
#include "tests/player/player_fixture.h"

#include <memory>

namespace {

const objectinfo_t upper_info = test_record(8, 8, 8, 2);
const objectinfo_t lower_info = test_record(9, 8, 8, 2);
const objectinfo_t enemy_info = test_record(200, 16, 16, 3);
const objectinfo_t scenery_info = test_record(201, 16, 16, 0);

class homing : public player_test {
  protected:
    // A missile of the pair fired from (x, y).
    template <class M> std::unique_ptr<M> fire(const objectinfo_t& info, float x, float y) {
        auto missile = std::make_unique<M>(&info);
        missile->set_position(x, y);
        missile->start();
        return missile;
    }
};

} // namespace

TEST_F(homing, without_a_stage_or_an_enemy_on_screen_the_pair_flies_straight_at_3_pixels) {
    auto upper = fire<upper_homing_missile_t>(upper_info, 100, 100);
    auto lower = fire<lower_homing_missile_t>(lower_info, 100, 100);
    EXPECT_EQ(upper->find_target(), nullptr) << "no stage loaded";
    upper->update();
    lower->update();
    EXPECT_FLOAT_EQ(upper->x, 100 + 3 * cos_table[18]);
    EXPECT_FLOAT_EQ(upper->y, 100 - 3 * sin_table[18]);
    EXPECT_LT(upper->x, 100.0f) << "slightly backward";
    EXPECT_EQ(upper->pattern, 9);
    EXPECT_FLOAT_EQ(lower->y, 100 - 3 * sin_table[46]);
    EXPECT_EQ(lower->pattern, 23);

    enemy_list_standin_t stage;
    stage.add(&enemy_info, 256.0f, 100); // just off screen
    for (int i = 0; i < 5; ++i) {
        upper->update();
    }
    EXPECT_EQ(upper->target, nullptr);
    EXPECT_EQ(upper->direction, 18);
    EXPECT_EQ(upper->lock_frames, 0u);
}

TEST_F(homing, the_nearest_destructible_enemy_on_screen_wins_and_ties_keep_the_earlier) {
    enemy_list_standin_t stage;
    stage.add(&scenery_info, 101, 3);   // no hit points: never a target
    stage.add(&enemy_info, 100, -0.5f); // would be the nearest
    enemy_t* dead = stage.add(&enemy_info, 102, 2);
    dead->kill();
    enemy_t* left = stage.add(&enemy_info, 90.5f, 2);   // dx truncates to -9
    enemy_t* right = stage.add(&enemy_info, 109.9f, 2); // 9 as well
    stage.add(&enemy_info, 100, 30);
    auto missile = fire<upper_homing_missile_t>(upper_info, 100, 2);
    EXPECT_EQ(missile->find_target(), left);
    left->kill();
    EXPECT_EQ(missile->find_target(), right);
    stage.list.end = 4; // the window ends before the others
    EXPECT_EQ(missile->find_target(), nullptr);
}

TEST_F(homing, an_enemy_at_the_origin_counts_as_on_screen) {
    enemy_list_standin_t stage;
    enemy_t* corner = stage.add(&enemy_info, 0, 0);
    stage.add(&enemy_info, 200, 255.9f);
    auto missile = fire<lower_homing_missile_t>(lower_info, 20, 20);
    EXPECT_EQ(missile->find_target(), corner);
}

TEST_F(homing, the_missile_turns_one_step_a_frame_toward_its_target) {
    enemy_list_standin_t stage;
    enemy_t* enemy = stage.add(&enemy_info, 200, 100);
    auto missile = fire<upper_homing_missile_t>(upper_info, 100, 100);
    missile->update();
    EXPECT_EQ(missile->target, enemy);
    EXPECT_EQ(missile->direction, 17);
    EXPECT_EQ(missile->lock_frames, 1u);
    missile->update();
    EXPECT_EQ(missile->direction, 16);
    EXPECT_EQ(missile->pattern, 8);
}

TEST_F(homing, a_target_that_leaves_the_screen_square_or_dies_is_replaced) {
    enemy_list_standin_t stage;
    enemy_t* near = stage.add(&enemy_info, 120, 100);
    enemy_t* far = stage.add(&enemy_info, 200, 100);
    auto missile = fire<upper_homing_missile_t>(upper_info, 100, 100);
    missile->update();
    ASSERT_EQ(missile->target, near);
    near->set_position(120, -0.5f);
    missile->update();
    EXPECT_EQ(missile->target, far);
    EXPECT_EQ(missile->lock_frames, 1u);
    far->kill();
    missile->update();
    EXPECT_EQ(missile->target, nullptr);
    EXPECT_EQ(missile->lock_frames, 0u);
}

TEST_F(homing, after_256_turning_frames_the_search_runs_again) {
    enemy_list_standin_t stage;
    enemy_t* chased = stage.add(&enemy_info, 150, 100);
    auto missile = fire<upper_homing_missile_t>(upper_info, 100, 100);
    missile->update();
    ASSERT_EQ(missile->target, chased);
    missile->lock_frames = 255;
    missile->update();
    EXPECT_EQ(missile->lock_frames, 256u) << "still kept at 255";
    missile->update();
    EXPECT_EQ(missile->target, chased) << "still the nearest";
    EXPECT_EQ(missile->lock_frames, 1u) << "searched again, then turned once";

    enemy_t* nearer = stage.add(&enemy_info, missile->x, missile->y + 5);
    missile->lock_frames = 256;
    missile->update();
    EXPECT_EQ(missile->target, nearer);
}

TEST_F(homing, a_target_straight_behind_is_approached_counter_clockwise) {
    enemy_list_standin_t stage;
    auto missile = fire<lower_homing_missile_t>(lower_info, 128, 128);
    missile->direction = 0;
    stage.add(&enemy_info, 68, 128);
    missile->update();
    EXPECT_EQ(missile->direction, 1);
}
