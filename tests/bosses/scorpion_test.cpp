// The scorpion on the kit: its assembly, the chains' turns and death cascades, the walk on the terrain,
// the sting's commands and weapons, and the script's cycle, retreat and death.
#include "bosses/scorpion/chest.h"
#include "enemies/walkers/spider001.h"
#include "enemies/worms/worm001.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"
#include "tests/bosses/scorpion_poses.h"
#include "tests/enemies/enemy_kit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

using namespace scorpion001;
using scorpion_test = enemy_kit_t;

chest_t* scorpion(enemy_kit_t& kit, float x, float y, int32_t level = 1) {
    kit.load({placed(294, int32_t(x), int32_t(y))}, level);
    kit.scene->scroll_stop = 1;
    return kit.only<chest_t>();
}

template <typename T> int32_t chain_length(T* first) {
    int32_t n = 0;
    for (T* s = first; s != nullptr; s = s->next) {
        ++n;
    }
    return n;
}

} // namespace

TEST_F(scorpion_test, it_is_assembled_in_order_and_not_at_all_without_a_record) {
    for (int32_t missing : {297, 295, 296, 301, 304, 300, 327, 333, 68,  69,  89,  86, 175,
                            298, 299, 302, 303, 0,   305, 306, 307, 308, 309, 310, 83}) {
        records({}, {missing});
        load({placed(294, 200, 100)});
        EXPECT_TRUE(all<chest_t>().empty() && all<sting_t>().empty() && all<arm_t>().empty()) << missing;
    }
    records({}, {189});
    EXPECT_EQ(scorpion(*this, 200, 100)->head->worm, nullptr) << "the worm is left out alone";
    records({});
    chest_t* chest = scorpion(*this, 200, 100);
    ASSERT_NE(chest, nullptr);
    std::map<std::string, int32_t> kinds;
    for (int32_t list : {list_enemies0, list_enemy_shots, list_explosions}) {
        for (const part_t& p : manifest_of(scene->stage, list)) {
            ++kinds[p.kind];
        }
    }
    const std::map<std::string, int32_t> expected{{"scorpion001::head_t", 1},
                                                  {"scorpion001::chest_t", 1},
                                                  {"scorpion001::eye_t", 1},
                                                  {"scorpion001::body_t", 4},
                                                  {"scorpion001::tail_t", 5},
                                                  {"scorpion001::sting_t", 1},
                                                  {"scorpion001::stingball_t", 16},
                                                  {"scorpion001::leg_t", 30},
                                                  {"scorpion001::foot_t", 3},
                                                  {"scorpion001::arm_t", 12},
                                                  {"scorpion001::hand_t", 1},
                                                  {"scorpion001::hand_laser_t", 16},
                                                  {"scorpion001::stinglaser1_head_t", 32},
                                                  {"scorpion001::stinglaser1_t", 32 * 7},
                                                  {"scorpion001::stinglaser2_t", 64},
                                                  {"scorpion001::stinglaser3_t", 6},
                                                  {"scorpion001::stingspark_t", 64},
                                                  {"scorpion001::stingsmoke_t", 64},
                                                  {"spider001::body_t", 2},
                                                  {"enemy_skipper_t", 1},
                                                  {"missile_skipper_t", 1},
                                                  {"explosion_skipper_t", 1},
                                                  {"worm001::head_t", 1},
                                                  {"worm001::body_t", 11}};
    for (const auto& [kind, n] : expected) {
        EXPECT_EQ(kinds[kind], n) << kind;
    }
    EXPECT_EQ(kinds["missile_t"], 192);
    EXPECT_EQ(kinds["smoke_t"], 32 + 12);
    // List order: head, chest, eye, the tail's five, the body's four, the sting.
    const std::vector<part_t> enemies = manifest_of(scene->stage, list_enemies0);
    size_t h = 0;
    while (enemies[h].kind != "scorpion001::head_t") {
        ++h;
    }
    EXPECT_EQ(enemies[h + 1], (part_t{"scorpion001::chest_t", 297}));
    EXPECT_EQ(enemies[h + 2], (part_t{"scorpion001::eye_t", 295}));
    EXPECT_EQ(enemies[h + 3], (part_t{"scorpion001::tail_t", 303}));
    EXPECT_EQ(enemies[h + 8], (part_t{"scorpion001::body_t", 298}));
    EXPECT_EQ(enemies[h + 12], (part_t{"scorpion001::sting_t", 304}));
    // The links the skeleton relies on: nine tail joints to the sting, twelve arm and ten leg segments.
    EXPECT_EQ(chain_length(chest->tail), 9);
    EXPECT_EQ(chain_length(chest->arm), 12);
    body_t* last = chest->tail;
    while (last->next != nullptr) {
        last = last->next;
    }
    EXPECT_EQ(chest->sting->owner, last);
    std::vector<int32_t> arm_patterns;
    for (arm_t* s = chest->arm; s != nullptr; s = s->next) {
        arm_patterns.push_back(s->pattern);
    }
    EXPECT_EQ(arm_patterns, (std::vector<int32_t>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5}));
    EXPECT_EQ(all<foot_t>()[0], chest->feet[2]) << "slot 2 first";
    constexpr int32_t foot_patterns[3] = {3, 6, 8};
    constexpr int32_t foot_directions[3] = {11, 14, 16};
    for (size_t slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(chain_length(chest->legs[slot]), 10);
        EXPECT_EQ(chest->feet[slot]->pattern, foot_patterns[slot]);
        const int32_t d = foot_directions[slot];
        EXPECT_FLOAT_EQ(chest->feet[slot]->anchor_dx, 32 * cos_table[d]);
        EXPECT_FLOAT_EQ(chest->feet[slot]->anchor_dy, -32 * sin_table[d]);
    }
    const auto& blasts = chest->explosions.entries;
    ASSERT_EQ(blasts.size(), 32u);
    EXPECT_EQ(std::tuple(blasts[15].dx, blasts[15].dy, blasts[31].dx, blasts[31].dy),
              std::tuple(-16, 25, -16, 25));
    EXPECT_EQ(std::tuple(blasts[0].explosion->info->id, blasts[31].explosion->info->id,
                         blasts[31].explosion->period),
              std::tuple(68, 69, 7u));
    EXPECT_EQ(std::tuple(chest->sting->sparks[10]->offset, chest->sting->sparks[5]->period,
                         chest->sting->smokes[2]->offset),
              std::tuple(49, 5u, -4));
    std::vector<int32_t> dx;
    std::vector<int32_t> dy;
    for (size_t i = 0; i < 16; ++i) {
        dx.push_back(blasts[i].dx);
        dy.push_back(blasts[i].dy);
    }
    EXPECT_EQ(dx, (std::vector<int32_t>{16, 0, 0, 38, 18, -14, 16, -38, 22, 16, -36, 38, 6, -12, 10, -16}));
    EXPECT_EQ(dy, (std::vector<int32_t>{0, -20, 15, -10, 26, -22, -22, 20, 0, 20, 0, 6, -26, 0, -8, 25}));
    EXPECT_EQ(chest->legs[0]->explosion->info->id, 69);
    EXPECT_EQ(chest->legs[0]->next->explosion, nullptr) << "every other leg segment explodes";
    EXPECT_EQ(static_cast<spider001::body_t*>(chest->escorts[0])->ceiling, 1);
    EXPECT_EQ(static_cast<spider001::body_t*>(chest->escorts[1])->ceiling, 0);
    EXPECT_EQ(std::pair(chest->escorts[0]->x, chest->escorts[1]->x), std::pair(448.0f, 352.0f));
    EXPECT_FALSE(chest->sting->balls[0]->alive);
    ASSERT_NE(chest->head->worm, nullptr);
    EXPECT_FALSE(chest->head->worm->alive);
}

