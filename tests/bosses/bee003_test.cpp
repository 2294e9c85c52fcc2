// The bee mid-boss on the kit: its assembly with the escorts, the frame step of its script, where hits
// count, its escorts summoned and killed, the section it holds, its tail and reflecting lasers.
#include "bosses/bees/bee002.h"
#include "bosses/bees/bee003.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "screen/soundctr.h"
#include "tests/bosses/midboss_kit.h"
#include "tests/bosses/phase_trail.h"

#include <cmath>

namespace {

using bee003_test = midboss_kit_t;
using bee003::body_t;

} // namespace

TEST_F(bee003_test, the_body_parts_pools_and_three_dormant_escorts_are_assembled_in_order) {
    load({placed(228, 100, 120)});
    std::vector<part_t> enemies{{"bee003::body_t", 229}};
    for (int32_t i = 0; i < 128; ++i) {
        enemies.push_back({"bee003::ball_t", 232});
    }
    std::vector<part_t> wings{{"bee003::wing_t", 230}}, shots;
    for (int32_t g = 0; g < 3; ++g) {
        enemies.push_back({"bee002::body_t", 225});
        wings.push_back({"bee002::wing_t", 226});
        for (int32_t i = 0; i < 64; ++i) {
            enemies.push_back({"bee002::ball_t", 227});
        }
    }
    for (int32_t i = 0; i < 8 * 20; ++i) {
        shots.push_back({i % 20 == 0 ? "bee003::reflex_laser_head_t" : "bee003::reflex_laser_t", 231});
    }
    for (int32_t i = 0; i < 40; ++i) {
        shots.push_back({"bee003::bigball_t", 234});
    }
    for (int32_t i = 0; i < 16; ++i) {
        shots.push_back({"bee003::tail_laser_t", 236});
    }
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0), enemies);
    EXPECT_EQ(manifest_of(scene->stage, list_enemies2), wings);
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots), shots);

    auto* body = only<body_t>();
    const auto made = manifest_of(scene->stage, list_explosions);
    const int32_t blasts[8] = {68, 69, 68, 69, 68, 68, 69, 70};
    const size_t first = made.size() - (24 + 16 + 128 + 40 + 3 * 65); // after the boss death pattern
    EXPECT_EQ(made[0].owner_index, 0);
    uint32_t state = uint32_t(settings.random_seed);
    next_draw(state);
    for (size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(made[first + i], (part_t{"bee003::body_explosion_t", blasts[i % 8], int32_t(i / 6 + 2)}))
            << i;
        EXPECT_EQ(body->explosions.entries[i].dy, next_draw(state) / 575 - 28) << i; // dy drawn first
        EXPECT_EQ(body->explosions.entries[i].dx, next_draw(state) / 405 - 40) << i;
    }
    EXPECT_EQ(made[first + 24], (part_t{"smoke_t", 175, 2}));
    EXPECT_EQ(made[first + 40], (part_t{"bee003::body_explosion_t", 233, 3, list_enemies0, 1}));
    EXPECT_EQ(made[first + 168], (part_t{"explosion_t", 235, 2, list_enemy_shots, 160}));
    EXPECT_EQ(made[first + 208], (part_t{"explosion_t", 59, 2, list_enemies0, 129}));
    EXPECT_EQ(made[first + 209], (part_t{"explosion_t", 74, 2, list_enemies0, 130}));
    EXPECT_EQ(body->tail_lasers[3]->next->next->pattern, 2);
    EXPECT_EQ(body->reflex_lasers[7]->trail.length, 20u);
    for (bee002::body_t* escort : body->escorts) {
        EXPECT_EQ(escort->alive + escort->wing->alive, 0);
        ASSERT_NE(escort->carried, nullptr);
        EXPECT_EQ(escort->carried->type_id(), 40);
        EXPECT_EQ(escort->key, body->key);
    }
    for (int32_t record :
         {229, 230, 232, 233, 234, 235, 89, 68, 69, 70, 175, 231, 236, 225, 226, 227, 59, 74}) {
        records({}, {record});
        load({placed(228, 100, 120)});
        EXPECT_EQ(object_total(), 0u) << record;
    }
}

