// The pincer boss of two bodies: its assembly in list order, the lethal hit that kills or calls the
// trailing body in, the hands' turning, the arms' angles and places, the chains' pulse and death, the
// spread fans, the big laser's widths and the bonus.
#include "bosses/boss005/bodies.h"
#include "bosses/boss005/parts.h"
#include "objects/play_globals.h"
#include "screen/soundctr.h"
#include "tests/bosses/midboss_kit.h"
#include "tests/bosses/phase_trail.h"

#include <algorithm>
#include <cmath>

namespace {

using boss005_test = midboss_kit_t;
using boss005::hand_t;
using boss005::leadbody_t;
using boss005::trailbody_t;

constexpr int32_t hold_still = 99; // a phase the script does not know: the body waits

bool requested(int32_t id) {
    return g_soundctr.se_states[size_t(id)] == 2;
}

struct step_t {
    uint32_t frame;
    int32_t phase;
    int32_t shots; // of the upper hand while in the phase
    bool operator==(const step_t&) const = default;
};

std::ostream& operator<<(std::ostream& out, const step_t& s) {
    return out << "{" << s.frame << ", " << s.phase << ", " << s.shots << "}";
}

} // namespace

TEST_F(boss005_test, every_chain_hand_and_body_is_assembled_in_order_or_none_without_a_record) {
    load({placed(322, 200, 128)});
    std::vector<part_t> enemies, shots, before_pattern, after_pattern;
    std::vector<int32_t> hand_at, chain_at;
    for (int32_t pair = 0; pair < 2; ++pair) {
        for (int32_t chain = 0; chain < 2; ++chain) {
            chain_at.push_back(int32_t(enemies.size()));
            for (int32_t i = 0; i < 8; ++i) {
                if (i % 4 == 0) {
                    before_pattern.push_back({"explosion_t", 69, 2, list_enemies0, int32_t(enemies.size())});
                }
                enemies.push_back({"boss005::arm_t", 326});
            }
        }
        for (int32_t h = 0; h < 2; ++h) {
            hand_at.push_back(int32_t(enemies.size()));
            before_pattern.push_back({"explosion_t", 83, 2, list_enemies0, hand_at.back()});
            for (int32_t i = 0; i < 64; ++i) {
                before_pattern.push_back({"explosion_t", 328, 2, list_enemy_shots, int32_t(shots.size())});
                shots.push_back({"missile_t", 327, -1, list_enemies0, hand_at.back()});
            }
            const int32_t controller = int32_t(shots.size());
            shots.push_back({"boss005::big_laser_ctr_t", 0});
            for (int32_t i = 0; i < 16; ++i) {
                shots.push_back({"boss005::big_laser_t", 330, -1, list_enemy_shots, controller});
                before_pattern.push_back({"active_explosion_t", 329, 4, list_enemies0, hand_at.back()});
            }
            enemies.push_back({"boss005::hand_t", 325});
        }
    }
    enemies.push_back({"boss005::leadbody_t", 323});
    enemies.push_back({"boss005::trailbody_t", 324});
    for (int32_t i = 0; i < 8; ++i) {
        after_pattern.push_back({"explosion_t", 84, 2});
    }
    for (int32_t i = 0; i < 16; ++i) {
        after_pattern.push_back({"boss005::spark_t", 329, 10});
    }
    after_pattern.push_back({"explosion_t", 84, 2, list_enemies0, 37});
    for (int32_t i = 0; i < 48; ++i) {
        shots.push_back({"boss005::spred_missile_t", 27});
    }
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0), enemies);
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots), shots);
    const auto made = manifest_of(scene->stage, list_explosions);
    ASSERT_GT(made.size(), before_pattern.size() + after_pattern.size());
    EXPECT_EQ(std::vector<part_t>(made.begin(), made.begin() + long(before_pattern.size())), before_pattern);
    EXPECT_EQ(std::vector<part_t>(made.end() - long(after_pattern.size()), made.end()), after_pattern);
    EXPECT_EQ(made[before_pattern.size()].owner_index, 36); // the lead body's death pattern

    auto* lead = only<leadbody_t>();
    auto* trail = only<trailbody_t>();
    const auto enemy = [&](int32_t i) { return objects_of(scene->stage, list_enemies0)[size_t(i)]; };
    const std::pair<boss005::body_t*, int32_t> bodies[] = {{trail, 0}, {lead, 2}};
    for (const auto& [body, first] : bodies) {
        for (int32_t i = 0; i < 2; ++i) {
            EXPECT_EQ(body->arms[i], enemy(chain_at[size_t(first + i)])) << first;
            EXPECT_EQ(body->hands[i], enemy(hand_at[size_t(first + i)])) << first;
            EXPECT_EQ(body->hands[i]->arm, enemy(chain_at[size_t(first + i)] + 7)) << first;
            EXPECT_EQ(body->hands[i]->arm->prev, enemy(chain_at[size_t(first + i)] + 6)) << first;
        }
    }
    EXPECT_EQ(lead->partner, trail);
    EXPECT_EQ(trail->partner, lead);
    const int32_t dx[8] = {28, 16, 42, 38, 16, 50, 14, 24};
    const int32_t dy[8] = {-8, 16, -16, -20, -8, 16, -16, 20};
    const int32_t debris[16] = {35, 26, 37, 29, 26, 36, 46, 24, 39, 23, 17, 28, 45, 30, 25, 14};
    for (size_t i = 0; i < 16; ++i) {
        if (i < 8) {
            EXPECT_EQ(lead->death_explosions.entries[i].dx, dx[i]) << i;
            EXPECT_EQ(lead->death_explosions.entries[i].dy, dy[i]) << i;
        }
        auto* fragment = static_cast<active_explosion_t*>(lead->hands[1]->sparks.entries[i].explosion);
        EXPECT_EQ(fragment->direction, debris[i]) << i;
        EXPECT_FLOAT_EQ(fragment->vy, -3 * sin_table[debris[i]]) << i;
    }
    uint32_t state = uint32_t(settings.random_seed);
    next_draw(state); // seeding draws one
    for (boss005::spark_t* spark : lead->sparks) {
        const int32_t d = next_draw(state) >> 9;
        const float drawn = float(next_draw(state) / 6554) * 0.5f + 0.5f;
        const bool near_horizontal = d < 4 || (d >= 28 && d < 36) || d >= 60;
        EXPECT_EQ(spark->direction, d);
        EXPECT_FLOAT_EQ(spark->speed, near_horizontal ? drawn * 0.1f : drawn) << d;
    }
    EXPECT_EQ(rng::current_state(), state);

    for (int32_t record : {326, 69, 325, 83, 327, 328, 330, 0, 329, 323, 89, 84, 27, 324}) {
        records({}, {record});
        load({placed(322, 200, 128)});
        EXPECT_EQ(object_total(), 0u) << record;
    }
}

