// The scorpion's whole fight on the kit, from its arrival behind the escorts through four cycles of its
// attacks to the retreat, at levels 1 and 2: the phases that wait with their frames, the shots and the
// events, as the script's tables set them.
#include "bosses/scorpion/chest.h"
#include "enemies/worms/worm001.h"
#include "objects/play_globals.h"
#include "objects/wrap.h"
#include "tests/bosses/scorpion_poses.h"
#include "tests/enemies/enemy_kit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace {

using namespace scorpion001;

const auto& poses = scorpion_poses;
const int32_t* strike_pose(int32_t strike) {
    return poses[2 + (strike - 1000) / 50];
}

// Frames a tail turn lasts: it turns step(f) in frame f (0 for none) until a frame changes nothing.
template <typename F> int32_t turn_frames(const int32_t* from, const int32_t* to, F step) {
    int32_t most = 0;
    for (size_t k = 0; k < 9; ++k) {
        most = std::max(most, std::abs(to[k] - from[k]));
    }
    int32_t f = 0;
    for (; most > 0; ++f) {
        most -= step(f);
    }
    return f;
}

// A phase that waits, and the frames it waits: 0 for one or more, set by a walk, the feet, the jump, a
// turn of the sting or the head; -1 for none or more (the feet may already stand).
struct wait_t {
    int32_t phase;
    int32_t frames;
    bool operator==(const wait_t&) const = default;
};
constexpr int32_t any = 0;
constexpr int32_t maybe = -1;

// The waits of the fight as the script's tables give them, for the level and the strike the ship's
// place chooses.
std::vector<wait_t> expected_fight(int32_t level, int32_t strike) {
    std::vector<wait_t> w{{20, 3072}, {50, any}, {51, maybe}};
    for (int32_t pass = 1; pass < 5; ++pass) {
        for (int32_t claw = 0; claw < 6; ++claw) {
            w.insert(w.end(), {{4011, 24}, {4012, 32}}); // a move at step 8: 180 / 8 + 1 frames
        }
        w.insert(w.end(), {{4101, 47}, {2001, any}});
        for (int32_t shot = 0; shot < 24; ++shot) {
            w.insert(w.end(), {{3101, shot == 0 ? any : 4}, {3103, 12}}); // a turn of 3: 3 + 1 frames
        }
        w.push_back({3200, 32});
        for (int32_t round = 0; round < 4; ++round) {
            // From 3 past the aim (the aimed shots' last), later 5 past (the sweep up's last): steps of
            // 2 down to 8 below the aim, then from 7 below steps of 3 up to 8 past it.
            for (int32_t down = 0; down < (round == 0 ? 5 : 6); ++down) {
                w.insert(w.end(), {{5102, 3}, {5103, 10}});
            }
            for (int32_t up = 0; up < 4; ++up) {
                w.insert(w.end(), {{5202, 4}, {5203, 10}});
            }
        }
        w.push_back({5500, 64});
        for (int32_t stab = 0; stab < 6; ++stab) {
            // The first from 5 past the aim to 1 below it.
            w.insert(w.end(), {{5605, 8},
                               {5611, stab == 0 ? 7 : 2},
                               {5612, 8},
                               {5621, 3},
                               {5622, 8},
                               {5631, 2},
                               {5632, 8}});
        }
        w.insert(w.end(),
                 {{5700, 32}, {7000, 64}, {7002, any}, {7003, 12}, {7101, any}, {7200, any}, {7201, maybe}});
        for (int32_t tail = 0; level >= 2 && tail < 6; ++tail) {
            if (tail == 0) {
                w.insert(w.end(), {{501, 64}, {502, maybe}});
            }
            const int32_t every = tail == 0 ? 8 : 4;
            w.push_back({503, every * turn_frames(poses[0], poses[1], [](int32_t) { return 1; })});
            const int32_t fast = strike >= 1500 ? 3 : 2;
            w.push_back({strike, turn_frames(poses[1], strike_pose(strike),
                                             [fast](int32_t f) { return f < 8 ? 1 : fast; })});
            if (strike < 1500) {
                w.push_back(
                    {strike + 1, turn_frames(strike_pose(strike), poses[0], [](int32_t) { return 1; })});
            } else {
                w.push_back({strike + 1, 8});
                w.push_back({strike + 2, turn_frames(strike_pose(strike), poses[0],
                                                     [](int32_t f) { return f == 1 || f >= 8 ? 1 : 0; })});
            }
        }
        w.insert(w.end(), {{6000, 32}, {6002, any}, {6015, any}, {6016, maybe}, {6020, 32}});
    }
    w.push_back({60000, any});
    return w;
}