TEST_F(bee003_test, a_phase_change_ends_the_frame_uncounted_and_hp_or_cycles_turn_it_on_the_next) {
    struct row_t {
        int32_t phase;
        uint32_t t;
        int32_t hp, loops;
        int32_t phase_after;
        uint32_t t_after, counted;
    };
    const row_t rows[] = {
        {0, 0, 900, 0, 1, 0, 0},       {170, 95, 900, 0, 170, 96, 1}, {170, 96, 900, 0, 200, 0, 0},
        {851, 80, 900, 0, 100, 0, 0},  {300, 5, 499, 0, 5000, 1, 1},  {851, 5, 900, 5, 1000, 1, 1},
        {5000, 5, 100, 5, 5000, 6, 1}, {102, 32, 900, 0, 103, 0, 0},  {112, 16, 900, 0, 130, 0, 0},
        {601, 5, 900, 0, 601, 6, 1},   {1001, 5, 900, 0, 1001, 6, 1},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(228, 100, 120));
        g_section_repeat = 0;
        body->phase = r.phase;
        body->phase_timer = r.t;
        body->hp = r.hp;
        body->loop_count = r.loops;
        body->recoil_speed = 1;
        run(1);
        EXPECT_EQ(body->phase, r.phase_after) << r.phase << " " << r.t;
        EXPECT_EQ(body->phase_timer, r.t_after) << r.phase << " " << r.t;
        EXPECT_EQ(body->frame_count, r.counted) << r.phase << " " << r.t;
        EXPECT_EQ(body->loop_count, r.loops + (r.phase_after == 100)) << r.phase;
        EXPECT_EQ(g_section_repeat, r.phase == 0 ? 1u : 0u) << r.phase;
    }
    auto* body = hold<body_t>(placed(228, 100, 120));
    for (const auto& [frames, bonus] : {std::pair{0u, 60000}, std::pair{5999u, 10}, std::pair{6000u, 0}}) {
        body->frame_count = frames;
        EXPECT_EQ(body->bonus(), bonus);
    }
}

TEST_F(bee003_test, hits_count_only_while_it_attacks_and_a_lethal_one_kills_it_at_once) {
    struct row_t {
        int32_t phase, hp, hit;
        int32_t hp_after, sound_47;
    };
    for (const row_t& r : {row_t{50, 900, 10, 900, 0},
                           {51, 900, 10, 890, 1},
                           {999, 900, 10, 890, 1},
                           {1000, 900, 10, 900, 0},
                           {5000, 900, 10, 900, 0},
                           {100, 600, 600, 0, 1}}) {
        auto* body = hold<body_t>(placed(228, 100, 120));
        g_section_repeat = 1;
        body->phase = r.phase;
        body->hp = r.hp;
        const int32_t score = g_score + g_pending_bonus;
        body->damage(r.hit);
        run(1); // plays the sounds
        EXPECT_EQ(body->hp, r.hp_after) << r.phase;
        EXPECT_EQ(sounds_of(47), r.sound_47) << r.phase;
        EXPECT_EQ(body->alive, r.hp_after > 0) << r.phase;
        if (r.hp_after == 0) { // no death sequence: dead with score, bonus and the section let go
            EXPECT_EQ(g_score + g_pending_bonus - score, body->info->score + 60000);
            EXPECT_EQ(body->wing->alive, 0);
            EXPECT_EQ(sounds_of(46), 1);
            EXPECT_EQ(g_section_repeat, 3u);
        }
    }
}