TEST_F(boss005_test, a_lethal_hit_kills_below_level_3_or_once_docked_and_else_calls_the_trailing_body) {
    struct row_t {
        int32_t level;
        bool merged, invulnerable;
        int32_t power;
        int32_t hp_after, lead_phase, trail_phase;
    };
    const row_t rows[] = {
        {1, false, false, 9, 1, hold_still, 1},     {1, false, false, 10, 10, 5000, 1},
        {3, false, false, 10, 10, hold_still, 100}, {3, true, false, 10, 10, 5000, 1},
        {1, false, true, 10, 10, hold_still, 1},
    };
    for (const row_t& r : rows) {
        auto* lead = hold<leadbody_t>(placed(322, 200, 128), r.level);
        lead->phase = hold_still;
        lead->invulnerable = 0;
        run(1);
        lead->merged = r.merged;
        lead->invulnerable = r.invulnerable;
        lead->hp = 10;
        g_soundctr.se_states.fill(0);
        EXPECT_TRUE(shoot(lead->x - 10, lead->y, r.power));
        EXPECT_EQ(lead->hp, r.hp_after) << r.level << r.merged << r.power;
        EXPECT_EQ(lead->phase, r.lead_phase) << r.level << r.merged << r.power;
        EXPECT_EQ(lead->partner->phase, r.trail_phase) << r.level << r.merged << r.power;
        EXPECT_EQ(lead->invulnerable, r.hp_after <= 1 ? 0 : 1) << r.power;
        EXPECT_TRUE(requested(47));
    }

    auto* lead = hold<leadbody_t>(placed(322, 200, 128), 3);
    lead->phase = hold_still;
    lead->invulnerable = 0;
    run(1);
    const size_t posted = scene->posted.size();
    lead->damage(lead->hp);
    trailbody_t* trail = lead->partner;
    int32_t adrift = 0; // frames the trailing body's upper hand is off the end of its arm
    for (int32_t f = 0; f < 156; ++f) {
        run(1);
        adrift += std::abs(trail->hands[0]->x - (trail->x - 18 + 32 * cos_table_deg[20])) > 0.01f ||
                  std::abs(trail->hands[0]->y - (trail->y - 8 - 32 * sin_table_deg[20])) > 0.01f;
    }
    EXPECT_EQ(adrift, 0) << "the arms come in with the body";
    EXPECT_EQ(trail->phase, 1);
    EXPECT_FLOAT_EQ(trail->x, 244); // docked 44 behind
    EXPECT_EQ(std::tuple(trail->hands[0]->direction, trail->hands[0]->pattern, trail->hands[1]->direction,
                         trail->hands[1]->pattern),
              std::tuple(28, 12, 36, 20));
    EXPECT_EQ(lead->merged, 1);
    EXPECT_EQ(lead->hp, lead->max_hp());
    EXPECT_EQ(lead->phase, 1002);
    EXPECT_EQ(posted_since(posted), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{
                                        {1, 385, 15}, {65, 385, 15}, {156, 417, 1}, {156, 413, 1}}));
    EXPECT_EQ(sound_frames(58), std::vector<uint32_t>{156});
}

