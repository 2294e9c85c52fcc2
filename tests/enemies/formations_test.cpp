// The formation flyers on the kit: construction, the chain's rules, the courses, the hatch's hold.
#include "enemies/jet.h"
#include "enemies/twister001.h"
#include "enemies/twister002.h"
#include "enemies/zigzag.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/scroll.h"
#include "tests/enemies/enemy_kit.h"

#include <functional>

namespace {

using formations = enemy_kit_t;

// A formation seen from outside: its leader, its history and its members in chain order.
struct chain_t {
    enemy_t* leader = nullptr;
    poslog_t* log = nullptr;
    std::vector<enemy_t*> members;
};

template <typename Leader, typename Member> chain_t chain_of(enemy_kit_t& kit, Member* (*first)(Leader*)) {
    chain_t c;
    const std::vector<Leader*> leaders = kit.template all<Leader>();
    if (leaders.size() != 1) {
        return c;
    }
    c.leader = leaders[0];
    c.log = &leaders[0]->log;
    for (Member* m = first(leaders[0]); m != nullptr; m = m->next) {
        c.members.push_back(m);
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

} // namespace

TEST_F(formations, members_stand_where_the_leader_was_spacing_frames_per_member_ago_and_gaps_stay) {
    for (const family_t& f : families) {
        load({placed(f.type, f.x, f.y)});
        scene->scroll_stop = 1;
        ship_at(40, 240);
        const chain_t c = f.chain(*this);
        ASSERT_EQ(c.members.size(), f.members) << f.type;
        EXPECT_EQ(c.log->length, f.spacing * f.members);
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
        c.members[1]->damage(9999);
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

TEST_F(formations, the_chain_ends_where_its_last_member_died_dropping_the_item_and_scoring_only_members) {
    for (const family_t& f : families) {
        load({placed(f.type, f.x, f.y, 0, 37)});
        scene->scroll_stop = 1;
        ship_at(40, 240);
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
        ASSERT_EQ(scene->stage.items.size(), 1u);
        const item_t* item = scene->stage.items[0];
        EXPECT_TRUE(item->alive);
        EXPECT_NEAR(item->x, died.x, 2.0f) << f.type; // the item moves on by itself after its start
        EXPECT_NEAR(item->y, died.y, 2.0f) << f.type;
        EXPECT_EQ(g_score, int32_t(c.members.size()) * c.members[0]->score()) << f.type;
        size_t bursting = 0;
        for (explosion_t* e : scene->stage.explosions.items) {
            bursting += e->alive;
        }
        EXPECT_EQ(bursting, c.members.size()) << f.type; // the leader has none
    }
}

TEST_F(formations, a_vertical_scroll_moves_the_whole_line_and_its_future_path) {
    for (const family_t& f : families) {
        std::vector<point_t> still;
        for (int32_t dy : {0, 10}) {
            load({placed(f.type, f.x, f.y)});
            scene->scroll_stop = 1;
            ship_at(40, 240);
            run(40);
            scene->scroll_vertical(dy);
            run(20);
            const chain_t c = f.chain(*this);
            for (size_t i = 0; i < c.members.size(); ++i) {
                if (dy == 0) {
                    still.push_back({c.members[i]->x, c.members[i]->y});
                } else {
                    EXPECT_EQ(c.members[i]->x, still[i].x) << f.type << " member " << i;
                    EXPECT_FLOAT_EQ(c.members[i]->y, still[i].y + 10) << f.type << " member " << i;
                }
            }
        }
    }
}

TEST_F(formations, construction_makes_the_parts_in_order_with_their_links_and_histories) {
    struct row_t {
        int32_t type;
        uint32_t log_length;
        uint32_t log_capacity;
        size_t enemies; // leader, members and flames
        size_t shots;
        size_t explosions;
    };
    const row_t rows[] = {
        {111, 20, 32, 3, 2, 1},     {112, 160, 256, 17, 16, 8}, {113, 160, 256, 17, 16, 8},
        {114, 16, 16, 2, 0, 1},     {116, 128, 128, 9, 0, 8},   {103, 84, 128, 13, 0, 12},
        {106, 112, 128, 17, 0, 16}, {108, 140, 256, 21, 0, 20},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 200, 100, 0, 38)});
        stage_t& s = scene->stage;
        EXPECT_EQ(s.enemies[0].size(), r.enemies) << r.type;
        EXPECT_EQ(s.enemy_shots.size(), r.shots) << r.type;
        EXPECT_EQ(s.explosions.size(), r.explosions) << r.type;
        ASSERT_EQ(s.items.size(), 1u);
        auto* leader = s.enemies[0][0];
        EXPECT_EQ(leader->carried, s.items[0]) << r.type;
        EXPECT_EQ(leader->explosion, nullptr) << r.type;
        EXPECT_EQ(leader->image_id(), -1);
        const poslog_t* log = nullptr;
        if (auto* l = dynamic_cast<twister001::leader_t*>(leader)) {
            log = &l->log;
            EXPECT_EQ(l->first->prev, nullptr);
            // Flame, member, member's explosion and two shots, member after member.
            EXPECT_EQ(l->first->jet, s.enemies[0][1]);
            EXPECT_EQ(l->first, s.enemies[0][2]);
            EXPECT_EQ(l->first->jet->period, 2);
            EXPECT_EQ(l->first->shots[1], s.enemy_shots[1]);
            EXPECT_EQ(l->first->shots[0]->owner, l->first);
        } else if (auto* l2 = dynamic_cast<twister002::leader_t*>(leader)) {
            log = &l2->log;
            EXPECT_EQ(l2->first, s.enemies[0][1]);
            EXPECT_EQ(l2->first->prev, nullptr);
            EXPECT_EQ(l2->first->explosion->period, 2u);
        } else if (auto* l3 = dynamic_cast<zigzag::leader_t*>(leader)) {
            log = &l3->log;
            EXPECT_EQ(l3->next->prev, l3);
            auto* third = dynamic_cast<zigzag::member_t*>(s.enemies[0][3]);
            ASSERT_NE(third, nullptr);
            EXPECT_EQ(third->pattern, 6);
            EXPECT_EQ(third->explosion->period, 2u);
        }
        ASSERT_NE(log, nullptr) << r.type;
        EXPECT_EQ(log->length, r.log_length) << r.type;
        EXPECT_EQ(log->capacity, r.log_capacity) << r.type;
    }
}

TEST_F(formations, a_missing_record_makes_nothing_at_all) {
    const std::pair<int32_t, int32_t> rows[] = {{111, 93}, {112, 18}, {113, 69}, {115, 73},
                                                {116, 18}, {104, 73}, {107, 102}};
    for (const auto& [type, missing] : rows) {
        records({}, {missing});
        load({placed(type, 200, 100, 0, 38)});
        EXPECT_EQ(object_total(), 0u) << type << " without " << missing;
    }
}

TEST_F(formations, the_start_phase_is_held_to_the_sine_table) {
    // 90 degrees down from the centre line is the lowest point of the wave.
    for (int32_t phase : {90, 450, -270, 90 + 360 * 1000}) {
        load({placed(111, 200, 100, phase)});
        scene->scroll_stop = 1;
        auto* leader = all<twister001::leader_t>().at(0);
        run(1);
        EXPECT_FLOAT_EQ(leader->y, 112) << phase;
        EXPECT_EQ(leader->phase, 93) << phase;
    }
}

TEST_F(formations, each_zigzag_course_stands_still_once_per_step_and_the_mirror_flips_it) {
    struct row_t {
        int32_t type;
        int32_t x;
        int32_t y;
        int32_t steps; // transitions of the course
        int32_t final_direction;
    };
    const row_t rows[] = {
        {103, 272, 80, 6, 0},   {104, 272, 80, 10, 0}, {105, -16, 80, 10, 32},
        {106, 272, 100, 10, 0}, {108, 272, 80, 10, 0},
    };
    for (const row_t& r : rows) {
        std::vector<point_t> plain;
        for (int32_t mirror : {0, 1}) {
            load({placed(r.type, r.x, r.y, mirror)});
            scene->scroll_stop = 1;
            ship_at(40, 240);
            auto* leader = all<zigzag::leader_t>().at(0);
            int32_t still = 0;
            for (int frame = 0; frame < 700; ++frame) {
                const point_t before{leader->x, leader->y};
                run(1);
                still += leader->x == before.x && leader->y == before.y;
                if (mirror == 0) {
                    plain.push_back({leader->x, leader->y});
                } else {
                    EXPECT_EQ(leader->x, plain[size_t(frame)].x) << r.type << " frame " << frame;
                    EXPECT_NEAR(leader->y - float(r.y), float(r.y) - plain[size_t(frame)].y, 1e-3f)
                        << r.type << " frame " << frame;
                }
            }
            EXPECT_EQ(still, r.steps) << r.type;
            EXPECT_EQ(leader->direction, r.final_direction) << r.type;
        }
    }
}

TEST_F(formations, kind_e_weaves_and_its_twentieth_member_is_133_frames_behind) {
    load({placed(107, 272, 120)});
    scene->scroll_stop = 1;
    const chain_t c = zigzag_chain(*this);
    ASSERT_EQ(c.members.size(), 20u);
    std::vector<point_t> path;
    int32_t lowest = 64;
    int32_t highest = 0;
    for (int frame = 0; frame < 400; ++frame) {
        const point_t before{c.leader->x, c.leader->y};
        run(1);
        if (c.leader->x != before.x || c.leader->y != before.y) {
            path.push_back({c.leader->x, c.leader->y});
        }
        const int32_t d = static_cast<zigzag::leader_t*>(c.leader)->direction;
        lowest = std::min(lowest, d);
        highest = std::max(highest, d);
    }
    EXPECT_EQ(lowest, 18);
    EXPECT_EQ(highest, 46);
    EXPECT_EQ(c.members[19]->x, path[path.size() - 1 - 133].x);
}

TEST_F(formations, twister002_turns_once_toward_the_ship_and_a_hatch_launches_it_again) {
    load({placed(115, 128, 40, 0, 37)});
    scene->scroll_stop = 1;
    ship_at(64, 160);
    auto* leader = all<twister002::leaderA_t>().at(0);
    const chain_t c = twister002_chain(*this);
    int32_t turns = 0;
    float vx = 0;
    float vy = 0;
    for (int frame = 0; frame < 600 && leader->alive; ++frame) {
        run(1);
        if (frame >= 17 && (leader->vx != vx || leader->vy != vy)) {
            ++turns;
            EXPECT_GT(leader->y, 160); // only once past the ship's line
            EXPECT_EQ(leader->vx, -1.5f);
            ship_at(64, 20); // out of the line's way
        }
        vx = leader->vx;
        vy = leader->vy;
    }
    EXPECT_EQ(turns, 1);
    EXPECT_FALSE(leader->alive); // every member left through the left edge, none exploded
    EXPECT_EQ(g_score, 0);

    static_cast<twister002::leader_t*>(leader)->park();
    leader->launch(200, 40, 2);
    EXPECT_TRUE(leader->alive);
    EXPECT_EQ(leader->state, 0);
    for (size_t i = 0; i < c.members.size(); ++i) {
        EXPECT_EQ(c.members[i]->alive != 0, i < 2) << i;
    }
    c.members[0]->damage(9999);
    run(1);
    EXPECT_TRUE(leader->alive);
    c.members[1]->damage(9999);
    run(1);
    EXPECT_FALSE(leader->alive); // the two launched members were the chain
    EXPECT_TRUE(scene->stage.items[0]->alive);
    leader->launch(200, 40, 8);
    EXPECT_TRUE(c.members[0]->alive); // shot down before, back again
    run(40);
    EXPECT_EQ(leader->state, 2); // the whole script again: 17 frames down, then the turn
    EXPECT_EQ(leader->y, 40 + 1.5f * 17);
}

TEST_F(formations, revenge_shots_come_from_each_familys_own_level) {
    const std::pair<int32_t, int32_t> rows[] = {{103, 5}, {111, 5}, {114, 7}};
    for (const auto& [type, level] : rows) {
        for (int32_t at : {level - 1, level}) {
            load({placed(type, 200, 100)}, at);
            scene->scroll_stop = 1;
            ship_at(40, 200);
            run(1);
            std::vector<enemy_t*> members;
            for (enemy_t* e : scene->stage.enemies[0].items) {
                if (e->max_hp() > 0 && dynamic_cast<jet_t*>(e) == nullptr) {
                    members.push_back(e);
                }
            }
            ASSERT_FALSE(members.empty());
            members[0]->damage(9999);
            EXPECT_EQ(pool_shots_alive(), at >= level ? 1 : 0) << type << " at level " << at;
        }
    }
}

TEST_F(formations, twister001_members_fire_their_own_shots_from_level_2_and_die_on_terrain) {
    for (int32_t level : {1, 2, 4}) {
        load({placed(112, 120, 120)}, level);
        scene->scroll_stop = 1;
        ship_at(100, 120);
        run(1);
        size_t flying = 0;
        for (missile_t* shot : scene->stage.enemy_shots.items) {
            flying += shot->alive;
        }
        EXPECT_EQ(flying, level >= 2 ? 8u : 0u) << level; // every member's first frame is a firing frame
    }
    load({placed(111, 120, 120)});
    scene->scroll_stop = 1;
    const chain_t c = twister001_chain(*this);
    run(2);
    for (int32_t y = 0; y < 256; ++y) {
        solid_at(*cg, int32_t(c.members[0]->x) - 1, y);
    }
    run(1);
    EXPECT_FALSE(c.members[0]->alive);
    EXPECT_FALSE(static_cast<twister001::member_t*>(c.members[0])->jet->alive);
    EXPECT_TRUE(c.members[0]->explosion->alive);
}