TEST_F(scorpion_test, joints_turn_the_shorter_way_and_a_half_turn_counter_clockwise) {
    records({});
    struct row_t {
        int32_t from;
        int32_t target;
        int32_t step;
        int32_t to;
    };
    const row_t rows[] = {
        {10, 20, 4, 14}, {20, 10, 4, 16}, {10, 42, 4, 14}, // a half turn goes +
        {62, 2, 4, 2},   {2, 62, 4, 62},                   // across 0 the plain comparison jumps
        {5, 5, 4, 5},
    };
    for (const row_t& r : rows) {
        body_t segment(objectinfo_find(298), 0, 0, 0);
        body_t next(objectinfo_find(298), 0, 0, 0);
        segment.next = &next;
        segment.direction = r.from;
        next.direction = 7;
        const int32_t targets[2] = {r.target, 7};
        EXPECT_EQ(turn_joint_chain(&segment, targets, r.step, 0), r.from != r.to)
            << r.from << "->" << r.target;
        EXPECT_EQ(std::pair(segment.direction, segment.pattern), std::pair(r.to, r.to));
        next.direction = 3;
        segment.direction = r.target;
        EXPECT_TRUE(turn_joint_chain(&segment, targets, r.step, 0)) << "the rest of the chain reports";
    }
}

TEST_F(scorpion_test, a_death_runs_down_each_chain_six_frames_a_tail_joint_four_a_limb) {
    chest_t* chest = scorpion(*this, 200, 100);
    struct row_t {
        object_t* first;
        object_t* follower;
        int32_t updates;
    };
    const row_t rows[] = {
        {chest->tail, chest->tail->next, 6},        {chest->arm, chest->arm->next, 4},
        {chest->legs[1], chest->legs[1]->next, 4},  {chest->hand->owner, chest->hand, 1},
        {chest->feet[0]->owner, chest->feet[0], 1},
    };
    for (const row_t& r : rows) {
        r.first->kill();
        int32_t n = 0;
        while (r.follower->alive && n < 10) {
            r.follower->update();
            ++n;
        }
        EXPECT_EQ(n, r.updates);
    }
    // A pulse lights an arm segment for 10 of its updates and passes on to the next at the second.
    arm_t* first = scorpion(*this, 200, 100)->arm;
    first->start_pulse(true);
    int32_t lit = 0;
    int32_t passed_at = 0;
    for (int32_t n = 1; n <= 12; ++n) {
        lit += first->is_flashing();
        first->update();
        passed_at = passed_at == 0 && first->next->is_flashing() ? n : passed_at;
    }
    EXPECT_EQ(std::pair(lit, passed_at), std::pair(10, 2));
}

