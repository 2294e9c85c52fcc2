#include "objects/enemy.h"
#include "objects/trig_tables.h"
#include "play/scroll.h"
#include "player/homing_missile.h"
#include "tests/play/event_log_scene.h"
#include "tests/player/player_fixture.h"

namespace {

const objectinfo_t upper_info = test_record(8, 8, 8, 2);
const objectinfo_t lower_info = test_record(9, 8, 8, 2);
const objectinfo_t enemy_info = test_record(200, 16, 16, 3);
const objectinfo_t scenery_info = test_record(201, 16, 16, 0);

class homing : public player_test {
  protected:
    void SetUp() override {
        upper.set_position(100, 100);
        upper.start();
    }

    // An enemy of the stage's first list, inside its window; the search reads the list once it is shared.
    enemy_t* enemy(float x, float y, const objectinfo_t& info = enemy_info) {
        auto* e = new enemy_t(&info, x, y, 0);
        scene.stage.enemies[0].push_back(e);
        advance_object_windows(scene.stage, 0, 1);
        return e;
    }

    event_log_scene_t scene;
    upper_homing_missile_t upper{&upper_info};
};

} // namespace

TEST_F(homing, without_a_stage_or_an_enemy_on_screen_the_pair_flies_straight_at_3_pixels) {
    lower_homing_missile_t lower(&lower_info);
    lower.set_position(100, 100);
    lower.start();
    enemy(256.0f, 100); // just off screen
    EXPECT_EQ(upper.find_target(), nullptr) << "no stage loaded";
    scene.stage.share_lists();
    for (int i = 0; i < 3; ++i) {
        upper.update();
        lower.update();
    }
    EXPECT_FLOAT_EQ(upper.x, 100 + 9 * cos_table[18]);
    EXPECT_FLOAT_EQ(upper.y, 100 - 9 * sin_table[18]);
    EXPECT_LT(upper.x, 100.0f) << "slightly backward";
    EXPECT_EQ(upper.pattern, 9);
    EXPECT_EQ(upper.target, nullptr);
    EXPECT_FLOAT_EQ(lower.y, 100 - 9 * sin_table[46]);
    EXPECT_EQ(lower.pattern, 23);
}

TEST_F(homing, the_nearest_destructible_enemy_on_screen_wins_and_ties_keep_the_earlier) {
    scene.stage.share_lists();
    upper.set_position(100, 2);
    enemy(101, 3, scenery_info);       // no hit points: never a target
    enemy(100, -0.5f);                 // would be the nearest
    enemy(102, 2)->kill();             // dead
    enemy_t* left = enemy(90.5f, 2);   // dx truncates to -9
    enemy_t* right = enemy(109.9f, 2); // 9 as well
    enemy_t* corner = enemy(0, 0);
    EXPECT_EQ(upper.find_target(), left);
    left->kill();
    EXPECT_EQ(upper.find_target(), right);
    right->kill();
    EXPECT_EQ(upper.find_target(), corner) << "(0, 0) is on screen";
    scene.stage.enemies[0].end = 5; // the window ends before it
    EXPECT_EQ(upper.find_target(), nullptr);
}

TEST_F(homing, a_target_is_chased_one_step_a_frame_and_chosen_again_after_256_frames) {
    scene.stage.share_lists();
    enemy_t* chased = enemy(200, 100);
    upper.update();
    EXPECT_EQ(upper.target, chased);
    EXPECT_EQ(upper.direction, 17);
    upper.lock_frames = 255;
    upper.update();
    EXPECT_EQ(upper.lock_frames, 256u) << "still kept at 255";
    upper.update();
    EXPECT_EQ(upper.target, chased) << "still the nearest";
    EXPECT_EQ(upper.lock_frames, 1u) << "searched again, then turned once";

    enemy_t* nearer = enemy(upper.x, upper.y + 5);
    upper.lock_frames = 256;
    upper.update();
    EXPECT_EQ(upper.target, nearer);
    nearer->set_position(nearer->x, -0.5f);
    upper.update();
    EXPECT_EQ(upper.target, chased) << "a target that leaves the screen is dropped";
}
