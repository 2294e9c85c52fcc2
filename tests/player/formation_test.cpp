#include "player/mulctr.h"
#include "player/multiple.h"
#include "tests/player/player_fixture.h"
#include "tests/player/standin_ship.h"

namespace {

class formation : public player_test {
  protected:
    formation() : ship(&ship_info) {
        for (auto& m : pool) {
            m = std::make_unique<multiple_t>(&multiple_info);
        }
    }

    template <typename C> C& use(int attached) {
        auto made = std::make_unique<C>(&ship, ship.multiples);
        C& controller = *made;
        ship.controller = std::move(made);
        controller.reset(100, 100);
        ship.set_position(100, 100);
        for (int i = 0; i < attached; ++i) {
            EXPECT_TRUE(controller.add_multiple(pool[size_t(i)].get()));
        }
        return controller;
    }

    void frames(int n, uint8_t input, float step = 2.0f) {
        for (int i = 0; i < n; ++i) {
            ship.press(input, step);
        }
    }

    float mx(size_t i) { return ship.multiples[i]->x; }
    float my(size_t i) { return ship.multiples[i]->y; }

    standin_ship_t ship;
    std::unique_ptr<multiple_t> pool[5];
};

} // namespace

TEST_F(formation, trail_multiples_lag_8_entries_each_8_pixels_left_of_the_path) {
    use<mulctr_freeze_t>(4);
    EXPECT_EQ(mx(3), 92.0f);
    frames(40, key_right, 1.0f);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(mx(i), 140.0f - 8 * float(i + 1) - 8) << i;
        EXPECT_EQ(my(i), 100.0f);
    }
    frames(5, 0); // standing still: the trail stands too
    EXPECT_EQ(mx(0), 124.0f);
}

TEST_F(formation, trail_frozen_moves_rigidly_and_its_release_makes_the_shifted_trail_the_path) {
    mulctr_freeze_t& trail = use<mulctr_freeze_t>(2);
    frames(10, key_right);
    frames(10, key_down);
    const float x1 = mx(1);
    const float y1 = my(1);
    frames(1, key_multiple);
    frames(10, key_up | key_multiple);
    EXPECT_EQ(mx(1), x1);
    EXPECT_EQ(my(1), y1 - 20) << "the shape is kept";
    trail.shift_y(3);
    EXPECT_EQ(my(1), y1 - 20) << "frozen: a scroll waits for the release";

    frames(1, 0);
    EXPECT_FALSE(trail.frozen);
    EXPECT_EQ(my(1), y1 - 20);
    EXPECT_EQ(trail.log.entry(0).y, 100.0f) << "the whole log was shifted";
    frames(1, key_right);
    EXPECT_EQ(trail.log.entry(0).x, ship.x - 8);
}

TEST_F(formation, a_new_multiple_takes_its_pattern_from_the_first_on_the_trail_and_the_last_in_ranks) {
    use<mulctr_freeze_t>(1);
    pool[0]->pattern = 2;
    frames(16, key_right, 1.0f);
    ship.controller->add_multiple(pool[1].get());
    EXPECT_EQ(pool[1]->x, pool[0]->x) << "placed on the last attached";
    auto& trail = static_cast<mulctr_freeze_t&>(*ship.controller);
    EXPECT_EQ(trail.log.entry(39).x, trail.log.entry(8).x);
    pool[1]->pattern = 1;
    ship.controller->add_multiple(pool[2].get());
    EXPECT_EQ(pool[2]->pattern, 0);

    ship.multiples.clear();
    use<mulctr_spacing_t>(1);
    pool[0]->pattern = 2;
    ship.controller->add_multiple(pool[1].get());
    pool[1]->pattern = 1;
    ship.controller->add_multiple(pool[2].get());
    EXPECT_EQ(pool[2]->pattern, 2);
}

TEST_F(formation, spacing_holds_two_ranks_behind_log_entries_4_and_8) {
    use<mulctr_spacing_t>(4);
    EXPECT_FALSE(ship.controller->add_multiple(pool[4].get())) << "a fifth is refused";
    EXPECT_EQ(mx(0), 82.0f);
    EXPECT_EQ(my(0), 84.0f);
    EXPECT_EQ(my(1), 116.0f);
    EXPECT_EQ(mx(2), 66.0f);
    EXPECT_EQ(my(3), 132.0f);
    frames(8, key_down);
    EXPECT_EQ(my(0), 108.0f - 16) << "the front rank follows entry 4";
    EXPECT_EQ(my(2), 68.0f) << "the rear rank still stands at entry 8";
}

TEST_F(formation, spacing_first_hold_closes_each_release_reverses_and_it_stays_in_0_to_48) {
    mulctr_spacing_t& ranks = use<mulctr_spacing_t>(0);
    frames(3, key_multiple);
    frames(1, 0);
    EXPECT_EQ(ranks.spacing, 16) << "nothing attached: the key changes nothing";
    EXPECT_EQ(ranks.opening, 0);

    ranks.add_multiple(pool[0].get());
    ranks.add_multiple(pool[1].get());
    frames(3, key_multiple);
    EXPECT_EQ(ranks.spacing, 13);
    frames(30, key_multiple);
    EXPECT_EQ(ranks.spacing, 0);
    EXPECT_EQ(my(0), my(1));
    frames(1, 0);
    frames(60, key_multiple);
    EXPECT_EQ(ranks.spacing, 48);
    frames(1, 0);
    frames(2, key_multiple);
    EXPECT_EQ(ranks.spacing, 46);
}