TEST_F(scorpion_test, the_walk_keeps_28_above_the_ground_8_ahead) {
    struct row_t {
        float y;
        bool floor;
        int32_t mode;
        float end_y;
    };
    const row_t rows[] = {
        {150, false, 1, 228},
        {150, false, 3, 228}, // no terrain: 256 - 28
        {100, true, 1, 152},
        {200, true, 1, 152}, // below the surface it climbs
    };
    for (const row_t& r : rows) {
        chest_t* chest = scorpion(*this, 220, int32_t(r.y));
        if (r.floor) {
            for (int32_t x = 0; x < 256; ++x) {
                for (int32_t y = 180; y < 256; ++y) {
                    solid_at(*slot0, x, y);
                }
            }
        }
        const float x0 = chest->x;
        for (int32_t i = 0; i < 100; ++i) {
            EXPECT_TRUE(chest->walk(r.mode, 1.0f));
        }
        EXPECT_NEAR(chest->y, r.end_y, 1.0f) << r.y;
        EXPECT_EQ(chest->x < x0, r.mode == 1);
        EXPECT_FALSE(chest->walk(2, 1.0f));
    }
}

TEST_F(scorpion_test, the_sting_turns_on_command_and_fans_its_lasers) {
    struct row_t {
        int32_t direction;
        int32_t aim;
        int32_t updates;
        int32_t end;
    };
    const row_t turns[] = {{36, 20, 17, 20}, {20, 0, 4, 16}, {40, 60, 8, 48}};
    for (const row_t& r : turns) {
        chest_t* chest = scorpion(*this, 200, 100);
        sting_t* sting = chest->sting;
        sting->direction = r.direction;
        sting->aim = r.aim;
        sting->set_state(500);
        int32_t n = 0;
        while (sting->state != 1 && n < 40) {
            sting->update();
            ++n;
        }
        EXPECT_EQ(std::tuple(n, sting->direction, sting->pattern), std::tuple(r.updates, r.end, r.end))
            << r.aim;
    }
    chest_t* chest = scorpion(*this, 200, 100);
    sting_t* sting = chest->sting;
    ship_at(40, 100);
    run(1);
    sting->direction = 32;
    sting->set_state(5104);
    run(1);
    std::vector<int32_t> directions;
    for (stinglaser1_t* head : sting->heads) {
        if (head->alive) {
            directions.push_back(static_cast<stinglaser1_head_t*>(head)->direction);
        }
    }
    EXPECT_EQ(directions, (std::vector<int32_t>{23, 29, 35, 41}));
    EXPECT_EQ(sting->state, 1);
    for (size_t i = 0; i < 30; ++i) {
        sting->heads[i]->alive = 1;
    }
    for (size_t i = 30; i < 32; ++i) {
        sting->heads[i]->alive = 0;
    }
    sting->direction = 40;
    sting->set_state(5104);
    sting->update();
    EXPECT_EQ(alive_count(sting->heads), 32);
    EXPECT_EQ(std::pair(sting->heads[31]->x, sting->heads[31]->y),
              std::pair(sting->x + 32 * cos_table[40], sting->y - 32 * sin_table[40]))
        << "from the tip";
    sting->set_state(5200);
    sting->update();
    const std::pair<float, float> bolt_tip(sting->x + 26 * cos_table[40], sting->y - 26 * sin_table[40]);
    EXPECT_EQ(std::pair(sting->bolts[0]->x, sting->bolts[0]->y), bolt_tip);
    EXPECT_EQ(std::pair(sting->sparks[0]->x, sting->sparks[0]->y), bolt_tip) << "a spark where it leaves";
    EXPECT_TRUE(sting->sparks[0]->alive);
    EXPECT_EQ(sounds_of(49), 1) << "requested in the frame run";
}

TEST_F(scorpion_test, the_script_skips_the_tail_strikes_at_level_1_and_guards_the_head_through_the_jump) {
    struct row_t {
        int32_t level;
        int32_t after_walk;
    };
    for (const row_t& r : {row_t{1, 6000}, row_t{2, 501}}) {
        chest_t* chest = scorpion(*this, 120, 100, r.level);
        for (int32_t x = 0; x < 256; ++x) {
            for (int32_t y = 180; y < 256; ++y) {
                solid_at(*slot0, x, y);
            }
        }
        ship_at(40, 100);
        run(1);
        ASSERT_EQ(chest->phase, 20) << "the feet stand, the escorts live";
        chest->phase = 7201;
        run(1);
        EXPECT_EQ(chest->phase, r.after_walk) << r.level;
    }
    chest_t* chest = scorpion(*this, 120, 100);
    ship_at(40, 100);
    run(1);
    chest->head->invulnerable = 0;
    chest->head->phase = 100; // past its entry
    chest->phase = 7000;
    chest->phase_frame = 63;
    std::map<int32_t, bool> guarded;
    for (int32_t n = 0; n < 200 && chest->phase != 7100 && chest->phase != 7101; ++n) {
        run(1);
        guarded[chest->phase] = chest->head->invulnerable != 0;
    }
    EXPECT_EQ(guarded, (std::map<int32_t, bool>{{7000, false}, {7002, true}, {7003, true}, {7101, false}}));
}

