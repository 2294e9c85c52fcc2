// The formation flyers on the kit: what each spawner makes and in which order, the chain's spacing, gaps
// and end, and each family's own course, firing, field and hits.
#include "enemies/formations/zigzag.h"
#include "enemies/jet.h"
#include "enemies/twisters/twister001.h"
#include "enemies/twisters/twister002.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/ship.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>
#include <functional>

namespace {

using twister001_test = enemy_kit_t;
using twister002_test = enemy_kit_t;
using zigzag_test = enemy_kit_t;
using formation_chain = enemy_kit_t;

// A formation seen from outside: its leader, its history and its members in chain order.
struct chain_t {
    enemy_t* leader = nullptr;
    poslog_t* log = nullptr;
    std::vector<enemy_t*> members;
};

template <typename Leader, typename Member> chain_t chain_of(enemy_kit_t& kit, Member* (*first)(Leader*)) {
    chain_t c;
    if (auto* leader = kit.template only<Leader>()) {
        c.leader = leader;
        c.log = &leader->log;
        for (Member* m = first(leader); m != nullptr; m = m->next) {
            c.members.push_back(m);
        }
    }
    return c;
}

chain_t twister001_chain(enemy_kit_t& kit) {
    return chain_of<twister001::leader_t>(
        kit, +[](twister001::leader_t* l) { return l->first; });
}
chain_t twister002_chain(enemy_kit_t& kit) {
    return chain_of<twister002::leader_t>(
        kit, +[](twister002::leader_t* l) { return l->first; });
}
chain_t zigzag_chain(enemy_kit_t& kit) {
    return chain_of<zigzag::leader_t>(
        kit, +[](zigzag::leader_t* l) { return l->next; });
}

struct family_t {
    int32_t type;
    int32_t x;
    int32_t y;
    uint32_t spacing;
    size_t members;
    std::function<chain_t(enemy_kit_t&)> chain;
};

const family_t families[] = {
    {112, 250, 100, 20, 8, twister001_chain},
    {115, 180, 20, 16, 8, twister002_chain},
    {103, 250, 60, 7, 12, zigzag_chain},
};

struct point_t {
    float x;
    float y;
};

void hold_scroll(enemy_kit_t& kit, const std::vector<placement_t>& placements, int32_t level = 1) {
    kit.load(placements, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(40, 240);
}

} // namespace

TEST_F(formation_chain, members_stand_spacing_frames_per_member_behind_and_gaps_stay) {
    for (const family_t& f : families) {
        hold_scroll(*this, {placed(f.type, f.x, f.y)});
        const chain_t c = f.chain(*this);
        ASSERT_EQ(c.members.size(), f.members) << f.type;
        std::vector<point_t> path; // where the leader moved to, frame after frame
        const auto step = [&] {
            const point_t before{c.leader->x, c.leader->y};
            run(1);
            if (c.leader->x != before.x || c.leader->y != before.y) {
                path.push_back({c.leader->x, c.leader->y});
            }
        };
        for (int frame = 0; frame < 50; ++frame) {
            step();
        }
        EXPECT_TRUE(shoot(c.members[1]->x, c.members[1]->y, 9999));
        for (int frame = 0; frame < 40; ++frame) {
            step();
        }
        EXPECT_FALSE(c.members[1]->alive);
        for (size_t i = 0; i < c.members.size(); ++i) {
            if (i == 1) {
                continue;
            }
            const size_t back = f.spacing * i;
            const point_t at =
                back < path.size() ? path[path.size() - 1 - back] : point_t{float(f.x), float(f.y)};
            EXPECT_EQ(c.members[i]->x, at.x) << f.type << " member " << i;
            EXPECT_EQ(c.members[i]->y, at.y) << f.type << " member " << i;
        }
    }
}

TEST_F(formation_chain,
       the_chain_ends_where_its_last_member_died_dropping_the_item_and_scoring_only_members) {
    for (const family_t& f : families) {
        hold_scroll(*this, {placed(f.type, f.x, f.y, 0, 37)});
        const chain_t c = f.chain(*this);
        run(30);
        g_score = 0;
        const enemy_t* rearmost = c.members.back();
        const point_t died{rearmost->x, rearmost->y};
        for (enemy_t* m : c.members) {
            m->damage(9999);
        }
        run(1);
        EXPECT_FALSE(c.leader->alive) << f.type;
        ASSERT_EQ(launches(list_items).size(), 1u);
        EXPECT_NEAR(launches(list_items)[0].x, died.x, 2.0f) << f.type; // the item moves on by itself
        EXPECT_NEAR(launches(list_items)[0].y, died.y, 2.0f) << f.type;
        EXPECT_EQ(g_score, int32_t(c.members.size()) * c.members[0]->score()) << f.type;
        EXPECT_EQ(alive_count(scene->stage.explosions.items), int32_t(c.members.size())) << f.type;
    }
}

TEST_F(formation_chain, a_vertical_scroll_plain_or_wrapped_moves_the_whole_line_and_its_future_path) {
    for (const family_t& f : families) {
        std::vector<point_t> still;
        for (int32_t dy : {0, 10, -300}) {
            hold_scroll(*this, {placed(f.type, f.x, f.y)});
            ship_at(40, 10000); // never passed
            run(40);
            if (dy == -300) {
                scene->shift_camera(dy); // every y is above -128 - 300: each wraps to y + 212
            } else if (dy != 0) {
                scene->scroll_vertical(dy);
            }
            if (dy != 0) {
                scene->scroll_horizontal(-5); // carries twister002's path only
            }
            run(20);
            const chain_t c = f.chain(*this);
            const float dx = dy != 0 && f.type == 115 ? -5 : 0;
            for (size_t i = 0; i < c.members.size(); ++i) {
                if (dy == 0) {
                    still.push_back({c.members[i]->x, c.members[i]->y});
                    continue;
                }
                const float y = still[i].y + float(dy == -300 ? 212 : dy);
                EXPECT_EQ(c.members[i]->x, still[i].x + dx) << f.type << " member " << i;
                EXPECT_NEAR(c.members[i]->y, y, 1e-3f) << f.type << " member " << i << " dy " << dy;
            }
        }
    }
}

TEST_F(formation_chain, each_spawner_makes_its_parts_in_order_with_their_links_periods_and_histories) {
    struct row_t {
        int32_t type;
        uint32_t log_length;
        uint32_t log_capacity;
        std::vector<part_t> enemies; // the first ones
        std::vector<part_t> explosions;
        std::vector<part_t> shots;
    };
    const row_t rows[] = {
        {111,
         20,
         32,
         {{"twister001::leaderA_t", 111}, {"jet_t", 93, 2}, {"twister001::member_t", 111}},
         {{"explosion_t", 69, 2, list_enemies0, 2}},
         {{"missile_t", 18, -1, list_enemies0, 2}, {"missile_t", 18, -1, list_enemies0, 2}}},
        {113,
         160,
         256,
         {{"twister001::leaderB_t", 111}, {"jet_t", 93, 2}, {"twister001::member_t", 111}, {"jet_t", 93, 2}},
         {{"explosion_t", 69, 2, list_enemies0, 2}, {"explosion_t", 69, 2, list_enemies0, 4}},
         {}},
        {114,
         16,
         16,
         {{"twister002::leaderA_t", 114}, {"twister002::member_t", 114}},
         {{"explosion_t", 73, 2, list_enemies0, 1}},
         {}},
        {116,
         128,
         128,
         {{"twister002::leaderB_t", 114}, {"twister002::member_t", 114}, {"twister002::member_t", 114}},
         {{"explosion_t", 73, 2, list_enemies0, 1}, {"explosion_t", 73, 2, list_enemies0, 2}},
         {}},
        {103,
         84,
         128,
         {{"zigzag::course_kind_t<&zigzag::course_a>", 102}, {"zigzag::member_t", 102}},
         {{"explosion_t", 73, 2, list_enemies0, 1}},
         {}},
        {106, 112, 128, {{"zigzag::course_kind_t<&zigzag::course_d>", 102}}, {}, {}},
        {108, 140, 256, {{"zigzag::course_kind_t<&zigzag::course_f>", 102}}, {}, {}},
    };
    const auto head = [](std::vector<part_t> all, size_t n) {
        all.resize(std::min(all.size(), n));
        return all;
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 200, 100, 0, 38)});
        EXPECT_EQ(head(manifest_of(scene->stage, list_enemies0), r.enemies.size()), r.enemies) << r.type;
        EXPECT_EQ(head(manifest_of(scene->stage, list_explosions), r.explosions.size()), r.explosions)
            << r.type;
        EXPECT_EQ(head(manifest_of(scene->stage, list_enemy_shots), r.shots.size()), r.shots) << r.type;
        auto* leader = scene->stage.enemies[0][0];
        EXPECT_EQ(leader->carried, scene->stage.items.at(0)) << r.type;
        EXPECT_EQ(leader->explosion, nullptr) << r.type;
        EXPECT_EQ(look_of(*leader).image, -1);
        const poslog_t* log = nullptr;
        if (auto* l = dynamic_cast<twister001::leader_t*>(leader)) {
            log = &l->log;
            EXPECT_EQ(l->first->prev, nullptr);
        } else if (auto* l2 = dynamic_cast<twister002::leader_t*>(leader)) {
            log = &l2->log;
            EXPECT_EQ(l2->first->prev, nullptr);
        } else if (auto* l3 = dynamic_cast<zigzag::leader_t*>(leader)) {
            log = &l3->log;
            EXPECT_EQ(l3->next->prev, l3);
            EXPECT_EQ(look_of(*scene->stage.enemies[0][3]).pattern, 6);
        }
        ASSERT_NE(log, nullptr) << r.type;
        EXPECT_EQ(log->length, r.log_length) << r.type;
        EXPECT_EQ(log->capacity, r.log_capacity) << r.type;
    }
    const std::pair<int32_t, int32_t> missing[] = {{111, 93}, {112, 18},  {113, 69}, {111, 111}, {115, 73},
                                                   {116, 18}, {116, 114}, {104, 73}, {107, 102}};
    for (const auto& [type, id] : missing) {
        records({}, {id});
        load({placed(type, 200, 100, 0, 38)});
        EXPECT_EQ(object_total(), 0u) << type << " without " << id;
    }
}