TEST_F(boss005_test, a_hand_turns_the_shorter_way_within_17_to_47) {
    struct row_t {
        int32_t from, toward, direction;
        bool turned;
    };
    const row_t rows[] = {{32, 40, 33, true},  {32, 24, 31, true}, {32, 32, 32, false}, {17, 0, 17, false},
                          {47, 60, 47, false}, {20, 52, 21, true}, {40, 8, 41, true},   {47, 17, 46, true}};
    auto* lead = hold<leadbody_t>(placed(322, 200, 128));
    hand_t* hand = lead->hands[0];
    for (const row_t& r : rows) {
        hand->direction = r.from;
        hand->pattern = r.from - 16;
        EXPECT_EQ(hand->turn_toward(r.toward), r.turned) << r.from << " " << r.toward;
        EXPECT_EQ(hand->direction, r.direction) << r.from << " " << r.toward;
        EXPECT_EQ(hand->pattern, r.direction - 16);
    }
    lead->hands[0]->direction = 17;
    lead->hands[1]->direction = 47;
    int32_t steps = 0;
    while (lead->close_hands()) {
        ++steps;
    }
    EXPECT_EQ(steps, 30);
    EXPECT_EQ(lead->hands[0]->direction, 47);
    EXPECT_EQ(lead->hands[1]->direction, 17);

    hand->direction = 32;
    hand->set_position(100, 60);
    hand->fire_missile();
    missile_t* shot = hand->missiles[0];
    EXPECT_FLOAT_EQ(shot->x, 62);
    EXPECT_FLOAT_EQ(shot->vx, -3.25f);
    EXPECT_EQ(shot->pattern, 0);
    EXPECT_EQ(shot->effect->alive, 1);
    hand->emit_spark(50.5f, 40);
    hand->emit_spark(50.5f, 40);
    EXPECT_EQ(hand->sparks.entries[1].explosion->alive, 1); // the ring goes on in order
    EXPECT_FLOAT_EQ(hand->sparks.entries[1].explosion->x, 50);
    EXPECT_EQ(hand->sparks.next, 2);
    for (const int32_t d : {31, 32}) {
        hand->direction = d;
        hand->start_laser();
        EXPECT_EQ(hand->laser->alive, d == 32) << d;
    }
}

TEST_F(boss005_test, the_arms_turn_by_half_degrees_and_carry_hands_and_segments_to_their_places) {
    struct row_t {
        int32_t angle, target, step, result;
        bool moved, set;
    };
    const row_t rows[] = {{0, 40, 1, 1, true, false},    {19, 40, 1, 20, true, true},
                          {20, 40, 1, 20, false, false}, {0, 361, 1, 0, false, false},
                          {0, -2, 1, 0, false, false},   {10, 1, 4, 6, true, false},
                          {2, 1, 4, 0, true, true},      {178, 360, 4, 180, true, true}};
    auto* lead = hold<leadbody_t>(placed(322, 200, 128));
    for (const row_t& r : rows) {
        lead->arm_angle = r.angle;
        lead->arms_dirty = 0;
        g_soundctr.se_states.fill(0);
        EXPECT_EQ(lead->rotate_arms(r.target, r.step), r.moved) << r.angle << " " << r.target;
        EXPECT_EQ(lead->arm_angle, r.result) << r.angle << " " << r.target;
        if (r.moved) {
            EXPECT_EQ(lead->mirror_angle, (360 - r.result) % 360);
        }
        EXPECT_EQ(lead->arms_dirty, r.moved);
        EXPECT_EQ(requested(97), r.moved);
        EXPECT_EQ(requested(96), r.set) << r.angle << " " << r.target;
    }

    struct place_t {
        bool lead;
        int32_t angle;
        float upper_hand[2], lower_hand[2], upper_segment4[2], lower_segment7[2];
    };
    const place_t places[] = {{true, 90, {114, 72}, {114, 128}, {114, 82}, {114, 125.5f}},
                              {false, 0, {114, 92}, {114, 108}, {98, 92}, {110, 108}}};
    for (const place_t& p : places) {
        boss005::body_t* body = p.lead ? static_cast<boss005::body_t*>(lead) : lead->partner;
        body->set_position(100, 100);
        body->arm_angle = p.angle;
        body->mirror_angle = (360 - p.angle) % 360;
        p.lead ? lead->place_arms() : lead->partner->place_arms();
        EXPECT_EQ(body->arms_dirty, 0);
        const boss005::arm_t* upper = body->arms[0];
        for (int32_t k = 0; k < 4; ++k) {
            upper = upper->next;
        }
        const std::pair<const object_t*, const float*> at[] = {{body->hands[0], p.upper_hand},
                                                               {body->hands[1], p.lower_hand},
                                                               {upper, p.upper_segment4},
                                                               {body->hands[1]->arm, p.lower_segment7}};
        for (const auto& [part, where] : at) {
            EXPECT_NEAR(part->x, where[0], 1e-3) << p.lead << " " << part->info->id;
            EXPECT_NEAR(part->y, where[1], 1e-3) << p.lead << " " << part->info->id;
        }
    }
}