TEST_F(scorpion_test, the_heads_death_rears_the_chest_up_and_blows_it_apart_by_256_260_and_374) {
    chest_t* chest = scorpion(*this, 120, 100, 3);
    ship_at(40, 100);
    run(1);
    chest->head->invulnerable = 0;
    chest->head->damage(100000);
    EXPECT_EQ(chest->phase, 50000);
    EXPECT_FALSE(chest->head->eye->alive);
    EXPECT_EQ(std::get<1>(posted_since(0).back()), 371);
    EXPECT_EQ(std::get<2>(posted_since(0).back()), -4);
    const std::pair<float, float> from(chest->x, chest->y);
    uint32_t start = 0;
    uint32_t first_stride = 0;
    std::set<std::pair<int32_t, int32_t>> strides; // (phase, a foot's move in thousandths of a pixel)
    while (chest->phase != 50003 && start < 400) {
        const float foot_was = chest->feet[1]->x;
        run(1);
        ++start;
        if (chest->feet[1]->x != foot_was) {
            first_stride = strides.empty() ? chest->phase_frame - 1 : first_stride;
            strides.emplace(chest->phase, int32_t(std::lround((chest->feet[1]->x - foot_was) * 1000)));
        }
        if (chest->phase == 50002 && chest->phase_frame == 1) {
            EXPECT_EQ(std::pair(chest->x, chest->y), std::pair(from.first + 40, from.second - 12));
        }
    }
    EXPECT_EQ(start, 32u + 128u) << "31 frames of rear-up, then 128 of settling feet";
    EXPECT_EQ(first_stride, 18u) << "the feet follow the rear-up from its 18th frame";
    EXPECT_EQ(strides, (std::set<std::pair<int32_t, int32_t>>{{50001, 1200}, {50002, 1000}}));
    const uint32_t blasts_from = g_frame_counter - 1;
    run(100 - chest->phase_frame);
    EXPECT_EQ(chest->hand->phase, 401) << "the claw sinks from frame 32";
    struct row_t {
        uint32_t frame;
        object_t* part;
        object_t* with;
    };
    const row_t deaths[] = {
        {256, chest->tail, chest->arm}, {260, chest->legs[0], chest->legs[2]}, {374, chest, chest}};
    for (const row_t& r : deaths) {
        run(r.frame - chest->phase_frame);
        EXPECT_TRUE(r.part->alive && r.with->alive) << r.frame;
        run(1);
        EXPECT_FALSE(r.part->alive || r.with->alive) << r.frame;
    }
    EXPECT_EQ(chest->blend_mode(), 192);
    // Until the parts' own deaths the blasts go off one every 32 - min(f / 6, 28) frames, each with an
    // aimed shot at level 3; the first three, before the scroll moves on, around the chest at (160, 88)
    // by the records' offsets (16, 0), (0, -20), (0, 15).
    std::vector<uint32_t> frames{0, 28, 48, 96, 105, 112, 117, 120, 144, 154, 156, 165};
    for (uint32_t f = 168; f < 256; f += 4) {
        frames.push_back(f);
    }
    std::vector<std::pair<float, float>> first_blasts;
    for (int32_t list : {list_explosions, list_shot_pool}) {
        std::vector<uint32_t> seen;
        for (const launch_t& l : launches(list)) {
            if (l.frame >= blasts_from && l.frame < blasts_from + 256) {
                seen.push_back(l.frame - blasts_from);
                if (list == list_explosions && first_blasts.size() < 3) {
                    first_blasts.emplace_back(l.x, l.y);
                }
            }
        }
        EXPECT_EQ(seen, frames) << list;
    }
    EXPECT_EQ(first_blasts, (std::vector<std::pair<float, float>>{{176, 88}, {160, 68}, {160, 103}}));
}