TEST_F(twister001_test, the_leader_flies_left_a_pixel_a_frame_on_its_sine_and_the_flame_trails_12_right) {
    struct row_t {
        int32_t type;
        int32_t phase;
        uint32_t frames;
        float x; // of the first member, on the leader's point
        float y;
        int32_t pattern; // of the first member: a step on every even frame
    };
    const row_t rows[] = {
        {111, 0, 1, 199, 100, 1},   {111, 0, 31, 169, 112, 0},  {111, 90, 1, 199, 112, 1},
        {112, 270, 1, 199, 88, 1},  {111, 450, 1, 199, 112, 1}, {111, -270, 1, 199, 112, 1},
        {113, 0, 91, 109, 180, 14}, {113, 30, 1, 199, 140, 1},
    };
    for (const row_t& r : rows) {
        hold_scroll(*this, {placed(r.type, 200, 100, r.phase)});
        const chain_t c = twister001_chain(*this);
        run(r.frames);
        EXPECT_FLOAT_EQ(c.members[0]->x, r.x) << r.type << " phase " << r.phase;
        EXPECT_NEAR(c.members[0]->y, r.y, 1e-3f) << r.type << " phase " << r.phase;
        EXPECT_EQ(static_cast<twister001::member_t*>(c.members[0])->jet->x, r.x + 12);
        EXPECT_EQ(look_of(*c.members[0]).pattern, r.pattern) << r.type << " " << r.frames;
    }
}

