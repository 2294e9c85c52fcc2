// Twister003, twister004 and twister005 on the kit: assembly and missing records, the gunship's phases,
// lasers, mirrored pairs and the meteors they cut, the dasher's pulses, the formation's release and fire.
#include "enemies/jet.h"
#include "enemies/meteors/meteo.h"
#include "enemies/twisters/twister003.h"
#include "enemies/twisters/twister004.h"
#include "enemies/twisters/twister005.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "tests/enemies/enemy_kit.h"

#include <algorithm>
#include <set>

namespace {

using twisters = enemy_kit_t;

std::vector<launch_t> with_speed(const std::vector<launch_t>& launches, float speed) {
    std::vector<launch_t> found;
    for (const launch_t& l : launches) {
        if (std::abs(l.speed - speed) < 1e-3) {
            found.push_back(l);
        }
    }
    return found;
}

std::vector<uint32_t> frames_of(const std::vector<launch_t>& launches) {
    std::vector<uint32_t> frames;
    for (const launch_t& l : launches) {
        frames.push_back(l.frame);
    }
    return frames;
}

} // namespace

TEST_F(twisters, each_spawner_needs_all_its_records_and_twister005_maps_its_member_type) {
    const struct {
        int32_t type;
        std::vector<int32_t> records;
    } rows[] = {
        {117, {117, 19, 32, 33, 28, 29, 84}}, {118, {118, 19, 32, 33, 28, 29, 84}},
        {119, {119, 65, 93, 30, 31}},         {125, {0}},
        {128, {128, 83, 93, 32, 33}},         {129, {129, 83, 93, 25}},
        {130, {130, 83, 93, 30, 31}},
    };
    for (const auto& r : rows) {
        for (int32_t missing : r.records) {
            records({}, {missing});
            load({placed(r.type, 128, 128, 0, 38)});
            EXPECT_EQ(object_total(), 0u) << r.type << " without " << missing;
        }
    }
    // A member without its records is left out; the leader still carries the item.
    for (int32_t missing : {124, 83, 18}) {
        records({}, {missing});
        load({placed(125, 128, 128, 0, 38)});
        twister005::leader_t* leader = only<twister005::leader_t>();
        ASSERT_NE(leader, nullptr);
        EXPECT_TRUE(leader->members.empty());
        EXPECT_EQ(leader->carried->info->id, 38);
    }
    records({});
    for (auto [type, member] : {std::pair{121, 120}, {123, 122}, {125, 124}, {127, 126}}) {
        load({placed(type, 128, 128, 0, 38)});
        twister005::leader_t* leader = only<twister005::leader_t>();
        ASSERT_NE(leader, nullptr);
        ASSERT_EQ(leader->members.size(), 5u);
        for (twister005::member_t* m : leader->members) {
            EXPECT_EQ(m->info->id, member);
            EXPECT_EQ(m->explosion->info->id, 83);
            EXPECT_EQ(m->shots.size(), 4u);
            EXPECT_EQ(m->carried, nullptr);
        }
    }
    const placement_t crab_group = placed(126, 64, -256);
    twister005::leader_t* leader = stage_t::spawn_twister005(&scene->stage, &crab_group, 8);
    ASSERT_NE(leader, nullptr);
    ASSERT_EQ(leader->members.size(), 8u);
    EXPECT_EQ(leader->members[7]->vy, 1.2f);

    load({placed(117, 128, 128, 0, 39), placed(118, 128, 128)});
    const std::vector<twister003::body_t*> ships = all<twister003::body_t>();
    ASSERT_EQ(ships.size(), 2u);
    EXPECT_EQ(ships[0]->side, 0);
    EXPECT_EQ(ships[1]->side, 1);
    EXPECT_EQ(ships[0]->carried->info->id, 39);
    EXPECT_EQ(ships[0]->shots.size(), 24u);
    EXPECT_EQ(ships[0]->lasers[15]->effect->info->id, 33);
    EXPECT_EQ(static_cast<explosion_t*>(ships[0]->twin_lasers[31]->effect)->period, 3u);
    EXPECT_EQ(ships[0]->twin_lasers.size(), 32u);
    EXPECT_EQ(ships[0]->flash_lower->period, 1u);

    load({placed(119, 128, 128)});
    twister004::body_t* dasher = only<twister004::body_t>();
    ASSERT_NE(dasher, nullptr);
    EXPECT_EQ(dasher->explosion->period, 1u);
    EXPECT_EQ(static_cast<explosion_t*>(dasher->shots[2]->effect)->period, 4u);
}