TEST_F(scorpion_test, the_skeleton_hangs_from_the_chest_and_each_strike_ends_in_its_pose) {
    chest_t* chest = scorpion(*this, 120, 100, 2);
    chest->hand->set_position(60, 150);
    chest->place_parts();
    auto v = [chest](int32_t d) { return std::pair(chest->dir_vectors[d][0], chest->dir_vectors[d][1]); };
    EXPECT_FLOAT_EQ(v(16).second, -14.0f);
    for (size_t row = 0; row < 14; ++row) {
        EXPECT_TRUE(std::equal(tail_poses[row], tail_poses[row] + 9, scorpion_poses[row])) << row;
    }
    EXPECT_EQ(std::pair(chest->head->x, chest->head->y), std::pair(88.0f, 106.0f));
    EXPECT_EQ(std::pair(chest->head->eye->x, chest->head->eye->y), std::pair(73.0f, 103.0f));
    const int32_t d0 = chest->tail->direction;
    EXPECT_FLOAT_EQ(chest->tail->x, 120 + 1.2f * (v(0).first + v(d0).first));
    body_t* last = chest->tail;
    while (last->next != nullptr) {
        last = last->next;
    }
    EXPECT_FLOAT_EQ(chest->sting->y, last->y + v((last->direction + 2) % 64).second);
    std::vector<std::pair<float, float>> arm;
    for (arm_t* s = chest->arm; s != nullptr; s = s->next) {
        arm.emplace_back(s->x, s->y);
    }
    EXPECT_EQ(arm[0], std::pair(102.0f, 110.0f));
    EXPECT_EQ(arm[3], std::pair(101.0f, 120.0f)) << "halfway to the elbow";
    EXPECT_EQ(arm[6], std::pair(100.0f, 130.0f)) << "the elbow 40 right of the claw, halfway down";
    EXPECT_FLOAT_EQ(arm[9].second, 140.0f);
    EXPECT_FLOAT_EQ(arm[9].first, 100 + (60.0f - 100) / 400 * 100);
    chest->feet[2]->anchor_x = 160;
    chest->feet[2]->anchor_y = 156;
    chest->place_parts();
    EXPECT_EQ(std::pair(chest->legs[2]->x, chest->legs[2]->y), std::pair(148.0f, 116.0f));
    EXPECT_EQ(std::pair(chest->legs[0]->x, chest->legs[0]->y), std::pair(120.0f, 116.0f));
    EXPECT_EQ(std::pair(chest->legs[2]->next->x, chest->legs[2]->next->y), std::pair(149.2f, 120.0f));

    // The strike by the aim: settled in the aim pose, the tail strikes along the row of the aim.
    const std::pair<int32_t, int32_t> strikes[] = {{28, 1000}, {29, 1050}, {31, 1100}, {38, 1450},
                                                   {39, 1500}, {40, 1500}, {41, 1550}};
    for (const auto& [aim, strike] : strikes) {
        for (body_t* s = chest->tail; s != nullptr; s = s->next) {
            s->direction = scorpion_poses[1][0];
        }
        while (chest->turn_tail(pose_aim, 4)) {
        }
        chest->aim = aim;
        chest->attack_count = 2;
        chest->phase = 503;
        chest->phase_frame = 4;
        run(1);
        EXPECT_EQ(chest->phase, strike) << aim;
        for (int32_t n = 0; n < 40 && chest->phase == strike; ++n) {
            run(1);
        }
        std::vector<int32_t> pose;
        for (body_t* s = chest->tail; s != nullptr; s = s->next) {
            pose.push_back(s->direction);
        }
        // Settled on the row; the way back to rest starts in the same frame, one step, but after ground
        // strikes.
        EXPECT_EQ(chest->phase, strike + 1);
        const int32_t* row = scorpion_poses[2 + (strike - 1000) / 50];
        for (size_t k = 0; k < 9; ++k) {
            const int32_t rest = scorpion_poses[0][k];
            const int32_t back = strike < 1500 ? (rest > row[k]) - (rest < row[k]) : 0;
            EXPECT_EQ(pose[k], row[k] + back) << strike << " " << k;
        }
    }
}

TEST_F(scorpion_test, the_claw_eases_to_its_targets_and_fires_from_its_muzzles) {
    struct row_t {
        int32_t phase;
        float ship_y;
        int32_t updates;
        int32_t end_phase;
        float end_dy; // from the chest
    };
    const row_t rows[] = {
        {300, 0, 47, 1, 40},   // step 4: 180 to 360 degrees, then the slide holds
        {400, 0, 182, 1, 40},  // step 1
        {100, 0, 47, 0, 28},   // back to the bob
        {200, 250, 24, 1, -1}, // step 8, toward a ship held to 40 below
    };
    for (const row_t& r : rows) {
        chest_t* chest = scorpion(*this, 150, 100);
        ship_at(40, r.ship_y);
        hand_t* hand = chest->hand;
        hand->set_position(110, 100);
        hand->phase = r.phase;
        int32_t n = 0;
        while (hand->phase != r.end_phase && n < 300) {
            hand->update();
            ++n;
        }
        EXPECT_EQ(n, r.updates) << r.phase;
        EXPECT_EQ(hand->x, 110.0f);
        if (r.end_dy >= 0) {
            EXPECT_FLOAT_EQ(hand->y, 100 + r.end_dy) << r.phase;
        } else {
            EXPECT_EQ(hand->y1, 140.0f);
        }
    }
    for (int32_t kind : {0, 1}) {
        chest_t* chest = scorpion(*this, 150, 100);
        hand_t* hand = chest->hand;
        hand->set_position(110, 100);
        hand->phase = 250 + kind;
        hand->update();
        EXPECT_EQ(std::pair(hand->lasers[0]->x, hand->lasers[0]->y),
                  kind == 0 ? std::pair(85.0f, 95.0f) : std::pair(90.0f, 110.0f));
        EXPECT_EQ(hand->lasers[0]->effect->alive, 1);
        EXPECT_EQ(hand->x, 117.0f) << "recoil";
        for (int32_t f = 1; f < 16; ++f) {
            hand->update();
        }
        EXPECT_EQ(alive_count(hand->lasers), 4);
    }
    chest_t* chest = scorpion(*this, 150, 100);
    chest->hand->phase = 0;
    chest->hand->update();
    chest->hand->update();
    EXPECT_FLOAT_EQ(chest->hand->y, 128 + 3 * sin_table_deg[2]) << "the bob";
}

