// The floor, roof, battery002 and battery006 turrets on the kit: every shot a row of the launch trace
// (frame, shot, muzzle point after its first move, direction, speed), the on-screen areas, the tracking
// limits, and hits through the collision pass with their sounds, sparks, items and revenge.
#include "enemies/turrets/battery001.h"
#include "enemies/turrets/battery002.h"
#include "enemies/turrets/battery006.h"
#include "objects/play_globals.h"
#include "player/ship.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using battery001_test = enemy_kit_t;
using battery002_test = enemy_kit_t;
using battery006_test = enemy_kit_t;
using launches_t = std::vector<launch_t>;

constexpr int32_t turret_x = 128;
constexpr int32_t turret_y = 128;
constexpr int32_t shots = list_enemy_shots;

// A turret of the type at (x, y), the scroll held, the ship at (sx, sy), run for the frames.
void play(enemy_kit_t& kit, int32_t type, int32_t level, float sx, float sy, uint32_t frames,
          int32_t param = 0, int32_t x = turret_x, int32_t y = turret_y) {
    kit.load({placed(type, x, y, param)}, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(sx, sy);
    kit.run(frames);
}

// Frames of the trace's launches.
std::vector<uint32_t> frames_of(const launches_t& trace) {
    std::vector<uint32_t> frames;
    for (const launch_t& l : trace) {
        frames.push_back(l.frame);
    }
    return frames;
}

// Hit at levels 3 and 4 through the collision pass: a zero hit does nothing, a one-point hit on frame 0
// hurts and sounds, the last one on frame 2 kills with the death sound, the item, the explosion and,
// from level 4, one aimed bullet.
void expect_hits(enemy_kit_t& kit, int32_t type, int32_t hit_sound, int32_t death_sound, int32_t sparks) {
    for (int32_t level : {3, 4}) {
        kit.load({placed(type, turret_x, turret_y, 16, 37)}, level);
        kit.scene->scroll_stop = 1;
        kit.ship_at(40, 200);
        enemy_t* body = kit.scene->stage.enemies[0][0];
        const int32_t hp = body->hp;
        EXPECT_TRUE(kit.shoot(turret_x, turret_y, 0));
        EXPECT_EQ(body->hp, hp);
        EXPECT_TRUE(kit.shoot(turret_x + 10, turret_y, 1));
        EXPECT_EQ(body->hp, hp - 1);
        EXPECT_EQ(alive_count(kit.scene->stage.spark_pool.items), sparks) << type;
        kit.run(2);
        EXPECT_TRUE(kit.shoot(turret_x, turret_y - 10, hp)); // frame 2: no spark
        EXPECT_EQ(alive_count(kit.scene->stage.spark_pool.items), sparks) << type;
        EXPECT_EQ(kit.pool_shots_alive(), level >= 4 ? 1 : 0) << type << " level " << level;
        kit.run(1);
        EXPECT_FALSE(body->alive);
        EXPECT_TRUE(body->explosion->alive) << type;
        EXPECT_TRUE(kit.scene->stage.items[0]->alive) << type;
        EXPECT_EQ(kit.sound_frames(hit_sound), (std::vector<uint32_t>{0, 2})) << type;
        EXPECT_EQ(kit.sound_frames(death_sound), std::vector<uint32_t>{2}) << type;
    }
}

} // namespace

