#include "objects/play_globals.h"
#include "player/multiple.h"
#include "player/shot.h"
#include "tests/player/player_fixture.h"
#include "tests/player/standin_ship.h"

#include <algorithm>

namespace {

class firing : public player_test {
  protected:
    ~firing() override {
        delete_all(shots);
        delete_all(effects);
    }

    player_missile_t* lend(player_piveter_t& firer, weapon_list_t& pool) {
        auto* shot = new shot_t(&shot_info);
        shot->set_owner(&firer);
        shots.push_back(shot);
        pool.push_back(shot);
        return shot;
    }

    explosion_t* effect_of(player_missile_t* shot) {
        auto* effect = new explosion_t(&hit_info, 0);
        effects.push_back(effect);
        shot->effect = effect;
        return effect;
    }

    // The frames of first..last in which a shot left, holding the key throughout.
    std::vector<uint32_t> hold_fire(player_piveter_t& firer, uint32_t first, uint32_t last) {
        std::vector<uint32_t> fired;
        for (g_frame_counter = first; g_frame_counter <= last; ++g_frame_counter) {
            const size_t before = flying();
            firer.fire_shot();
            if (flying() > before) {
                fired.push_back(g_frame_counter);
            }
        }
        return fired;
    }

    size_t flying() {
        return size_t(std::count_if(shots.begin(), shots.end(), [](auto* s) { return s->alive != 0; }));
    }

    std::vector<player_missile_t*> shots;
    std::vector<explosion_t*> effects;
};

} // namespace

TEST_F(firing, a_fresh_firer_with_interval_4_fires_on_frames_4_8_12_and_an_empty_pool_keeps_the_interval) {
    standin_ship_t ship(&ship_info);
    ship.fire_interval = 4;
    for (int i = 0; i < 3; ++i) {
        lend(ship, ship.shot_pool);
    }
    EXPECT_EQ(hold_fire(ship, 0, 15), (std::vector<uint32_t>{4, 8, 12}));
    EXPECT_EQ(ship.last_fire, 12u);
    shots[1]->kill();
    EXPECT_EQ(hold_fire(ship, 16, 16), (std::vector<uint32_t>{16}));

    ship.fire_interval = 0;
    lend(ship, ship.shot_pool);
    lend(ship, ship.shot_pool);
    EXPECT_EQ(hold_fire(ship, 17, 20), (std::vector<uint32_t>{17, 18}));
    ship.last_fire = 30; // from before the counter was reset: the difference wraps
    ship.fire_interval = 4;
    shots[0]->kill();
    EXPECT_EQ(hold_fire(ship, 2, 2), (std::vector<uint32_t>{2}));
}

TEST_F(firing, shots_leave_truncated_and_only_the_ships_are_heard) {
    standin_ship_t ship(&ship_info);
    player_missile_t* shot = lend(ship, ship.shot_pool);
    ship.set_position(10.7f, -3.6f);
    ship.fire_shot();
    EXPECT_EQ(shot->x, 10.0f);
    EXPECT_EQ(shot->y, -3.0f);
    EXPECT_TRUE(requested(101));

    forget_sounds();
    multiple_t multiple(&multiple_info);
    player_missile_t* silent = lend(multiple, multiple.shot_pool);
    multiple.fire_shot();
    EXPECT_TRUE(silent->alive);
    shot_t orphan(&shot_info);
    orphan.start(); // no owner: silent, no fault
    EXPECT_FALSE(requested(101));
}

TEST_F(firing, an_idle_shot_whose_effect_still_runs_is_taken_only_when_no_other_is_free) {
    standin_ship_t ship(&ship_info);
    for (int i = 0; i < 3; ++i) {
        lend(ship, ship.shot_pool);
    }
    effect_of(shots[0])->start();
    explosion_t* second_effect = effect_of(shots[1]);
    second_effect->start();
    shots[2]->start();
    ship.fire_shot();
    EXPECT_TRUE(shots[1]->alive) << "the last idle shot when every idle one has a live effect";

    shots[1]->kill();
    second_effect->kill();
    g_frame_counter = 1;
    ship.fire_shot();
    EXPECT_FALSE(shots[0]->alive);
    EXPECT_TRUE(shots[1]->alive) << "the first idle shot whose effect is over";
}

TEST_F(firing, a_single_missile_leaves_untruncated_and_a_pair_only_when_both_are_idle) {
    standin_ship_t single(&ship_info);
    single.set_position(20.5f, 30.75f);
    player_missile_t* missile = lend(single, single.missile_pool);
    single.fire_missile();
    EXPECT_EQ(missile->x, 20.5f);
    EXPECT_EQ(missile->y, 30.75f);

    standin_ship_t paired(&ship_info);
    paired.set_position(20.5f, 30.75f);
    player_missile_t* upper = lend(paired, paired.missile_pool);
    player_missile_t* lower = lend(paired, paired.missile_pool);
    paired.fire_missile();
    EXPECT_TRUE(upper->alive && lower->alive);
    EXPECT_EQ(lower->x, 20.0f);
    EXPECT_EQ(lower->y, 30.0f);
    upper->kill();
    paired.fire_missile();
    EXPECT_FALSE(upper->alive) << "the lower missile of the previous pair still flies";
}

TEST_F(firing, the_normal_shot_is_in_bounds_at_259_9_and_dies_at_260_without_its_effect) {
    shot_t shot(&shot_info);
    explosion_t* effect = effect_of(&shot);
    shot.set_speed(8.0f);
    shot.set_position(251.9f, 100);
    shot.start();
    shot.update();
    EXPECT_TRUE(shot.alive);
    shot.set_position(252.0f, 100);
    shot.update();
    EXPECT_FALSE(shot.alive);
    EXPECT_FALSE(effect->alive);
    shot.set_position(-9999, 0);
    EXPECT_TRUE(shot.is_in_bounds()) << "parked objects count as inside";
}
