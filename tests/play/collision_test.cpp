#include "objects/enemy.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/score.h"
#include "play/collision.h"
#include "play/stage.h"
#include "player/player.h"
#include "player/player_missile.h"
#include "player/shield.h"
#include "player/ship.h"
#include "tests/objects/records.h"
#include "tests/player/player_fixture.h"

#include <limits>

namespace {

const objectinfo_t item_info = test_record(99, 8, 8, 1, 0, 10);
const objectinfo_t enemy_info = test_record(200, 16, 16, 1, 5);
const objectinfo_t bullet_info = test_record(2, 4, 4, 1, 3);
const objectinfo_t player_shot_info = test_record(1, 8, 4, 1, 1);

// An enemy that counts the hits it takes.
class target_t : public enemy_t {
  public:
    target_t(float x, float y) : enemy_t(&enemy_info, x, y, 0) {}
    void damage(int32_t n) override {
        ++hits;
        enemy_t::damage(n);
    }
    int32_t hits = 0;
};

class collision_test : public player_test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(load_table_without({}));
        ASSERT_TRUE(player.create(1));
        ship = player.ship;
        ship->state = ship_t::play;
        ship->invulnerable_timer = 0;
        ship->place_with_attachments(100, 100);
        g_score = 0;
    }
    void TearDown() override {
        for (array_t<enemy_t*>& list : stage.enemies) {
            delete_all(list);
        }
        delete_all(stage.items);
        delete_all(stage.enemy_shots);
        delete_all(shots);
        player.destroy_all();
    }

    target_t* enemy_at(int list, float x, float y) {
        auto* enemy = new target_t(x, y);
        stage.enemies[list].push_back(enemy);
        stage.enemies[list].end = stage.enemies[list].size();
        return enemy;
    }
    player_missile_t* shot_at(float x, float y) {
        auto* shot = new player_missile_t(&player_shot_info);
        shot->set_position(x, y);
        shots.push_back(shot);
        return shot;
    }
    missile_t* bullet_at(float x, float y) {
        auto* bullet = new missile_t(&bullet_info, 0);
        bullet->set_position(x, y);
        bullet->alive = 1;
        stage.enemy_shots.push_back(bullet);
        stage.enemy_shots.end = stage.enemy_shots.size();
        return bullet;
    }

    player_t player;
    ship_t* ship = nullptr;
    stage_t stage;
    array_t<player_missile_t*> shots;
};

} // namespace

TEST_F(collision_test, boxes_that_only_touch_miss_and_the_shield_reaches_a_pixel_farther) {
    plat::rect_t box;
    ship->get_rect(box);
    // An 8-pixel item whose left edge lies `gap` pixels right of the ship's right edge.
    struct case_t {
        int32_t gap;
        bool shield;
        bool picked;
    };
    for (const case_t c :
         {case_t{0, false, false}, case_t{-1, false, true}, case_t{0, true, true}, case_t{1, true, false}}) {
        ship->shield->alive = c.shield;
        auto* item = new item_t(&item_info);
        item->alive = 1;
        item->set_position(float(box.right + c.gap + 4), float(box.top + 4));
        stage.items.push_back(item);
        collide_ship_items(*ship, stage.items);
        EXPECT_EQ(item->alive == 0, c.picked) << c.gap << (c.shield ? " with" : " without") << " the shield";
        delete_all(stage.items);
    }
    ship->shield->alive = 0;
    missile_t* touching = bullet_at(float(box.right + 2), 100);
    collide_ship_window(*ship, stage.enemy_shots);
    EXPECT_TRUE(touching->alive);
    EXPECT_EQ(ship->dying_timer, 0u);
}

TEST_F(collision_test, an_item_stays_while_the_ship_is_not_in_play) {
    ship->state = ship_t::warp_in;
    auto* item = new item_t(&item_info);
    item->alive = 1;
    item->set_position(ship->x, ship->y);
    stage.items.push_back(item);
    collide_all(stage, player, shots);
    EXPECT_TRUE(item->alive);
    ship->state = ship_t::play;
    collide_all(stage, player, shots);
    EXPECT_FALSE(item->alive);
    EXPECT_EQ(g_score, 10);
}

TEST_F(collision_test, an_enemy_killed_by_one_shot_is_not_touched_by_the_next_nor_by_the_ship) {
    target_t* enemy = enemy_at(0, ship->x, ship->y);
    player_missile_t* first = shot_at(ship->x, ship->y);
    player_missile_t* second = shot_at(ship->x, ship->y);
    first->alive = second->alive = 1;
    collide_all(stage, player, shots);
    EXPECT_FALSE(enemy->alive);
    EXPECT_EQ(enemy->hits, 1);
    EXPECT_FALSE(first->alive);
    EXPECT_TRUE(second->alive);
    EXPECT_EQ(ship->dying_timer, 0u);
}

TEST_F(collision_test, the_enemy_is_hit_before_the_ship_and_a_dead_ship_tests_nothing_more) {
    missile_t* bullet = bullet_at(ship->x, ship->y);
    target_t* enemy = enemy_at(0, ship->x, ship->y);
    player_missile_t* shot = shot_at(ship->x + 40, ship->y);
    target_t* far_enemy = enemy_at(0, ship->x + 40, ship->y);
    shot->alive = 1;
    ship->alive = 0;
    collide_all(stage, player, shots);
    EXPECT_TRUE(bullet->alive);
    EXPECT_EQ(enemy->hits, 0);
    EXPECT_EQ(far_enemy->hits, 1); // the shots' pass runs all the same
    ship->alive = 1;
    collide_all(stage, player, shots);
    EXPECT_FALSE(bullet->alive); // the ship's contact damage
    EXPECT_NE(ship->dying_timer, 0u);
    EXPECT_EQ(enemy->hits, 1);
}

TEST_F(collision_test, only_the_window_of_enemy_list_0_collides) {
    target_t* listed1 = enemy_at(1, ship->x, ship->y);
    target_t* listed2 = enemy_at(2, ship->x, ship->y);
    target_t* ahead = enemy_at(0, ship->x, ship->y);
    stage.enemies[0].end = 0;
    player_missile_t* shot = shot_at(ship->x, ship->y);
    shot->alive = 1;
    collide_all(stage, player, shots);
    EXPECT_EQ(listed1->hits + listed2->hits + ahead->hits, 0);
    EXPECT_TRUE(shot->alive);
    EXPECT_EQ(ship->dying_timer, 0u);
}

// Positions far off the map (a runaway flight, a NaN) give boxes at the held limit instead of overflowing.
TEST_F(collision_test, boxes_of_huge_or_nan_positions_are_held_and_still_collide) {
    constexpr int32_t held = 1 << 30;
    const float rows[][2] = {
        {3e38f, held}, {-3e38f, -held}, {std::numeric_limits<float>::quiet_NaN(), held}, {-8.5f, -16}};
    for (const auto& r : rows) {
        ship->y = r[0]; // past the screen clamp of set_position
        auto* item = new item_t(&item_info);
        item->alive = 1;
        item->set_position(100, r[0]);
        stage.items.push_back(item);
        plat::rect_t ship_box, enemy_box;
        ship->get_rect(ship_box);
        enemy_at(0, 100, r[0])->get_rect(enemy_box);
        EXPECT_EQ(enemy_box.top, int32_t(r[1])) << r[0];
        if (r[1] != -16) {
            EXPECT_EQ(ship_box.top, int32_t(r[1])) << r[0];
        }
        collide_ship_items(*ship, stage.items);
        EXPECT_FALSE(item->alive) << r[0];
    }
}
