// The laser turrets on the kit: battery004's cycle, its growing beam and its segments' looks; battery005's
// patrol, its beam clock and the beam's harmless half; and what a player shot does to each turret.
#include "enemies/turrets/battery003.h"
#include "enemies/turrets/battery004.h"
#include "enemies/turrets/battery005.h"
#include "objects/explosion.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using laser_turrets = enemy_kit_t;

std::vector<battery004::laser_t*> chain(battery004::laser_t* head) {
    std::vector<battery004::laser_t*> segments;
    for (; head != nullptr; head = head->next) {
        segments.push_back(head);
    }
    return segments;
}

} // namespace

TEST_F(laser_turrets, battery004_charges_fires_its_head_from_the_muzzle_and_rests_in_a_160_frame_cycle) {
    struct row_t {
        int32_t x;
        int32_t param;  // facing, reduced to 0..3
        float muzzle_x; // where the sparks flash
        float muzzle_y;
        float head_x; // after its first move
        float head_y;
    };
    const row_t rows[] = {
        {0, 0, 18, 128, 22, 128},
        {128, 1, 128, 110, 128, 106},
        {128, 2, 110, 128, 106, 128},
        {128, 7, 128, 146, 128, 150},
    };
    for (const row_t& r : rows) {
        load({placed(156, r.x, 128, r.param)});
        scene->scroll_stop = 1;
        ship_at(20, 230);
        auto* body = only<battery004::body_t>();
        ASSERT_NE(body, nullptr);
        const int32_t d = 16 * (r.param & 3);
        // A spark (re)started at the muzzle: its animation begins anew. The head's own starts only when
        // idle, so not under the last spark.
        auto* spark = static_cast<explosion_t*>(body->laser->effect);
        std::vector<int32_t> sparks;
        for (int32_t f = 0; f < 193; ++f) {
            const uint32_t before = spark->alive ? spark->counter : 99;
            run(1);
            if (spark->alive && spark->counter <= before) {
                sparks.push_back(f);
                EXPECT_FLOAT_EQ(spark->x, r.muzzle_x) << f;
                EXPECT_FLOAT_EQ(spark->y, r.muzzle_y) << f;
            }
        }
        EXPECT_EQ(sparks,
                  (std::vector<int32_t>{0, 4, 8, 12, 16, 20, 24, 28, 160, 164, 168, 172, 176, 180, 184, 188}))
            << r.param;
        // The head, gone off screen by then, leaves again at 192.
        const std::vector<launch_t> shots = launches(list_enemy_shots);
        ASSERT_FALSE(shots.empty());
        EXPECT_EQ(shots[0], (launch_t{32, list_enemy_shots, 0, r.head_x, r.head_y, d, 4}));
        EXPECT_EQ(shots.back().frame, 192u);
        EXPECT_EQ(body->explosion->info->id, 68);
        // Segment looks: head base, then base + 1, the last six tapering to base + 7; effects on 0..27.
        const std::vector<battery004::laser_t*> segments = chain(body->laser);
        ASSERT_EQ(segments.size(), 32u);
        EXPECT_EQ(segments[0]->info->id, 157);
        const int32_t base = (r.param & 3) * 8;
        for (const auto& [i, pattern] :
             {std::pair{0, base}, {1, base + 1}, {25, base + 1}, {26, base + 2}, {31, base + 7}}) {
            EXPECT_EQ(segments[size_t(i)]->pattern, pattern) << i;
        }
        EXPECT_NE(segments[27]->effect, nullptr);
        EXPECT_EQ(segments[28]->effect, nullptr);
        EXPECT_EQ(segments[31]->owner, body);
    }
}

TEST_F(laser_turrets, battery004_beam_grows_behind_its_head_and_stops_growing_when_the_turret_dies) {
    // The first follower rides 12 behind the head, every later one 8 behind the one ahead; each starts
    // with its spark once the one ahead has cleared the muzzle by 4: two frames apart.
    for (const auto& [facing, dx, dy] : {std::tuple{2, 1, 0}, {3, 0, -1}}) {
        load({placed(156, 128, 40, facing)});
        scene->scroll_stop = 1;
        ship_at(20, 230);
        const std::vector<battery004::laser_t*> segments = chain(only<battery004::body_t>()->laser);
        run(33 + 12);
        EXPECT_EQ(alive_count(segments), 7) << facing;
        EXPECT_TRUE(segments[6]->effect->alive);
        for (const auto& [i, gap] : {std::pair{1, 12.0f}, {2, 8.0f}, {6, 8.0f}}) {
            EXPECT_FLOAT_EQ(segments[size_t(i)]->x - segments[size_t(i) - 1]->x, float(dx) * gap) << facing;
            EXPECT_FLOAT_EQ(segments[size_t(i)]->y - segments[size_t(i) - 1]->y, float(dy) * gap) << facing;
        }
        EXPECT_EQ(sound_frames(37), (std::vector<uint32_t>{32, 35, 37, 39, 41, 43}));
    }
    // The beam dies on terrain.
    load({placed(156, 200, 128, 2)});
    scene->scroll_stop = 1;
    for (int32_t x = 96; x < 104; ++x) {
        solid_at(*cg, x, 128);
    }
    auto* body = only<battery004::body_t>();
    const std::vector<battery004::laser_t*> segments = chain(body->laser);
    run(33 + 24);
    EXPECT_FALSE(segments[0]->alive);
    EXPECT_GT(segments[0]->x, 96);
    load({placed(156, 200, 60, 2)}); // clear of that terrain
    scene->scroll_stop = 1;
    body = only<battery004::body_t>();
    const std::vector<battery004::laser_t*> beam = chain(body->laser);
    run(33 + 12);
    const int32_t grown = alive_count(beam);
    EXPECT_TRUE(shoot(body->x, body->y, 999));
    run(8);
    EXPECT_EQ(alive_count(beam), grown); // cut short, the flying part goes on
    EXPECT_LT(beam[0]->x, 150);
    // Off screen after its rest it waits in state 0.
    load({placed(156, 128, 128, 2)});
    scene->scroll_stop = 1;
    body = only<battery004::body_t>();
    run(40);
    body->x = 300;
    run(150);
    EXPECT_EQ(body->state, 0);
    EXPECT_LT(launches(list_enemy_shots).back().frame, 160u); // one beam only
}