TEST_F(bee003_test, it_summons_its_three_escorts_beside_it_and_kills_those_alive_when_dying) {
    for (const int32_t level : {2, 3}) {
        auto* body = hold<body_t>(placed(228, 200, 120), level);
        ship_at(40, 120);
        body->phase = 150;
        body->hover_base_y = 120;
        std::vector<std::pair<uint32_t, std::array<float, 2>>> starts;
        for (uint32_t f = 0; f < 70; ++f) {
            const float at[2] = {body->x, body->y};
            run(1);
            for (size_t i = 0; i < 3; ++i) {
                if (body->escorts[i]->alive && starts.size() == i) {
                    starts.push_back({f, {body->escorts[i]->x - at[0], body->escorts[i]->y - at[1]}});
                }
            }
        }
        using at_t = std::array<float, 2>;
        EXPECT_EQ(starts, (std::vector<std::pair<uint32_t, at_t>>{
                              {0, at_t{-48, 0}}, {33, at_t{-32, -48}}, {50, at_t{-32, 48}}}));
        EXPECT_EQ(sounds_of(11), 3);
        EXPECT_EQ(body->phase, 160);
        body->escorts[1]->deactivate();
        body->hp = 499;
        run(1);
        EXPECT_EQ(body->phase, 5000);
        EXPECT_EQ(body->escorts[0]->explosion->alive, 1); // killed, not sent away
        EXPECT_EQ(body->escorts[1]->explosion->alive, 0);
        EXPECT_EQ(body->escorts[2]->wing->alive, 0);

        // The recoil slows by 0.1 from 3 (31 frames in 32-bit floats), then 512 dying frames; the blasts
        // come every max(32 - t / 8, 6) frames, 61 in all, each with an aimed bullet from level 3.
        run(29);
        EXPECT_EQ(body->phase, 5000);
        run(1);
        EXPECT_EQ(body->phase, 5001);
        const float at[2] = {body->x, body->y};
        std::vector<explosion_t*> blasts;
        for (const auto& entry : body->explosions.entries) {
            blasts.push_back(entry.explosion);
        }
        const size_t posted = scene->posted.size();
        const uint32_t start = g_frame_counter;
        std::vector<int32_t> started = starts_per_frame(blasts, 1);
        const auto& first = body->explosions.entries[0];
        EXPECT_FLOAT_EQ(first.explosion->x, float(first.dx + int32_t(at[0])));
        EXPECT_FLOAT_EQ(first.explosion->y, float(first.dy + int32_t(at[1] - 8)));
        const std::vector<int32_t> rest = starts_per_frame(blasts, 511);
        started.insert(started.end(), rest.begin(), rest.end());
        const std::vector<int32_t> first_blasts{0, 29, 52, 100, 128, 156, 180, 189, 192, 203, 210, 216};
        for (const int32_t t : first_blasts) {
            EXPECT_EQ(started[size_t(t)], 1) << t;
        }
        EXPECT_EQ(std::count(started.begin(), started.end(), 1), 61);
        EXPECT_EQ(std::count(started.begin(), started.begin() + 216, 1), int32_t(first_blasts.size()) - 1);
        EXPECT_EQ(int32_t(launches(list_shot_pool).size()), level >= 3 ? 61 : 0) << level;
        EXPECT_EQ(body->alive, 1);
        run(1);
        EXPECT_EQ(body->alive, 0);
        auto events = posted_since(posted);
        events.resize(3);
        EXPECT_EQ(events, (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{
                              {start + 432, 415, 3}, {start + 512, 371, -3}, {start + 512, 413, 3}}));
    }
}

TEST_F(bee003_test, its_escort_wave_ends_when_all_are_down_or_after_2048_frames_sending_the_rest_away) {
    for (const auto& [t, all_down, phase_after, escort_state] :
         {std::tuple{2047u, false, 160, 1}, std::tuple{2048u, false, 170, 100},
          std::tuple{5u, true, 170, 0}}) {
        auto* body = hold<body_t>(placed(228, 200, 120), 2);
        body->phase = 160;
        body->phase_timer = t;
        for (bee002::body_t* escort : body->escorts) {
            escort->set_position(100, 100);
            escort->start();
            escort->alive = !all_down;
        }
        run(1);
        EXPECT_EQ(body->phase, phase_after) << t;
        EXPECT_EQ(body->escorts[2]->state, escort_state) << t;
    }
}