TEST_F(twister001_test, members_fire_from_level_2_inside_their_window_of_the_ship_every_32_frames) {
    struct row_t {
        int32_t level;
        float ship_x;
        float ship_y;
        uint32_t frames;
        std::vector<launch_t> shots; // the member stands at (199, 120) in frame 0
    };
    const int32_t s = list_enemy_shots;
    const row_t rows[] = {
        {1, 151, 120, 33, {}},
        {2, 151, 120, 33, {{0, s, 0, 198, 120, 32, 1}, {32, s, 1, 166.23f, 131.3f, 25, 1}}},
        {3, 151, 120, 1, {{0, s, 0, 197.8f, 120, 32, 1.2f}}},
        {4, 151, 120, 1, {{0, s, 0, 197.5f, 120, 32, 1.5f}}},
        {5, 151, 120, 1, {{0, s, 0, 197, 120, 32, 2}}},
        {8, 104, 120, 1, {{0, s, 0, 197, 120, 32, 2}}},
        {8, 231, 120, 1, {{0, s, 0, 201, 120, 0, 2}}},
        {8, 199, 200, 1, {{0, s, 0, 199, 122, 48, 2}}},
        {8, 199, 41, 1, {{0, s, 0, 199, 118, 16, 2}}},
        {8, 103, 120, 1, {}},
        {8, 232, 120, 1, {}},
        {8, 199, 201, 1, {}},
        {8, 199, 40, 1, {}},
    };
    for (const row_t& r : rows) {
        hold_scroll(*this, {placed(111, 200, 120)}, r.level);
        ship_at(r.ship_x, r.ship_y);
        run(r.frames);
        EXPECT_EQ(launches(s), r.shots) << r.level << " ship " << r.ship_x << "," << r.ship_y;
    }
}

