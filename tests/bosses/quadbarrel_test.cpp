// The quad-barrel on the kit: its assembly, the scroll hold, the eased moves toward the ship with their
// lasers, its whole cycle of moves and volleys, the core's opening, hits and missile fans, the straight
// and bending lasers, the death sequence and the escape.
#include "bosses/quadbarrel/quadbarrel.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/score.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>

namespace {

using quadbarrel_test = enemy_kit_t;

quadbarrel::body_t* gunship(enemy_kit_t& kit, float x, float y, float ship_x, float ship_y,
                            int32_t level = 1) {
    kit.load({placed(146, int32_t(x), int32_t(y), 0, 37)}, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(ship_x, ship_y);
    return kit.only<quadbarrel::body_t>();
}

} // namespace

TEST_F(quadbarrel_test, it_is_assembled_in_order_and_not_at_all_without_a_record) {
    for (int32_t missing : {146, 147, 89, 69, 86, 27, 175, 148, 31, 149}) {
        records({}, {missing});
        load({placed(146, 200, 120, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    auto* body = gunship(*this, 200, 120, 40, 120);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0),
              (std::vector<part_t>{{"quadbarrel::core_t", 147}, {"quadbarrel::body_t", 146}}));
    EXPECT_EQ(body->core->body, body);
    EXPECT_EQ(body->carried, scene->stage.items[0]);
    const std::vector<part_t> shots = manifest_of(scene->stage, list_enemy_shots);
    ASSERT_EQ(shots.size(), 45u + 32u + 8u * 24u);
    EXPECT_EQ(shots[44], (part_t{"quadbarrel::core_missile_t", 27, -1, list_enemies0, 0}));
    EXPECT_EQ(shots[45], (part_t{"quadbarrel::laser_t", 148, -1, list_enemies0, 1}));
    EXPECT_EQ(shots[77], (part_t{"quadbarrel::bend_laser_head_t", 149, -1, list_enemies0, 1}));
    EXPECT_EQ(shots[100], (part_t{"quadbarrel::bend_laser_t", 149}));
    EXPECT_EQ(shots[101], (part_t{"quadbarrel::bend_laser_head_t", 149, -1, list_enemies0, 1}));
    size_t segments = 0;
    for (quadbarrel::bend_laser_t* s = body->bend_lasers[7]; s != nullptr; s = s->next) {
        ++segments;
    }
    EXPECT_EQ(segments, 24u);
    const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
    EXPECT_EQ(blasts[0], (part_t{"explosion_t", 86, 2, list_enemies0, 0}));
    EXPECT_EQ(blasts.back(), (part_t{"explosion_t", 31, 2, list_enemy_shots, 76}));
    const size_t first_end = blasts.size() - 32 - 16;
    for (size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(blasts[first_end + i], (part_t{"explosion_t", 69, int32_t(i / 4 + 2)})) << i;
    }
    // The eight offsets, twice.
    std::vector<std::pair<int32_t, int32_t>> offsets;
    for (const auto& e : body->death_explosions.entries) {
        offsets.emplace_back(e.dx, e.dy);
    }
    const std::vector<std::pair<int32_t, int32_t>> eight{{12, 0},    {24, 20}, {-12, 26}, {10, -18},
                                                         {-28, -34}, {30, 0},  {34, -16}, {-26, 34}};
    EXPECT_EQ(std::vector(offsets.begin(), offsets.begin() + 8), eight);
    EXPECT_EQ(std::vector(offsets.begin() + 8, offsets.end()), eight);
}

TEST_F(quadbarrel_test, it_holds_the_scroll_glides_in_and_eases_toward_the_ship_on_46_frames) {
    load({placed(146, 300, 120)});
    scene->scroll_stop = 1;
    ship_at(40, 120);
    auto* body = only<quadbarrel::body_t>();
    run(1);
    EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 389, 1}}));
    EXPECT_NEAR(body->x, 297.5f, 1e-3f);
    EXPECT_NEAR(body->core->x, 312.5f, 1e-3f);
    for (int32_t f = 0; f < 100 && body->glide_speed > 0; ++f) {
        run(1);
    }
    EXPECT_NEAR(body->x, 300 - 79.38f, 1e-2f); // 63 frames from 2.5, braking by 0.04
    struct row_t {
        float x;
        float ship_x;
        float ship_y;
        int32_t level;
        float end_x;
        float end_y;
        int32_t laser_pairs;
    };
    const row_t rows[] = {
        {240, 40, 120, 1, 217, 124, 0},  // level: 4 down; creeps 0.5 left a move
        {200, 40, 120, 2, 192, 124, 3},  // the creep stops at 192
        {240, 250, 200, 1, 240, 136, 0}, // ship to the right: x stays; 80 down held to 16
        {240, 40, 20, 8, 217, 76, 3},    // 100 up held to 44
    };
    for (const row_t& r : rows) {
        body = gunship(*this, r.x, 120, r.ship_x, r.ship_y, r.level);
        body->phase = 2;
        run(46);
        EXPECT_EQ(body->phase, 3);
        EXPECT_NEAR(body->x, r.end_x, 1e-3f) << r.x;
        EXPECT_NEAR(body->y, r.end_y, 1e-3f) << r.ship_y;
        run(1);
        EXPECT_NE(body->phase, 3);
        EXPECT_NEAR(body->y, r.end_y, 1e-3f);
        EXPECT_EQ(sounds_of(45), r.laser_pairs) << r.level;
        EXPECT_EQ(alive_count(body->lasers), 2 * r.laser_pairs);
        EXPECT_EQ(look_of(*body).pattern, r.end_y > 120 ? 6 : 2) << "banked all the way, a step back";
    }
    // A vertical scroll in mid-move carries the whole move.
    body = gunship(*this, 240, 120, 250, 200);
    body->phase = 2;
    run(20);
    body->move_y(10);
    run(26);
    EXPECT_NEAR(body->y, 146, 1e-3f);
    // The first pair leaves 36 ahead, 28 above and below, with its muzzle flashes there; once straight,
    // the bending lasers leave 20 ahead, 12 above and below.
    body = gunship(*this, 200, 120, 40, 120, 2);
    body->phase = 2;
    run(1);
    const std::vector<launch_t> flashes = launches(list_explosions);
    ASSERT_EQ(flashes.size(), 2u);
    EXPECT_EQ(std::pair(flashes[0].x, flashes[0].y), std::pair(163.5f, 92.0f));
    EXPECT_EQ(std::pair(flashes[1].x, flashes[1].y), std::pair(163.5f, 148.0f));
    EXPECT_EQ(std::pair(body->lasers[1]->x, body->lasers[1]->y), std::pair(160.5f, 148.0f));
    body->phase = 4;
    body->tilt = 0;
    const size_t before = launches(list_enemy_shots).size();
    run(1);
    std::vector<std::pair<float, float>> segments;
    for (const launch_t& l : launches(list_enemy_shots)) {
        if (l.index == 78 || l.index == 102) {
            segments.emplace_back(l.x, l.y);
        }
    }
    EXPECT_GT(launches(list_enemy_shots).size(), before);
    EXPECT_EQ(segments, (std::vector<std::pair<float, float>>{{body->x - 20, 108}, {body->x - 20, 132}}));
}

