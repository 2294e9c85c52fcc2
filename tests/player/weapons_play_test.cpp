// The weapons in play: a stand-in ship flies and fires, its shots and its multiple's meet enemies of a
// play scene's stage, through the play frame's own shot pass, and the terrain.
#include "objects/enemy.h"
#include "objects/hitmark.h"
#include "objects/objectinfo.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/score.h"
#include "play/collision.h"
#include "play/each_alive.h"
#include "play/play_state.h"
#include "play/scroll.h"
#include "player/double_shot.h"
#include "player/multiple.h"
#include "player/weapon_factories.h"
#include "screen/soundctr.h"
#include "tests/play/event_log_scene.h"
#include "tests/player/player_fixture.h"
#include "tests/player/standin_ship.h"
#include "tests/player/terrain_fixture.h"
#include "tools/sample/objectinfo_file.h"

#include <cmath>

namespace {

class weapons_in_play : public terrain_fixture_t {
  protected:
    void SetUp() override {
        reset_play_state();
        terrain_fixture_t::SetUp();
        std::string error;
        ASSERT_TRUE(write_objectinfo_file(".", error)) << error;
        rng::srand(7);
        g_level = 1;
        ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", 1));
        ASSERT_TRUE(make_multiples(multiples, 4));
        ASSERT_TRUE(make_shot_pool(weapons, effects, 15));
        ASSERT_TRUE(make_double_shots(weapons, effects, 15));
        ship = std::make_unique<standin_ship_t>(objectinfo_find(44));
        ship->controller = std::make_unique<mulctr_freeze_t>(ship.get(), ship->multiples);
        ship->set_position(100, 100);
        ship->controller->reset(100, 100);
    }

    void TearDown() override {
        play.stage.clear();
        delete_all(weapons);
        delete_all(effects);
        delete_all(multiples);
        ship.reset();
        terrain_fixture_t::TearDown();
        reset_play_state();
    }

    // Lends the firer `count` unowned weapons of the record, as the equipper does.
    void lend(player_piveter_t& firer, int32_t id, uint32_t count, uint32_t interval) {
        firer.fire_interval = interval;
        for (uint32_t i = 0; i < weapons.size() && firer.shot_pool.size() < count; ++i) {
            if (weapons[i]->type_id() == id && weapons[i]->owner == nullptr) {
                weapons[i]->set_owner(&firer);
                firer.shot_pool.push_back(weapons[i]);
            }
        }
    }

    enemy_t* place_enemy(float x, float y) {
        auto* enemy = new enemy_t(objectinfo_find(200), x, y, 0);
        play.stage.enemies[0].push_back(enemy);
        advance_object_windows(play.stage, 0, 1);
        return enemy;
    }

    // One play frame in the play scene's order: the ship, then the player's objects and the craters,
    // then the pass of the player's shots against enemy list 0.
    void frame(uint8_t input) {
        ship->press(input);
        for (multiple_t* m : multiples) {
            if (m->alive) {
                m->update();
            }
        }
        each_alive(weapons, [](object_t& shot) { shot.update(); });
        hitmark_update_all();
        for (uint32_t i = 0; i < effects.size(); ++i) {
            if (effects[i]->alive) {
                effects[i]->update();
            }
        }
        collide_enemies_player_shots(play.stage.enemies[0], weapons);
        ++g_frame_counter;
    }

    // Whether a hit effect runs within 8 pixels of (x, y).
    bool effect_near(float x, float y) {
        for (uint32_t i = 0; i < effects.size(); ++i) {
            if (effects[i]->alive && std::abs(effects[i]->x - x) <= 8 && std::abs(effects[i]->y - y) <= 8) {
                return true;
            }
        }
        return false;
    }

    // A wall of solid pixels on background slot 1, 8 pixels thick from column left, rows top..bottom.
    void wall(int32_t left, int32_t top, int32_t bottom) {
        for (int32_t y = top; y <= bottom; ++y) {
            for (int32_t x = left; x < left + 8; ++x) {
                solid(*slot1, x, y);
            }
        }
    }