TEST_F(battery001_test, each_shot_leaves_the_barrel_12_pixels_out_on_its_levels_rhythm_inside_the_open_half) {
    struct row_t {
        int32_t type;
        int32_t level;
        float ship_x;
        float ship_y;
        uint32_t frames;
        launches_t launches;
    };
    const row_t rows[] = {
        // Level 1 every 128 frames, along the resting barrel at speed 1.0.
        // (The shot that hits the ship is free again for the next.)
        {150,
         1,
         200,
         turret_y,
         260,
         {{0, shots, 0, 141, 128, 0, 1}, {128, shots, 0, 141, 128, 0, 1}, {256, shots, 0, 141, 128, 0, 1}}},
        // Level 8 every 16 frames at 2.4, the barrel sweeping up to the ship on the left.
        {150,
         8,
         40,
         turret_y,
         65,
         {{0, shots, 0, 142.4f, 128, 0, 2.4f},
          {16, shots, 1, 138.18f, 117.82f, 8, 2.4f},
          {32, shots, 2, 128, 113.6f, 16, 2.4f},
          {48, shots, 3, 117.82f, 117.82f, 24, 2.4f},
          {64, shots, 0, 113.6f, 128, 32, 2.4f}}},
        {150,
         2,
         200,
         turret_y,
         120,
         {{0, shots, 0, 141.2f, 128, 0, 1.2f}, {112, shots, 0, 141.2f, 128, 0, 1.2f}}},
        // The roof turret fires both horizontals and below, turning down from its resting 64.
        {151, 1, turret_x, 240, 130, {{0, shots, 0, 141, 128, 0, 1}, {128, shots, 1, 128, 141, 48, 1}}},
        {151, 1, 40, turret_y, 1, {{0, shots, 0, 141, 128, 0, 1}}},
        {151, 1, turret_x, 20, 130, {}},
        {150, 1, turret_x, 240, 130, {}},
        // Out of range levels are held to 1..8.
        {150,
         9,
         200,
         turret_y,
         20,
         {{0, shots, 0, 142.4f, 128, 0, 2.4f}, {16, shots, 1, 142.4f, 128, 0, 2.4f}}},
        {150, 0, 200, turret_y, 20, {{0, shots, 0, 141, 128, 0, 1}}},
    };
    for (const row_t& r : rows) {
        play(*this, r.type, r.level, r.ship_x, r.ship_y, r.frames);
        EXPECT_EQ(launches(shots), r.launches)
            << r.type << " level " << r.level << " ship " << r.ship_x << "," << r.ship_y;
    }
}

TEST_F(battery001_test, the_barrel_turns_a_step_every_second_frame_within_its_half_and_rests_on_its_pattern) {
    struct row_t {
        int32_t type;
        float ship_x;
        float ship_y;
        uint32_t frames;
        int32_t direction;
        int32_t pattern;
    };
    const row_t rows[] = {
        {150, 40, turret_y, 62, 31, 15}, {150, 40, turret_y, 63, 32, 16},  {150, 40, turret_y, 200, 32, 16},
        {150, turret_x, 20, 200, 16, 8}, {150, turret_x, 240, 200, 0, 0},  {151, turret_x, 240, 200, 48, 32},
        {151, 40, turret_y, 200, 0, 40}, {151, 200, turret_y, 200, 0, 40}, {151, turret_x, 240, 3, 62, 39},
        {151, turret_x, 20, 200, 0, 40}, {150, 230, 60, 200, 6, 3},        {151, 60, 230, 200, 42, 29},
    };
    for (const row_t& r : rows) {
        play(*this, r.type, 1, r.ship_x, r.ship_y, r.frames);
        auto* body = only<::battery001::body_t>();
        ASSERT_NE(body, nullptr);
        EXPECT_EQ(body->direction, r.direction)
            << r.type << " " << r.ship_x << "," << r.ship_y << " " << r.frames;
        EXPECT_EQ(body->pattern, r.pattern) << r.type << " " << r.ship_x << "," << r.ship_y;
        for (missile_t* shot : body->shots) {
            EXPECT_EQ(shot->pattern, (shot->direction >> 1) & 15) << r.type;
        }
    }
    // Turned down to 48, then the ship goes up to direction 20: the roof turret stops at its limit 32.
    play(*this, 151, 1, turret_x, 240, 40);
    ship_at(90, 36);
    run(100);
    EXPECT_EQ(only<::battery001::body_t>()->direction, 32);
    EXPECT_EQ(only<::battery001::body_t>()->pattern, 24);
}

TEST_F(battery001_test, outside_minus_16_to_272_it_neither_turns_nor_counts_and_a_dead_ship_draws_no_fire) {
    const std::pair<int32_t, int32_t> places[] = {{-16, 128}, {271, 128}, {128, -16}, {128, 271},
                                                  {-17, 128}, {272, 128}, {128, -17}, {128, 272}};
    for (const auto& [x, y] : places) {
        play(*this, 150, 1, 40, 40, 3, 0, x, y);
        const bool inside = x >= -16 && x < 272 && y >= -16 && y < 272;
        EXPECT_EQ(only<::battery001::body_t>()->counter, inside ? 3u : 0u) << x << "," << y;
    }
    load({placed(150, turret_x, turret_y)});
    scene->scroll_stop = 1;
    ship_at(40, turret_y).alive = 0;
    run(130);
    EXPECT_TRUE(launches(shots).empty());
    EXPECT_EQ(only<::battery001::body_t>()->direction, 32);
}