TEST_F(quadbarrel_test, the_core_opens_at_96_to_120_ignores_hits_before_and_fans_missiles_from_level_5) {
    for (int32_t level : {4, 5}) {
        auto* body = gunship(*this, 240, 120, 40, 120, level);
        quadbarrel::core_t* core = body->core;
        std::vector<std::pair<uint32_t, int32_t>> patterns;
        for (uint32_t f = 0; f < 121; ++f) {
            EXPECT_EQ(core->invulnerable, 1) << f;
            if (f == 60) {
                EXPECT_TRUE(shoot(core->x, core->y, 5));
            }
            run(1);
            if (patterns.empty() || patterns.back().second != core->pattern) {
                patterns.emplace_back(f, core->pattern);
            }
        }
        EXPECT_EQ(patterns,
                  (std::vector<std::pair<uint32_t, int32_t>>{
                      {0, 0}, {96, 1}, {100, 2}, {104, 3}, {108, 4}, {112, 5}, {116, 6}, {120, 7}}));
        EXPECT_EQ(core->hp, core->max_hp());
        EXPECT_EQ(sounds_of(47), 0);
        EXPECT_EQ(core->invulnerable, 0);
        EXPECT_TRUE(shoot(core->x, core->y, 0));
        EXPECT_TRUE(shoot(core->x, core->y, 5));
        EXPECT_EQ(core->hp, core->max_hp() - 5);
        run(1);
        EXPECT_EQ(sounds_of(47), 1);
        const std::vector<launch_t> fans = launches(list_enemy_shots);
        std::vector<int32_t> directions;
        for (const launch_t& l : fans) {
            if (l.index < 45) {
                directions.push_back(l.direction);
            }
        }
        EXPECT_EQ(directions, level == 5 ? (std::vector<int32_t>{29, 31, 33, 35}) : std::vector<int32_t>{});
        run(6); // frame 128: the hit sparks once, 4 to the core's left
        EXPECT_TRUE(shoot(core->x, core->y, 5));
        std::vector<std::pair<float, float>> sparks;
        for (explosion_t* s : scene->stage.spark_pool.items) {
            if (s->alive) {
                sparks.emplace_back(s->x, s->y);
            }
        }
        EXPECT_EQ(sparks, (std::vector<std::pair<float, float>>{{core->x - 4, core->y}})) << level;
    }
}

