// The meteors on the kit: a large one's 21 pieces with their spins and draws, the flight and its quiet
// end, the spin by size, the break-up by size, the shower's field and the stream's launch, speed-up and
// restarts.
#include "enemies/meteors/meteo.h"
#include "objects/direction.h"
#include "objects/random.h"
#include "objects/score.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <array>
#include <utility>

namespace {

using meteors = enemy_kit_t;

} // namespace

TEST_F(meteors, a_large_meteor_is_21_switched_off_pieces_drawn_in_order_and_nothing_without_a_record) {
    for (int32_t missing : {170, 73, 171, 68, 172, 85}) {
        records({}, {missing});
        load({placed(172, 200, 100, 1)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    load({placed(172, 200, 100, 1)});
    const std::vector<part_t> rocks = manifest_of(scene->stage, list_enemies0);
    const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(rocks.size(), 21u);
    ASSERT_EQ(blasts.size(), 21u);
    rng::srand(uint32_t(settings.random_seed));
    const int32_t divisor[3] = {937, 683, 1425};
    const int32_t explosion[3] = {73, 68, 85};
    const float speed[3] = {0.8f, 0.4f, 0.2f};
    // The large one's spin, then each medium's with its small ones' alternating from it.
    const int32_t spin[21] = {1, 1, 1, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1, 0, 1, 0, 0, 0, 1, 0, 1};
    for (size_t i = 0; i < 21; ++i) {
        const int32_t size = i == 0 ? 2 : (i - 1) % 5 == 0 ? 1 : 0;
        EXPECT_EQ(rocks[i].record, 170 + size) << i;
        EXPECT_EQ(blasts[i], (part_t{"explosion_t", explosion[size], 2, list_enemies0, int32_t(i)})) << i;
        auto* rock = dynamic_cast<meteo_t*>(objects_of(scene->stage, list_enemies0)[i]);
        EXPECT_EQ(rock->pattern, rng::rand() / divisor[size]) << i;
        EXPECT_EQ(rock->alive != 0, i == 0) << i;
        EXPECT_EQ(rock->speed, speed[size]);
        EXPECT_EQ(rock->reverse_spin, spin[i]) << i;
    }
}

TEST_F(meteors, they_fly_at_32_128_and_leave_quietly_past_the_edges_spinning_by_size) {
    load({placed(170, 500, 24)});
    scene->scroll_stop = 1;
    auto* rock = only<smeteo_t>();
    const float from[2] = {500, 24};
    const float to[2] = {32, 128};
    EXPECT_EQ(rock->direction, direction_to(from, to));
    // x, y, whether it stays.
    const float edges[][3] = {{-64, 100, 1},    {-64.1f, 100, 0}, {100, -64, 1},
                              {100, -64.1f, 0}, {100, 319.9f, 1}, {100, 320, 0}};
    for (const auto& e : edges) {
        load({placed(170, 100, 100)});
        scene->scroll_stop = 1;
        rock = only<smeteo_t>();
        rock->speed = 0;
        rock->set_position(e[0], e[1]);
        run(1);
        EXPECT_EQ(rock->alive, e[2]) << e[0] << "," << e[1];
        EXPECT_FALSE(rock->explosion->alive);
    }
    EXPECT_EQ(g_score, 0);
    // Type, reverse spin, the pattern 8 frames after 0.
    const int32_t spins[][3] = {{170, 0, 4},  {170, 1, 31}, {171, 0, 2},
                                {171, 1, 46}, {172, 0, 1},  {172, 1, 22}};
    for (const auto& s : spins) {
        load({placed(s[0], 120, 120, s[1])});
        auto* m = dynamic_cast<meteo_t*>(objects_of(scene->stage, list_enemies0)[0]);
        m->pattern = 0;
        run(8);
        EXPECT_EQ(m->pattern, s[2]) << s[0] << " " << s[1];
    }
}

TEST_F(meteors, a_broken_meteor_sends_its_four_pieces_off_around_it_with_its_sound) {
    struct row_t {
        int32_t type;
        float speed;
        int32_t sound;
        int32_t pieces[4][3]; // dx, dy, turn
    };
    const row_t rows[] = {
        {171, 1.0f, 62, {{-16, 0, 6}, {16, 0, 12}, {0, -16, -6}, {0, 16, -12}}},
        {172, 0.6f, 63, {{-24, 0, -4}, {24, 0, -2}, {0, -24, 2}, {0, 24, 4}}},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 160, 120)});
        scene->scroll_stop = 1;
        auto* parent = dynamic_cast<meteo_t*>(objects_of(scene->stage, list_enemies0)[0]);
        parent->direction = 2;
        run(1);
        const float x = parent->x;
        const float y = parent->y;
        EXPECT_TRUE(shoot(x, y, 9999));
        EXPECT_FALSE(parent->alive);
        EXPECT_TRUE(parent->explosion->alive);
        std::vector<meteo_t*> pieces = all<meteo_t>();
        std::erase_if(pieces, [](meteo_t* m) { return !m->alive; });
        ASSERT_EQ(pieces.size(), 4u) << r.type;
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(pieces[i]->type_id(), r.type - 1);
            EXPECT_FLOAT_EQ(pieces[i]->x, x + float(r.pieces[i][0])) << r.type << " " << i;
            EXPECT_FLOAT_EQ(pieces[i]->y, y + float(r.pieces[i][1])) << r.type << " " << i;
            EXPECT_EQ(pieces[i]->direction, (2 + r.pieces[i][2]) & 63) << r.type << " " << i;
            EXPECT_EQ(pieces[i]->speed, r.speed);
        }
        run(1);
        EXPECT_EQ(sounds_of(47), 1);
        EXPECT_EQ(sounds_of(r.sound), 1);
    }
    load({placed(170, 160, 120)});
    auto* small = only<smeteo_t>();
    // Damage, then the hit and the death sounds so far.
    for (const auto& h : {std::array{0, 0, 0}, std::array{1, 1, 0}, std::array{1, 1, 1}}) {
        small->damage(h[0]);
        run(1);
        EXPECT_EQ(sounds_of(47), h[1]);
        EXPECT_EQ(sounds_of(61), h[2]);
    }
    EXPECT_FALSE(small->alive);
}