// Whether the waits seen match the expected ones, in order.
bool waits_match(const std::vector<wait_t>& seen, const std::vector<wait_t>& expected, std::string& where) {
    size_t s = 0;
    for (size_t e = 0; e < expected.size(); ++e) {
        const wait_t& x = expected[e];
        if (s < seen.size() && seen[s].phase == x.phase &&
            (x.frames <= 0 || seen[s].frames == x.frames || (x.phase == 60000 && e + 1 == expected.size()))) {
            ++s;
            continue;
        }
        if (x.frames == maybe) {
            continue;
        }
        where = "expected wait " + std::to_string(e) + " (" + std::to_string(x.phase) + ", " +
                std::to_string(x.frames) + ")";
        if (s < seen.size()) {
            where += ", seen (" + std::to_string(seen[s].phase) + ", " + std::to_string(seen[s].frames) + ")";
        }
        return false;
    }
    where = s == seen.size() ? "" : "more waits seen";
    return s == seen.size();
}

struct fight_t {
    std::vector<wait_t> waits;
    std::vector<uint32_t> starts; // the frame each wait began
    std::map<std::string, int32_t> shots;
    std::vector<uint32_t> balls;  // frames of the balls thrown in 7200
    std::vector<uint32_t> jaws;   // frames the head opened its jaw (its phase 202)
    std::vector<uint32_t> worms;  // frames the worm started
    std::vector<float> walked;    // how far right the chest went in each 501
    std::vector<int32_t> turned;  // the sting's direction at the ends of 7101 and 6002
    std::vector<int32_t> homers;  // at each homing laser's start, 1 above the sting's direction, -1 below
    std::vector<uint32_t> puffs;  // frames of the sting's smoke puffs in the ground strikes
    std::set<int32_t> puff_ways;  // their directions less their own offsets
    int32_t pulses = 0;           // claw attacks that sent a pulse down the arm
    int32_t head_phase = 0;       // at the first claw attack's end
    float retreat_walk = 0;       // how far left in the retreat's frames 128 to 200, the scroll held
    bool scroll_released = false; // by the retreat's frame 33
    // Per phase, in thousandths of a pixel: how far the chest walks in a frame (the crouch and the jump
    // left out), and how far a foot moves along.
    std::map<int32_t, std::set<int32_t>> paces;
    std::map<int32_t, std::set<int32_t>> strides;

    uint32_t start_of(int32_t phase, size_t nth = 0) const {
        for (size_t i = 0; i < waits.size(); ++i) {
            if (waits[i].phase == phase && nth-- == 0) {
                return starts[i];
            }
        }
        return 0;
    }
};

template <typename T> int32_t started(const std::vector<T*>& pool, std::vector<uint8_t>& before) {
    int32_t n = 0;
    before.resize(pool.size());
    for (size_t i = 0; i < pool.size(); ++i) {
        n += !before[i] && pool[i]->alive;
        before[i] = pool[i]->alive;
    }
    return n;
}

} // namespace

class scorpion_fight_test : public enemy_kit_t {
  protected:
    // The fight on flat ground at 180 with the ship at (40, 100), and at `low` while the tail strikes.
    fight_t fight(int32_t level, std::pair<float, float> low);
};