TEST_F(quadbarrel_test, its_lasers_run_left_beside_it_and_bend_at_the_ship) {
    auto* body = gunship(*this, 240, 120, 40, 200);
    quadbarrel::laser_t* laser = body->lasers[0];
    body->set_position(100, 60);
    EXPECT_EQ(body->core->x, 115);
    laser->set_position(11, 80);
    laser->start();
    body->phase = 9999; // held still
    struct row_t {
        float owner_y;
        float x;
        bool alive;
    };
    for (const row_t& r : {row_t{70, 8, true}, {50, 5, true}, {60, -16, true}, {60, -19, false}}) {
        for (int32_t f = 0; f < 10 && laser->alive && laser->x > r.x + 0.5f; ++f) {
            body->set_position(100, r.owner_y);
            run(1);
        }
        EXPECT_EQ(laser->x, r.x);
        EXPECT_EQ(laser->y, r.owner_y + 20);
        EXPECT_EQ(bool(laser->alive), r.alive) << r.x;
    }
    laser->set_position(100, 60);
    laser->start();
    laser->damage(50);
    EXPECT_TRUE(laser->alive);

    quadbarrel::bend_laser_head_t* head = body->bend_lasers[0];
    head->set_position(200, 100);
    head->start();
    for (quadbarrel::bend_laser_t* s = head->next; s != nullptr; s = s->next) {
        EXPECT_EQ(std::pair(s->x, s->y), std::pair(200.0f, 100.0f));
    }
    run(32);
    EXPECT_EQ(head->x, 200 - 32 * 2.5f);
    EXPECT_EQ(head->next->x, 200 - 31 * 2.5f);
    const int32_t running = sounds_of(49); // every frame it runs, as the mixer takes them
    EXPECT_GE(running, 16);
    run(12); // halted, aiming down-left at the ship (40, 200)
    EXPECT_EQ(head->x, 120);
    EXPECT_EQ(head->phase, 1);
    EXPECT_EQ(head->direction, 41);
    EXPECT_EQ(sounds_of(49), running);
    run(1);
    EXPECT_EQ(head->phase, 2);
    EXPECT_LT(head->x, 120);
    EXPECT_GT(head->y, 100);
    EXPECT_NEAR(std::hypot(head->x - 120, head->y - 100), 2.5f, 1e-3f);
    for (int32_t f = 0; f < 400 && head->alive; ++f) {
        run(1);
    }
    EXPECT_FALSE(head->alive);
    quadbarrel::bend_laser_t* last = head;
    while (last->next != nullptr) {
        last = last->next;
        EXPECT_FALSE(last->alive);
    }
    EXPECT_FALSE(last->is_in_bounds());
}