TEST_F(battery002_test, it_fires_along_its_placed_direction_every_third_frame_of_the_levels_burst) {
    struct row_t {
        int32_t level;
        std::vector<uint32_t> frames; // of the first 130
    };
    const row_t rows[] = {
        {1, {0, 3, 6, 9, 12, 15, 66, 69, 72, 75, 78, 81, 129}},
        {2, {0, 3, 6, 9, 12, 15, 18, 21, 24, 66, 69, 72, 75, 78, 81, 84, 87, 90, 129}},
        {3,
         {0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 66, 69, 72, 75, 78, 81, 84, 87, 90, 93, 96, 99, 129}},
        {4, {0,  3,  6,  9,  12, 15, 18, 21, 24, 27, 30, 33,  36,  39,  42, 66,
             69, 72, 75, 78, 81, 84, 87, 90, 93, 96, 99, 102, 105, 108, 129}},
        {7,
         {0,  3,  6,  9,  12, 15, 18, 21, 24, 27, 30, 33, 36,  39,  42,  45,  48,  51,  54,  57,  60,  63,
          66, 69, 72, 75, 78, 81, 84, 87, 90, 93, 96, 99, 102, 105, 108, 111, 114, 117, 120, 123, 126, 129}},
    };
    for (const row_t& r : rows) {
        play(*this, 152, r.level, 40, 40, 130, 64 + 40);
        EXPECT_EQ(frames_of(launches(shots)), r.frames) << r.level;
        EXPECT_EQ(sound_frames(93), r.frames) << r.level;
        EXPECT_EQ(only<::battery002::body_t>()->pattern, 40);
    }
    // Muzzle 10 out along direction 40, speed 4, whatever the ship does.
    play(*this, 152, 1, 40, 40, 1, 40);
    ship_at(40, 40).alive = 0;
    EXPECT_EQ(launches(shots), (launches_t{{0, shots, 0, 118.1f, 137.9f, 40, 4}}));
}

TEST_F(battery002_test, only_inside_0_to_256_it_counts_and_without_an_idle_shot_it_still_sounds) {
    const std::pair<int32_t, int32_t> places[] = {{0, 128},  {255, 128}, {128, 0},  {128, 255},
                                                  {-1, 128}, {256, 128}, {128, -1}, {128, 256}};
    for (const auto& [x, y] : places) {
        play(*this, 152, 1, 40, 40, 2, 0, x, y);
        const bool inside = x >= 0 && x < 256 && y >= 0 && y < 256;
        EXPECT_EQ(only<::battery002::body_t>()->counter, inside ? 2u : 0u) << x << "," << y;
    }
    play(*this, 152, 1, 40, 40, 0);
    for (missile_t* m : only<::battery002::body_t>()->shots) {
        m->effect->alive = 1; // an idle shot whose flash still plays is busy
    }
    run(4);
    EXPECT_TRUE(launches(shots).empty());
    EXPECT_EQ(sound_frames(93), (std::vector<uint32_t>{0, 3}));
}

TEST_F(battery006_test,
       it_tracks_within_ten_steps_of_its_centre_and_fires_16_out_by_level_from_its_first_frame_on_screen) {
    struct row_t {
        int32_t level;
        int32_t centre;
        float ship_x;
        float ship_y;
        uint32_t frames;
        launches_t launches;
    };
    const row_t rows[] = {
        // The barrel turns before it fires: the first shot already leaves a step toward the ship.
        {1,
         0,
         turret_x,
         20,
         130,
         {{0, shots, 0, 144.92f, 126.33f, 1, 1}, {128, shots, 1, 137.45f, 113.87f, 10, 1}}},
        {3,
         16,
         200,
         turret_y,
         66,
         {{0, shots, 0, 129.69f, 110.88f, 15, 1.2f}, {64, shots, 1, 142.3f, 118.44f, 6, 1.2f}}},
        {4,
         16,
         200,
         turret_y,
         66,
         {{0, shots, 0, 129.72f, 110.58f, 15, 1.5f}, {64, shots, 1, 142.55f, 118.28f, 6, 1.5f}}},
        {5,
         -1,
         turret_x,
         240,
         34,
         {{0, shots, 0, 145.65f, 131.51f, 62, 2}, {32, shots, 1, 136.49f, 143.88f, 53, 2}}},
        {8, 40, 240, turret_y, 1, {{0, shots, 0, 116.58f, 141.91f, 41, 2}}},
    };
    for (const row_t& r : rows) {
        play(*this, 166, r.level, r.ship_x, r.ship_y, r.frames, r.centre);
        EXPECT_EQ(launches(shots), r.launches) << r.level << " centre " << r.centre;
    }
    struct rest_t {
        int32_t centre;
        float ship_x;
        float ship_y;
        uint32_t frames;
        int32_t direction;
        int32_t pattern;
    };
    const rest_t rests[] = {
        {0, turret_x, 20, 80, 10, 10},  {0, turret_x, 240, 80, -10, 54}, {70, turret_x, 20, 80, 16, 16},
        {32, 40, turret_y, 80, 32, 32}, {40, turret_x, 240, 80, 48, 48}, {40, 240, turret_y, 80, 50, 50},
        {0, turret_x, 20, 5, 3, 3}, // a step on frames 0, 2 and 4
    };
    for (const rest_t& r : rests) {
        play(*this, 166, 1, r.ship_x, r.ship_y, r.frames, r.centre);
        auto* body = only<::battery006::body_t>();
        EXPECT_EQ(body->direction, r.direction) << r.centre << " " << r.ship_x << "," << r.ship_y;
        EXPECT_EQ(body->pattern, r.pattern) << r.centre;
    }
}

