// The final boss on the enemy kit: its assembly, the volleys by level, the core's damage gate, the death
// sequence, the time bonus, and its weapons.
#include "bosses/melvorin_body.h"
#include "bosses/melvorin_charge.h"
#include "bosses/melvorin_core.h"
#include "bosses/melvorin_weapons.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "tests/enemies/enemy_kit.h"

#include <algorithm>
#include <tuple>

namespace {

class melvorin_kit : public enemy_kit_t {
  protected:
    // The boss of the sample, scroll stopped; a parked core neither moves, attacks nor pulls.
    void load_boss(int32_t level = 1, bool park_core = true) {
        load({placed(338, 32, 128)}, level);
        scene->scroll_stop = 1;
        body = all<melvorin::body_t>().at(0);
        core = all<melvorin::core_t>().at(0);
        if (park_core) {
            run(1);
            core->phase = parked;
            core->set_position(200, 128);
            // Without the pull the ship stays clear of the core and cannot wear it down.
            core->ship = nullptr;
            ship_at(16, 16);
        }
    }

    // Docked and vulnerable, at the start of its attack cycle.
    void attack() {
        core->phase = 10;
        core->phase_timer = 0;
        core->invulnerable = 0;
    }

    static constexpr int32_t parked = -1;
    melvorin::body_t* body = nullptr;
    melvorin::core_t* core = nullptr;
};

} // namespace

TEST_F(melvorin_kit, it_is_made_whole_in_order_or_not_at_all) {
    load_boss();
    EXPECT_EQ(scene->stage.enemies[0].size() + scene->stage.enemies[1].size(), 3u);
    EXPECT_EQ(scene->stage.enemy_shots.size(), 128u + 64 + 12 * 13 + 10);
    EXPECT_EQ(all<melvorin::spark_t>().size(), 32u);
    ASSERT_EQ(body->death_explosions.entries.size(), 32u);
    const auto& first = body->death_explosions.entries.front();
    const auto& last = body->death_explosions.entries.back();
    EXPECT_EQ(std::make_tuple(first.explosion->info->id, first.explosion->period, first.dx, first.dy),
              std::make_tuple(65, 1u, 8, -68));
    EXPECT_EQ(std::make_tuple(last.explosion->info->id, last.explosion->period, last.dx, last.dy),
              std::make_tuple(65, 4u, 222, 78));
    EXPECT_EQ(core->bend_lasers.at(0)->segments.at(0)->owner, nullptr);
    EXPECT_EQ(core->bend_lasers.at(0)->owner, core);

    load({});
    const size_t empty = object_total();
    for (int32_t id : {0, 345, 29, 339, 340, 86, 341, 342, 343, 346, 65, 69, 344}) {
        records({}, {id});
        load({placed(338, 32, 128)});
        EXPECT_EQ(object_total(), empty) << id;
    }
}

TEST_F(melvorin_kit, volleys_fire_by_level_in_each_attack_cycle) {
    // Pairs of reflecting lasers in one cycle: none at level 1, two volleys of 8 at level 2, three of
    // 4 x level from level 3 on.
    const std::pair<int32_t, int32_t> rows[] = {{1, 0}, {2, 16}, {3, 36}, {4, 48}};
    for (const auto& [level, pairs] : rows) {
        load_boss(level);
        attack();
        run(1024);
        EXPECT_EQ(sounds_of(49), pairs) << level;
    }
}

TEST_F(melvorin_kit, the_core_takes_no_damage_until_the_stage_reports_the_hold) {
    load_boss(1, false);
    scene->scroll_stop = 0; // no hold, and no scroll either
    scene->scroll_mode = 0;
    run(600); // docked by now, bobbing
    ASSERT_EQ(core->phase, 3);
    core->ship = nullptr; // no pull: the ship stays clear of the core
    ship_at(16, 16);
    const int32_t full = core->hp;
    core->damage(10);
    run(1);
    EXPECT_EQ(core->hp, full);
    EXPECT_EQ(sounds_of(48), 0);

    scene->scroll_stop = 1;
    run(1);
    EXPECT_EQ(core->phase, 10);
    core->damage(0);
    run(1);
    EXPECT_EQ(sounds_of(48), 0);
    core->damage(10);
    run(1);
    EXPECT_EQ(core->hp, full - 10);
    EXPECT_EQ(sounds_of(48), 1);
}

