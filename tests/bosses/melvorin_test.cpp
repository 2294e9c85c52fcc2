// The final boss on the enemy kit, fought as a stage fights it: it is assembled whole or not at all, the
// core flies in, docks once the stage holds and runs its attack cycle on a ship held at the left edge
// against the pull; each test compares what starts where and when with the boss's schedule.
#include "bosses/melvorin/melvorin_body.h"
#include "bosses/melvorin/melvorin_charge.h"
#include "bosses/melvorin/melvorin_core.h"
#include "bosses/melvorin/melvorin_weapons.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "objects/trig_tables.h"
#include "player/ship.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>
#include <tuple>

namespace {

using row_t = std::tuple<int32_t, float, float, int32_t>; // frame, x, y, direction
using events_t = std::vector<std::tuple<uint32_t, int32_t, int32_t>>;

constexpr int32_t boss_type = 338;

// To the hundredth, so that rows can be written from the tables.
float r2(float v) {
    return std::round(v * 100) / 100;
}

class melvorin_kit : public enemy_kit_t {
  protected:
    // The boss at the level on a held stage, run until the frame before its core docks: the next frame
    // is the first of the attack cycle (cycle frame u = 0).
    void fight(int32_t level) {
        load({placed(boss_type, 32, 128)}, level);
        scene->scroll_stop = 1;
        scene->input = input_left;
        body = only<melvorin::body_t>();
        core = only<melvorin::core_t>();
        ASSERT_TRUE(body != nullptr && core != nullptr);
        while (core->phase != 2 || core->x < 127) {
            run(1);
        }
        cycle = g_frame_counter;
    }
    // Runs to the end of cycle frame u.
    void run_to(uint32_t u) { run(cycle + u + 1 - g_frame_counter); }
    // Launches of a list as (cycle frame, x, y, direction), of the indices first, first + step, ... < end.
    std::vector<row_t> launched(int32_t list, int32_t first, int32_t end, int32_t step = 1) const {
        std::vector<row_t> rows;
        for (const launch_t& l : launches(list)) {
            if (l.index >= first && l.index < end && (l.index - first) % step == 0) {
                rows.emplace_back(int32_t(l.frame - cycle), r2(l.x), r2(l.y), l.direction);
            }
        }
        return rows;
    }
    melvorin::body_t* body = nullptr;
    melvorin::core_t* core = nullptr;
    uint32_t cycle = 0;
};

// Runs of equal parts of a list: ((class without namespace, record, period, owner index), count).
using run_t = std::pair<std::tuple<std::string, int32_t, int32_t, int32_t>, int32_t>;
std::vector<run_t> runs(const std::vector<part_t>& parts) {
    std::vector<run_t> out;
    for (const part_t& p : parts) {
        const auto part =
            std::make_tuple(p.kind.substr(p.kind.rfind(':') + 1), p.record, p.period, p.owner_index);
        if (!out.empty() && out.back().first == part) {
            ++out.back().second;
        } else {
            out.emplace_back(part, 1);
        }
    }
    return out;
}

} // namespace