TEST_F(boss005_test, a_pulse_runs_down_the_chain_and_the_chain_dies_from_the_body_to_the_hand) {
    auto* lead = hold<leadbody_t>(placed(322, 200, 128), 3);
    lead->phase = hold_still;
    std::vector<boss005::arm_t*> chain{lead->arms[0]};
    while (chain.back()->next != nullptr) {
        chain.push_back(chain.back()->next);
    }
    ASSERT_EQ(chain.size(), 8u);
    chain[0]->pulse(true);
    std::vector<uint32_t> first_flash(8, 0), last_flash(8, 0);
    for (uint32_t f = 0; f < 30; ++f) {
        run(1);
        for (size_t k = 0; k < 8; ++k) {
            if (chain[k]->is_flashing()) {
                first_flash[k] = first_flash[k] == 0 && k > 0 ? f : first_flash[k];
                last_flash[k] = f;
            }
        }
    }
    EXPECT_EQ(first_flash, (std::vector<uint32_t>{0, 2, 4, 6, 8, 10, 12, 14}));
    EXPECT_EQ(last_flash, (std::vector<uint32_t>{8, 10, 12, 14, 16, 18, 20, 22}));

    lead->kill();
    EXPECT_EQ(chain[0]->explosion->alive, 1);
    std::vector<int32_t> deaths(8, -1);
    int32_t hand_death = -1;
    for (int32_t f = 0; f < 40; ++f) {
        run(1);
        for (size_t k = 0; k < 8; ++k) {
            if (!chain[k]->alive && deaths[k] < 0) {
                deaths[k] = f;
            }
        }
        if (!lead->hands[0]->alive && hand_death < 0) {
            hand_death = f;
        }
    }
    EXPECT_EQ(deaths, (std::vector<int32_t>{0, 3, 6, 9, 12, 15, 18, 21}));
    EXPECT_EQ(hand_death, 36);
    EXPECT_EQ(lead->hands[1]->alive, 0) << "the lower chain goes too";
    EXPECT_EQ(sound_frames(44), std::vector<uint32_t>{66}); // 30 frames of pulse first
    EXPECT_GT(pool_shots_alive(), 0);
    for (size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(chain[k]->explosion != nullptr, k % 4 == 0) << k;
    }
}

TEST_F(boss005_test, a_spread_fan_opens_around_straight_left_and_fires_what_the_pool_has) {
    struct row_t {
        int32_t level, n, busy;
        std::vector<int32_t> directions;
    };
    const row_t rows[] = {{4, 4, 0, {26, 30, 34, 38}},
                          {4, 5, 0, {24, 28, 32, 36, 40}},
                          {8, 9, 0, {16, 20, 24, 28, 32, 36, 40, 44, 48}},
                          {8, 10, 0, {14, 18, 22, 26, 30, 34, 38, 42, 46, 50}},
                          {1, 8, 45, {18, 22, 26}},
                          {1, 4, 48, {}}};
    for (const row_t& r : rows) {
        auto* lead = hold<leadbody_t>(placed(322, 200, 128), r.level);
        for (int32_t i = 0; i < r.busy; ++i) {
            lead->spread_missiles[size_t(i)]->alive = 1;
        }
        lead->fire_spread(100, 60, r.n);
        std::vector<int32_t> directions;
        for (size_t i = size_t(r.busy); i < 48; ++i) {
            boss005::spred_missile_t* m = lead->spread_missiles[i];
            if (m->alive) {
                directions.push_back(m->direction);
                EXPECT_FLOAT_EQ(m->speed, 1.2f + 0.1f * float(r.level));
                EXPECT_FLOAT_EQ(m->vx, m->speed * cos_table[m->direction]);
                EXPECT_FLOAT_EQ(m->x, 100);
            }
        }
        EXPECT_EQ(directions, r.directions) << r.n << " " << r.busy;
        EXPECT_TRUE(requested(94));
    }
    auto* lead = hold<leadbody_t>(placed(322, 200, 128));
    boss005::spred_missile_t* m = lead->spread_missiles[3];
    m->pattern = 5;
    lead->fire_spread(20, 60, 4);
    EXPECT_EQ(m->pattern, 0);
    m->pattern = 30;
    m->update();
    EXPECT_FLOAT_EQ(m->x, 20 + m->vx);
    EXPECT_EQ(m->pattern, 0); // spins by 2 in 32
    EXPECT_EQ(m->alive, 1);
    m->set_position(-100, 60);
    m->update();
    EXPECT_EQ(m->alive, 0);
    boss005::spark_t* spark = lead->sparks[0];
    spark->set_position(100, 60);
    spark->start();
    spark->update();
    EXPECT_FLOAT_EQ(spark->x, 100 + spark->speed * cos_table[spark->direction]);
    EXPECT_FLOAT_EQ(spark->y, 60 - spark->speed * sin_table[spark->direction]);
}