TEST_F(melvorin_kit, the_cores_death_runs_the_bodys_death_sequence) {
    load_boss();
    attack();
    const size_t before = scene->posted.size();
    const uint32_t f = g_frame_counter;
    core->damage(9999);
    EXPECT_FALSE(core->alive);
    EXPECT_EQ(body->phase, 200);
    run(1048);
    EXPECT_TRUE(body->alive);
    run(1);
    EXPECT_FALSE(body->alive);
    const std::vector<std::tuple<uint32_t, int32_t, int32_t>> expected{
        {f, 371, 3},       {f, 389, 0},        {f, 413, 1},       {f, 411, 0},
        {f + 896, 415, 5}, {f + 1048, 413, 5}, {f + 1048, 389, 0}};
    EXPECT_EQ(posted_since(before), expected);
    std::vector<uint32_t> rumbles;
    for (const sound_t& s : sounds) {
        if (s.id == 46) {
            rumbles.push_back(s.frame - f);
        }
    }
    EXPECT_EQ(rumbles, (std::vector<uint32_t>{980, 996, 1024}));
    EXPECT_EQ(sounds_of(71), 1);
    const auto started =
        std::count_if(body->death_explosions.entries.begin(), body->death_explosions.entries.end(),
                      [](const auto& e) { return e.explosion->alive != 0; });
    EXPECT_GT(started, 16);
}

TEST_F(melvorin_kit, the_time_bonus_falls_with_the_frames_the_core_lived) {
    const std::pair<uint32_t, int32_t> rows[] = {{0, 25000}, {2400, 1000}, {2500, 0}, {4000, 0}};
    for (const auto& [frames, bonus] : rows) {
        load_boss();
        attack();
        core->frames_alive = frames;
        g_pending_bonus = 0;
        core->damage(9999);
        EXPECT_EQ(g_pending_bonus, bonus) << frames;
    }
}

TEST_F(melvorin_kit, missile_fans_spread_around_the_aim_and_an_empty_pool_still_sounds) {
    load_boss();
    const std::pair<int32_t, std::vector<int32_t>> rows[] = {{10, {6, 10, 14}}, {1, {61, 1, 5}}};
    for (const auto& [aim, directions] : rows) {
        for (auto* m : core->missiles) {
            m->kill();
        }
        core->fire_missile_fan(3, 2, aim, 3.0f);
        std::vector<int32_t> fired;
        for (auto* m : core->missiles) {
            if (m->alive) {
                fired.push_back(m->direction);
                EXPECT_EQ(m->x, core->x - 24);
            }
        }
        EXPECT_EQ(fired, directions);
    }
    for (auto* m : core->missiles) {
        m->set_position(100, 100);
        m->start();
    }
    core->fire_missile_fan(3, 2, 0, 3.0f);
    run(1);
    EXPECT_EQ(sounds_of(72), 1);
}