TEST_F(twister001_test, a_member_dies_on_terrain_leaves_quietly_past_minus_32_and_avenges_from_level_5) {
    hold_scroll(*this, {placed(111, 120, 120)});
    const chain_t c = twister001_chain(*this);
    auto* member = static_cast<twister001::member_t*>(c.members[0]);
    run(2);
    for (int32_t y = 0; y < 256; ++y) {
        solid_at(*cg, int32_t(member->x) - 1, y);
    }
    run(1);
    EXPECT_FALSE(member->alive);
    EXPECT_FALSE(member->jet->alive);
    EXPECT_TRUE(member->explosion->alive);

    hold_scroll(*this, {placed(111, -30, 120, 0, 37)});
    run(4);
    EXPECT_FALSE(twister001_chain(*this).members[0]->alive); // at x -33 in frame 2, gone in frame 3
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(alive_count(scene->stage.explosions.items), 0);

    for (const auto& [level, revenge] : {std::pair{4, 0}, {5, 1}}) {
        hold_scroll(*this, {placed(112, 200, 120)}, level);
        run(1);
        enemy_t* first = twister001_chain(*this).members[0];
        EXPECT_TRUE(shoot(first->x, first->y, 0)); // nothing at all
        run(2);
        EXPECT_TRUE(shoot(first->x, first->y, 1));
        EXPECT_EQ(alive_count(scene->stage.spark_pool.items), 3);
        EXPECT_EQ(first->hp, first->max_hp() - 1);
        run(2);
        EXPECT_TRUE(shoot(first->x, first->y, 9999));
        EXPECT_EQ(pool_shots_alive(), revenge) << level;
        run(1);
        EXPECT_EQ(sound_frames(47), (std::vector<uint32_t>{3, 5})) << level;
        EXPECT_EQ(sound_frames(2), std::vector<uint32_t>{5}) << level;
    }
}