TEST_F(quadbarrel_test, the_cores_death_knocks_it_back_and_20_blasts_cycle_before_it_dies_with_score) {
    // From level 3 each blast fires a bullet at the ship, and the last blow 25 from a 5 x 5 grid.
    for (int32_t level : {2, 3, 4}) {
        auto* body = gunship(*this, 240, 120, 40, 120, level);
        body->phase = 9999;
        body->core->invulnerable = 0;
        run(1);
        const int32_t score = g_score;
        EXPECT_TRUE(shoot(body->core->x, body->core->y, 9999));
        EXPECT_EQ(body->phase, 5000);
        EXPECT_EQ(pool_shots_alive(), level >= 4 ? 1 : 0);
        const float x = body->x;
        run(1);
        EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{1, 389, 0}}));
        EXPECT_EQ(sounds_of(57), 1);
        // The released scroll carries the body, whose core is dead, a pixel back.
        EXPECT_NEAR(body->x, x + 3.0f - 1, 1e-3f);
        uint32_t now = 2; // frames since the load
        for (int32_t f = 0; f < 40 && body->phase == 5001; ++f, ++now) {
            run(1);
        }
        EXPECT_EQ(body->phase, 6000);
        std::vector<explosion_t*> ends;
        for (const auto& e : body->death_explosions.entries) {
            ends.push_back(e.explosion);
        }
        std::vector<uint32_t> frames;
        for (uint32_t f = 0; f < 191; ++f) { // from phase frame 1
            const std::vector<uint8_t> before = [&] {
                std::vector<uint8_t> b;
                for (explosion_t* e : ends) {
                    b.push_back(e->alive);
                }
                return b;
            }();
            run(1);
            for (size_t i = 0; i < ends.size(); ++i) {
                if (!before[i] && ends[i]->alive) {
                    frames.push_back(f);
                }
            }
        }
        EXPECT_EQ(frames.size(), 20u);
        EXPECT_EQ(frames.front(), 31u);
        EXPECT_EQ(frames.back(), 183u);
        EXPECT_EQ(body->death_explosions.next, 4);
        EXPECT_EQ(ends[1]->y, body->y + 20);
        EXPECT_TRUE(body->alive);
        run(1);
        EXPECT_FALSE(body->alive);
        std::vector<uint32_t> bullets;
        for (const launch_t& l : launches(list_shot_pool)) {
            if (l.frame >= now) {
                bullets.push_back(l.frame - now);
            }
        }
        std::vector<uint32_t> expected;
        if (level >= 3) {
            expected = frames;
            expected.resize(20 + 25, 191);
        }
        EXPECT_EQ(bullets, expected) << level;
        EXPECT_GT(g_score, score + body->core->score());
        EXPECT_TRUE(scene->stage.items[0]->alive);
    }
}

TEST_F(quadbarrel_test, left_alive_it_lets_the_scroll_go_and_escapes_past_64_without_score) {
    auto* body = gunship(*this, 40, 120, 40, 120);
    body->phase = 10;
    body->phase_timer = 32;
    const int32_t score = g_score;
    run(1);
    EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 389, 0}}));
    run(51);
    EXPECT_EQ(body->phase, 52);
    EXPECT_EQ(body->glide_speed, 2.5f);
    for (int32_t f = 0; f < 100 && body->x >= -64; ++f) {
        ASSERT_TRUE(body->alive);
        run(1);
    }
    EXPECT_FALSE(body->alive);
    EXPECT_FALSE(body->core->alive);
    EXPECT_EQ(body->core->hp, 0);
    EXPECT_EQ(g_score, score);
    EXPECT_FALSE(scene->stage.items[0]->alive);
    EXPECT_FALSE(body->core->explosion->alive);
}