TEST_F(bee003_test, the_first_tail_segment_turns_past_the_ship_only_from_level_5_and_the_others_follow) {
    for (int32_t level : {4, 5}) {
        auto* body = hold<body_t>(placed(228, 200, 120), level);
        body->phase = 1001;
        ship_at(230, 80);
        bee003::tail_laser_t* first = body->tail_lasers[0];
        first->set_position(200, 150);
        first->speed = 2;
        first->start();
        std::vector<int32_t> states;
        for (int32_t f = 0; f < 16; ++f) {
            run(1);
            states.push_back(first->state);
        }
        const float x_turned = 200 - 2 * 9;
        EXPECT_EQ(states[8], 100) << level;
        EXPECT_EQ(states[9], level == 5 ? 110 : 100) << level;
        EXPECT_EQ(first->next->state, 200) << level;
        EXPECT_FLOAT_EQ(first->x, level == 5 ? x_turned : 200 - 2 * 16) << level;
        if (level == 5) { // up after 4 waiting frames; the next turns where it turned
            EXPECT_EQ(states[13], 110);
            EXPECT_EQ(states[14], 111);
            EXPECT_FLOAT_EQ(first->y, 150 - 2 * 2);
            run(3);
            EXPECT_EQ(first->next->state, 200);
            run(1);
            EXPECT_EQ(first->next->state, 111);
            EXPECT_FLOAT_EQ(first->next->x, x_turned);
        } else { // off the left edge: the whole chain lives until its last segment is out too
            bee003::tail_laser_t* last = first->next->next->next;
            for (int32_t f = 0; f < 200 && last->is_in_bounds(); ++f) {
                EXPECT_TRUE(first->alive) << f;
                run(1);
            }
            for (bee003::tail_laser_t* s = first; s != nullptr; s = s->next) {
                EXPECT_FALSE(s->alive) << s->pattern;
            }
        }
    }
    // Turned up or down, a segment vanishes by itself once it rises past y 16 or sinks to 240.
    struct row_t {
        int32_t state;
        float y;
        bool alive;
    };
    bee003::tail_laser_t* first = hold<body_t>(placed(228, 200, 120))->tail_lasers[0];
    first->speed = 2;
    for (const row_t& r : {row_t{111, 18, true}, {111, 17.5f, false}, {121, 237, true}, {121, 238, false}}) {
        first->set_position(100, r.y);
        first->start();
        first->state = r.state;
        run(1);
        EXPECT_EQ(bool(first->alive), r.alive) << r.state << " from " << r.y;
    }
}

TEST_F(bee003_test, a_reflecting_laser_mirrors_on_terrain_and_drags_its_19_segments_along_its_path) {
    auto* body = hold<body_t>(placed(228, 200, 120));
    body->phase = 1001;
    bee003::reflex_laser_head_t* head = body->reflex_lasers[0];
    solid_at(*slot0, 100, 100);
    head->set_position(100, 100);
    head->direction = 40;
    head->speed = 2.5f;
    head->start();
    run(1);
    EXPECT_EQ(head->direction, 24);
    EXPECT_NEAR(head->x, 100 + 2.5f * cos_table[24], 1e-4);
    EXPECT_NEAR(head->y, 100 - 2.5f * sin_table[24], 1e-4);
    run(2);
    int32_t alive = 0;
    bee003::reflex_laser_t* segment = head;
    for (int32_t k = 0; segment != nullptr; ++k, segment = segment->next) {
        alive += segment->alive;
        if (k == 1) { // where the head was two frames before
            EXPECT_FLOAT_EQ(segment->y, 100 - 2.5f * sin_table[24]);
        }
    }
    EXPECT_EQ(alive, 20);
    head->kill();
    EXPECT_EQ(head->next->next->alive, 0);
}