TEST_F(melvorin_kit, it_is_made_whole_in_order_or_not_at_all) {
    load({placed(boss_type, 32, 128)});
    EXPECT_EQ(runs(manifest_of(scene->stage, list_enemies0)),
              (std::vector<run_t>{{{"body_t", 0, -1, -1}, 1}, {{"core_t", 339, -1, -1}, 1}}));
    EXPECT_EQ(runs(manifest_of(scene->stage, list_enemies1)),
              (std::vector<run_t>{{{"core_cover_t", 340, -1, -1}, 1}}));
    std::vector<run_t> shots{{{"ref_laser_t", 345, -1, 0}, 128}, {{"core_missile_t", 343, -1, 1}, 64}};
    for (int i = 0; i < 12; ++i) {
        shots.insert(shots.end(), {{{"bend_laser_t", 0, -1, 1}, 1}, {{"missile_t", 346, -1, -1}, 12}});
    }
    shots.push_back({{"big_laser_t", 344, -1, -1}, 10});
    EXPECT_EQ(runs(manifest_of(scene->stage, list_enemy_shots)), shots);
    const std::vector<part_t> effects = manifest_of(scene->stage, list_explosions);
    ASSERT_GE(effects.size(), 68u);
    EXPECT_EQ(runs({effects.begin(), effects.begin() + 2}),
              (std::vector<run_t>{{{"explosion_t", 29, 1, -1}, 2}}));
    const std::vector<run_t> charge{
        {{"charge_t", 341, 2, -1}, 1}, {{"spark_ctr_t", 0, 2, -1}, 1}, {{"spark_t", 342, 8, -1}, 32}};
    EXPECT_EQ(runs({effects.end() - 66, effects.end() - 32}), charge);
    // The death blasts: two rows mirrored about the body's axis, records 65 to 69 in turn, slower along.
    const int32_t dx[16] = {8, 30, 48, 64, 68, 80, 112, 122, 144, 152, 158, 176, 192, 192, 200, 222};
    const int32_t y[16] = {60, 84, 56, 76, 40, 84, 60, 96, 64, 40, 108, 64, 90, 40, 56, 50};
    const auto& entries = only<melvorin::body_t>()->death_explosions.entries;
    ASSERT_EQ(entries.size(), 32u);
    for (size_t i = 0, j = 0; i < 32; ++i, j = i % 16) {
        const auto& e = entries[i];
        EXPECT_EQ(std::make_tuple(e.explosion->info->id, e.explosion->period, e.dx, e.dy),
                  std::make_tuple(65 + int32_t(j % 5), uint32_t(j / 4 + 1), dx[j],
                                  i < 16 ? y[j] - 128 : 128 - y[j]))
            << i;
    }

    load({});
    const size_t empty = object_total();
    for (int32_t id : {0, 345, 29, 339, 340, 86, 341, 342, 343, 346, 65, 66, 67, 68, 69, 344}) {
        records({}, {id});
        load({placed(boss_type, 32, 128)});
        EXPECT_EQ(object_total(), empty) << id;
    }
}

TEST_F(melvorin_kit, the_core_flies_in_bobs_until_the_stage_holds_and_pulls_the_ship_all_along) {
    load({placed(boss_type, 32, 128)});
    scene->scroll_mode = 0; // no scroll, and no hold
    core = only<melvorin::core_t>();
    ship_at(48, 128); // the core waits off-screen at (-64, 128), straight left of the ship
    run(1);
    EXPECT_EQ(g_player_ship->x, 48 - 0.4f * g_player_ship->speed);
    scene->input = input_left;
    // Waiting 288 frames, then one pixel a frame to the dock 96 pixels right of the body, then bobbing.
    const std::tuple<uint32_t, float, float, int32_t> rows[] = {{287, -64, 128, 1},
                                                                {288, -63, 128, 2},
                                                                {478, 127, 128, 2},
                                                                {479, 128, 128, 3},
                                                                {600, 128, 128.63f, 3}};
    for (const auto& [frame, x, y, phase] : rows) {
        run(frame + 1 - g_frame_counter);
        EXPECT_EQ(std::make_tuple(core->x, r2(core->y), core->phase), std::make_tuple(x, y, phase)) << frame;
    }
    // Past the attack cycle's end it chases the ship at half a pixel a frame and pulls it harder.
    core->phase = 10;
    core->phase_timer = 16384;
    ship_at(core->x, core->y + 80);
    scene->input = 0;
    const float ship_y = g_player_ship->y;
    const float core_y = core->y;
    run(1);
    EXPECT_EQ(std::make_pair(core->phase, core->y), std::make_pair(50, core_y + 0.5f));
    EXPECT_FLOAT_EQ(g_player_ship->y, ship_y - 0.6f * g_player_ship->speed);
}