TEST_F(twister002_test, each_kind_runs_17_frames_turns_once_past_the_ship_and_leaves_its_field) {
    struct row_t {
        int32_t type;
        int32_t level; // hatches release their chain at frame 28
        float ship_x;
        float ship_y;
        uint32_t turn_frame;
        float vx;
        float vy;
    };
    const row_t rows[] = {
        // Free chains from their placement; hatch chains start with the leader's first update, frame 29.
        {115, 1, 64, 60, 17, -1.5f, 0},  {115, 1, 200, 60, 17, 1.5f, 0},  {115, 1, 64, 100, 41, -1.5f, 0},
        {116, 1, 64, 160, 27, -1.5f, 0}, {248, 3, 200, 20, 46, 0, -1.5f}, {248, 3, 200, 200, 46, 0, 1.5f},
        {247, 3, 40, 200, 46, 0, 1.5f},  {247, 3, 40, 20, 46, 0, -1.5f},
    };
    for (const row_t& r : rows) {
        hold_scroll(*this, {placed(r.type, 128, r.type == 116 ? 200 : 40)}, r.level);
        ship_at(r.ship_x, r.ship_y);
        auto* leader = only<twister002::leader_t>();
        ASSERT_NE(leader, nullptr);
        auto* kind = dynamic_cast<twister002::kind_t*>(leader);
        ASSERT_NE(kind, nullptr);
        uint32_t turned = 0;
        for (uint32_t frame = 0; frame < 120 && turned == 0; ++frame) {
            run(1);
            if (kind->state == 2) {
                turned = frame;
            }
        }
        EXPECT_EQ(turned, r.turn_frame) << r.type << " ship " << r.ship_x << "," << r.ship_y;
        EXPECT_EQ(kind->vx, r.vx) << r.type;
        EXPECT_EQ(kind->vy, r.vy) << r.type;
    }
    // Leaving through the left edge: every member goes without explosion or score; the last item stays.
    hold_scroll(*this, {placed(115, 128, 40, 0, 37)});
    ship_at(64, 20);
    g_score = 0;
    run(300);
    EXPECT_FALSE(only<twister002::leader_t>()->alive);
    EXPECT_EQ(alive_count(twister002_chain(*this).members), 0);
    EXPECT_EQ(g_score, 0);
    EXPECT_TRUE(launches(list_explosions).empty());
    ASSERT_EQ(launches(list_items).size(), 1u);
    EXPECT_NEAR(launches(list_items)[0].x, -32, 2.0f);
}

TEST_F(twister002_test, kind_c_never_leaves_right_kind_d_never_left_and_members_animate_every_frame) {
    for (const auto& [type, x, vx] : {std::tuple{248, 20, -1.5f}, {247, 240, 1.5f}}) {
        hold_scroll(*this, {placed(type, x, 128)}, 3);
        ship_at(x, 20); // never passed: the chain runs straight on
        run(400);
        const chain_t c = twister002_chain(*this);
        EXPECT_TRUE(c.leader->alive) << type;
        EXPECT_EQ(alive_count(c.members), 8) << type;
        (void)vx;
    }
    hold_scroll(*this, {placed(115, 128, 40)});
    const chain_t c = twister002_chain(*this);
    run(3);
    EXPECT_EQ(look_of(*c.leader).pattern, 3);
    EXPECT_EQ(look_of(*c.members[2]).pattern, 9);
}

TEST_F(zigzag_test, each_course_changes_step_on_its_frames_standing_still_in_each_and_the_mirror_flips_it) {
    struct row_t {
        int32_t type;
        int32_t x;
        int32_t y;
        std::vector<uint32_t> steps; // frames in which the course moved to its next step
        int32_t final_direction;
    };
    const row_t rows[] = {
        {103, 272, 80, {56, 69, 90, 103, 175, 192}, 0},
        {104, 272, 80, {41, 54, 103, 110, 158, 175, 224, 229, 262, 267}, 0},
        {105, -16, 80, {56, 69, 90, 103, 175, 192, 257, 270, 291, 304}, 32},
        {106, 272, 100, {41, 54, 79, 92, 166, 180, 203, 217, 247, 264}, 0},
        {108, 272, 80, {41, 54, 151, 158, 188, 205, 254, 259, 292, 297}, 0},
    };
    for (const row_t& r : rows) {
        std::vector<point_t> plain;
        for (int32_t mirror : {0, 1}) {
            hold_scroll(*this, {placed(r.type, r.x, r.y, mirror)});
            auto* leader = only<zigzag::course_leader_t>();
            ASSERT_NE(leader, nullptr);
            std::vector<uint32_t> steps;
            int32_t state = leader->state;
            for (uint32_t frame = 0; frame < 700; ++frame) {
                const point_t before{leader->x, leader->y};
                run(1);
                if (leader->state != state) {
                    state = leader->state;
                    steps.push_back(frame);
                    EXPECT_EQ(leader->x, before.x);
                    EXPECT_EQ(leader->y, before.y);
                }
                if (mirror == 0) {
                    plain.push_back({leader->x, leader->y});
                } else {
                    EXPECT_EQ(leader->x, plain[frame].x) << r.type << " frame " << frame;
                    EXPECT_NEAR(leader->y - float(r.y), float(r.y) - plain[frame].y, 1e-3f) << r.type;
                }
            }
            EXPECT_EQ(steps, r.steps) << r.type << " mirror " << mirror;
            EXPECT_EQ(leader->direction, r.final_direction) << r.type;
        }
    }
}

