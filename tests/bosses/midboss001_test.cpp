// The winged gunship column: its assembly and spacing, the script's frames by level, the leaving after
// a section, following, recoil and bumps, the wings that shield and die with their body.
#include "bosses/midboss001/midboss001.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "tests/bosses/midboss_kit.h"

namespace {

using midboss001_test = midboss_kit_t;
using midboss001::body_t;

} // namespace

TEST_F(midboss001_test, a_unit_is_assembled_in_order_and_a_column_stands_512_over_n_apart) {
    load({placed(262, 200, 40, 1, 37)});
    const part_t body{"midboss001::body_t", 263}, wing{"midboss001::wing_t", 264}, jet{"jet_t", 93, 4};
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0),
              (std::vector<part_t>{jet, jet, body, wing, jet, wing, jet}));
    const auto shots = manifest_of(scene->stage, list_enemy_shots);
    ASSERT_EQ(shots.size(), 36u);
    EXPECT_EQ(shots[31], (part_t{"missile_t", 265, -1, list_enemies0, 2}));
    EXPECT_EQ(shots[32], (part_t{"missile_t", 28, -1, list_enemies0, 2}));
    const auto explosions = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(explosions.size(), 25u);
    EXPECT_EQ(explosions[0].owner_index, 2);
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(explosions[size_t(21 + i)], (part_t{"explosion_t", 29, 2, list_enemy_shots, 32 + i}));
    }
    EXPECT_EQ(object_total(), 69u); // the cap's unit, its item included
    auto* unit = only<body_t>();
    EXPECT_EQ(unit->upper_wing->pattern, 0);
    EXPECT_EQ(unit->lower_wing->pattern, 1);
    EXPECT_EQ(unit->lower_wing->body, unit);

    struct row_t {
        int32_t count;
        std::vector<float> ys;
    };
    const row_t rows[] = {{3, {40, 210, 380}},
                          {1, {40}},
                          {5, {40, 142, 244, 346, 448}},
                          {0, {}},
                          {-2, {}},
                          {1000, std::vector<float>(16, 40.0f)}};
    for (const row_t& r : rows) {
        load({placed(262, 200, 40, r.count, 37)});
        const auto bodies = all<body_t>();
        std::vector<float> ys;
        for (size_t k = 0; k < bodies.size(); ++k) {
            ys.push_back(bodies[k]->y);
            EXPECT_EQ(bodies[k]->prev, k == 0 ? nullptr : bodies[k - 1]);
            EXPECT_EQ(bodies[k]->next, k + 1 == bodies.size() ? nullptr : bodies[k + 1]);
            EXPECT_EQ(bodies[k]->carried, scene->stage.items.at(k));
        }
        EXPECT_EQ(ys, r.ys) << r.count;
    }
    for (int32_t record : {263, 264, 265, 28, 29, 93, 75}) {
        records({}, {record});
        load({placed(262, 200, 100, 2)});
        EXPECT_EQ(all<body_t>().size(), record == 75 ? 2u : 0u) << record;
        if (record == 75) { // the small death pattern needs it: the bodies go without one
            EXPECT_EQ(all<body_t>()[0]->explosion, nullptr);
        }
    }
}

TEST_F(midboss001_test, the_script_opens_fires_spreads_closes_and_fires_beams_on_the_frames_of_its_level) {
    struct row_t {
        int32_t level;
        std::vector<uint32_t> spread_timers; // from frame 10, when the wings are open
        float beam_speed;                    // 0: no beams
    };
    const row_t rows[] = {
        {1, {0, 16}, 0},       {2, {0, 12}, 0},           {3, {0, 12}, 2.0f},
        {4, {0, 8, 16}, 2.0f}, {5, {0, 6, 12, 18}, 2.5f},
    };
    for (const row_t& r : rows) {
        load({placed(262, 200, 120, 1)}, r.level);
        ship_at(200, 120); // the body holds still
        uint32_t state = rng::current_state();
        std::vector<launch_t> expected, effects;
        std::vector<uint32_t> drawn_expected, drawn, beam_frames;
        const float speed = 1.2f + 0.2f * float(r.level);
        for (uint32_t t : r.spread_timers) {
            for (float y : {108.0f, 132.0f}) {
                const int32_t direction = 24 + next_draw(state) / 1928;
                expected.push_back(
                    left_from(10 + t, list_enemy_shots, int32_t(expected.size()), 190, y, direction, speed));
                drawn_expected.push_back(10 + t); // one number for each shot that leaves
            }
        }
        for (uint32_t frame : {68u, 76u, 84u}) {
            if (r.beam_speed > 0) {
                const int32_t i = int32_t(beam_frames.size());
                expected.push_back(left_from(frame, list_enemy_shots, 32 + i, 172, 120, 32, r.beam_speed));
                effects.push_back({frame, list_explosions, 21 + i, 172, 120, -1, 0});
                beam_frames.push_back(frame);
            }
        }
        run(93);
        EXPECT_EQ(launches(list_enemy_shots), expected) << r.level;
        EXPECT_EQ(launches(list_explosions), effects) << r.level;
        for (const draw_t& d : draws) {
            drawn.insert(drawn.end(), size_t(d.count), d.frame);
        }
        EXPECT_EQ(drawn, drawn_expected) << r.level;
        EXPECT_EQ(sound_frames(45), beam_frames) << r.level;
        EXPECT_EQ(only<body_t>()->state, 5); // open again
    }
}