TEST_F(twisters, twister003_hangs_32_frames_then_drifts_firing_by_level_and_side) {
    const struct {
        int32_t type;
        int32_t level;
        std::vector<uint32_t> spread_frames;
        float first_laser_x; // laser after its first step, at frame 32
        int32_t laser_direction;
    } rows[] = {
        {117, 1, {96, 96, 96, 192, 192, 192}, 145.6f, 0},
        {118, 1, {}, 110.4f, 32},
    };
    for (const auto& r : rows) {
        load({placed(r.type, 128, 100)}, r.level);
        scene->scroll_stop = 1;
        ship_at(20, 200);
        twister003::body_t* body = only<twister003::body_t>();
        run(32);
        EXPECT_EQ(body->x, 128);
        run(192);
        EXPECT_NEAR(body->x, 128 + (r.type == 117 ? -0.4f : 0.4f) * 192, 0.01f);
        run(16);
        const std::vector<launch_t> spreads = with_speed(launches(list_enemy_shots), 1.0f);
        EXPECT_EQ(frames_of(spreads), r.spread_frames) << r.type;
        const std::vector<launch_t> lasers = with_speed(launches(list_enemy_shots), 2.0f);
        ASSERT_EQ(lasers.size(), 24u) << r.type; // every 8 frames from 32 to 216
        EXPECT_EQ(lasers[0], (launch_t{32, list_enemy_shots, lasers[0].index, r.first_laser_x, 100,
                                       r.laser_direction, 2.0f}));
        EXPECT_EQ(lasers[23].frame, 216u);
        run(100); // leaving: 0.02 faster a frame up to 1.5
        EXPECT_NEAR(body->speed, 1.5f, 0.021f) << r.type;
    }
}