TEST_F(melvorin_kit, volleys_fire_crossing_pairs_from_the_two_emitters_by_level) {
    // Volleys at cycle frames 0 and 96 from level 2, and 904 from level 3: 32 frames of flashes, then a
    // pair every other frame for 8 x level frames, each laser one 4.5-pixel step from its emitter.
    const std::pair<int32_t, std::vector<int32_t>> rows[] = {
        {1, {}}, {2, {33, 129}}, {3, {33, 129, 937}}, {4, {33, 129, 937}}};
    for (const auto& [level, starts] : rows) {
        fight(level);
        run_to(1023);
        std::vector<row_t> expected;
        for (int32_t start : starts) {
            for (int32_t t = 0; t < 8 * level; t += 2) {
                expected.insert(expected.end(),
                                {{start + t, 125.5f, 97.74f, 42}, {start + t, 125.5f, 158.26f, 22}});
            }
        }
        EXPECT_EQ(launched(list_enemy_shots, 0, 128), expected) << level;
        EXPECT_EQ(size_t(sounds_of(49)), expected.size() / 2) << level;
    }
    EXPECT_EQ(std::make_pair(body->ref_lasers[0]->pattern, body->ref_lasers[1]->pattern),
              std::make_pair(0, 1));
    // The upper flash, restarted whenever it has run out: 9 frames at period 1, slower from the 16th
    // frame of fire.
    const std::vector<row_t> flashes = launched(list_explosions, 0, 1);
    EXPECT_EQ(std::vector<row_t>(flashes.begin(), flashes.begin() + 8),
              (std::vector<row_t>{{1, 128, 94, -1},
                                  {10, 128, 94, -1},
                                  {19, 128, 94, -1},
                                  {28, 128, 94, -1},
                                  {37, 128, 94, -1},
                                  {46, 128, 94, -1},
                                  {55, 128, 94, -1},
                                  {97, 128, 94, -1}}));
}

TEST_F(melvorin_kit, the_attack_cycle_runs_its_schedule) {
    // Bending-laser pairs at rows 116 and 140, 20 pixels before the core, more of them from levels 3 and 4.
    const std::pair<int32_t, std::vector<uint32_t>> rows[] = {
        {1, {450, 500, 550}}, {3, {450, 500, 550, 600, 650}}, {4, {450, 500, 550, 600, 650, 700}}};
    for (const auto& [level, frames] : rows) {
        fight(level);
        run_to(1023);
        const std::vector<row_t> heads = launched(list_enemy_shots, 192, 348, 13);
        std::vector<uint32_t> pairs;
        for (size_t i = 0; i < heads.size(); i += 2) {
            pairs.push_back(uint32_t(std::get<0>(heads[i])));
        }
        EXPECT_EQ(std::make_pair(pairs, size_t(sounds_of(99))), std::make_pair(frames, frames.size()))
            << level;
        EXPECT_EQ(std::make_pair(heads[0], heads[1]),
                  std::make_pair(row_t{450, 106, 116, 32}, row_t{450, 106, 140, 32}));
    }
    // The charge from frame 0 to 450, the white flash, the big laser's first segment and the shake.
    EXPECT_EQ(std::make_pair(sound_frames(53), sound_frames(30)),
              std::make_pair(std::vector<uint32_t>{cycle + 208}, std::vector<uint32_t>{cycle + 320}));
    auto posted = posted_since(0);
    std::erase_if(posted, [](const auto& e) { return std::get<1>(e) == 411; }); // a fade's own end
    EXPECT_EQ(
        posted,
        (events_t{{cycle, 390, 0}, {cycle + 256, 415, 1}, {cycle + 320, 371, 3}, {cycle + 340, 413, 1}}));
    const auto [charge_list, charge_index] = place_of(scene->stage, core->charge);
    EXPECT_EQ(launched(charge_list, charge_index, charge_index + 1), (std::vector<row_t>{{0, 108, 128, -1}}));
    EXPECT_EQ(launched(list_enemy_shots, 348, 349).at(0), (row_t{320, 96, 114.61f, 0}));

    // The core shudders while the big laser fires: 3 pixels each way, then 1.
    fight(1);
    std::vector<int32_t> shudder;
    for (uint32_t u = 318; u < 342; ++u) {
        run_to(u);
        const int32_t angle = (core->bob_angle + 357) % 360;
        shudder.push_back(int32_t(std::lround(core->y - (128 + 12 * sin_table_deg[angle]))));
    }
    EXPECT_EQ(shudder, (std::vector<int32_t>{0,  0, -3, 3, -3, 3, -3, 3, -3, 3, -3, 3,
                                             -1, 1, -1, 1, -1, 1, -1, 1, -1, 1, 0,  0}));
}