TEST_F(scorpion_test, a_homing_laser_steers_every_third_frame_from_level_4_else_every_fourth) {
    for (const auto& [level, turns] : {std::pair(3, 10), std::pair(4, 13)}) {
        chest_t* chest = scorpion(*this, 150, 100, level);
        ship_at(250, 250);
        stinglaser3_t* homer = chest->sting->homers[0];
        homer->set_position(20, 20);
        homer->direction = 16;
        homer->start();
        homer->state = 1;
        homer->timer = 40;
        int32_t changes = 0;
        for (int32_t i = 0; i < 40; ++i) {
            const int32_t before = homer->direction;
            homer->update();
            changes += homer->direction != before;
        }
        EXPECT_EQ(changes, turns) << level;
        EXPECT_EQ(homer->direction, 16 - turns);
    }
}

TEST_F(scorpion_test, feet_balls_and_the_head_follow_their_arcs_and_aims) {
    chest_t* chest = scorpion(*this, 150, 60);
    solid_at(*slot0, 100, 128);
    foot_t* foot = chest->feet[0];
    foot->set_position(100, 108);
    EXPECT_EQ(foot->in_air, 0) << "ground 20 below, at 128";
    EXPECT_EQ(std::tuple(foot->puffs[0]->alive, foot->puffs[0]->x, foot->puffs[0]->y),
              std::tuple(uint8_t(1), 100.0f, 128.0f))
        << "dust where it stands";
    foot->update();
    EXPECT_EQ(foot->alive, 1) << "while its leg lives";
    EXPECT_FLOAT_EQ(foot->anchor_x, 100 + 32 * cos_table[11]) << "the leg meets it 32 along direction 11";
    EXPECT_FLOAT_EQ(foot->anchor_y, 128 - 32 * sin_table[11]) << "from its sole";
    foot->step(1.0f);
    EXPECT_FLOAT_EQ(foot->y, 108 - 14 + 81 * 0.14f);
    EXPECT_EQ(std::pair(foot->apex_x, foot->apex_y), std::pair(110.0f, 94.0f));
    solid_at(*slot0, 100, 127);
    foot->set_position(100, 107);
    EXPECT_EQ(foot->in_air, 1) << "above 128 a foot never stands";

    stingball_t* ball = chest->sting->balls[0];
    ball->set_position(100, 100);
    ball->direction = 32;
    ball->speed = 2;
    ball->start();
    std::vector<float> ys;
    for (int32_t i = 0; i < 3; ++i) {
        ball->update();
        ys.push_back(ball->y);
    }
    EXPECT_EQ(ball->x, 94.0f);
    EXPECT_NEAR(ys[1] - ys[0], 0.05f, 1e-4f);
    EXPECT_NEAR(ys[2] - ys[1], 0.10f, 1e-4f);
    solid_at(*slot0, int32_t(ball->x - 2), int32_t(ball->y + 0.15f));
    ball->update();
    EXPECT_FALSE(ball->alive) << "on the terrain";

    head_t* head = chest->head;
    ship_at(head->x, 250);
    head->phase = 100;
    head->direction = 32;
    for (int32_t i = 0; i < 40; ++i) {
        head->update();
    }
    EXPECT_EQ(std::pair(head->direction, head->pattern), std::pair(40, 16)) << "down to the limit";
}

TEST_F(scorpion_test, tail_joints_fire_back_from_level_3_and_the_sting_and_eye_blink_on_cue) {
    for (int32_t level : {2, 3}) {
        chest_t* chest = scorpion(*this, 150, 100, level);
        ship_at(40, 100);
        chest->tail->next->kill();
        EXPECT_EQ(pool_shots_alive(), level >= 3 ? 1 : 0) << level;
    }
    for (int32_t level : {6, 7}) {
        chest_t* chest = scorpion(*this, 150, 100, level);
        ship_at(40, 100);
        stingball_t* ball = chest->sting->balls[0];
        ball->set_position(100, 100);
        ball->start();
        ball->damage(100000);
        EXPECT_EQ(pool_shots_alive(), level >= 7 ? 1 : 0) << "a ball's revenge from level 7";
    }
    chest_t* chest = scorpion(*this, 150, 100);
    sting_t* sting = chest->sting;
    sting->set_state(1);
    sting->set_flashing(true);
    int32_t lit = 0;
    for (int32_t i = 0; i < 4; ++i) {
        run(1);
        lit += sting->is_flashing();
    }
    EXPECT_EQ(lit, 3);
    sting->set_flashing(false);
    EXPECT_FALSE(sting->is_flashing());
    eye_t* eye = chest->head->eye;
    eye->phase = 150;
    eye->phase_frame = 0;
    eye->pattern = 0;
    std::vector<int32_t> patterns;
    for (int32_t i = 0; i < 70; ++i) {
        eye->update();
        patterns.push_back(eye->pattern);
    }
    EXPECT_EQ(std::tuple(patterns[0], patterns[31], patterns[32], patterns[69], eye->phase),
              std::tuple(1, 1, 2, 2, 0));
    eye->phase = 200;
    eye->phase_frame = 0;
    eye->pattern = 3;
    patterns.clear();
    for (int32_t i = 0; i < 49; ++i) {
        eye->update();
        patterns.push_back(eye->pattern);
    }
    EXPECT_EQ(std::tuple(patterns[0], patterns[47], eye->pattern, eye->phase), std::tuple(2, 0, 0, 0))
        << "shut every 16th frame";
    stingball_t* ball = sting->balls[1];
    ball->set_position(100, 271.97f);
    ball->direction = 0;
    ball->speed = 0.5f;
    ball->start();
    ball->update();
    EXPECT_TRUE(ball->alive);
    ball->update();
    EXPECT_FALSE(ball->alive) << "below the field";
}