    event_log_scene_t play;
    std::unique_ptr<standin_ship_t> ship;
    weapon_list_t weapons;
    effect_list_t effects;
    std::vector<multiple_t*> multiples;
};

} // namespace

TEST_F(weapons_in_play, normal_shots_of_the_ship_and_its_multiple_destroy_an_enemy) {
    lend(*ship, 1, 3, 4);
    multiple_t* pod = multiples[0];
    pod->start();
    ASSERT_TRUE(ship->controller->add_multiple(pod));
    lend(*pod, 1, 3, 4);
    g_soundctr.se_states.fill(0);

    for (int i = 0; i < 12; ++i) {
        frame(key_right | key_down);
    }
    EXPECT_EQ(ship->x, 124.0f);
    EXPECT_EQ(pod->x, 124.0f - 16 - 8) << "8 entries behind, 8 pixels left of the path";
    EXPECT_EQ(pod->y, 124.0f - 16);

    enemy_t* enemy = place_enemy(200, 120);
    int frames = 0;
    while (enemy->alive && frames < 60) {
        frame(key_shot);
        ++frames;
    }
    EXPECT_FALSE(enemy->alive);
    EXPECT_LT(frames, 30);
    EXPECT_EQ(g_score, objectinfo_find(200)->score);
    EXPECT_TRUE(effect_near(enemy->x, 120)) << "the last shot shows its hit effect at the enemy";
    EXPECT_GT(pod->last_fire, 0u);
    EXPECT_NE(g_soundctr.se_states[101], 0);
}

TEST_F(weapons_in_play, shots_into_a_wall_of_slot_1_die_there_and_leave_craters) {
    lend(*ship, 1, 3, 4);
    wall(180, 90, 110);
    for (int i = 0; i < 40; ++i) {
        frame(key_shot);
    }
    EXPECT_GE(g_hitmarks.size(), 4u);
    for (const hitmark_t& mark : g_hitmarks) {
        EXPECT_EQ(mark.layer, slot1.get());
        EXPECT_GE(mark.x, 178);
        EXPECT_LT(mark.x, 188);
        EXPECT_EQ(mark.y, 100);
    }
    EXPECT_EQ(g_score, 2 * int32_t(g_hitmarks.size()));
    for (uint32_t i = 0; i < ship->shot_pool.size(); ++i) {
        EXPECT_LT(ship->shot_pool[i]->x, 200.0f) << "no shot passed the wall";
    }
}

TEST_F(weapons_in_play, the_double_shot_partner_hits_an_enemy_on_its_aim_and_its_first_shot_the_wall) {
    lend(*ship, 2, 3, 6);
    dbl_aim = 8;
    auto* first = static_cast<dbl::shot1_t*>(ship->shot_pool[0]);
    enemy_t* enemy = place_enemy(157, 43);
    wall(230, 90, 110);
    for (int i = 0; i < 6; ++i) {
        frame(0); // a fresh firer waits for its interval
    }
    frame(key_shot);
    ASSERT_TRUE(first->alive);
    int frames = 1;
    while (first->alive && frames < 60) {
        frame(0);
        ++frames;
    }
    EXPECT_EQ(enemy->hp, objectinfo_find(200)->hit_points - objectinfo_find(3)->contact_damage);
    EXPECT_FALSE(first->partner->alive);
    ASSERT_EQ(g_hitmarks.size(), 1u) << "the first shot ended at the wall";
    EXPECT_EQ(g_hitmarks[0].y, 100);
    EXPECT_FALSE(first->alive) << "both spent: the pair is free again";
    frame(key_shot);
    EXPECT_FALSE(first->alive) << "its hit effect still runs";
    EXPECT_TRUE(ship->shot_pool[1]->alive);
}