TEST_F(bee003_test, each_attack_of_the_script_fires_from_its_phase_and_frame) {
    enum what_t {
        ring,
        navigation,
        laser_up,
        laser_down,
        fan,
        tail,
        aimed,
        no_aimed,
        late_event,
        death,
        leave
    };
    struct row_t {
        int32_t phase;
        uint32_t t;
        int32_t level;
        float ship_x;
        what_t what;
    };
    const row_t rows[] = {
        {50, 0, 1, 40, ring},       {100, 16, 1, 40, ring},      {50, 256, 1, 40, navigation},
        {101, 0, 1, 240, laser_up}, {104, 0, 1, 40, laser_down}, {200, 32, 1, 40, fan},
        {301, 0, 1, 40, tail},      {303, 0, 6, 40, tail},       {700, 12, 1, 40, aimed},
        {700, 8, 1, 40, aimed},     {700, 4, 1, 40, aimed},      {160, 4, 2, 40, aimed},
        {160, 4, 1, 40, no_aimed},  {850, 4, 1, 40, aimed},      {5001, 432, 1, 40, late_event},
        {5001, 512, 1, 40, death},  {1000, 0, 1, 40, leave},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(228, 160, 120), r.level);
        ship_at(r.ship_x, 100);
        g_section_repeat = 1;
        body->phase = r.phase;
        body->phase_timer = r.t;
        body->x = r.phase == 1000 ? 319.9f : 160;
        body->hover_base_y = 120;
        const size_t posted = scene->posted.size();
        const float at[2] = {body->x, body->y}, ship[2] = {r.ship_x, 100};
        const int32_t d = direction_to(at, ship);
        run(1);
        const auto shots = launches(list_enemy_shots);
        const std::string name = std::to_string(r.phase) + " " + std::to_string(r.t);
        switch (r.what) {
        case ring:
            EXPECT_EQ(alive_count(body->balls), 16) << name;
            EXPECT_EQ(body->balls[15]->direction, 60) << name;
            EXPECT_NEAR(body->balls[2]->x, 160 + 2 * cos_table[8], 1e-4) << name; // 2 pixels a frame
            EXPECT_EQ(sounds_of(40), 1) << name;
            break;
        case navigation:
            EXPECT_EQ(posted_since(posted),
                      (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 385, 0}}));
            break;
        case laser_up:
        case laser_down:
            EXPECT_EQ(body->reflex_lasers[0]->direction, r.what == laser_up ? 8 : 40) << name;
            EXPECT_NEAR(body->reflex_lasers[0]->speed, 2.5f, 1e-6) << name;
            break;
        case fan:
            ASSERT_EQ(shots.size(), 5u) << name;
            for (int32_t k = 0; k < 5; ++k) {
                EXPECT_EQ(shots[size_t(k)].direction, (d - 4 + 2 * k) & 63) << name;
                EXPECT_NEAR(shots[size_t(k)].speed, 1.5f, 1e-6) << name;
            }
            EXPECT_EQ(sounds_of(50), 1) << name;
            break;
        case tail:
            EXPECT_EQ(sounds_of(16), 1) << name;
            EXPECT_NEAR(body->x, 160, 1e-4) << name; // its ease-out starts at no speed
            EXPECT_NEAR(body->tail_lasers[0]->speed, 2.0f + 0.2f * float(r.level - 1), 1e-5) << name;
            EXPECT_NEAR(body->tail_lasers[0]->y, 150, 1e-4) << name;
            EXPECT_NEAR(body->tail_lasers[0]->x, 140 - body->tail_lasers[0]->speed, 1e-4) << name;
            break;
        case aimed:
        case no_aimed: {
            const int32_t turn = r.phase != 700 ? 0 : r.t % 12 == 0 ? 2 : r.t % 8 == 0 ? -2 : 0;
            EXPECT_EQ(alive_count(body->balls), r.what == aimed) << name;
            EXPECT_EQ(body->balls[0]->direction, r.what == aimed ? (d + turn) & 63 : 0) << name;
            break;
        }
        case late_event:
            EXPECT_EQ(posted_since(posted),
                      (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 415, 3}}));
            break;
        case death: {
            auto events = posted_since(posted);
            events.resize(2); // the stage's own follow
            EXPECT_EQ(body->alive, 0);
            EXPECT_EQ(events,
                      (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 371, -3}, {0, 413, 3}}));
            break;
        }
        case leave:
            EXPECT_EQ(body->phase, 1001);
            EXPECT_EQ(g_section_repeat, 3u);
            EXPECT_EQ(body->alive, 1);
            break;
        }
    }
}

