// The four ship types' lasers and missiles in play: fired by the real ship and its multiples through the
// equipper, against enemies of the stage and synthetic terrain.
#include "objects/enemy.h"
#include "objects/objectinfo.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/score.h"
#include "play/play_state.h"
#include "play/scroll.h"
#include "player/double_shot.h"
#include "player/multiple.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "player/snake_missile.h"
#include "screen/soundctr.h"
#include "tests/player/crawl_fixture.h"
#include "tests/player/ship_play_standin.h"
#include "tests/player/standin_ship.h"
#include "tools/sample/objectinfo_file.h"

#include <memory>
#include <vector>

namespace {

class loadouts : public crawl_fixture_t {
  protected:
    void SetUp() override {
        crawl_fixture_t::SetUp();
        std::string error;
        ASSERT_TRUE(write_objectinfo_file(".", error)) << error;
        ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", 1));
        reset_play_state();
    }

    void TearDown() override {
        play.reset();
        reset_play_state();
        crawl_fixture_t::TearDown();
    }

    // A play of the ship type with the equipment, flown through the warp-in; the stage's first enemy list
    // is the one the homing missiles search.
    bool start(int32_t ship_type, int32_t equipment) {
        play.reset();
        play = std::make_unique<ship_play_standin_t>();
        if (!play->startup({.ship_type = ship_type, .equipment = equipment})) {
            return false;
        }
        play->scene.stage.share_lists();
        play->start_stage();
        return play->until_in_play();
    }

    ship_t& ship() { return *play->ship; }

    // Alive weapon objects of the kind that the firer owns.
    int flying(const object_t* firer, int32_t kind) {
        int n = 0;
        weapon_list_t& weapons = play->player.missiles;
        for (uint32_t i = 0; i < weapons.size(); ++i) {
            n += weapons[i]->alive && weapons[i]->owner == firer && weapons[i]->type_id() == kind;
        }
        return n;
    }

    // An enemy of the sample's record with 3000 hit points.
    enemy_t* tough_enemy(float x, float y) {
        auto* enemy = new enemy_t(objectinfo_find(201), x, y, 0);
        play->scene.stage.enemies[0].push_back(enemy);
        advance_object_windows(play->scene.stage, 0, 1);
        return enemy;
    }

    std::unique_ptr<ship_play_standin_t> play;
};

constexpr int32_t laser_and_missiles = weapon_laser | weapon_missile | weapon_multiples;

} // namespace

TEST_F(loadouts, every_ship_type_fires_its_laser_and_missiles_from_the_ship_and_each_multiple) {
    struct expected_t {
        int32_t ship_type;
        int32_t laser;       // the kind in flight: the long laser's pieces, not its controller
        int32_t missiles[2]; // -1: no second missile
        int32_t sound;       // the ship's laser sound; the ion blast has none
    };
    const expected_t all[] = {
        {0, 13, {5, 4}, 100}, {1, 14, {7, 6}, 102}, {2, 15, {9, 8}, 104}, {3, 16, {11, -1}, -1}};
    for (const expected_t& e : all) {
        SCOPED_TRACE(e.ship_type);
        ASSERT_TRUE(start(e.ship_type, laser_and_missiles));
        ASSERT_EQ(ship().multiples.size(), 2u);
        g_soundctr.se_states.fill(0);
        play->frames(key_shot | key_missile, 3);
        std::vector<const object_t*> firers = {&ship(), ship().multiples[0], ship().multiples[1]};
        for (const object_t* firer : firers) {
            EXPECT_GE(flying(firer, e.laser), 1);
            EXPECT_EQ(flying(firer, e.missiles[0]), 1);
            if (e.missiles[1] >= 0) {
                EXPECT_EQ(flying(firer, e.missiles[1]), 1);
            }
        }
        if (e.sound >= 0) {
            EXPECT_NE(g_soundctr.se_states[size_t(e.sound)], 0);
        }
    }
}