TEST_F(laser_turrets, battery005_patrols_its_wall_and_times_its_beam_on_its_own_screen_clock) {
    struct row_t {
        int32_t type;
        float dx; // after 21 frames: one to start, twenty at 0.4
        float dy;
        int32_t segment_record;
        float beam_dx; // of the third segment from the body
        float beam_dy;
    };
    const row_t rows[] = {{162, 8, 0, 161, 0, 48},
                          {163, -8, 0, 161, 0, -48},
                          {164, 0, -8, 160, 48, 0},
                          {165, 0, 8, 160, -48, 0}};
    for (const row_t& r : rows) {
        load({placed(r.type, 128, 128, 3)});
        scene->scroll_stop = 1;
        auto* body = only<battery005::body_t>();
        ASSERT_NE(body, nullptr);
        run(21);
        EXPECT_NEAR(body->x, 128 + r.dx, 1e-3) << r.type;
        EXPECT_NEAR(body->y, 128 + r.dy, 1e-3) << r.type;
        const battery005::laser_t* third = body->laser->first->next->next;
        EXPECT_EQ(third->info->id, r.segment_record) << r.type;
        EXPECT_FLOAT_EQ(third->x - body->x, r.beam_dx) << r.type;
        EXPECT_FLOAT_EQ(third->y - body->y, r.beam_dy) << r.type;
        float low = 128;
        float high = 128;
        for (int32_t f = 0; f < 600; ++f) {
            run(1);
            const float along = r.dx != 0 ? body->x : body->y;
            low = std::min(low, along);
            high = std::max(high, along);
        }
        // Cruising to the marks 32 either side, braking about 8 pixels past them.
        EXPECT_NEAR(low, 128 - 40, 1) << r.type;
        EXPECT_NEAR(high, 128 + 40, 1) << r.type;
    }
    // The beam: three segments 16, 32 and 48 pixels out, harmless for its first 12 frames, drawn back
    // from clock 64 and switched off 28 frames later; started again at 128.
    load({placed(163, 128, 200, 3)});
    scene->scroll_stop = 1;
    auto* body = only<battery005::body_t>();
    std::vector<battery005::laser_t*> segments;
    for (battery005::laser_t* s = body->laser->first; s != nullptr; s = s->next) {
        segments.push_back(s);
    }
    ASSERT_EQ(segments.size(), 3u);
    std::vector<int32_t> harmful;
    std::vector<int32_t> on;
    for (int32_t f = 0; f < 140; ++f) {
        run(1);
        harmful.push_back(segments[2]->contact_damage() > 0);
        on.push_back(segments[2]->alive);
    }
    const auto first = [](const std::vector<int32_t>& v, int32_t value, size_t from) {
        return std::find(v.begin() + long(from), v.end(), value) - v.begin();
    };
    EXPECT_EQ(first(harmful, 1, 0), 12);
    EXPECT_EQ(first(harmful, 0, 12), 76);
    EXPECT_EQ(first(on, 0, 0), 92);
    EXPECT_EQ(first(on, 1, 92), 128);
    EXPECT_EQ(sound_frames(74), (std::vector<uint32_t>{0, 128}));
    // Off the screen's margin of 8 it stands still and its clock waits.
    for (const auto& [x, runs] : {std::pair{270.0f, false}, {263.5f, true}, {-8.0f, true}, {-8.5f, false}}) {
        body->x = x;
        body->base_x = x;
        const uint32_t clock = body->clock;
        run(1);
        EXPECT_EQ(body->clock != clock, runs) << x;
    }

    // The beam's length from the placement: at least one segment, at most 64.
    for (const auto& [param, made] : {std::pair{0, 1}, {1, 1}, {3, 3}, {-7, 1}, {100000, 64}}) {
        load({placed(164, 128, 128, param)});
        EXPECT_EQ(all<battery005::laser_t>().size(), size_t(made)) << param;
    }
}

TEST_F(laser_turrets, a_player_shot_hurts_battery003_and_battery004_and_nothing_else) {
    struct row_t {
        int32_t type;
        int32_t level;
        int32_t hit_sound; // 0: the shot does nothing
        int32_t revenge;
    };
    const row_t rows[] = {
        {155, 3, 48, 0}, {155, 4, 48, 1}, {156, 8, 47, 0}, {162, 8, 0, 0},
        {178, 1, 0, 0},  {181, 1, 0, 0},  {187, 1, 0, 0},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 128, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(40, 40);
        run(1);
        enemy_t* target = all<enemy_t>().back();
        const int32_t hp = target->hp;
        EXPECT_TRUE(shoot(target->x, target->y, 9999)) << r.type;
        run(1);
        EXPECT_EQ(target->alive, r.hit_sound == 0) << r.type;
        EXPECT_EQ(target->hp, r.hit_sound == 0 ? hp : 0) << r.type;
        EXPECT_EQ(sounds_of(r.hit_sound), r.hit_sound == 0 ? 0 : 1) << r.type;
        EXPECT_EQ(sounds_of(57), r.hit_sound == 0 ? 0 : 1) << r.type;
        EXPECT_EQ(pool_shots_alive(), r.revenge) << r.type;
    }
}