TEST_F(bee003_test, its_moves_rise_home_and_its_laser_and_tail_series_grow_with_the_level) {
    auto* body = hold<body_t>(placed(228, 100, 120));
    run(1); // to the corner below the screen
    EXPECT_FLOAT_EQ(body->x, 0);
    EXPECT_FLOAT_EQ(body->y, 300);
    run(61); // home in 61 eased steps of 3 degrees
    EXPECT_EQ(body->phase, 1);
    EXPECT_FLOAT_EQ(body->x, 208);
    EXPECT_FLOAT_EQ(body->y, 128);
    EXPECT_FLOAT_EQ(body->wing->x, 232);
    EXPECT_FLOAT_EQ(body->wing->y, 96);
    run(1);
    EXPECT_EQ(body->phase, 50);
    run(46); // the hover: 32 pixels along the sine, 2 degrees a frame
    EXPECT_NEAR(body->y, 128 + 32 * sin_table_deg[90], 1e-4);
    const int32_t flap = body->wing->pattern;
    run(1);
    EXPECT_EQ(body->wing->pattern, 1 - flap);
    body->set_position(208, 128);
    body->phase = 500;
    body->phase_timer = 0;
    run(61); // 64 right and 32 up in 61 steps of 3 degrees
    EXPECT_EQ(body->phase, 500);
    EXPECT_FLOAT_EQ(body->x, 272);
    EXPECT_FLOAT_EQ(body->y, 96);
    // The dash at the ship, 3 degrees a step, tilting a pattern every third frame up to 7; the way home at
    // 2 degrees, turning back a pattern every eighth frame down to 4, then to 3 at once.
    ship_at(40, 128);
    body->phase = 502;
    body->phase_timer = 0;
    body->pattern = 0;
    struct dash_row_t {
        uint32_t frames; // run so far
        float x, y;      // NAN: on the way
        int32_t pattern, phase;
    };
    const dash_row_t dash[] = {
        {4, NAN, NAN, 2, 502}, {31, 156, 112, 7, 502}, {61, 40, 128, 7, 502}, {62, 40, 128, 7, 503}};
    uint32_t done = 0;
    for (const dash_row_t& r : dash) {
        run(r.frames - done);
        done = r.frames;
        if (!std::isnan(r.x)) {
            EXPECT_FLOAT_EQ(body->x, r.x) << r.frames;
            EXPECT_FLOAT_EQ(body->y, r.y) << r.frames;
        }
        EXPECT_EQ(body->pattern, r.pattern) << r.frames;
        EXPECT_EQ(body->phase, r.phase) << r.frames;
    }
    const int32_t turns[][3] = {{7, 0, 6}, {5, 8, 4}, {4, 16, 3}, {0, 0, 3}, {7, 4, 7}}; // pattern, t, after
    for (const auto& r : turns) {
        body->phase = 600;
        body->phase_timer = uint32_t(r[1]);
        body->pattern = r[0];
        run(1);
        EXPECT_EQ(body->pattern, r[2]) << r[0] << " " << r[1];
    }
    body->set_position(40, 128);
    body->phase = 600;
    body->phase_timer = 0;
    run(91);
    EXPECT_FLOAT_EQ(body->x, 208);
    EXPECT_EQ(body->phase, 600);
    run(1);
    EXPECT_EQ(body->phase, 601);
    body->phase = 1000;
    run(1);
    EXPECT_EQ(body->wing->pattern, 0);

    struct row_t {
        int32_t level;
        size_t lasers;
        int32_t tails, fans;
    };
    for (const row_t& r : {row_t{1, 4, 4, 5}, {2, 6, 6, 7}, {3, 10, 6, 9}}) {
        body = hold<body_t>(placed(228, 100, 120), r.level);
        ship_at(40, 128);
        body->phase = 101;
        std::vector<int32_t> directions;
        for (int32_t f = 0; f < 1000 && body->phase != 150; ++f) {
            const size_t before = trace.size();
            run(1);
            for (size_t i = before; i < trace.size(); ++i) {
                if (trace[i].list == list_enemy_shots && trace[i].index % 20 == 0 && trace[i].index < 160) {
                    directions.push_back(trace[i].direction);
                }
            }
        }
        const std::vector<int32_t> series{24, 40, 22, 42, 20, 44, 18, 46, 18, 46}; // the ship to the left
        EXPECT_EQ(directions, std::vector<int32_t>(series.begin(), series.begin() + r.lasers)) << r.level;
        EXPECT_EQ(body->phase, 150) << r.level;
        body->phase = 300;
        body->phase_timer = 0;
        for (int32_t f = 0; f < 600 && body->phase != 400; ++f) {
            run(1);
        }
        EXPECT_EQ(sounds_of(16), r.tails) << r.level;
        body->phase = 200;
        body->phase_timer = 0;
        for (int32_t f = 0; f < 600 && body->phase != 201; ++f) {
            run(1);
        }
        EXPECT_EQ(sounds_of(50), r.fans) << r.level;
    }
}