TEST_F(boss005_test, the_big_laser_flickers_widens_holds_and_narrows_hurting_by_its_width_before_each_step) {
    struct row_t {
        uint32_t updates;
        int32_t width, phase;
        bool hurts, alive;
        int32_t sparks = -1; // muzzle sparks started so far
    };
    const row_t rows[] = {{1, 1, 0, false, true, 1},  {4, 0, 0, false, true, 1},  {48, 1, 0, false, true, 3},
                          {49, 2, 1, false, true, 4}, {61, 5, 1, false, true, 4}, {65, 6, 1, true, true, 5},
                          {73, 7, 2, true, true, 6},  {216, 7, 2, true, true},    {217, 6, 100, true, true},
                          {233, 4, 100, true, true},  {241, 3, 100, false, true}, {272, 0, 100, false, true},
                          {273, 0, 100, false, false}};
    for (const row_t& r : rows) {
        auto* lead = hold<leadbody_t>(placed(322, 200, 128));
        hand_t* hand = lead->hands[0];
        hand->set_position(200, 90);
        boss005::big_laser_ctr_t* laser = hand->laser;
        laser->start();
        for (uint32_t i = 0; i < r.updates; ++i) {
            if (i + 1 == r.updates) {
                g_soundctr.se_states.fill(0);
            }
            hand->set_position(200, float(90 + i % 2)); // the beam keeps to the hand's height
            laser->update();
        }
        EXPECT_EQ(requested(19), r.phase == 2 && r.updates % 2 == 1)
            << r.updates; // on even frames of the beam
        boss005::big_laser_t* tail = laser->segments[15];
        EXPECT_EQ(laser->segments[0]->pattern, r.width) << r.updates;
        EXPECT_EQ(tail->pattern, r.width + 8) << r.updates;
        EXPECT_EQ(laser->phase, r.phase) << r.updates;
        EXPECT_EQ(tail->contact_damage(), r.hurts ? tail->info->contact_damage : 0) << r.updates;
        EXPECT_EQ(laser->alive != 0, r.alive) << r.updates;
        if (r.sparks >= 0) {
            EXPECT_EQ(hand->sparks.next, r.sparks) << r.updates;
        }
        EXPECT_EQ(tail->alive != 0, r.alive) << r.updates;
        if (r.phase < 100) {
            EXPECT_FLOAT_EQ(laser->segments[0]->x, 158) << r.updates;
            EXPECT_FLOAT_EQ(tail->x, 158 - 240) << r.updates;
            EXPECT_FLOAT_EQ(tail->y, float(90 + (r.updates - 1) % 2)) << r.updates;
        } else if (r.alive) {
            EXPECT_FLOAT_EQ(laser->x, 158 - 8 * float(r.updates - 216)) << r.updates;
        }
    }
    for (const int32_t n : {4, 5}) {
        auto* lead = hold<leadbody_t>(placed(322, 200, 128));
        boss005::big_laser_ctr_t* laser = lead->hands[0]->laser;
        laser->set_width(n);
        EXPECT_EQ(laser->segments[3]->contact > 0, n == 5) << n;
        laser->phase = 100;
        laser->phase_timer = 5;
        laser->kill();
        EXPECT_EQ(laser->phase_timer, 5u); // already leaving
    }
}

TEST_F(boss005_test, the_bonus_starts_at_10000_and_falls_by_10_every_128_frames_down_to_10) {
    struct row_t {
        int32_t phase, bonus;
        uint32_t frames;
        int32_t after;
    };
    const row_t rows[] = {
        {0, 0, 1, 9990},           {hold_still, 1000, 129, 980}, {hold_still, 1000, 128, 990},
        {hold_still, 20, 257, 10}, {hold_still, 15, 1, 5},       {hold_still, 10, 1, 10}};
    for (const row_t& r : rows) {
        auto* lead = hold<leadbody_t>(placed(322, 300, 128));
        lead->phase = r.phase;
        lead->bonus_score = r.bonus;
        run(r.frames);
        EXPECT_EQ(lead->bonus(), r.after) << r.bonus << " " << r.frames;
    }
}

