#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/play_state.h"
#include "tests/objects/records.h"

#include <gtest/gtest.h>

namespace {

const objectinfo_t enemy_record = test_record(200, 16, 16, 3, 1, 100);
const objectinfo_t effect = test_record(50, 8, 8, 4);
const objectinfo_t item_record = test_record(37, 16, 16, 1, 0, 50);

class boss_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    int32_t bonus() override { return 1234; }
};

class enemy_death : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_play_state();
        g_frame_counter = 50;
    }
};

} // namespace

TEST_F(enemy_death, one_call_explodes_drops_the_item_and_scores) {
    enemy_t enemy(&enemy_record, 120, 80, 0);
    explosion_t boom(&effect, 0);
    item_t item(&item_record);
    enemy.attach_explosion(&boom);
    enemy.set_carried(&item);

    enemy.damage(2);
    EXPECT_TRUE(enemy.alive);
    EXPECT_FALSE(item.alive);
    EXPECT_EQ(g_score, 0);

    enemy.set_position(121.5f, 79);
    enemy.damage(5);
    EXPECT_FALSE(enemy.alive);
    EXPECT_TRUE(boom.alive);
    EXPECT_EQ(boom.x, 121.5f);
    EXPECT_TRUE(item.alive);
    EXPECT_EQ(item.x, 121.5f);
    EXPECT_EQ(item.y, 79.0f);
    EXPECT_EQ(g_score, 100);
    EXPECT_EQ(g_pending_bonus, 0);
}

TEST_F(enemy_death, an_item_that_is_alive_already_stays_where_it_is) {
    enemy_t enemy(&enemy_record, 10, 10, 0);
    item_t item(&item_record);
    item.start();
    item.set_position(200, 200);
    enemy.set_carried(&item);
    enemy.damage(3);
    EXPECT_EQ(item.x, 200.0f);
    EXPECT_EQ(enemy.get_carried(), &item);
}

TEST_F(enemy_death, the_bonus_follows_the_kill_score) {
    boss_t boss(&enemy_record, 10, 10, 0);
    boss.damage(3);
    EXPECT_EQ(g_score, 100);
    EXPECT_EQ(g_pending_bonus, 1234);
}

TEST_F(enemy_death, an_enemy_that_cannot_be_killed_never_scores) {
    class shielded_t : public enemy_t {
      public:
        using enemy_t::enemy_t;
        void kill() override {}
    } shielded(&enemy_record, 10, 10, 0);
    shielded.damage(50);
    EXPECT_TRUE(shielded.alive);
    EXPECT_EQ(g_score, 0);
}