fight_t scorpion_fight_test::fight(int32_t level, std::pair<float, float> low) {
    load({placed(294, 220, 120)}, level);
    scene->scroll_stop = 1;
    chest_t* chest = only<chest_t>();
    for (int32_t x = 0; x < 256; ++x) {
        for (int32_t y = 180; y < 256; ++y) {
            solid_at(*slot0, x, y);
        }
    }
    ship_at(40, 100);
    fight_t r;
    std::map<std::string, std::vector<uint8_t>> before;
    float from_x = 0;
    for (uint32_t n = 0; n < 40000 && !(chest->phase == 60000 && chest->phase_frame > 200); ++n) {
        const int32_t was = chest->phase;
        const int32_t head_was = chest->head->phase;
        const bool worm_was = chest->head->worm->alive;
        const float chest_was[2] = {chest->x, chest->y};
        float feet_were[3];
        for (size_t i = 0; i < 3; ++i) {
            feet_were[i] = chest->feet[i]->x;
        }
        run(1);
        const int32_t now = chest->phase;
        if (now == was) {
            const float pace = std::hypot(chest->x - chest_was[0], chest->y - chest_was[1]);
            if (pace > 0 && (now < 7000 || now > 7003)) {
                r.paces[now].insert(int32_t(std::lround(pace * 1000)));
            }
            for (size_t i = 0; i < 3; ++i) {
                if (chest->feet[i]->x != feet_were[i]) {
                    r.strides[now].insert(int32_t(std::lround((chest->feet[i]->x - feet_were[i]) * 1000)));
                }
            }
        }
        if (r.waits.empty() || now != was) {
            r.waits.push_back({now, 0});
            r.starts.push_back(n);
            if (was == 501) {
                r.walked.push_back(chest->x - from_x);
            }
            if (now == 4011) {
                r.pulses += chest->arm->is_flashing();
            }
            if (now == 4012 && r.head_phase == 0) {
                r.head_phase = chest->head->phase;
            }
            if (was == 7101 || was == 6002) {
                r.turned.push_back(chest->sting->direction);
            }
            if (now == 501) {
                from_x = chest->x - 0.3f; // it walks in its first frame
            }
            if (now == 501) {
                ship_at(low.first, low.second);
            } else if (now == 6000) {
                ship_at(40, 100);
            }
        }
        ++r.waits.back().frames;
        if (now == 60000 && chest->phase_frame == 33) {
            r.scroll_released = scene->scroll_stop == 0;
            scene->scroll_stop = 1;
        }
        if (now == 60000 && chest->phase_frame == 128) {
            from_x = chest->x;
        }
        r.shots["hand laser"] += started(chest->hand->lasers, before["hand laser"]);
        r.shots["bolt"] += started(chest->sting->bolts, before["bolt"]);
        r.shots["fan"] += started(chest->sting->heads, before["fan"]);
        const int32_t homers = started(chest->sting->homers, before["homer"]);
        r.shots["homer"] += homers;
        for (const stinglaser3_t* homer : chest->sting->homers) {
            if (homers > 0 && homer->timer == 1) {
                r.homers.push_back(wrap64(homer->direction - chest->sting->direction) < 32 ? 1 : -1);
            }
        }
        std::vector<uint8_t> puffs_before = before["puff"];
        if (started(chest->sting->smokes, before["puff"]) > 0 && now >= 1500 && now <= 1502) {
            r.puffs.push_back(n);
            for (size_t i = 0; i < puffs_before.size(); ++i) {
                const stingsmoke_t* puff = chest->sting->smokes[i];
                if (!puffs_before[i] && puff->alive) {
                    r.puff_ways.insert(wrap64(puff->direction - puff->offset));
                }
            }
        }
        if (started(chest->sting->balls, before["ball"]) > 0 && now == 7200) {
            r.balls.push_back(n);
        }
        if (chest->head->phase == 202 && head_was != 202) {
            r.jaws.push_back(n);
        }
        if (!worm_was && chest->head->worm->alive) {
            r.worms.push_back(n);
        }
    }
    r.retreat_walk = from_x - chest->x;
    return r;
}