TEST_F(melvorin_kit, a_reflecting_laser_mirrors_on_terrain_then_waits_more_than_16_frames) {
    load_boss();
    g_frame_counter = 100;
    // A band of terrain the probe stays in after the mirror, so only the pause holds it back.
    for (int32_t y = 0; y < 200; ++y) {
        for (int32_t x = 0; x < 256; ++x) {
            solid_at(*slot0, x, y);
        }
    }
    const float from[2] = {240, 100};
    body->fire_ref_laser(from, 42, 0);
    melvorin::ref_laser_t* laser = body->ref_lasers.at(0);
    std::vector<std::pair<uint32_t, int32_t>> mirrors;
    std::vector<float> xs;
    const uint32_t start = g_frame_counter;
    for (int i = 0; i < 40; ++i) {
        const int32_t d = laser->direction;
        run(1);
        xs.push_back(laser->x);
        if (laser->direction != d) {
            mirrors.emplace_back(g_frame_counter - 1 - start, laser->direction);
        }
    }
    ASSERT_GE(mirrors.size(), 2u);
    EXPECT_EQ(mirrors[0].second, 22);
    EXPECT_EQ(mirrors[1].first - mirrors[0].first, 17u);
    EXPECT_EQ(mirrors[1].second, 42);
    // Still in the mirroring frame and the two after it, 6 pixels back.
    const size_t m = mirrors[0].first;
    EXPECT_EQ(xs[m + 1], xs[m]);
    EXPECT_EQ(xs[m + 2], xs[m]);
    EXPECT_LT(xs[m + 3], xs[m]);
}

TEST_F(melvorin_kit, a_bending_laser_ends_with_its_last_segment) {
    load_boss();
    core->fire_bend_laser(180, 116);
    melvorin::bend_laser_t* laser = core->bend_lasers.at(0);
    run(20);
    laser->segments.at(5)->kill();
    run(1);
    EXPECT_TRUE(laser->alive);
    laser->segments.at(11)->kill();
    run(1);
    EXPECT_FALSE(laser->alive);
    EXPECT_TRUE(std::none_of(laser->segments.begin(), laser->segments.end(),
                             [](missile_t* s) { return s->alive != 0; }));
}

TEST_F(melvorin_kit, the_big_laser_grows_to_ten_segments_and_ends_when_its_last_passes_x_minus_32) {
    load_boss();
    std::vector<melvorin::big_laser_t*> chain;
    for (auto* s = core->big_laser; s != nullptr; s = s->next) {
        chain.push_back(s);
    }
    ASSERT_EQ(chain.size(), 10u);
    chain[0]->start();
    size_t most = 0;
    float last_x = 0;
    for (int i = 0; i < 400; ++i) {
        const size_t before =
            size_t(std::count_if(chain.begin(), chain.end(), [](auto* s) { return s->alive; }));
        last_x = chain.back()->x;
        run(1);
        const size_t alive =
            size_t(std::count_if(chain.begin(), chain.end(), [](auto* s) { return s->alive; }));
        most = std::max(most, alive);
        if (before > 0 && alive == 0) {
            EXPECT_EQ(before, 10u);
            EXPECT_GE(last_x, -32);
            EXPECT_LT(chain.back()->x, -32);
            break;
        }
        ASSERT_LT(i, 399) << "the chain never ended";
    }
    EXPECT_EQ(most, 10u);
}

TEST_F(melvorin_kit, the_charge_releases_at_most_35_sparks_and_its_emitter_ends_at_240) {
    // Sparks of 4 patterns are done before their turn comes again; sparks of 100 still fly then and
    // hold the order up, so each is released once.
    const std::pair<int32_t, int32_t> rows[] = {{4, 35}, {100, 32}};
    for (const auto& [patterns, releases] : rows) {
        records({{342, 8, 8, patterns, 0, 0, -1, 0, 0}});
        load_boss();
        core->charge->start();
        melvorin::spark_ctr_t* emitter = core->charge->spark_ctr;
        int32_t released = 0;
        uint32_t emitter_frames = 0;
        for (int i = 0; i < 300; ++i) {
            run(1);
            emitter_frames += emitter->alive;
            for (const auto& e : emitter->sparks.entries) {
                released += e.explosion->alive && static_cast<melvorin::spark_t*>(e.explosion)->counter == 1;
            }
        }
        EXPECT_EQ(released, releases) << patterns;
        EXPECT_EQ(emitter_frames, 240u);
        EXPECT_TRUE(core->charge->alive);
        EXPECT_EQ(core->charge->charge_level, 3);
    }
}
