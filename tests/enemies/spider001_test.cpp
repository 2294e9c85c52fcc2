// The spider001 on the kit over a terrain stub: its 126 parts in slot order 0, 3, 1, 2, the drop onto
// the floor or the ceiling, the legs' layout, hits before and after the walk-in, the eggs and the death.
#include "enemies/walkers/spider001.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"

namespace {

class spider001_test : public enemy_kit_t {
  protected:
    // A spider of the type at (200, 120) over solid rows top..bottom of layer 0.
    spider001::body_t* over_band(int32_t type, int32_t top, int32_t bottom, int32_t level = 1) {
        load({placed(type, 200, 120, 0, 38)}, level);
        scene->scroll_stop = 1;
        for (int32_t y = top; y <= bottom; ++y) {
            for (int32_t x = 0; x < 256; ++x) {
                solid_at(*slot0, x, y);
            }
        }
        ship_at(40, 128);
        return only<spider001::body_t>();
    }
};

} // namespace

TEST_F(spider001_test, it_is_126_objects_with_the_outer_feet_first_and_every_fourth_link_exploding) {
    for (int32_t missing : {251, 253, 58, 175, 23, 252}) {
        records({}, {missing});
        load({placed(250, 200, 120)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    spider001::leg_t* first = reinterpret_cast<spider001::leg_t*>(this);
    spider001::leg_t* last = first;
    const placement_t placement = placed(250, 200, 120);
    stage_t::make_spider001_legs(&scene->stage, &placement, first, last);
    EXPECT_EQ(first, nullptr) << "written even when nothing is made";
    EXPECT_EQ(last, nullptr);
    records({});
    for (int32_t type : {249, 250}) {
        load({placed(type, 200, 120, 0, 38)});
        auto* body = only<spider001::body_t>();
        ASSERT_NE(body, nullptr);
        EXPECT_EQ(object_total(), 126u) << "no item";
        const int32_t ceiling = type == 249 ? 1 : 0;
        EXPECT_EQ(body->ceiling, ceiling);
        EXPECT_EQ(body->pattern, ceiling);
        const std::vector<object_t*> enemies = objects_of(scene->stage, list_enemies0);
        const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
        EXPECT_EQ(blasts[0], (part_t{"explosion_t", 58, 2, list_enemies0, 0}));
        const size_t made_as[4] = {0, 2, 3, 1}; // slot k's foot is the made_as[k]-th made
        for (size_t slot = 0; slot < 4; ++slot) {
            const size_t at = 1 + 21 * made_as[slot];
            EXPECT_EQ(enemies[at], body->feet[slot]) << slot;
            EXPECT_EQ(enemies[at + 1], body->legs[slot]) << slot;
            EXPECT_EQ(body->feet[slot]->pattern, ceiling);
            EXPECT_EQ(body->feet[slot]->last_leg, enemies[at + 20]);
            const size_t blast = 1 + 6 * made_as[slot];
            EXPECT_EQ(blasts[blast], (part_t{"explosion_t", 58, 2, list_enemies0, int32_t(at)})) << slot;
            for (int32_t k = 0; k < 5; ++k) {
                EXPECT_EQ(blasts[blast + 1 + size_t(k)],
                          (part_t{"explosion_t", 58, 2, list_enemies0, int32_t(at + 1 + 4 * size_t(k))}));
            }
        }
        const std::vector<part_t> eggs = manifest_of(scene->stage, list_enemy_shots);
        EXPECT_EQ(eggs[15], (part_t{"spider001::egg_t", 23, -1, list_enemies0, 0}));
    }
}

TEST_F(spider001_test, it_drops_onto_the_terrain_with_its_feet_and_lays_out_each_leg) {
    struct row_t {
        int32_t type;
        int32_t top; // the solid band
        int32_t bottom;
        float body_y;
        float feet_y[4];
        float knee_y; // of slot 0's leg; its knee x is 188
        float shin_end_y;
    };
    const row_t rows[] = {
        {250, 200, 255, 192, {192, 196, 196, 192}, 164, 164 + 28.0f / 784 * 25.6667f * 25.6667f},
        {249, 0, 40, 48, {48, 44, 44, 48}, 76, 76 - 28.0f / 784 * 25.6667f * 25.6667f},
    };
    for (const row_t& r : rows) {
        spider001::body_t* body = over_band(r.type, r.top, r.bottom);
        run(10);
        EXPECT_EQ(body->state, 1) << "still dropping";
        run(1);
        EXPECT_EQ(body->state, 50);
        EXPECT_EQ(body->y, r.body_y);
        for (size_t slot = 0; slot < 4; ++slot) {
            EXPECT_EQ(body->feet[slot]->y, r.feet_y[slot]) << r.type << " " << slot;
            EXPECT_EQ(body->feet[slot]->x, (std::vector<float>{160, 180, 220, 240})[slot]);
            EXPECT_FALSE(body->feet[slot]->airborne);
        }
        spider001::leg_t* link = body->legs[0];
        EXPECT_EQ(link->x, 200);
        for (int32_t j = 0; j < 8; ++j) {
            link = link->next;
        }
        EXPECT_NEAR(link->x, 188, 1e-3);
        EXPECT_NEAR(link->y, r.knee_y, 1e-3) << r.type;
        EXPECT_EQ(link->next->next->next->next->next->next->next->next->next->next->next,
                  body->feet[0]->last_leg);
        EXPECT_NEAR(body->feet[0]->last_leg->x, 188 - 11 * 28.0f / 12, 1e-3);
        EXPECT_NEAR(body->feet[0]->last_leg->y, r.shin_end_y, 1e-2) << r.type;
    }
}

TEST_F(spider001_test, hits_count_only_after_the_walk_in_and_a_struck_link_pulses_towards_the_body) {
    spider001::body_t* body = over_band(250, 200, 255);
    run(12);
    ASSERT_EQ(body->state, 50);
    spider001::leg_t* link = body->legs[0];
    for (int32_t j = 0; j < 12; ++j) {
        link = link->next;
    }
    const bool even = g_frame_counter % 2 == 0;
    EXPECT_TRUE(shoot(link->x, link->y, 5, 1, 1));
    EXPECT_TRUE(shoot(body->feet[3]->x, body->feet[3]->y, 5, 1, 1));
    EXPECT_EQ(body->hp, body->info->hit_points);
    // The first link in the list under the shot takes it.
    while (link->pattern != 3 && link->prev != nullptr) {
        link = link->prev;
    }
    ASSERT_EQ(link->pattern, 3);
    std::vector<int32_t> pulse;
    for (int32_t f = 0; f < 6; ++f) {
        run(1);
        pulse.push_back(link->pattern * 10 + link->prev->pattern);
    }
    // Down a step every even frame; leaving 3 hands the pulse on.
    EXPECT_EQ(pulse, even ? (std::vector<int32_t>{23, 23, 12, 12, 1, 1})
                          : (std::vector<int32_t>{33, 23, 23, 12, 12, 1}));
    for (int32_t f = 0; f < 200 && body->state != 150; ++f) {
        run(1);
    }
    ASSERT_EQ(body->state, 150);
    EXPECT_LE(body->x, 160);
    EXPECT_EQ(sounds_of(47), 0);
    shoot(body->feet[3]->x, body->feet[3]->y, 5, 1, 1);
    EXPECT_EQ(body->hp, body->info->hit_points - 5);
    run(1);
    EXPECT_EQ(sounds_of(47), 1);
}

TEST_F(spider001_test, each_attack_lobs_eggs_in_two_bursts_by_level_and_shakes_the_body) {
    struct row_t {
        int32_t level;
        std::vector<uint32_t> egg_timers;
    };
    const row_t rows[] = {{1, {0, 8, 64, 72}}, {3, {0, 8, 16, 64, 72, 80}}};
    for (const row_t& r : rows) {
        spider001::body_t* body = over_band(250, 200, 255, r.level);
        body->state = 150;
        const uint32_t start = g_frame_counter;
        std::vector<float> xs;
        for (int32_t f = 0; f < 128; ++f) {
            run(1);
            xs.push_back(body->x);
        }
        std::vector<uint32_t> timers;
        for (uint32_t frame : sound_frames(31)) {
            timers.push_back(frame - start);
        }
        EXPECT_EQ(timers, r.egg_timers) << r.level;
        EXPECT_EQ(int32_t(launches(list_enemy_shots).size()), int32_t(r.egg_timers.size()));
        EXPECT_FLOAT_EQ(body->eggs[0]->speed, 1.0f + 0.02f * float(r.level - 1));
        EXPECT_EQ(xs[3], 208) << "4 frames right";
        EXPECT_EQ(xs[7], 200) << "4 frames back";
        EXPECT_EQ(xs[8 * r.level + 20], 200) << "still after the burst";
        run(1);
        EXPECT_EQ(body->state, 100);
    }
}

TEST_F(spider001_test, its_death_takes_every_part_and_links_fire_back_from_level_6) {
    struct row_t {
        int32_t level;
        int32_t revenge;
    };
    for (const row_t& r : {row_t{5, 0}, {6, 20}, {7, 20}, {8, 80}}) {
        spider001::body_t* body = over_band(250, 200, 255, r.level);
        run(12);
        body->state = 150;
        EXPECT_TRUE(shoot(body->x, body->y, 9999));
        EXPECT_EQ(pool_shots_alive(), r.revenge) << r.level;
        EXPECT_EQ(alive_count(all<enemy_t>()), 0);
        EXPECT_EQ(alive_count(all<explosion_t>()), 25);
        run(1);
        EXPECT_EQ(sounds_of(91), 1);
    }
}

TEST_F(spider001_test, after_an_attack_it_walks_to_the_ships_side_for_at_most_80_frames) {
    struct row_t {
        float ship_dx; // from the body
        int32_t walk;  // the phase decided
        int32_t settle;
    };
    const row_t rows[] = {{-41, 200, 201}, {-40, 150, 150}, {40, 250, 251}, {39.5f, 150, 150}};
    for (const row_t& r : rows) {
        spider001::body_t* body = over_band(250, 200, 255);
        run(12);
        body->x = 120;
        body->state = 100;
        ship_at(120 + r.ship_dx, 128);
        run(1);
        EXPECT_EQ(body->state, r.walk) << r.ship_dx;
        uint32_t frames = 0;
        while (r.walk != 150 && body->state == r.walk && frames < 200) {
            run(1);
            ++frames;
        }
        EXPECT_EQ(body->state, r.settle) << r.ship_dx;
        if (r.walk != 150) {
            EXPECT_EQ(frames, 81u) << "80 frames of walking, then the change";
            EXPECT_NEAR(body->x, 120 + (r.walk == 200 ? -80 : 80), 6) << r.ship_dx;
        }
    }
}