TEST_F(scorpion_test, every_aim_ends_its_sweeps_eight_past_it_also_next_to_direction_0) {
    // From 8 above the aim the sweep down takes seven steps of 2 (it ends at 8 below); the sweep up
    // then takes four steps of 3 from the last of them.
    for (int32_t aim : {0, 3, 7, 8, 20, 32, 44, 52, 56, 60, 63}) {
        chest_t* chest = scorpion(*this, 60, 160);
        run(1);
        const float* tip = chest->sting->position();
        const auto aim_now = [tip] { return direction_to(tip, player_ship_position()); };
        for (int32_t k = 0; k < 8 && aim_now() != aim; ++k) {
            const double a = (aim + (k % 4) * 0.25 - (k / 4) * 0.5) * M_PI / 32;
            ship_at(tip[0] + 60 * float(std::cos(a)), tip[1] - 60 * float(std::sin(a)));
        }
        ASSERT_EQ(aim_now(), aim);
        chest->sting->aim = wrap64(aim + 8);
        chest->attack_count = 4; // the last round: its end waits in 5500
        chest->phase = 5100;
        chest->phase_frame = 0;
        std::map<int32_t, int32_t> steps;
        int32_t last = 0;
        for (int32_t n = 0; n < 3000 && chest->phase != 5500; ++n) {
            run(1);
            steps[chest->phase] += chest->phase != last && (chest->phase == 5103 || chest->phase == 5203);
            last = chest->phase;
        }
        EXPECT_EQ(std::tuple(steps[5103], steps[5203], chest->phase), std::tuple(7, 4, 5500)) << aim;
    }
}

TEST_F(scorpion_test, feet_step_by_their_thresholds_and_the_jump_carries_them) {
    struct gait_t {
        int32_t mode;
        float f[3];     // foot x from the chest's
        bool stands[3]; // on the floor, else in the air
        bool steps[3];
    };
    const gait_t gaits[] = {
        {1, {-8, 29, 51}, {true, true, true}, {true, false, false}},
        {1, {-9, 30, 51}, {true, true, true}, {false, true, false}},
        {1, {-9, 29, 52}, {true, true, true}, {false, false, true}},
        {1, {-8, 30, 52}, {true, true, true}, {true, false, true}}, // foot 0 has just left the floor
        {1, {-8, 30, 52}, {true, false, true}, {false, true, false}},
        {3, {-8, 31, 53}, {true, true, true}, {true, false, false}},
        {3, {-7, 30, 53}, {true, true, true}, {false, true, false}},
        {3, {-7, 31, 52}, {true, true, true}, {false, false, true}},
        {2, {0, 0, 0}, {false, true, true}, {true, false, false}},
        {4, {0, 0, 0}, {true, true, false}, {false, false, true}},
    };
    for (const gait_t& g : gaits) {
        chest_t* chest = scorpion(*this, 120, 60);
        for (int32_t x = 0; x < 256; ++x) {
            solid_at(*slot0, x, 180);
        }
        bool any = false;
        for (size_t i = 0; i < 3; ++i) {
            chest->feet[i]->set_position(chest->x + g.f[i], g.stands[i] ? 160 : 100);
            any = any || g.steps[i];
        }
        EXPECT_EQ(chest->step_feet(g.mode, 1.0f), any) << g.mode;
        for (size_t i = 0; i < 3; ++i) {
            const float moved = chest->feet[i]->x - (chest->x + g.f[i]);
            EXPECT_EQ(moved, g.steps[i] ? (g.mode <= 2 ? -1.0f : 1.0f) : 0.0f) << g.mode << " foot " << i;
        }
    }
    // The phases that settle the feet carry only a foot in the air on, by their stride; from its 18th
    // frame the rear-up steps them as a walk right does. Foot 0 is in the air, foot 2 at its reach.
    struct settle_t {
        int32_t phase;
        uint32_t frame;
        float moved[3];
    };
    const settle_t settles[] = {{51, 1, {-1, 0, 0}},  {502, 1, {1, 0, 0}},   {7201, 1, {2, 0, 0}},
                                {6016, 1, {1, 0, 0}}, {50002, 1, {1, 0, 0}}, {50001, 18, {1.2f, 0, 1.2f}}};
    for (const settle_t& s : settles) {
        chest_t* chest = scorpion(*this, 120, 60);
        for (int32_t x = 0; x < 256; ++x) {
            solid_at(*slot0, x, 180);
        }
        const float f[3] = {0, 20, 52};
        for (size_t i = 0; i < 3; ++i) {
            chest->feet[i]->set_position(chest->x + f[i], i == 0 ? 100 : 160);
        }
        chest->phase = s.phase;
        chest->phase_frame = s.frame;
        chest->fall.x0 = chest->x; // a rear-up in place
        chest->fall.y0 = chest->y;
        chest->fall.angle = 300;
        chest->update();
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(chest->feet[i]->x - (chest->x + f[i]), s.moved[i], 1e-4) << s.phase << " foot " << i;
        }
    }
    struct jump_t {
        float y; // before the frame's move
        float vy;
        bool in_air;   // the feet
        float foot_dy; // (dx -2.5 when they move)
        bool going;
    };
    const jump_t jumps[] = {
        {93, -8, true, 0, true},   // 95 above the floor at 180: the feet stay
        {92, -8, true, -8, true},  // 96 above: they rise with the chest
        {84, -8, true, -11, true}, // from 104 above, 3 more
        {60, 2, true, 3, true},    // falling: a foot in the air drops by vy + 1
        {60, 2, false, 0, false},  // all standing: the jump ends
    };
    for (const jump_t& j : jumps) {
        chest_t* chest = scorpion(*this, 120, 60);
        for (int32_t y = 180; y < 256; ++y) {
            solid_at(*slot0, 120 - 2, y);
        }
        for (int32_t x = 0; x < 256; ++x) {
            solid_at(*slot0, x, 180);
        }
        chest->start_jump();
        chest->jump_vy = j.vy;
        chest->y = j.y;
        foot_t* foot = chest->feet[1];
        foot->set_position(110, j.in_air ? 100 : 160);
        chest->feet[0]->set_position(90, foot->y);
        chest->feet[2]->set_position(130, foot->y);
        const float fy = foot->y;
        EXPECT_EQ(chest->step_jump(), j.going) << j.y;
        EXPECT_EQ(std::tuple(chest->x, chest->y, chest->jump_vy),
                  std::tuple(118.0f, j.y + j.vy, j.vy + 0.3f));
        EXPECT_EQ(std::pair(foot->x, foot->y - fy), std::pair(j.foot_dy != 0 ? 107.5f : 110.0f, j.foot_dy))
            << j.y;
    }
}