TEST_F(melvorin_kit, missile_bursts_fan_around_the_ship_aimed_at_the_frame_before) {
    fight(1);
    // Each burst's aim is taken the frame before it; the ship stands left, up-left or down-left then.
    const std::tuple<uint32_t, float, float, std::vector<int32_t>> bursts[] = {{704, -100, 0, {30, 34}},
                                                                               {768, -60, -60, {20, 24, 28}},
                                                                               {832, -60, 60, {36, 40, 44}},
                                                                               {896, -100, 0, {28, 32, 36}},
                                                                               {960, -60, -60, {22, 26}}};
    for (const auto& [first, dx, dy, directions] : bursts) {
        run_to(first - 2);
        ship_at(core->x + dx, core->y + dy);
        trace.clear();
        run_to(first + 8);
        std::vector<std::pair<int32_t, float>> fired, expected;
        for (const launch_t& l : launches(list_enemy_shots)) {
            fired.emplace_back(l.direction, l.speed);
        }
        for (float speed : {3.0f, 2.8f, 2.6f, 2.4f, 2.2f, 2.0f, 1.8f, 1.6f}) {
            for (int32_t d : directions) {
                expected.emplace_back(d, speed);
            }
        }
        EXPECT_EQ(fired, expected) << first;
        if (first == 704) {
            EXPECT_EQ(core->missiles[0]->direction, 30) << "the pool is searched from its first member";
        }
    }
    // A fan leaves 24 pixels before the core: the middle missile of an aim straight left has made one
    // step of 3 by the frame's end.
    fight(1);
    run_to(766);
    ship_at(core->x - 100, core->y);
    run_to(767);
    const float y = core->y;
    trace.clear();
    run_to(768);
    EXPECT_EQ(launched(list_enemy_shots, 128, 192).at(1), (row_t{768, 101, r2(y), 32}));
    // With the pool spent the fan fires nothing, and still sounds.
    for (melvorin::core_missile_t* m : core->missiles) {
        m->set_position(100, 100);
        m->start();
    }
    trace.clear();
    run_to(769);
    EXPECT_TRUE(launched(list_enemy_shots, 128, 192).empty());
    EXPECT_EQ(sound_frames(72).back(), cycle + 768);
}