TEST_F(boss005_test, the_death_sequence_bursts_the_row_every_8_frames_and_the_escape_speeds_up) {
    auto* lead = hold<leadbody_t>(placed(322, 200, 128), 3);
    ship_at(40, 200);
    lead->phase = hold_still;
    lead->invulnerable = 0;
    lead->merged = 1;
    lead->hands[0]->laser->start();
    run(1);
    lead->damage(lead->hp);
    run(160);
    EXPECT_EQ(lead->hands[0]->laser->phase, 100);
    EXPECT_EQ(lead->alive, 1);
    EXPECT_EQ(lead->death_explosions.next, 4); // all 8 started, then the first 4 again
    std::vector<uint32_t> blasts;
    for (uint32_t t = 8; t < 160; t += 8) {
        blasts.push_back(t + 1);
    }
    EXPECT_EQ(sound_frames(42), std::vector<uint32_t>{1});
    EXPECT_EQ(sound_frames(43), blasts);
    const std::vector<launch_t> started = launches(list_explosions);
    const auto first_blast =
        std::find_if(started.begin(), started.end(), [](const launch_t& l) { return l.frame == 1; });
    ASSERT_NE(first_blast, started.end());
    EXPECT_EQ(std::pair(first_blast->x, first_blast->y), std::pair(228.0f, 120.0f))
        << "28 right of, 8 above the body";
    run(1);
    EXPECT_EQ(lead->alive, 0);
    EXPECT_EQ(lead->partner->alive, 0); // docked, it dies along
    EXPECT_EQ(sound_frames(71), std::vector<uint32_t>{161});
    EXPECT_EQ(launches(list_shot_pool).back().frame, 161u) << "the body's revenge at level 3";
    EXPECT_EQ(posted_since(0),
              (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{1, 389, 0}, {161, 371, 3}}));

    auto* escaping = hold<leadbody_t>(placed(322, 200, 128));
    escaping->phase = 1500;
    escaping->cycle = 3;
    run(1);
    const float x = escaping->x;
    run(64); // the hold's release lets the scroll carry it on from the next frame
    EXPECT_EQ(escaping->phase, 4001);
    EXPECT_EQ(escaping->invulnerable, 1);
    EXPECT_NEAR(escaping->x, x - 0.01f * (64 * 65 / 2), 1e-2); // 0.01, 0.02, ... 0.64 pixels
    EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{64, 389, 0}}));
}

TEST_F(boss005_test, each_phase_goes_on_to_the_next_of_the_script_when_its_motion_or_count_ends) {
    struct row_t {
        int32_t phase;
        uint32_t repeat, cycle;
        int32_t level;
        int32_t after;
        uint32_t frames = 1;
        int32_t upper = 0, lower = 0; // the hands' directions after, when given
    };
    const row_t rows[] = {
        {1, 0, 0, 1, 21},
        {10, 8, 0, 1, 31},
        {31, 0, 0, 1, 100},
        {151, 0, 0, 1, 161},
        {200, 6, 0, 1, 251},
        {213, 6, 0, 1, 251},
        {253, 0, 0, 1, 301},
        {301, 0, 0, 1, 302},
        {301, 0, 0, 2, 401},
        {401, 0, 0, 1, 451},
        {410, 6, 0, 1, 461},
        {463, 0, 0, 1, 511},
        {500, 6, 0, 1, 551},
        {511, 0, 0, 1, 512},
        {551, 0, 0, 1, 21},
        {1006, 0, 0, 1, 2011},
        {2000, 2, 0, 1, 2022},
        {2020, 6, 0, 1, 2030},
        {2040, 16, 0, 1, 2050},
        {2060, 4, 0, 1, 2101},
        {2064, 0, 0, 1, 2066},
        {2068, 0, 0, 1, 2050},
        {2103, 0, 0, 1, 2201},
        {2410, 4, 0, 1, 2501},
        {2502, 0, 3, 1, 4001},
        {2501, 0, 0, 1, 2011},
        {213, 0, 0, 1, 213},
        {2043, 0, 0, 1, 2043},
        {513, 0, 0, 1, 511, 29, 18, 46},
        {2020, 6, 0, 1, 2031, 60},
        {2000, 1, 0, 1, 2011},
        {2301, 0, 0, 1, 2303, 100, 29, 35},
    };
    for (const row_t& r : rows) {
        auto* lead = hold<leadbody_t>(placed(322, 190, 128), r.level);
        ship_at(40, 200);
        lead->phase = r.phase;
        lead->repeat = r.repeat;
        lead->cycle = r.cycle;
        lead->motion_angle = r.phase == 301 ? 721 : 361; // any motion in progress has ended
        run(r.frames);
        EXPECT_EQ(lead->phase, r.after) << r.phase << " " << r.repeat;
        if (r.upper != 0) {
            EXPECT_EQ(std::pair(lead->hands[0]->direction, lead->hands[1]->direction),
                      std::pair(r.upper, r.lower))
                << r.phase;
        }
    }
    auto* lead = hold<leadbody_t>(placed(322, 190, 128));
    lead->phase = 10;
    lead->repeat = 5;
    run(1);
    EXPECT_EQ(lead->invulnerable, 0);
    EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 385, 0}}));
}