TEST_F(battery006_test, it_waits_for_the_screen_then_never_stops) {
    // Entering with the scroll: x 256 until the end of frame 3, on screen in frame 4, its flash at the
    // muzzle.
    load({placed(166, 257, turret_y, 32)});
    ship_at(40, turret_y);
    run(5);
    EXPECT_EQ(launches(shots), (launches_t{{4, shots, 0, 238, 128, 32, 1}}));
    EXPECT_EQ(launches(list_explosions), (launches_t{{4, list_explosions, 1, 239, 128, -1, 0}}));
    auto* body = only<::battery006::body_t>();
    body->x = 300;
    run(128);
    EXPECT_EQ(frames_of(launches(shots)), (std::vector<uint32_t>{4, 132}));
    const std::pair<int32_t, int32_t> places[] = {{0, 128},  {255, 128}, {128, 0},  {128, 255},
                                                  {-1, 128}, {256, 128}, {128, -1}, {128, 256}};
    for (const auto& [x, y] : places) {
        play(*this, 166, 1, 40, 40, 1, 0, x, y);
        const bool inside = x >= 0 && x < 256 && y >= 0 && y < 256;
        EXPECT_EQ(only<::battery006::body_t>()->state, inside ? 2 : 1) << x << "," << y;
    }
}

TEST_F(battery001_test,
       hits_go_through_the_collision_pass_with_sounds_item_explosion_and_revenge_from_level_4) {
    for (int32_t type : {150, 151}) {
        expect_hits(*this, type, 47, 18, 0);
    }
    records({}, {150});
    load({placed(150, turret_x, turret_y)});
    EXPECT_EQ(all<::battery001::body_t>().size(), 0u);
}

TEST_F(battery002_test, it_is_made_whole_or_not_at_all_and_hits_sound_and_avenge_from_level_4) {
    expect_hits(*this, 152, 47, 7, 0);
    load({placed(152, turret_x, turret_y)});
    const std::vector<part_t> effects = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(effects.size(), 33u);
    EXPECT_EQ(effects[0], (part_t{"explosion_t", 69, 1, list_enemies0, 0}));
    EXPECT_EQ(effects[1], (part_t{"explosion_t", 154, 2, list_enemy_shots, 0}));
    EXPECT_EQ(only<::battery002::body_t>()->shots.size(), 32u);
    for (int32_t missing : {152, 153, 154, 69}) {
        records({}, {missing});
        load({placed(152, turret_x, turret_y)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
}

TEST_F(battery006_test,
       it_is_made_whole_or_not_at_all_and_hits_spark_every_8th_frame_and_avenge_from_level_4) {
    expect_hits(*this, 166, 48, 57, 1);
    // Sparks on frames that are multiples of 8 only.
    load({placed(166, turret_x, turret_y)});
    run(8);
    shoot(turret_x, turret_y, 1);
    EXPECT_EQ(alive_count(scene->stage.spark_pool.items), 1);
    load({placed(166, turret_x, turret_y)});
    run(9);
    shoot(turret_x, turret_y, 1);
    EXPECT_EQ(alive_count(scene->stage.spark_pool.items), 0);
    load({placed(166, turret_x, turret_y)});
    const std::vector<part_t> effects = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(effects.size(), 5u);
    EXPECT_EQ(effects[0], (part_t{"explosion_t", 66, 1, list_enemies0, 0}));
    EXPECT_EQ(effects[1], (part_t{"explosion_t", 31, 1, list_enemy_shots, 0}));
    for (int32_t missing : {166, 66, 30, 31}) {
        records({}, {missing});
        load({placed(166, turret_x, turret_y)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
}