TEST_F(meteors, the_shower_is_a_fixed_field_of_91_meteors_of_the_placements_key) {
    load({placed(173, 77, 88, 0, -1, 0x10)});
    const std::vector<meteo_t*> field = all<meteo_t>();
    ASSERT_EQ(field.size(), 91u);
    for (meteo_t* m : field) {
        EXPECT_EQ(m->key, 0x10u);
    }
    const int32_t heads[15][3] = {{170, 192, -20}, {170, 270, 0},   {170, 500, 24},  {170, 448, 128},
                                  {170, 300, 224}, {170, 480, 230}, {170, 256, 280}, {170, 256, 320},
                                  {171, 430, 32},  {171, 290, 192}, {171, 460, 240}, {171, 380, 224},
                                  {172, 490, -30}, {172, 512, 160}, {172, 580, 128}};
    std::vector<meteo_t*> live = field;
    std::erase_if(live, [](meteo_t* m) { return !m->alive; });
    ASSERT_EQ(live.size(), 15u);
    for (size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(live[i]->type_id(), heads[i][0]) << i;
        EXPECT_FLOAT_EQ(live[i]->start_x, float(heads[i][1])) << i;
        EXPECT_FLOAT_EQ(live[i]->start_y, float(heads[i][2])) << i;
        EXPECT_EQ(live[i]->reverse_spin, i % 2) << i;
    }
}

TEST_F(meteors, the_stream_launches_16_speeds_them_up_by_level_sweeps_its_aim_and_restarts_what_has_gone) {
    const float start[16][2] = {{192, -20}, {270, 0},   {290, 160}, {340, 24}, {300, 128}, {280, 224},
                                {280, 230}, {290, 280}, {360, 320}, {340, 32}, {290, 192}, {340, 240},
                                {310, 224}, {210, -30}, {320, 160}, {330, 128}};
    // The level and the speed after the 256 frames of acceleration.
    const std::pair<int32_t, float> rows[] = {{1, 1.192f}, {3, 1.576f}, {5, 1.96f}, {6, 2.92f}, {8, 2.92f}};
    for (const auto& [level, top_speed] : rows) {
        load({placed(174, 100, 60)}, level);
        scene->scroll_stop = 1;
        auto* rush = only<smeteo_rush_t>();
        ASSERT_EQ(rush->meteors.size(), 16u);
        EXPECT_FLOAT_EQ(rush->x, 100);
        EXPECT_EQ(alive_count(rush->meteors), 0);
        for (size_t i = 0; i < 16; ++i) {
            EXPECT_EQ(rush->meteors[i]->reverse_spin, i % 2);
            EXPECT_EQ(std::pair(rush->meteors[i]->start_x, rush->meteors[i]->start_y),
                      std::pair(start[i][0], start[i][1]))
                << i;
        }
        EXPECT_EQ(starts_per_frame(rush->meteors, 1), std::vector<int32_t>{16});
        EXPECT_EQ(rush->target_x, 32);
        EXPECT_EQ(rush->target_y, 128);
        const float to[2] = {32, 128};
        EXPECT_EQ(rush->meteors[3]->direction, direction_to(start[3], to));
        EXPECT_EQ(rush->meteors[3]->speed, 1.0f);
        run(256);
        EXPECT_NEAR(rush->speed, top_speed, 2e-4f) << level;
        EXPECT_EQ(rush->state, 2);
        EXPECT_FLOAT_EQ(rush->target_y, 120);
    }
    auto* rush = only<smeteo_rush_t>();
    // Frames, then the target's y.
    for (const auto& [frames, target_y] :
         {std::pair{16, -8}, std::pair{1, 0}, std::pair{32, 256}, std::pair{1, 248}}) {
        run(uint32_t(frames));
        EXPECT_FLOAT_EQ(rush->target_y, float(target_y));
    }
    smeteo_t* m = rush->meteors[5];
    ASSERT_TRUE(m->alive);
    const float speed = m->speed;
    EXPECT_TRUE(shoot(m->x, m->y, 9999));
    EXPECT_FALSE(m->alive);
    run(1);
    const float target[2] = {32, 240};
    EXPECT_TRUE(m->alive);
    EXPECT_EQ(m->direction, direction_to(start[5], target));
    EXPECT_EQ(m->speed, speed) << "past the speed-up, a restart keeps the speed it had";
    EXPECT_NEAR(m->x, start[5][0] + m->speed * cos_table[m->direction], 1e-3f);
    rush->damage(100);
    EXPECT_TRUE(rush->alive);
    advance_to(0x2003F);
    run(1);
    EXPECT_TRUE(rush->alive);
    advance_to(0x20040);
    run(1);
    EXPECT_FALSE(rush->alive);
}