TEST_F(midboss001_test, a_section_past_its_key_the_body_closes_slowly_and_flies_off_left) {
    struct row_t {
        int32_t state;
        uint32_t timer;
        float spread;
        uint32_t key;
        uint32_t frames;
        int32_t state_after;
        float x;
        float spread_after;
    };
    const row_t rows[] = {
        {6, 40, 28, 0xFFFF, 2, 8, 200, 25},          // not yet: closes at 1.5 a frame
        {6, 40, 28, 0x10000, 2, 100, 198.5f, 27.6f}, // closes at 0.2, and it moves off from the next frame
        {100, 0, 12.1f, 0, 1, 101, 198.5f, 12},
        {101, 0, 12, 0, 3, 101, 195.5f, 12},
    };
    for (const row_t& r : rows) {
        load({placed(262, 200, 120, 1)});
        scene->scroll_stop = 1;
        ship_at(200, 120);
        advance_to(r.key);
        auto* body = only<body_t>();
        body->state = r.state;
        body->timer = r.timer;
        body->spread = r.spread;
        run(r.frames);
        EXPECT_EQ(body->state, r.state_after) << r.key;
        EXPECT_FLOAT_EQ(body->x, r.x) << r.state;
        EXPECT_FLOAT_EQ(body->spread, r.spread_after) << r.state;
    }
}

TEST_F(midboss001_test, the_body_follows_the_ship_recoils_when_hit_slides_when_pushed_and_places_its_parts) {
    struct row_t {
        float x, y, ship_x, ship_y;
        uint8_t hit;
        float push_speed;
        int32_t state;
        float x_after, y_after;
    };
    const row_t rows[] = {
        {150, 120, 40, 120, 0, 0, 9, 151, 120},  // left of 160: back to the right
        {200, 120, 100, 120, 0, 0, 9, 199, 120}, // toward the ship's x
        {200, 120, 250, 120, 0, 0, 9, 201, 120},
        {200.5f, 120, 200.9f, 120, 0, 0, 9, 200.5f, 120}, // same integer part
        {200, 120, 200, 124, 0, 0, 9, 200, 121.5f},       // 4 apart: toward the ship's height
        {200, 120, 200, 123.9f, 0, 0, 9, 200, 120},
        {200, 120, 200, 116, 0, 0, 9, 200, 118.5f},
        {180, 120, 100, 120, 1, 0, 9, 182, 120},        // recoil
        {192, 120, 100, 120, 1, 0, 9, 191, 120},        // too far right to recoil
        {200, 120, 100, 120, 1, 1.0f, 9, 200.95f, 120}, // a push of direction 0 slides first
        {200, 120, 100, 120, 0, 0.02f, 9, 200, 120},    // it never slides backward
        {200, 120, 250, 120, 1, 0, 101, 198.5f, 120},   // flying off
    };
    for (const row_t& r : rows) {
        load({placed(262, int32_t(r.x), int32_t(r.y), 1)});
        scene->scroll_stop = 1;
        ship_at(r.ship_x, r.ship_y);
        auto* body = only<body_t>();
        body->set_position(r.x, r.y);
        body->hit = r.hit;
        body->push_speed = r.push_speed;
        body->state = r.state;
        run(1);
        EXPECT_FLOAT_EQ(body->x, r.x_after) << r.x << " " << r.ship_x;
        EXPECT_FLOAT_EQ(body->y, r.y_after) << r.y << " " << r.ship_y;
        EXPECT_EQ(body->hit, 0);
        const float x = body->x, y = body->y;
        const std::pair<object_t*, std::pair<float, float>> parts[] = {
            {body->upper_wing, {x - 2, y - 12}},      {body->lower_wing, {x - 2, y + 12}},
            {body->upper_jet, {x + 28, y - 4}},       {body->lower_jet, {x + 28, y + 4}},
            {body->upper_wing->jet, {x + 20, y - 8}}, {body->lower_wing->jet, {x + 20, y + 8}},
        };
        for (const auto& [part, at] : parts) {
            EXPECT_FLOAT_EQ(part->x, at.first);
            EXPECT_FLOAT_EQ(part->y, at.second);
        }
    }
}