TEST_F(melvorin_kit, the_core_is_hurt_only_once_the_stage_holds_and_its_death_ends_the_body) {
    load({placed(boss_type, 32, 128)});
    scene->scroll_mode = 0;
    scene->scroll_level = 0; // so slow that the boss stays in its window to the end
    core = only<melvorin::core_t>();
    body = only<melvorin::body_t>();
    scene->input = input_left;
    run(600);
    const int32_t full = core->hp;
    // Shots at the core while it bobs unheld change nothing; once the stage holds, a shot of 0 neither.
    EXPECT_TRUE(shoot(core->x, core->y, 10));
    scene->scroll_stop = 1;
    run(1);
    EXPECT_TRUE(shoot(core->x, core->y, 0));
    EXPECT_EQ(core->hp, full);
    EXPECT_TRUE(shoot(core->x, core->y, 10));
    run(1);
    EXPECT_EQ(std::make_pair(core->hp, sounds_of(48)), std::make_pair(full - 10, 1));

    // Its death pays 10 points for every frame short of 2500 it lived (602 here) and starts the body's.
    g_pending_bonus = 0;
    const size_t before = scene->posted.size();
    const uint32_t f = g_frame_counter;
    shoot(core->x, core->y, 9999);
    EXPECT_EQ(g_pending_bonus, 10 * (2500 - 602));
    EXPECT_FALSE(core->alive || core->cover->alive || core->charge->alive);
    run(1049);
    EXPECT_FALSE(body->alive);
    const events_t closing{{f, 371, 3},       {f, 389, 0},        {f, 413, 1},       {f, 411, 0},
                           {f + 896, 415, 5}, {f + 1048, 413, 5}, {f + 1048, 389, 0}};
    EXPECT_EQ(posted_since(before), closing);
    EXPECT_EQ(sound_frames(42), std::vector<uint32_t>{f});
    EXPECT_EQ(sound_frames(46), (std::vector<uint32_t>{f + 980, f + 996, f + 1024}));
    EXPECT_EQ(sound_frames(71), std::vector<uint32_t>{f + 1048});
    // A blast drawn at random every 8 frames from the 280th, each placed at its offset from the body;
    // at the end every idle one, slower by 2.
    ASSERT_EQ(draws.size(), 97u);
    EXPECT_EQ(std::make_pair(draws[0].frame, draws[96].frame), std::make_pair(f + 280, f + 1048));
    int32_t slowed = 0;
    for (size_t i = 0; i < 32; ++i) {
        const auto& e = body->death_explosions.entries[i];
        EXPECT_EQ(std::make_pair(e.explosion->x, e.explosion->y),
                  std::make_pair(32.0f + e.dx, 128.0f + e.dy));
        slowed += e.explosion->period == 3 + i % 16 / 4;
    }
    EXPECT_GT(slowed, 16);
}

TEST_F(melvorin_kit, a_reflecting_laser_mirrors_on_terrain_pauses_and_ends_past_x_minus_16) {
    load({placed(boss_type, 32, 128)});
    scene->scroll_stop = 1;
    body = only<melvorin::body_t>();
    melvorin::ref_laser_t* laser = body->ref_lasers.at(0);
    // Straight left at 4.5 a frame: one laser reaches x = -16 exactly, the other -16.5.
    for (const auto& [x, frames] : {std::pair<float, uint32_t>{101, 27}, {100.5f, 26}}) {
        const float from[2] = {x, 60};
        body->fire_ref_laser(from, 32, 0);
        run(frames - 1);
        EXPECT_TRUE(laser->alive) << x;
        run(1);
        EXPECT_FALSE(laser->alive) << x;
    }
    // Terrain from row `top` to 199 under a laser fired down-left from (240, 100): it mirrors when the
    // pixel 8 below it is solid, in a band it stays in at once and again only after more than 16 frames.
    const std::pair<int32_t, std::vector<int32_t>> floors[] = {{122, {4}}, {120, {4}}, {0, {0, 17}}};
    std::vector<row_t> path;
    for (const auto& [top, mirrors] : floors) {
        for (int32_t y = top; y < 200; ++y) {
            for (int32_t x = 0; x < 256; ++x) {
                solid_at(*slot0, x, y);
            }
        }
        const float from[2] = {240, 100};
        body->fire_ref_laser(from, 42, 0);
        std::vector<int32_t> seen;
        path.clear();
        for (int32_t i = 0; i < 24; ++i) {
            const int32_t d = laser->direction;
            run(1);
            if (d != laser->direction) {
                seen.push_back(i);
            }
            path.emplace_back(int32_t(laser->pattern), r2(laser->x), r2(laser->y), laser->direction);
        }
        EXPECT_EQ(seen, mirrors) << top;
        laser->kill();
    }
    // Mirrored 6 back and 1 up, still there for 2 more frames, then on up-left at 4.5.
    const float up = 4.5f * sin_table[22];
    const float left = 4.5f * cos_table[22];
    EXPECT_EQ(std::make_pair(path[0], path[2]), std::make_pair(row_t{1, 234, 99, 22}, row_t{1, 234, 99, 22}));
    EXPECT_EQ(path[16], (row_t{1, r2(234 + 14 * left), r2(99 - 14 * up), 22}));
    EXPECT_EQ(std::get<0>(path[17]), 0) << "the second mirror turns the picture back";
}