TEST_F(scorpion_test, the_jaw_lets_the_worm_out_at_its_32nd_frame_and_trailing_lasers_bounce_at_level_8) {
    chest_t* chest = scorpion(*this, 150, 100);
    head_t* head = chest->head;
    head->phase = 200;
    head->phase_frame = 0;
    head->direction = 32;
    // Open to pattern 24, then one more every 12th frame up to 31, 80 frames of roar, one less every 8th
    // frame down to 24, shut.
    std::map<int32_t, int32_t> entered;
    int32_t worm_at = -1;
    for (int32_t n = 0; n < 300 && head->phase != 100; ++n) {
        const int32_t was = head->phase;
        head->update();
        if (head->phase != was) {
            entered[head->phase] = n;
        }
        if (head->phase == 202 && head->phase_frame == 1) {
            EXPECT_NE(g_soundctr.se_states[70], 0) << "the roar";
        }
        if (worm_at < 0 && head->worm->alive) {
            worm_at = int32_t(head->phase_frame) - 1;
            EXPECT_EQ(std::tuple(head->worm->dir, head->worm->x, head->worm->y),
                      std::tuple(38, head->x - 14, head->y + 16));
        }
    }
    EXPECT_EQ(entered, (std::map<int32_t, int32_t>{{201, 0}, {202, 84}, {203, 164}, {100, 220}}));
    EXPECT_EQ(worm_at, 32);

    // Between a ceiling and a floor: at level 8 three bounces, mirrored top to bottom, and a stop at the
    // fourth contact; below it the first contact stops it. Its segments close up and it goes in the
    // seventh frame from the stop.
    for (const auto& [level, directions] :
         {std::pair(1, std::vector<int32_t>{40}), std::pair(8, std::vector<int32_t>{40, 24, 40, 24})}) {
        chest = scorpion(*this, 150, 100, level);
        for (int32_t x = 0; x < 256; ++x) {
            solid_at(*slot0, x, 140);
            solid_at(*slot0, x, 180);
        }
        auto* laser = static_cast<stinglaser1_head_t*>(chest->sting->heads[0]);
        laser->set_position(200, 160);
        laser->direction = 40;
        laser->speed = 1.5f;
        laser->start();
        for (stinglaser1_t* segment = laser->next; segment != nullptr; segment = segment->next) {
            EXPECT_TRUE(segment->alive);
        }
        std::vector<int32_t> seen{laser->direction};
        int32_t after_stop = 0;
        for (int32_t n = 0; n < 400 && laser->alive; ++n) {
            laser->update();
            if (laser->stopped) {
                ++after_stop;
            } else if (laser->direction != seen.back()) {
                seen.push_back(laser->direction);
            }
        }
        EXPECT_EQ(seen, directions) << level;
        EXPECT_EQ(after_stop, 7) << level;
        laser->set_position(100, 160);
        laser->start();
        laser->update();
        EXPECT_EQ(std::pair(laser->next->x, laser->next->y), std::pair(100.0f, 160.0f)) << "a fresh trail";
    }
}
