#include "objects/explosion.h"
#include "objects/expman.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "tests/objects/records.h"
#include "tests/play/event_log_scene.h"

#include <gtest/gtest.h>

TEST(expman, the_sequencer_draws_two_numbers_every_eighth_frame_and_shakes_per_burst) {
    event_log_scene_t scene;
    const objectinfo_t effect = test_record(50, 8, 8, 4);
    const objectinfo_t manager = test_record(91, 1, 1, 1);
    expman_t sequencer(&manager, 100.9f, 50, 0);
    explosion_t only(&effect, 0);
    sequencer.set.add(&only, 3, -2);

    rng::srand(5);
    rng::rand();
    rng::rand();
    const int32_t third_draw = rng::rand();
    rng::srand(5);
    g_frame_counter = 7;
    sequencer.update(); // not a multiple of 8: no draw
    g_frame_counter = 8;
    sequencer.update(); // the first pick starts it, the second finds it busy but still draws
    EXPECT_TRUE(only.alive);
    EXPECT_EQ(only.x, 103.0f);
    EXPECT_EQ(only.y, 48.0f);
    EXPECT_EQ(scene.events, (std::vector<std::pair<int32_t, int32_t>>{{371, -1}}));
    EXPECT_EQ(rng::rand(), third_draw);

    sequencer.damage(9999);
    EXPECT_TRUE(sequencer.alive);
}