TEST_F(zigzag_test, kind_e_weaves_between_18_and_46_and_its_twentieth_member_is_133_frames_behind) {
    hold_scroll(*this, {placed(107, 272, 120)});
    const chain_t c = zigzag_chain(*this);
    ASSERT_EQ(c.members.size(), 20u);
    std::vector<point_t> path;
    std::vector<int32_t> turns; // directions where the weave turned back
    int32_t state = 0;
    for (int frame = 0; frame < 400; ++frame) {
        const point_t before{c.leader->x, c.leader->y};
        run(1);
        if (c.leader->x != before.x || c.leader->y != before.y) {
            path.push_back({c.leader->x, c.leader->y});
        }
        auto* leader = static_cast<zigzag::leader_t*>(c.leader);
        if (leader->state != state) {
            state = leader->state;
            turns.push_back(leader->direction);
        }
    }
    EXPECT_EQ(std::vector<int32_t>(turns.begin(), turns.begin() + 4), (std::vector<int32_t>{18, 46, 18, 46}));
    EXPECT_EQ(c.members[19]->x, path[path.size() - 1 - 133].x);
    EXPECT_NEAR(path[1].x - path[0].x, 2 * std::cos(18 * 3.14159265f / 32), 1e-3f); // 18 held on odd timers
}

TEST_F(zigzag_test, members_animate_on_even_frames_from_their_staggered_patterns) {
    hold_scroll(*this, {placed(103, 200, 100)});
    const chain_t c = zigzag_chain(*this);
    run(3);
    EXPECT_EQ(look_of(*c.members[0]).pattern, 2);
    EXPECT_EQ(look_of(*c.members[1]).pattern, 5);
}

TEST_F(formation_chain, a_one_hit_member_sparks_sounds_and_avenges_by_its_familys_level) {
    struct row_t {
        int32_t type;
        int32_t level;
        int32_t sparks;
        std::vector<uint32_t> hit_sounds;
        int32_t death_sound;
        int32_t revenge;
    };
    const row_t rows[] = {
        {115, 6, 3, {1}, 2, 0},
        {115, 7, 3, {1}, 2, 1},
        {103, 4, 2, {}, 12, 0},
        {103, 5, 2, {}, 12, 1},
    };
    for (const row_t& r : rows) {
        hold_scroll(*this, {placed(r.type, 128, 40)}, r.level);
        run(1);
        enemy_t* first = scene->stage.enemies[0][1]; // the first member
        EXPECT_TRUE(shoot(first->x, first->y, 0));
        EXPECT_EQ(alive_count(scene->stage.spark_pool.items), 0);
        EXPECT_TRUE(shoot(first->x, first->y, 1));
        EXPECT_FALSE(first->alive);
        EXPECT_EQ(alive_count(scene->stage.spark_pool.items), r.sparks) << r.type;
        EXPECT_EQ(pool_shots_alive(), r.revenge) << r.type << " level " << r.level;
        run(1);
        EXPECT_EQ(sound_frames(47), r.hit_sounds) << r.type;
        EXPECT_EQ(sound_frames(r.death_sound), std::vector<uint32_t>{1}) << r.type;
    }
}