TEST_F(quadbarrel_test, it_moves_nine_times_straightening_between_and_bends_lasers_on_cue_before_leaving) {
    // From the first move, the ship level with the body so that each move goes 4 pixels and ends fully
    // banked: 46 frames of motion, straightening every 4, the volley, the 24-frame pause; after the
    // eighth, a last move and volleys every 48 frames for 256, 32 frames more, then the exit glide.
    struct mark_t {
        uint32_t frame;
        int32_t phase;
        int32_t tilt;
    };
    const mark_t marks[] = {{0, 3, 0},    {7, 3, -1},   {8, 3, -2},   {45, 3, -3},  {46, 4, -2}, {50, 4, -1},
                            {54, 6, 0},   {77, 6, 0},   {78, 3, 0},   {123, 3, 3},  {600, 6, 0}, {623, 6, 0},
                            {624, 8, 0},  {669, 8, -3}, {670, 9, -2}, {674, 9, -1}, {678, 9, 0}, {925, 9, 0},
                            {926, 10, 0}, {957, 10, 0}, {958, 51, 0}};
    std::vector<uint32_t> volleys;
    for (uint32_t k = 0; k < 8; ++k) {
        volleys.push_back(54 + 78 * k);
    }
    for (uint32_t k = 0; k < 6; ++k) {
        volleys.push_back(670 + 48 * k);
    }
    for (int32_t level : {1, 5}) {
        auto* body = gunship(*this, 240, 120, 40, 120, level);
        body->phase = 2;
        std::vector<std::tuple<uint32_t, int32_t, int32_t>> seen;
        std::vector<uint32_t> heads;
        for (uint32_t f = 0, m = 0; m < std::size(marks); ++f) {
            run(1);
            if (f == marks[m].frame) {
                seen.emplace_back(f, body->phase, body->tilt);
                ++m;
            }
            for (quadbarrel::bend_laser_head_t* head : body->bend_lasers) {
                if (head->alive) {
                    heads.push_back(f);
                }
                head->kill(); // a pool that never runs dry
            }
        }
        std::vector<std::tuple<uint32_t, int32_t, int32_t>> expected;
        for (const mark_t& m : marks) {
            expected.emplace_back(m.frame, m.phase, m.tilt);
        }
        EXPECT_EQ(seen, expected) << level;
        std::vector<uint32_t> pairs;
        for (size_t k = 0; k + 1 < heads.size(); k += 2) {
            EXPECT_EQ(heads[k], heads[k + 1]);
            pairs.push_back(heads[k]);
        }
        EXPECT_EQ(pairs, volleys) << level;
        EXPECT_EQ(sounds_of(45), level >= 2 ? 9 * 3 : 0) << "three laser pairs a move";
    }
}

TEST_F(quadbarrel_test, missile_fans_are_full_by_level_and_short_only_when_fewer_missiles_are_idle) {
    // Twenty fans a fight from the core's opening at frame 120, every 32 frames; the missiles fly on at
    // 1.5 a frame, turning their pattern by 2.
    struct row_t {
        int32_t level;
        int32_t fan;
    };
    for (const row_t& r : {row_t{4, 0}, {5, 4}, {8, 4}}) {
        quadbarrel::core_t* core = gunship(*this, 240, 120, 40, 120, r.level)->core;
        run(120 + 32 * 19 + 1);
        std::vector<int32_t> fans;
        for (const launch_t& l : launches(list_enemy_shots)) {
            if (l.index < 45) {
                const size_t fan = (l.frame - 120) / 32;
                fans.resize(std::max(fans.size(), fan + 1));
                EXPECT_EQ(l.frame, 120 + 32 * fan);
                ++fans[fan];
            }
        }
        EXPECT_EQ(fans, std::vector<int32_t>(r.fan == 0 ? 0 : 20, r.fan)) << r.level;
        if (r.fan == 0) {
            continue;
        }
        quadbarrel::core_missile_t* missile = core->missiles[0];
        launch(missile, 100, 100, 32, 1.5f);
        run(10);
        EXPECT_NEAR(missile->x, 85, 1e-3f);
        EXPECT_NEAR(missile->y, 100, 1e-3f);
        EXPECT_EQ(missile->pattern, 20);
        run(6);
        EXPECT_EQ(missile->pattern, 0);
        // Three idle, whichever side of the search place: a fan of three.
        for (quadbarrel::core_missile_t* m : core->missiles) {
            m->start();
        }
        for (size_t idle : {size_t(0), size_t(1), size_t(44)}) {
            core->missiles[idle]->kill();
        }
        core->fire_missile_fan(4);
        EXPECT_EQ(alive_count(core->missiles), 45);
    }
}