TEST_F(boss005_test, the_hands_fire_on_the_frames_each_attack_names) {
    struct row_t {
        int32_t phase, level;
        uint32_t frames;
        float step;
        int32_t lead_shots, partner_shots; // -1: the first shots have left by then
        size_t fire_frames;
        int32_t spread;
        int32_t lasers = 0;        // big lasers of the four hands started, all pointing straight left
        int32_t partner_upper = 0; // the partner's upper hand's direction after, when given: 36 at the ship
    };
    const row_t rows[] = {{102, 1, 40, 4, 14, 0, 14, 0},    {212, 1, 33, 4, 11, 0, 11, 0},
                          {2012, 1, 32, 4, 6, 11, 11, 0},   {2023, 1, 18, 4, 6, 6, 6, 0},
                          {2042, 1, 30, 4, 2, 2, 4, 0},     {512, 3, 28, 4, 5, 0, 5, 17},
                          {2201, 1, 200, 1, -1, 13, 45, 0}, {2065, 1, 1, 4, 0, 0, 0, 0, 4},
                          {2042, 1, 17, 4, 2, 1, 3, 0},     {2303, 1, 24, 4, 2, 1, 3, 0, 0, 36}};
    for (const row_t& r : rows) {
        auto* lead = hold<leadbody_t>(placed(322, 190, 128), r.level);
        ship_at(40, 200);
        lead->phase = r.phase;
        lead->merged = 1;
        lead->ease_to(lead->x, lead->y, r.step); // a motion on the spot, 46 frames at step 4
        run(r.frames);
        const trailbody_t* trail = lead->partner;
        if (r.lead_shots >= 0) {
            EXPECT_EQ(alive_count(lead->hands[0]->missiles), r.lead_shots) << r.phase;
        }
        EXPECT_EQ(alive_count(trail->hands[1]->missiles), r.partner_shots) << r.phase;
        EXPECT_EQ(sound_frames(45).size(), r.fire_frames) << r.phase;
        EXPECT_EQ(alive_count(lead->spread_missiles), r.spread) << r.phase;
        int32_t lasers = 0;
        for (const hand_t* hand : {lead->hands[0], lead->hands[1], trail->hands[0], trail->hands[1]}) {
            lasers += hand->laser->alive;
        }
        EXPECT_EQ(lasers, r.lasers) << r.phase;
        if (r.partner_upper != 0) {
            EXPECT_EQ(trail->hands[0]->direction, r.partner_upper) << r.phase;
        }
    }
}