TEST_F(melvorin_kit, bending_lasers_close_in_on_the_ships_column_dragging_their_trail) {
    fight(1);
    run_to(449);
    // The pair from cycle frame 450: left for 32 frames, then 20 away from row 128, left again until past
    // the ship held at the left edge (x 16.8), 8 frames still, and across toward row 128.
    std::vector<row_t> turns[2];
    std::vector<std::pair<float, float>> heads[2];
    bool trailed = true;
    for (int32_t f = 0; f < 67; ++f) {
        run(1);
        for (size_t i = 0; i < 2; ++i) {
            const melvorin::bend_laser_t* l = core->bend_lasers[i];
            if (turns[i].empty() || std::get<3>(turns[i].back()) != l->direction) {
                turns[i].emplace_back(f, r2(l->x), r2(l->y), l->direction);
            }
            heads[i].emplace_back(l->x, l->y);
            const missile_t* tail = l->segments[11];
            trailed &= f < 11 || heads[i][size_t(f - 11)] == std::make_pair(tail->x, tail->y);
        }
    }
    const std::vector<row_t> upper{
        {0, 106, 116, 32}, {32, 43.23f, 114.15f, 20}, {52, 26.69f, 79.04f, 32}, {66, 16.69f, 81.04f, 48}};
    const std::vector<row_t> lower{
        {0, 106, 140, 32}, {32, 43.23f, 141.85f, 44}, {52, 26.69f, 176.96f, 32}, {66, 16.69f, 174.96f, 16}};
    EXPECT_EQ(std::make_pair(turns[0], turns[1]), std::make_pair(upper, lower));
    EXPECT_TRUE(trailed) << "the last segment follows 11 frames behind";
    // Terrain that comes where the trail lies kills each segment that reaches it; the last one takes the
    // laser along.
    melvorin::bend_laser_t* laser = core->bend_lasers[0];
    run(12); // the trail moving on, not standing
    solid_at(*slot0, int32_t(laser->segments[5]->x), int32_t(laser->segments[5]->y));
    run(1);
    EXPECT_EQ(std::make_tuple(laser->segments[5]->alive, laser->segments[6]->alive, laser->alive),
              std::make_tuple(1, 0, 1));
    run(5);
    EXPECT_EQ(alive_count(laser->segments) + laser->alive, 0);
}

TEST_F(melvorin_kit, the_big_laser_grows_holds_and_leaves) {
    // (cycle frame, segments alive, far end's x) whenever the count changes: a segment every 32 pixels
    // at 8 a frame, held 96 frames once the far end is past x = -32, then leaving while the rest grows,
    // gone when the last segment passes -32; and the far end at frame 440. A dead core grows it no
    // further and does not hold it: it leaves from the frame it would have held.
    using step_t = std::tuple<int32_t, int32_t, float>;
    const std::tuple<uint32_t, std::vector<step_t>, float> rows[] = {
        {0,
         {{320, 2, 96},
          {323, 3, 72},
          {327, 4, 40},
          {331, 5, 8},
          {335, 6, -24},
          {434, 7, -56},
          {438, 8, -88},
          {442, 9, -120},
          {446, 10, -152},
          {468, 0, -328}},
         -104},
        {325, {{320, 2, 96}, {323, 3, 72}}, -872}};
    for (const auto& [death, expected, end_at_440] : rows) {
        fight(1);
        run_to(319);
        std::vector<melvorin::big_laser_t*> chain;
        for (auto* s = core->big_laser; s != nullptr; s = s->next) {
            chain.push_back(s);
        }
        std::vector<step_t> steps;
        float far_end = 0;
        for (int32_t u = 320; u < 600; ++u) {
            if (u == int32_t(death)) {
                shoot(core->x, core->y, 9999);
                scene->scroll_stop = 1; // the stage holds on, so that x is the beam's own
            }
            run(1);
            if (steps.empty() || std::get<1>(steps.back()) != alive_count(chain)) {
                steps.emplace_back(u, alive_count(chain), chain[0]->x);
            }
            far_end = u == 440 ? chain[0]->x : far_end;
        }
        EXPECT_EQ(steps, expected) << death;
        EXPECT_EQ(far_end, end_at_440) << death;
    }
}