TEST_F(scorpion_fight_test, four_cycles_then_the_retreat_at_levels_1_and_2) {
    // The ship low at the tail strikes aims them at 39 or 40: ground strikes.
    for (int32_t level : {1, 2}) {
        const fight_t f = fight(level, {77, 155});
        std::string where;
        EXPECT_TRUE(waits_match(f.waits, expected_fight(level, 1500), where)) << level << ": " << where;

        // Per cycle: four lasers a claw attack; bolts nine a sweep step (5, 6, 6, 6 down, 4 up each
        // round) and eight a stab; a fan of 3 each aimed shot, from level 2 one more each step up; from
        // level 2 a homing laser after each claw attack and before each even triple stab.
        const bool upper = level >= 2;
        const std::map<std::string, int32_t> shots{{"hand laser", 4 * 6 * 4},
                                                   {"bolt", 4 * (9 * (5 + 3 * 6 + 4 * 4) + 8 * 3 * 6)},
                                                   {"fan", 4 * (3 * 24 + upper * 16)},
                                                   {"homer", 4 * upper * (6 + 3)}};
        EXPECT_EQ(f.shots, shots) << level;

        std::vector<std::tuple<uint32_t, int32_t, int32_t>> events{{0, 389, 1}};
        for (int32_t type : {405, 409, 410}) {
            events.emplace_back(f.start_of(51), type, 0);
        }
        events.emplace_back(f.start_of(4011) + 1, 385, 2); // the head, once the chest is past 100
        std::vector<uint32_t> balls;
        for (size_t cycle = 0; cycle < 4; ++cycle) {
            events.emplace_back(f.start_of(7003, cycle), 371, 6);
            for (size_t strike = 0; upper && strike < 6; ++strike) {
                events.emplace_back(f.start_of(1501, cycle * 6 + strike), 371, 3);
                events.emplace_back(f.start_of(1502, cycle * 6 + strike) + 8, 371, 3);
            }
            balls.push_back(f.start_of(7200, cycle) + 96);
        }
        events.emplace_back(f.start_of(60000) + 32, 389, 0);
        EXPECT_EQ(posted_since(0), events) << level;
        EXPECT_EQ(std::pair(f.pulses, f.head_phase), std::pair(4 * 6, 100))
            << "the head aims once vulnerable";
        // The strike's sound as the tail has risen; the thud of each landing and ground strike.
        std::vector<uint32_t> strikes;
        std::vector<uint32_t> thuds;
        for (size_t cycle = 0; cycle < 4; ++cycle) {
            thuds.push_back(f.start_of(7003, cycle));
            for (size_t strike = 0; upper && strike < 6; ++strike) {
                strikes.push_back(f.start_of(1500, cycle * 6 + strike));
                thuds.push_back(f.start_of(1501, cycle * 6 + strike));
            }
        }
        EXPECT_EQ(sound_frames(79), strikes) << level;
        EXPECT_EQ(sound_frames(90), thuds) << level;
        // A puff where the ground strike lands, and on frames 1 and 8 of the way back.
        std::vector<uint32_t> puffs;
        for (size_t strike = 0; upper && strike < 24; ++strike) {
            puffs.insert(puffs.end(), {f.start_of(1501, strike), f.start_of(1502, strike) + 1,
                                       f.start_of(1502, strike) + 8});
        }
        EXPECT_EQ(f.puffs, puffs) << level;
        EXPECT_EQ(f.puff_ways, upper ? std::set<int32_t>{16} : std::set<int32_t>{}) << "straight up";
        // Each cycle: from the claw attacks the odd ones above, then before the stabs 2 and 6 below, 4
        // above.
        std::vector<int32_t> homers;
        std::vector<int32_t> turned;
        for (size_t cycle = 0; cycle < 4; ++cycle) {
            if (upper) {
                homers.insert(homers.end(), {1, -1, 1, -1, 1, -1, -1, 1, -1});
            }
            turned.insert(turned.end(), {32, 36});
        }
        EXPECT_EQ(f.homers, homers) << level;
        EXPECT_EQ(f.turned, turned) << level;
        std::vector<uint32_t> first_balls;
        for (uint32_t b : f.balls) {
            if (first_balls.empty() || b > first_balls.back() + 200) {
                first_balls.push_back(b);
            }
        }
        EXPECT_EQ(first_balls, balls) << level;
        EXPECT_EQ(sound_frames(70), f.jaws);
        ASSERT_EQ(f.jaws.size(), 4u);
        for (size_t cycle = 0; cycle < 4; ++cycle) {
            EXPECT_EQ(f.worms[cycle], f.jaws[cycle] + 32);
        }
        EXPECT_EQ(f.walked.size(), upper ? 4u : 0u);
        for (float walked : f.walked) {
            EXPECT_NEAR(walked, 64 * 0.3f, 0.01f);
        }
        EXPECT_TRUE(f.scroll_released);
        // Each walk keeps its pace and each foot in the air its stride, in thousandths of a pixel a frame.
        std::map<int32_t, std::set<int32_t>> paces{{50, {500}}, {7200, {300}}, {6015, {200}}, {60000, {125}}};
        std::map<int32_t, std::set<int32_t>> strides{{50, {-1200}},  {51, {-1000}},  {7002, {-2500}},
                                                     {7200, {1000}}, {7201, {2000}}, {6015, {1000}},
                                                     {60000, {-400}}};
        if (upper) {
            paces[501] = {300};
            strides[501] = {1000};
        }
        EXPECT_EQ(f.paces, paces) << level;
        EXPECT_EQ(f.strides, strides) << level;
        EXPECT_NEAR(f.retreat_walk, (200 - 128 + 1) * 0.125f, 0.01f);
    }
}