TEST_F(bee003_test, a_cycle_runs_from_the_rise_through_each_attack_back_to_the_ring_by_level) {
    struct span_t {
        int32_t phase;
        uint32_t frames; // from the frame that entered it to the one that enters the next
        int32_t from_level;
    };
    // A phase waiting for t > n lasts n + 2 frames, one to enter; a move of k steps k + 1. The escorts
    // are shot down 101 frames into each wave.
    const span_t spans[] = {
        {1, 62, 1},    {50, 257, 1},  {101, 1, 1},   {102, 33, 1},  {103, 17, 1}, {104, 1, 1},  {105, 33, 1},
        {106, 17, 1},  {107, 1, 1},   {108, 33, 1},  {109, 17, 1},  {110, 1, 1},  {111, 33, 1}, {112, 17, 1},
        {113, 1, 2},   {114, 33, 2},  {115, 17, 2},  {116, 1, 2},   {117, 33, 2}, {118, 17, 2}, {119, 1, 3},
        {120, 33, 3},  {121, 17, 3},  {122, 1, 3},   {123, 33, 3},  {124, 17, 3}, {125, 1, 3},  {126, 33, 3},
        {127, 17, 3},  {128, 1, 3},   {129, 33, 3},  {130, 161, 1}, {150, 33, 1}, {151, 17, 1}, {152, 17, 1},
        {160, 102, 1}, {170, 97, 1},  {200, 0, 1},   {201, 161, 1}, {300, 24, 1}, {301, 11, 1}, {302, 32, 1},
        {303, 11, 1},  {304, 32, 1},  {305, 11, 1},  {306, 32, 1},  {307, 11, 1}, {308, 32, 2}, {309, 11, 2},
        {310, 32, 2},  {311, 11, 2},  {400, 47, 1},  {500, 62, 1},  {501, 17, 1}, {502, 62, 1}, {503, 9, 1},
        {600, 92, 1},  {601, 33, 1},  {700, 257, 1}, {800, 25, 2},  {801, 17, 2}, {802, 17, 2}, {850, 102, 2},
        {851, 81, 1},  {100, 513, 1}, {101, 1, 1},
    };
    struct row_t {
        int32_t level;
        size_t lasers;
        int32_t fans, tails, escorts;
    };
    for (const row_t& r : {row_t{1, 4, 5, 4, 3}, row_t{3, 10, 9, 6, 6}}) {
        std::vector<entered_t> route;
        uint32_t frame = 0;
        for (const span_t& s : spans) {
            if (r.level >= s.from_level) {
                route.push_back({frame, s.phase});
                frame += s.phase == 200 ? 64 * uint32_t(r.level + 1) + 1 : s.frames;
            }
        }
        auto* body = hold<body_t>(placed(228, 200, 120), r.level);
        ship_at(40, 100);
        const std::vector<entered_t> seen = phases_entered(*this, body, route.back().frame + 1, [&]() {
            if ((body->phase == 160 || body->phase == 850) && body->phase_timer == 101) {
                for (bee002::body_t* escort : body->escorts) {
                    escort->deactivate();
                }
            }
        });
        EXPECT_EQ(seen, route) << r.level;
        EXPECT_EQ(body->loop_count, 1);
        size_t lasers = 0;
        for (const launch_t& l : trace) {
            lasers += l.list == list_enemy_shots && l.index % 20 == 0 && l.index < 160;
        }
        EXPECT_EQ(lasers, r.lasers) << r.level;
        EXPECT_EQ(sounds_of(50), r.fans) << r.level;
        EXPECT_EQ(sounds_of(16), r.tails) << r.level;
        EXPECT_EQ(sounds_of(11), r.escorts) << r.level;
    }
}