TEST_F(loadouts, only_the_ion_blasts_draw_random_numbers_at_set_up_60_per_play) {
    for (int32_t ship_type = 0; ship_type < 4; ++ship_type) {
        SCOPED_TRACE(ship_type);
        rng::srand(99);
        for (int i = 0; i < (ship_type == 3 ? 60 : 0); ++i) {
            rng::rand();
        }
        const int32_t next = rng::rand();
        play.reset();
        play = std::make_unique<ship_play_standin_t>();
        rng::srand(99);
        ASSERT_TRUE(play->startup({.ship_type = ship_type, .equipment = laser_and_missiles}));
        EXPECT_EQ(rng::rand(), next);
    }
}

TEST_F(loadouts, a_power_shot_passes_through_two_enemies_and_flies_on) {
    ASSERT_TRUE(start(2, weapon_laser));
    const float x = ship().x;
    const float y = ship().y;
    enemy_t* first = play->add_enemy(x + 40, y);
    enemy_t* second = play->add_enemy(x + 70, y);
    play->frame(key_shot);
    player_missile_t* shot = ship().shot_pool[0];
    play->frames(0, 12);
    EXPECT_FALSE(first->alive);
    EXPECT_FALSE(second->alive);
    EXPECT_EQ(g_score, 2 * objectinfo_find(200)->score);
    EXPECT_TRUE(shot->alive);
    EXPECT_EQ(shot->hp, objectinfo_find(15)->hit_points - 2 * objectinfo_find(200)->contact_damage);
}

TEST_F(loadouts, the_homing_pair_turns_onto_an_enemy_above_and_behind_the_ship) {
    ASSERT_TRUE(start(2, weapon_laser | weapon_missile));
    enemy_t* enemy = play->add_enemy(ship().x - 20, ship().y - 70);
    play->frame(key_missile);
    for (int i = 0; i < 150 && enemy->alive; ++i) {
        play->frame(0);
    }
    EXPECT_FALSE(enemy->alive);
    EXPECT_EQ(g_score, objectinfo_find(200)->score);
}

TEST_F(loadouts, a_tough_enemy_cuts_the_long_laser_where_it_stands) {
    ASSERT_TRUE(start(0, weapon_laser));
    enemy_t* enemy = tough_enemy(ship().x + 60, ship().y);
    for (int i = 0; i < 40; ++i) {
        play->frame(key_shot);
        for (uint32_t k = 0; k < play->player.missiles.size(); ++k) {
            player_missile_t* piece = play->player.missiles[k];
            if (piece->alive && piece->type_id() == 13) {
                EXPECT_LT(piece->x, enemy->x) << "frame " << i;
            }
        }
    }
    EXPECT_TRUE(enemy->alive);
    EXPECT_LT(enemy->hp, objectinfo_find(201)->hit_points - 10);
}

TEST_F(loadouts, the_snake_pair_crawls_along_the_floor_and_the_ceiling) {
    ASSERT_TRUE(start(0, weapon_normal | weapon_missile));
    const int32_t floor = int32_t(ship().y) + 30;
    const int32_t ceiling = int32_t(ship().y) - 30;
    block(*slot1, 0, floor, 256, floor + 8);
    block(*slot1, 0, ceiling - 8, 256, ceiling);
    play->frame(key_missile);
    play->frames(0, 24);
    auto* lower = static_cast<snake_missile_t*>(ship().missile_pool[0]); // the loadout's first kind
    auto* upper = static_cast<snake_missile_t*>(ship().missile_pool[1]);
    ASSERT_EQ(lower->type_id(), 5);
    ASSERT_TRUE(upper->alive);
    ASSERT_TRUE(lower->alive);
    EXPECT_EQ(lower->heading, 0);
    EXPECT_EQ(upper->heading, 0);
    // The probes 6 pixels away find the surface; the turn to level flight still carries it a little closer.
    EXPECT_NEAR(lower->y, float(floor - 5), 2.0f);
    EXPECT_NEAR(upper->y, float(ceiling + 5), 2.0f);
    EXPECT_GT(lower->x, ship().x);
}