TEST_F(twisters, from_level_2_twister003_opens_and_fires_mirrored_pairs_at_each_opening_angle) {
    load({placed(117, 128, 100)}, 2);
    scene->scroll_stop = 1;
    ship_at(20, 200);
    twister003::body_t* body = only<twister003::body_t>();
    body->pattern = 0;
    // Spinning on odd frames it comes round to 0 at frame 64, opens two patterns every other frame
    // until 39, holds 16 frames, fires pairs for 176 frames, closes a pattern every 8 frames, holds 64.
    run(401);
    EXPECT_EQ(sound_frames(24), (std::vector<uint32_t>{78, 318}));
    EXPECT_NEAR(body->speed, 0.4f + 0.02f * 19, 1e-3);
    EXPECT_EQ(frames_of(with_speed(launches(list_enemy_shots), 1.0f)).front(), 96u);
    for (uint32_t f : frames_of(with_speed(launches(list_enemy_shots), 1.0f))) {
        EXPECT_EQ(f % 96, 0u);
    }
    run(300);
    std::vector<launch_t> twins;
    for (const launch_t& l : with_speed(launches(list_enemy_shots), 2.0f)) {
        twins.push_back(l);
    }
    ASSERT_GT(twins.size(), 20u);
    ASSERT_EQ(twins.size() % 2, 0u);
    EXPECT_EQ(twins[0].frame, 96u);
    EXPECT_EQ(twins[0].direction, 7);
    std::set<int32_t> angles;
    for (size_t i = 0; i < twins.size(); i += 2) {
        const launch_t& a = twins[i];
        const launch_t& b = twins[i + 1];
        EXPECT_EQ(a.frame, b.frame);
        EXPECT_NEAR(a.x, b.x, 1e-3);
        EXPECT_NEAR(a.y + b.y, 200, 1e-3);
        EXPECT_EQ(b.direction, (64 - a.direction) & 63);
        angles.insert(a.direction);
    }
    EXPECT_EQ(angles, (std::set<int32_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(sounds_of(24), 2);
}

TEST_F(twisters, twister003_lasers_cut_meteors_by_25_and_its_death_kills_those_within_64_of_the_window) {
    records({{170, 16, 16, 100, 1, 500, -1, 0, 0},
             {172, 16, 16, 100, 1, 500, -1, 0, 0},
             {600, 16, 16, 100, 1, 500, -1, 0, 0}});
    load({placed(117, 100, 100), placed(170, 150, 100)});
    scene->scroll_stop = 1;
    ship_at(20, 200);
    enemy_t* meteor = nullptr;
    for (enemy_t* e : all<enemy_t>()) {
        if (e->info->id == 170) {
            meteor = e;
        }
    }
    ASSERT_NE(meteor, nullptr);
    static_cast<meteo_t*>(meteor)->speed = 0; // held where the laser's first pass cuts it once
    run(46);
    EXPECT_EQ(meteor->hp, 75);
    EXPECT_EQ(g_score, 0);
    run(60);
    EXPECT_FALSE(meteor->alive);
    EXPECT_EQ(g_score, 0);

    const struct {
        int32_t type, x, y;
        uint32_t key;
        bool survives;
    } meteors[] = {{170, 150, 100, 0, false},
                   {172, 100, 163, 0, false},
                   {170, 100, 170, 0, true},
                   {170, 130, 100, 0x10000, true},
                   {600, 110, 110, 0, true}}; // not a meteor
    std::vector<placement_t> placements{placed(117, 100, 100)};
    for (const auto& m : meteors) {
        placements.push_back(placed(m.type, m.x, m.y, 0, -1, m.key));
    }
    for (int32_t level : {3, 4}) {
        load(placements, level);
        twister003::body_t* body = only<twister003::body_t>();
        const int32_t before = g_score;
        body->damage(9999);
        EXPECT_EQ(g_score - before, body->info->score);
        EXPECT_EQ(pool_shots_alive(), level == 4 ? 1 : 0); // the revenge shot
        // The first object of each placement: a large meteor's pieces wait at its position, switched off.
        for (const auto& m : meteors) {
            const std::vector<enemy_t*> found = all<enemy_t>();
            const auto it = std::find_if(found.begin(), found.end(), [&m](const enemy_t* e) {
                return e->info->id == m.type && e->x == float(m.x) && e->y == float(m.y);
            });
            ASSERT_NE(it, found.end()) << m.type;
            EXPECT_EQ((*it)->alive != 0, m.survives) << m.type << " at " << m.x << "," << m.y;
        }
    }
}

TEST_F(twisters, twister004_pulses_left_and_fires_once_per_pause_from_level_3) {
    for (int32_t level : {2, 3, 4}) {
        load({placed(119, 240, 128)}, level);
        scene->scroll_stop = 1;
        ship_at(20, 200);
        twister004::body_t* body = only<twister004::body_t>();
        float top = 0;
        run(5);
        EXPECT_EQ(body->pattern, 5); // one of 32 spin patterns a frame
        for (int32_t f = 5; f < 40; ++f) {
            run(1);
            top = std::max(top, body->speed);
            EXPECT_EQ(body->jet->x, body->x + 13);
        }
        EXPECT_EQ(top, 2.0f);
        run(150);
        const std::vector<launch_t> shots = launches(list_enemy_shots);
        if (level == 2) {
            EXPECT_TRUE(shots.empty());
            continue;
        }
        ASSERT_EQ(shots.size(), 3u);
        // 10 frames up to 2.0, 20 down to 0, the pause's 32 and the frame it turns in.
        EXPECT_EQ(shots[0].frame, 30u);
        EXPECT_EQ(shots[1].frame - shots[0].frame, 63u);
        EXPECT_EQ(shots[2].frame - shots[1].frame, 63u);
        const std::vector<launch_t> flashes = launches(list_explosions);
        ASSERT_FALSE(flashes.empty());
        EXPECT_EQ(flashes[0].frame, shots[0].frame);
        EXPECT_EQ(shots[0].direction, 32);
        EXPECT_FLOAT_EQ(shots[0].speed, 1.5f);
        body->damage(9999);
        EXPECT_FALSE(body->jet->alive);
        EXPECT_EQ(pool_shots_alive(), level == 4 ? 1 : 0); // the revenge shot
    }
}

TEST_F(twisters, twister005_lets_a_member_out_every_32_frames_and_members_fire_by_level) {
    load({placed(125, 128, 200, 0, 38)});
    scene->scroll_stop = 1;
    ship_at(20, 20);
    twister005::leader_t* leader = only<twister005::leader_t>();
    ASSERT_NE(leader, nullptr);
    // A held member takes no hit.
    EXPECT_TRUE(shoot(128, 200, 1));
    for (twister005::member_t* m : leader->members) {
        EXPECT_EQ(m->hp, m->max_hp());
    }
    EXPECT_EQ(sounds_of(47), 0);
    // The crab's way: a killed group waits dead, and start holds every member at the leader again.
    leader->kill();
    EXPECT_EQ(alive_count(leader->members), 0);
    EXPECT_FALSE(leader->alive);
    leader->set_position(128, 200);
    leader->start();
    EXPECT_TRUE(leader->alive);
    EXPECT_EQ(alive_count(leader->members), 5);
    EXPECT_TRUE(leader->members[3]->held);
    std::vector<uint32_t> releases;
    for (uint32_t f = 0; f < 140; ++f) {
        const uint32_t before = leader->released;
        run(1);
        if (leader->released != before) {
            releases.push_back(f);
        }
    }
    EXPECT_EQ(releases, (std::vector<uint32_t>{0, 32, 64, 96, 128}));
    EXPECT_EQ(leader->state, 1);
    EXPECT_NEAR(leader->members[0]->y, 200 - 1.2f * 140, 0.01f);
    EXPECT_EQ(leader->members[1]->pattern, (leader->members[0]->pattern + 3) & 15);

    const struct {
        int32_t level;
        int32_t first_shot; // -1 none
    } rows[] = {{1, -1}, {2, 72}, {5, 48}, {8, 24}};
    for (const auto& r : rows) {
        load({placed(121, 40, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(200, 200);
        run(100);
        const std::vector<launch_t> shots = launches(list_enemy_shots);
        if (r.first_shot < 0) {
            EXPECT_TRUE(shots.empty());
            continue;
        }
        ASSERT_FALSE(shots.empty()) << r.level;
        EXPECT_EQ(shots[0].frame, uint32_t(r.first_shot));
        EXPECT_FLOAT_EQ(shots[0].speed, 1.0f + 0.1f * float(r.level - 1));
    }

    // When all are dead the leader drops its item where the last one was and ends.
    load({placed(125, 128, 200, 0, 38)});
    scene->scroll_stop = 1;
    leader = only<twister005::leader_t>();
    run(130);
    for (twister005::member_t* m : leader->members) {
        m->damage(9999);
    }
    const float last_y = leader->members[4]->y;
    run(1);
    EXPECT_FALSE(leader->alive);
    EXPECT_TRUE(leader->carried->alive);
    EXPECT_EQ(leader->carried->y, last_y);
}