TEST_F(midboss001_test, overlapping_bodies_bump_apart_once_tested_by_the_front_one) {
    struct row_t {
        float dx, dy, y;
        bool other_alive;
        uint32_t other_key;
        bool bumped;
        int32_t sounds;
    };
    const row_t rows[] = {
        {4, 20, 100, true, 0, true, 1},   {4, 20, 300, true, 0, true, 0}, // no sound off screen
        {47, 0, 100, true, 0, true, 1},   {48, 0, 100, true, 0, false, 0},  {0, 47, 100, true, 0, true, 1},
        {0, 48, 100, true, 0, false, 0},  {-48, 0, 100, true, 0, false, 0}, {0, -48, 100, true, 0, false, 0},
        {4, 20, 100, false, 0, false, 0}, {4, 20, 100, true, 1, false, 0},
    };
    for (const row_t& r : rows) {
        load({placed(262, 200, 100, 2)});
        scene->scroll_stop = 1;
        ship_at(40, r.y);
        auto bodies = all<body_t>();
        bodies[0]->set_position(200, r.y);
        bodies[1]->set_position(200 + r.dx, r.y + r.dy);
        bodies[1]->alive = r.other_alive;
        bodies[1]->key = r.other_key;
        run(1);
        EXPECT_EQ(bodies[0]->push_speed, r.bumped ? 1.5f : 0) << r.dx << " " << r.dy;
        EXPECT_EQ(sounds_of(59), r.sounds) << r.dx << " " << r.dy << " " << r.y;
        if (r.bumped) {
            const int32_t d = bodies[0]->push_direction;
            EXPECT_FLOAT_EQ(bodies[0]->x, 200 + 1.5f * cos_table[d]);
            EXPECT_FLOAT_EQ(bodies[0]->y, r.y - 1.5f * sin_table[d]);
            EXPECT_LT(cos_table[d] * r.dx - sin_table[d] * r.dy, 0); // away from the other
            EXPECT_EQ(bodies[1]->push_direction, (d + 32) & 63);
            EXPECT_FLOAT_EQ(bodies[1]->push_speed, 1.45f); // it slid already, later in the frame
        }
    }
}

TEST_F(midboss001_test, the_wings_shield_and_flash_with_the_body_which_recoils_dies_and_takes_them_along) {
    struct row_t {
        int32_t level;
        int32_t power;
        bool at_wing;
        int32_t hp_lost, hit_sounds;
        bool dies;
        int32_t revenge;
    };
    const row_t rows[] = {
        {1, 0, false, 0, 0, false, 0},    {1, 1, false, 1, 1, false, 0},    {1, 9999, true, 0, 0, false, 0},
        {1, 9999, false, 40, 1, true, 0}, {3, 9999, false, 40, 1, true, 1},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(262, 180, 120, 1), r.level);
        ship_at(180, 120);
        run(3); // the wings open: 16.5 from the body
        if (r.at_wing) {
            EXPECT_TRUE(shoot(body->upper_wing->x, body->upper_wing->y - 4, r.power));
        } else {
            shoot(body->x + 8, body->y, r.power);
        }
        EXPECT_EQ(body->max_hp() - body->hp, r.hp_lost) << r.power;
        EXPECT_EQ(body->upper_wing->hp, r.dies ? 0 : body->upper_wing->max_hp());
        EXPECT_EQ(body->lower_wing->is_flashing(), r.hp_lost > 0);
        EXPECT_EQ(pool_shots_alive(), r.revenge) << r.level;
        for (object_t* part :
             {static_cast<object_t*>(body->upper_wing), static_cast<object_t*>(body->lower_wing),
              static_cast<object_t*>(body->upper_jet), static_cast<object_t*>(body->lower_jet),
              static_cast<object_t*>(body->upper_wing->jet), static_cast<object_t*>(body->lower_wing->jet)}) {
            EXPECT_EQ(part->alive == 0, r.dies);
        }
        EXPECT_EQ(death_pattern_shown(), r.dies);
        run(1);
        EXPECT_EQ(sounds_of(48), r.hit_sounds) << r.power;
        EXPECT_EQ(sounds_of(52), r.dies ? 1 : 0);
        if (r.hp_lost == 1) {
            EXPECT_EQ(body->x, 182); // recoils on the frame after the hit
        }
    }
    for (const auto& [dx, hit] : {std::pair{31.0f, true}, {32.0f, false}, {-15.0f, true}, {-16.0f, false}}) {
        auto* body = hold<body_t>(placed(262, 180, 120, 1));
        shoot(body->x + dx, body->y, 1); // the hit box lies 8 pixels right of the centre
        EXPECT_EQ(body->hp < body->max_hp(), hit) << dx;
    }
}