TEST_F(melvorin_kit, the_charge_grows_while_its_emitter_sends_sparks_into_it) {
    fight(1);
    melvorin::charge_t* charge = core->charge;
    melvorin::spark_ctr_t* emitter = charge->spark_ctr;
    // Sizes at 64, 128 and 192, flickering with the size below every 2 frames.
    const std::vector<std::tuple<uint32_t, int32_t, int32_t>> sizes{
        {63, 0, 0}, {64, 1, 0}, {66, 1, 1}, {128, 2, 1}, {130, 2, 2}, {192, 3, 2}, {194, 3, 3}, {449, 3, 2}};
    std::vector<std::tuple<uint32_t, int32_t, int32_t>> seen;
    // Releases every 16 frames, then 8, then 4, 80 frames each; each from its point left of the emitter,
    // at 0.75 a frame into the charge; a spark lives 4 patterns of 8 frames.
    const int32_t dx[32] = {-22, -30, -29, -22, -26, -23, -28, -29, -35, -20, -35, -31, -27, -34, -30, -24,
                            -23, -27, -30, -34, -29, -25, -44, -25, -23, -34, -29, -35, -26, -29, -35, -26};
    const int32_t dy[32] = {15,  -11, 21, 18, 6, -9,  -16, -3,  12,  23, 16, -19, -6, 9,  12,  6,
                            -12, -8,  -8, 16, 0, -18, 8,   -19, -16, 13, -7, 2,   -3, -3, -20, 5};
    std::vector<uint32_t> releases, expected;
    for (uint32_t u = 0; u < 240; u += u < 80 ? 16 : (u < 160 ? 8 : 4)) {
        expected.push_back(u);
    }
    int32_t lives = 0;
    for (uint32_t u = 0; u < 451; ++u) {
        run_to(u);
        for (const auto& [at, level, pattern] : sizes) {
            if (at == u) {
                seen.emplace_back(u, charge->charge_level, charge->pattern);
            }
        }
        for (size_t k = 0; k < 32; ++k) {
            auto* spark = static_cast<melvorin::spark_t*>(emitter->sparks.entries[k].explosion);
            lives += k == 5 && spark->alive;
            if (spark->alive && spark->counter == 1) {
                releases.push_back(u);
                EXPECT_EQ(std::make_tuple(r2(spark->x - spark->vx), r2(spark->y - spark->vy),
                                          r2(std::hypot(spark->vx, spark->vy))),
                          std::make_tuple(float(int32_t(emitter->x) + dx[k]),
                                          float(int32_t(emitter->y) + dy[k]), 0.75f))
                    << k;
                EXPECT_TRUE(std::abs(dy[k]) < 8 || (spark->vy < 0) == (dy[k] > 0))
                    << "toward the charge " << k;
            }
        }
        EXPECT_EQ(std::make_tuple(emitter->alive, charge->alive, charge->x, emitter->x),
                  std::make_tuple(u < 240, u < 450, core->x - 20, core->x - 20))
            << u;
    }
    EXPECT_EQ(seen, sizes);
    EXPECT_EQ(releases, expected);
    EXPECT_EQ(lives, 32);
    // The next charge goes on with the order where this one stopped.
    run_to(1024);
    EXPECT_TRUE(emitter->sparks.entries[35 % 32].explosion->alive);
    EXPECT_EQ(alive_count(all<melvorin::spark_t>()), 1);

    // A spark still flying when its turn comes again holds the order up: sparks of 100 patterns each go
    // once.
    records({{342, 8, 8, 100, 0, 0, 207, 0, -1}});
    fight(1);
    run_to(239);
    EXPECT_EQ(std::make_pair(alive_count(all<melvorin::spark_t>()), core->charge->spark_ctr->next_spark),
              std::make_pair(32, 0u));
}