TEST_F(boss005_test, stage_one_runs_from_its_entry_through_its_cycle_by_level_and_a_lethal_hit_ends_it) {
    // Where a reposition heads (the ship's x, not left of 176; 56 back from the edge bands, else 32 toward
    // the ship) and which way a sweep sets out (from the edge bands inward, else toward the ship).
    struct aim_row_t {
        float y, ship_x, ship_y;
        float to_x, to_y, sweep;
    };
    const aim_row_t aims[] = {{47, 200, 20, 200, 103, 40},    {48, 100, 20, 176, 16, 40},
                              {207, 100, 230, 176, 239, -40}, {208, 100, 230, 176, 152, -40},
                              {100, 100, 100, 176, 132, 40},  {100, 100, 99, 176, 68, -40}};
    for (const aim_row_t& r : aims) {
        auto* lead = hold<leadbody_t>(placed(322, 200, 128));
        lead->phase = hold_still;
        ship_at(r.ship_x, r.ship_y);
        lead->set_position(200, r.y);
        lead->reposition(4);
        EXPECT_FLOAT_EQ(lead->motion_target[0], r.to_x) << r.y;
        EXPECT_FLOAT_EQ(lead->motion_target[1], r.to_y) << r.y;
        lead->start_sweep();
        EXPECT_FLOAT_EQ(lead->motion_amp[1], r.sweep) << r.y;
    }
    // The ship stays below and left: each reposition goes to x 176 and 32 toward the ship, or 56 back
    // from the edge bands; the first aim turns the upper hand two steps and the lower one.
    std::vector<step_t> start{
        {0, 1, 0},      {8, 21, 2},     {54, 21, 2},   {100, 21, 2},   {146, 21, 2},  {192, 21, 2},
        {238, 21, 2},   {284, 21, 2},   {330, 21, 2},  {376, 31, 0},   {422, 100, 6}, {452, 101, 9},
        {512, 102, 14}, {552, 103, 7},  {580, 151, 0}, {626, 161, 0},  {672, 211, 0}, {674, 212, 11},
        {706, 213, 0},  {714, 212, 11}, {746, 213, 0}, {754, 212, 11}, {786, 213, 0}, {794, 212, 11},
        {826, 213, 0},  {834, 212, 11}, {866, 213, 0}, {874, 212, 11}, {906, 251, 0}, {952, 253, 0},
    };
    const float ys[10] = {160, 192, 224, 168, 200, 232, 176, 208, 152, 184};
    struct row_t {
        int32_t level;
        std::vector<step_t> rest;
        size_t fans;
    };
    std::vector<step_t> glides;
    for (uint32_t k = 0; k < 6; ++k) {
        glides.push_back({1585 + 61 * k, 451, 16});
    }
    glides.insert(glides.end(), {{1951, 461, 0}, {1997, 463, 0}});
    for (uint32_t k = 0; k < 6; ++k) {
        glides.insert(glides.end(),
                      {{2043 + 102 * k, 511, 0}, {2089 + 102 * k, 512, 5}, {2117 + 102 * k, 513, 0}});
    }
    glides.insert(glides.end(), {{2655, 551, 0}, {2701, 21, 0}});
    glides.insert(glides.begin(), {{998, 301, 159}, {1539, 401, 0}});
    const row_t rows[] = {{1, {{998, 301, 219}, {1719, 302, 14}, {1759, 21, 0}}, 0}, {4, glides, 20}};
    for (const row_t& r : rows) {
        auto* lead = hold<leadbody_t>(placed(322, 200, 128), r.level);
        ship_at(40, 200);
        std::vector<float> at_21;
        std::vector<int32_t> mid_glide;
        int32_t adrift = 0; // frames the upper hand is off the end of its arm
        const std::vector<entered_t> seen = phases_entered(*this, lead, r.rest.back().frame + 1, [&]() {
            const int32_t angle = lead->arm_angle;
            adrift += std::abs(lead->hands[0]->x - (lead->x + 14 + 20 * cos_table_deg[angle])) > 0.01f ||
                      std::abs(lead->hands[0]->y - (lead->y - 8 - 20 * sin_table_deg[angle])) > 0.01f;
            const int32_t p = lead->phase;
            if ((p == 21 || p == 31 || p == 100 || p == 161) && lead->phase_timer == 1 && at_21.size() < 22) {
                at_21.insert(at_21.end(), {lead->x, lead->y});
            }
            if (lead->phase == 451 && lead->phase_timer == 21) {
                mid_glide.push_back(lead->hands[0]->direction);
            }
        });
        // The upper hand's shots by the phase they left in.
        const std::vector<object_t*> shots = objects_of(scene->stage, list_enemy_shots);
        const auto first = std::find(shots.begin(), shots.end(), lead->hands[0]->missiles[0]) - shots.begin();
        std::vector<step_t> route;
        for (size_t i = 0; i < seen.size(); ++i) {
            const uint32_t end = i + 1 < seen.size() ? seen[i + 1].frame : UINT32_MAX;
            int32_t n = 0;
            for (const launch_t& l : launches(list_enemy_shots)) {
                n += l.index >= first && l.index < first + 64 && l.frame >= seen[i].frame && l.frame < end;
            }
            route.push_back({seen[i].frame, seen[i].phase, n});
        }
        EXPECT_EQ(adrift, 0) << "the arms go along with the body's moves";
        ASSERT_GE(route.size(), start.size());
        EXPECT_EQ(std::vector<step_t>(route.begin(), route.begin() + long(start.size())), start) << r.level;
        EXPECT_EQ(std::vector<step_t>(route.begin() + long(start.size()), route.end()), r.rest) << r.level;
        EXPECT_EQ(posted_since(0),
                  (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 389, 1}, {238, 385, 0}}));
        EXPECT_EQ(sound_frames(94).size(), r.fans) << r.level;
        ASSERT_EQ(at_21.size(), 22u);
        for (size_t i = 1; i < 11; ++i) { // where each reposition of the opening ended
            EXPECT_FLOAT_EQ(at_21[2 * i], 176) << i;
            EXPECT_FLOAT_EQ(at_21[2 * i + 1], ys[i - 1]) << i;
        }
        EXPECT_FLOAT_EQ(lead->y, r.level == 1 ? 128 : 232);
        if (r.level == 4) { // open, close, open ... every second frame: 11 steps from 47 or 17
            EXPECT_EQ(mid_glide, (std::vector<int32_t>{36, 28, 36, 28, 36, 28}));
        }
        // A lethal hit: the death sequence below level 3, else the trailing body is called in.
        const uint32_t hit = g_frame_counter;
        lead->damage(lead->hp);
        const std::vector<entered_t> end = phases_entered(*this, lead, r.level == 1 ? 161 : 164);
        if (r.level == 1) {
            EXPECT_EQ(end, (std::vector<entered_t>{{hit, 5001}}));
            EXPECT_EQ(lead->alive, 0);
            EXPECT_EQ(posted_since(2), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{
                                           {hit, 389, 0}, {hit + 160, 371, 3}}));
        } else {
            // It carries on while the other flies in behind two warnings, and docks 34 frames from 320.
            EXPECT_EQ(
                end,
                (std::vector<entered_t>{
                    {hit + 45, 21}, {hit + 91, 21}, {hit + 137, 21}, {hit + 162, 1000}, {hit + 163, 1002}}));
            EXPECT_EQ(posted_since(2),
                      (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{
                          {hit, 385, 15}, {hit + 64, 385, 15}, {hit + 163, 417, 1}, {hit + 163, 413, 1}}));
            EXPECT_EQ(lead->invulnerable, 1);
        }
    }
}
