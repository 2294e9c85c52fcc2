// The worms on the kit: worm001's assembly by length and its dormant form, the deaths running down each
// chain, hits handed to the head, worm004's bend handed to the root, worm005's burst by level.
#include "enemies/worms/worm001.h"
#include "enemies/worms/worm002.h"
#include "enemies/worms/worm003.h"
#include "enemies/worms/worm004.h"
#include "enemies/worms/worm005.h"
#include "objects/score.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>
#include <set>

namespace {

using worms = enemy_kit_t;

template <typename Part> std::vector<Part*> chain_of(Part* head) {
    std::vector<Part*> parts;
    for (Part* p = head; p != nullptr; p = p->back) {
        parts.push_back(p);
    }
    return parts;
}

} // namespace

TEST_F(worms, worm001_is_built_from_its_length_with_banks_rising_from_both_ends) {
    struct row_t {
        int32_t fours;
        std::vector<int32_t> banks; // head to tail
        std::vector<bool> exploding;
    };
    const row_t rows[] = {
        {1, {0, 0, 0, 0}, {true, false, true, true}},
        {3,
         {0, 0, 0, 32, 32, 32, 32, 32, 32, 0, 0, 0},
         {true, false, true, false, true, false, true, false, true, false, true, true}},
        {8,
         {0,  0,  0,  32, 32, 32, 64, 64, 64, 96, 96, 96, 96, 96, 96, 96,
          96, 96, 96, 96, 96, 96, 96, 64, 64, 64, 32, 32, 32, 0,  0,  0},
         {}},
        {0, {}, {}},
        {-2, {}, {}},
    };
    for (const row_t& r : rows) {
        load({placed(189, 0, 0, r.fours)});
        worm001::head_t* head = only<worm001::head_t>();
        if (r.banks.empty()) {
            EXPECT_EQ(object_total(), 0u) << r.fours;
            continue;
        }
        ASSERT_NE(head, nullptr);
        EXPECT_EQ(head->trail.length, uint32_t(r.banks.size() * 4));
        EXPECT_EQ(head->length, int32_t(r.banks.size()));
        EXPECT_EQ(head->dir, 56); // towards the middle of the screen
        std::vector<int32_t> banks;
        std::vector<bool> exploding;
        for (worm001::part_t* p : chain_of<worm001::part_t>(head)) {
            banks.push_back(p->bank);
            exploding.push_back(p->explosion != nullptr);
            auto* body = dynamic_cast<worm001::body_t*>(p);
            EXPECT_TRUE(p == head || (body != nullptr && body->head == head && p->front->back == p));
        }
        EXPECT_EQ(banks, r.banks) << r.fours;
        if (!r.exploding.empty()) {
            EXPECT_EQ(exploding, r.exploding) << r.fours;
        }
        // The tail is made first, the head last.
        EXPECT_EQ(all<worm001::part_t>().back(), head);
    }
}

TEST_F(worms, a_dormant_worm001_waits_switched_off_and_fades_in_from_the_head_when_started) {
    load({placed(189, 100, 100, 5)});
    placement_t p = placed(202, 100, 100, 7);
    worm001::head_t* dormant = stage_t::make_dormant_worm001(&scene->stage, &p);
    ASSERT_NE(dormant, nullptr);
    const std::vector<worm001::part_t*> off = chain_of<worm001::part_t>(dormant);
    ASSERT_EQ(off.size(), 12u);
    for (worm001::part_t* part : off) {
        EXPECT_EQ(part->alive, 0);
        EXPECT_EQ(part->hp, 0);
    }
    worm001::head_t* head = all<worm001::head_t>()[0];
    const std::vector<worm001::part_t*> parts = chain_of<worm001::part_t>(head);
    EXPECT_EQ(parts.back()->fade, 0); // a placed worm is opaque at once
    parts.back()->kill();
    head->start();
    EXPECT_EQ(parts.back()->alive, 1);
    scene->scroll_stop = 1;
    run(3);
    // The fade runs down the chain, each part a step behind what the part in front showed last frame.
    EXPECT_EQ(head->fade, 232);
    EXPECT_EQ(parts[1]->fade, 248);
    EXPECT_EQ(parts[2]->fade, 256);
    run(40);
    EXPECT_EQ(parts[10]->fade, 0);
    EXPECT_GT(parts.back()->fade, 0); // the tail last
    run(20);
    EXPECT_EQ(parts.back()->fade, 0);
    EXPECT_EQ(alive_count(parts), 20);
}

TEST_F(worms, a_dead_head_takes_its_bodies_down_one_after_another) {
    struct row_t {
        int32_t type;
        int32_t param;
        std::vector<uint32_t> died; // frames after the head's death, body 1 first
    };
    // A body updated after the part in front sees it die in the same frame: only worm001, whose tail
    // comes first in its list, keeps the full gap all along.
    const row_t rows[] = {{189, 1, {4, 8, 12}},
                          {190, 0, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}},
                          {193, 0, {3, 5, 7, 9, 11, 13, 15}},
                          {196, 0, {4, 7, 10, 13, 16}}};
    for (const row_t& r : rows) {
        load({placed(r.type, 128, 120, r.param)});
        scene->scroll_stop = 1;
        enemy_t* head = nullptr;
        std::vector<enemy_t*> chain;
        if (auto* h = only<worm001::head_t>()) {
            head = h;
            for (auto* p : chain_of<worm001::part_t>(h))
                chain.push_back(p);
        } else if (auto* h2 = only<worm002::head_t>()) {
            head = h2;
            for (auto* p : chain_of<worm002::seg_t>(h2))
                chain.push_back(p);
        } else if (auto* h3 = only<worm003::head_t>()) {
            head = h3;
            for (worm003::part_t* p = h3; p != nullptr; p = p->back)
                chain.push_back(p);
        } else if (auto* h4 = only<worm004::head_t>()) {
            head = h4;
            for (worm004::seg_t* p = h4; p != nullptr; p = p->inner)
                chain.push_back(p);
        }
        ASSERT_NE(head, nullptr) << r.type;
        run(1);
        head->damage(9999);
        std::vector<uint32_t> died(chain.size(), 0);
        for (uint32_t f = 1; f <= 4 * uint32_t(chain.size()); ++f) {
            run(1);
            for (size_t k = 1; k < chain.size(); ++k) {
                if (died[k] == 0 && !chain[k]->alive) {
                    died[k] = f;
                }
            }
        }
        EXPECT_EQ(std::vector<uint32_t>(died.begin() + 1, died.end()), r.died) << r.type;
    }
}

TEST_F(worms, hits_on_a_body_go_to_the_head) {
    for (int32_t type : {189, 190, 193, 196}) {
        load({placed(type, 128, 120, 1)});
        enemy_t* head = nullptr;
        enemy_t* body = nullptr;
        if (auto* h = only<worm001::head_t>()) {
            head = h, body = h->back;
        } else if (auto* h2 = only<worm002::head_t>()) {
            head = h2, body = h2->back;
        } else if (auto* h3 = only<worm003::head_t>()) {
            head = h3, body = h3->back;
        } else if (auto* h4 = only<worm004::head_t>()) {
            head = h4, body = h4->inner;
        }
        ASSERT_NE(body, nullptr) << type;
        scene->scroll_stop = 1;
        run(5);
        const int32_t before = head->hp;
        body->damage(2);
        EXPECT_EQ(head->hp, before - 2) << type;
        EXPECT_EQ(body->hp, body->max_hp()) << type;
        EXPECT_TRUE(body->is_flashing()) << type; // with its head
        run(1);
        EXPECT_EQ(sounds_of(47), type == 193 ? 0 : 1) << type; // worm003's head sounds only when it dies
        if (auto* h4 = dynamic_cast<worm004::head_t*>(head)) {
            EXPECT_EQ(h4->hit_timer, 7); // it turns away for 8 frames, one of them gone
            h4->damage(9999);
            const int32_t score = g_score;
            body->damage(2); // the bodies outlive it by a few frames
            EXPECT_EQ(g_score, score) << "its head scores once";
        }
    }
    load({placed(199, 128, 120)});
    worm005::head_t* head = only<worm005::head_t>();
    head->back->damage(5);
    EXPECT_EQ(head->hp, head->max_hp()); // armour: nothing at all
}

TEST_F(worms, worm004_bends_each_joint_at_most_two_steps_and_hands_the_rest_inwards) {
    load({placed(196, 128, 120, 16)});
    worm004::head_t* head = only<worm004::head_t>();
    ASSERT_NE(head, nullptr);
    std::vector<worm004::seg_t*> parts;
    for (worm004::seg_t* p = head; p != nullptr; p = p->inner) {
        parts.push_back(p);
    }
    ASSERT_EQ(parts.size(), 6u);
    EXPECT_EQ(head->root, parts.back());
    // Turning one way eight times: the head takes two, then body 1 two, then body 2 ...
    const std::vector<std::vector<int32_t>> after = {
        {17, 16, 16, 16, 16, 16}, {18, 16, 16, 16, 16, 16}, {18, 17, 16, 16, 16, 16},
        {19, 17, 16, 16, 16, 16}, {19, 18, 16, 16, 16, 16}, {20, 18, 16, 16, 16, 16},
    };
    for (const std::vector<int32_t>& dirs : after) {
        head->turn(1);
        std::vector<int32_t> got;
        for (worm004::seg_t* p : parts) {
            got.push_back(p->dir);
        }
        EXPECT_EQ(got, dirs);
    }
    head->turn(0); // straightening pulls body 1 towards the head, which hands it on to body 2
    EXPECT_EQ(parts[1]->dir, 18);
    EXPECT_EQ(parts[2]->dir, 17);
    head->turn(-1);
    EXPECT_EQ(head->dir, 19);
    // The other way likewise, from a straight worm.
    load({placed(196, 128, 120, 16)});
    head = only<worm004::head_t>();
    const std::vector<std::vector<int32_t>> back = {{15, 16, 16, 16, 16, 16},
                                                    {14, 16, 16, 16, 16, 16},
                                                    {14, 15, 16, 16, 16, 16},
                                                    {13, 15, 16, 16, 16, 16}};
    for (const std::vector<int32_t>& dirs : back) {
        head->turn(-1);
        std::vector<int32_t> got;
        for (worm004::seg_t* p = head; p != nullptr; p = p->inner) {
            got.push_back(p->dir);
        }
        EXPECT_EQ(got, dirs);
    }
    head->turn(0); // straightening hands body 1 a step towards the head
    std::vector<int32_t> straightened;
    for (worm004::seg_t* p = head; p != nullptr; p = p->inner) {
        straightened.push_back(p->dir);
    }
    EXPECT_EQ(straightened, (std::vector<int32_t>{13, 14, 16, 16, 16, 16}));
    // The first frame lays the bodies out straight from the root along its heading, the spacing apart,
    // each cell half the heading plus the part's bank.
    load({placed(196, 128, 120, 18)});
    scene->scroll_stop = 1;
    head = only<worm004::head_t>();
    run(1);
    parts.clear();
    for (worm004::seg_t* p = head; p != nullptr; p = p->inner) {
        parts.push_back(p);
    }
    std::vector<int32_t> patterns;
    for (size_t k = 0; k < parts.size(); ++k) {
        patterns.push_back(parts[k]->pattern);
        if (k == 0) {
            continue; // the head has turned a step to the ship
        }
        EXPECT_EQ(parts[k]->dir & 63, 18) << k;
        EXPECT_NEAR(parts[k]->x, 128 + float(5 - k) * head->spacing * cos_table[18], 1e-3) << k;
        EXPECT_NEAR(parts[k]->y, 120 - float(5 - k) * head->spacing * sin_table[18], 1e-3) << k;
        if (k > 0) {
            EXPECT_EQ(dynamic_cast<worm004::body_t*>(parts[k])->explosion->period, 1u) << k;
        }
    }
    EXPECT_NE(head->explosion, nullptr);
    EXPECT_EQ(patterns, (std::vector<int32_t>{9, 25, 41, 57, 57, 57}));
    // Banks from the head inwards, and the stretch between about 4 and 8 pixels.
    std::vector<int32_t> banks;
    for (worm004::seg_t* p : parts) {
        banks.push_back(p->bank);
    }
    EXPECT_EQ(banks, (std::vector<int32_t>{0, 16, 32, 48, 48, 48}));
    float low = 99;
    float high = 0;
    scene->scroll_stop = 1;
    for (int32_t f = 0; f < 200; ++f) {
        run(1);
        low = std::min(low, head->spacing);
        high = std::max(high, head->spacing);
    }
    EXPECT_NEAR(low, 3.8f, 0.21f);
    EXPECT_NEAR(high, 8.2f, 0.21f);
}

TEST_F(worms, worm005_bursts_into_a_ring_by_level_and_its_segments_vanish) {
    struct row_t {
        int32_t level;
        std::vector<int32_t> directions;
        float speed;
    };
    std::vector<int32_t> odd;
    for (int32_t d = 1; d < 64; d += 2) {
        odd.push_back(d);
    }
    const row_t rows[] = {
        {1, {}, 0}, {2, {8, 24, 40, 56}, 1.1f}, {4, {4, 12, 20, 28, 36, 44, 52, 60}, 1.2f}, {8, odd, 1.4f}};
    for (const row_t& r : rows) {
        load({placed(199, 128, 120)}, r.level);
        scene->scroll_stop = 1;
        worm005::head_t* head = only<worm005::head_t>();
        ASSERT_NE(head, nullptr);
        head->damage(9999);
        run(1);
        std::vector<int32_t> directions;
        for (worm005::worm_missile_t* m : head->burst_missiles) {
            if (m->alive) {
                directions.push_back(m->direction);
                EXPECT_FLOAT_EQ(m->speed, r.speed);
            }
        }
        EXPECT_EQ(directions, r.directions) << r.level;
        EXPECT_EQ(alive_count(chain_of<worm005::part_t>(head)), 0);
        EXPECT_EQ(sounds_of(39), 1);
        EXPECT_EQ(sounds_of(47), 1);
    }
    load({placed(199, 128, 120)});
    worm005::head_t* head = only<worm005::head_t>();
    head->dir = 16;
    head->fire(); // from the muzzle 16 pixels ahead
    EXPECT_FLOAT_EQ(head->shots[0]->x, 128.0f);
    EXPECT_FLOAT_EQ(head->shots[0]->y, 104.0f);
    EXPECT_FLOAT_EQ(head->shots[0]->speed, 2.0f);
}

TEST_F(worms, worm002_settles_on_its_wall_and_steers_by_the_first_free_probe) {
    struct row_t {
        int32_t on_ceiling;
        int32_t placed_y;
        int32_t wall_y;  // terrain from here away from the worm
        float settled_y; // where the head stands after its first step
        std::vector<int32_t> dirs;
    };
    // On screen it takes one step; beyond the edge it steps on until it meets terrain.
    const row_t rows[] = {
        {0, 192, 200, 196, {33, 32, 33, 32, 33, 32}}, // a flat floor: it sways about left
        {1, 64, 56, 60, {33, 32, 33, 32, 33, 32}},    // a flat ceiling
        {0, 252, 300, 256, {33, 34, 35, 36, 37, 38}}, // the bottom edge is on screen: it dives
        {0, 280, 300, 300, {31}},                     // in the terrain: it climbs
        {0, 253, 300, 301, {31}},                     // beyond the edge at 257: on to the terrain
        {1, 4, -40, 0, {31, 30, 29, 28, 27, 26}},
        {1, -20, -40, -40, {33}},
    };
    for (const row_t& r : rows) {
        load({placed(190, 128, r.placed_y, r.on_ceiling)});
        scene->scroll_stop = 1;
        const int32_t away = r.on_ceiling != 0 ? -1 : 1;
        for (int32_t x = 0; x < 256; ++x) {
            for (int32_t d = 0; d < 16; ++d) {
                solid_at(*slot0, x, r.wall_y + away * d);
            }
        }
        worm002::head_t* head = only<worm002::head_t>();
        ASSERT_NE(head, nullptr);
        std::vector<int32_t> dirs;
        float last_x = 0;
        float last_y = 0;
        for (size_t f = 0; f < r.dirs.size(); ++f) {
            run(1);
            dirs.push_back(head->dir);
            if (f == 0) {
                EXPECT_NEAR(head->y, r.settled_y, 0.6f) << r.placed_y;
            } else {
                EXPECT_NEAR(std::hypot(last_x - head->x, last_y - head->y), 0.5f, 1e-4) << r.placed_y;
            }
            last_x = head->x;
            last_y = head->y;
        }
        EXPECT_EQ(dirs, r.dirs) << r.placed_y;
        EXPECT_EQ(head->pattern, (head->dir / 2) & 15);
        EXPECT_EQ(head->on_ceiling, r.on_ceiling);
        EXPECT_EQ(head->back->back->pattern & 16, 16); // a middle body's bank
    }
}

TEST_F(worms, worm002_bodies_ride_every_eighth_entry_facing_along_the_chain_and_the_scroll_carries_it) {
    load({placed(190, 128, 60)}); // nothing holds it: it dives
    scene->scroll_stop = 1;
    worm002::head_t* head = only<worm002::head_t>();
    run(120);
    EXPECT_GE(head->dir, 48);
    EXPECT_LE(head->dir, 49);
    EXPECT_EQ(head->pattern, 8);
    EXPECT_EQ(head->trail.length, 96u);
    const std::vector<worm002::seg_t*> chain = chain_of<worm002::seg_t>(head);
    std::vector<int32_t> patterns;
    for (size_t k = 1; k < chain.size(); ++k) {
        patterns.push_back(chain[k]->pattern);
        const poslog_t::entry_t at = head->trail.entry(8 * uint32_t(k));
        EXPECT_FLOAT_EQ(chain[k]->x, at.x) << k;
        EXPECT_FLOAT_EQ(chain[k]->y, at.y) << k;
    }
    EXPECT_EQ(patterns, (std::vector<int32_t>{24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 8})); // pointing down
    // The scroll moves the head with its whole history; a body only once the head is dead.
    const float x = head->x;
    const float y = head->y;
    const poslog_t::entry_t oldest = head->trail.entry(95);
    const float body_x = chain[1]->x;
    head->move_x(-5);
    chain[1]->move_x(-5);
    EXPECT_FLOAT_EQ(head->x, x - 5);
    EXPECT_FLOAT_EQ(head->trail.entry(95).x, oldest.x - 5);
    EXPECT_FLOAT_EQ(chain[1]->x, body_x);
    head->move_y(300);
    EXPECT_FLOAT_EQ(head->y, y + 300);
    EXPECT_FLOAT_EQ(head->trail.entry(95).y, oldest.y + 300);
    head->move_y(-300);
    head->move_y_wrapped(300);
    EXPECT_FLOAT_EQ(head->y, y + 300 - 512);
    EXPECT_FLOAT_EQ(head->trail.entry(0).y, y + 300 - 512);
    EXPECT_FLOAT_EQ(head->trail.entry(95).y, oldest.y + 300); // still inside the world
}

namespace {

struct worm_view_t {
    enemy_t* head = nullptr;
    poslog_t* trail = nullptr;
    int32_t* dir = nullptr;
    std::vector<enemy_t*> chain;
};

template <typename Head, typename Part> worm_view_t view_of(Head* head) {
    worm_view_t v{head, &head->trail, &head->dir, {}};
    for (Part* p = head; p != nullptr; p = p->back) {
        v.chain.push_back(p);
    }
    return v;
}

} // namespace

TEST_F(worms, the_heads_steer_and_the_bodies_ride_their_history_which_the_scroll_carries) {
    struct row_t {
        int32_t type;
        uint32_t step;             // history entries per part
        float first_speed;         // pixels in the first frame
        std::vector<int32_t> dirs; // the first four frames, the ship straight to the left
        bool scrolls;
    };
    const row_t rows[] = {
        {189, 4, 1.0f, {33, 33, 34, 34}, true}, // turns on even frames only, wriggling 4 off the ship
        {193, 4, 1.0f, {1, 2, 3, 4}, false},    // from 0, half a turn away: counter-clockwise
        {199, 2, 1.5f, {33, 34, 35, 36}, true},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 160, 128, 2)});
        ship_at(40, 128);
        scene->scroll_stop = 1;
        worm_view_t w;
        if (auto* h = only<worm001::head_t>()) {
            w = view_of<worm001::head_t, worm001::part_t>(h);
        } else if (auto* h3 = only<worm003::head_t>()) {
            w = view_of<worm003::head_t, worm003::part_t>(h3);
        } else if (auto* h5 = only<worm005::head_t>()) {
            w = view_of<worm005::head_t, worm005::part_t>(h5);
        }
        ASSERT_NE(w.head, nullptr) << r.type;
        const float x0 = w.head->x;
        const float y0 = w.head->y;
        std::vector<int32_t> dirs;
        for (int32_t f = 0; f < 4; ++f) {
            run(1);
            dirs.push_back(*w.dir);
            if (f == 0) {
                EXPECT_NEAR(std::hypot(w.head->x - x0, w.head->y - y0), r.first_speed, 1e-3) << r.type;
            }
        }
        EXPECT_EQ(dirs, r.dirs) << r.type;
        run(40);
        EXPECT_EQ(w.head->pattern, r.type == 193 ? 0 : *w.dir / 2) << r.type; // worm003's are fixed
        if (r.type == 193) {
            std::vector<int32_t> patterns;
            for (enemy_t* p : w.chain) {
                patterns.push_back(p->pattern);
            }
            EXPECT_EQ(patterns, (std::vector<int32_t>{0, 1, 2, 3, 3, 2, 1, 0}));
        }
        for (size_t k = 1; k < w.chain.size(); ++k) {
            const poslog_t::entry_t at = w.trail->entry(r.step * uint32_t(k));
            EXPECT_NEAR(w.chain[k]->x, at.x, 1e-4) << r.type << " part " << k;
            EXPECT_NEAR(w.chain[k]->y, at.y, 1e-4) << r.type << " part " << k;
        }
        const float head_x = w.head->x;
        const float oldest_x = w.trail->entry(w.trail->length - 1).x;
        const float body_x = w.chain[1]->x;
        w.head->move_x(-5);
        w.chain[1]->move_x(-5); // worm001's body scrolls only once its head is dead
        const float moved = r.scrolls ? -5.0f : 0.0f;
        EXPECT_FLOAT_EQ(w.head->x, head_x + moved) << r.type;
        EXPECT_FLOAT_EQ(w.trail->entry(w.trail->length - 1).x, oldest_x + (r.type == 193 ? 0 : moved));
        EXPECT_FLOAT_EQ(w.chain[1]->x, body_x + (r.type == 199 ? -5.0f : 0.0f)) << r.type;
    }
}

TEST_F(worms, a_missing_record_makes_no_part_of_the_worm) {
    const std::pair<int32_t, int32_t> rows[] = {{189, 64}, {190, 60},  {190, 191}, {190, 192}, {193, 74},
                                                {196, 18}, {196, 197}, {199, 69},  {199, 22}};
    for (const auto& [type, missing] : rows) {
        records({}, {missing});
        load({placed(type, 128, 128, 1)});
        EXPECT_EQ(object_total(), 0u) << type << " without " << missing;
    }
}

TEST_F(worms, worm004_shoots_faster_by_level) {
    const std::pair<int32_t, float> rows[] = {{1, 0.5f}, {2, 0.5f}, {3, 1.0f}, {4, 1.5f}, {8, 2.0f}};
    for (const auto& [level, speed] : rows) {
        load({placed(196, 128, 120, 8)}, level);
        worm004::head_t* head = only<worm004::head_t>();
        head->fire();
        EXPECT_FLOAT_EQ(head->shots[0]->speed, speed) << level;
        EXPECT_EQ(head->shots[0]->direction, 8);
        EXPECT_EQ(alive_count(head->shots), 1);
        EXPECT_EQ(head->shots.size(), 4u);
    }
}

TEST_F(worms, worm002_steers_for_the_first_free_probe_point) {
    struct row_t {
        int32_t on_ceiling;
        int32_t solid; // how many of the four probe points, in probing order, are terrain
        int32_t target;
        int32_t pattern; // half the heading, of 16
    };
    const row_t rows[] = {{0, 0, 48, 8}, {0, 1, 40, 4},  {0, 2, 32, 0}, {0, 3, 24, 12}, {0, 4, 18, 9},
                          {1, 0, 16, 8}, {1, 1, 24, 12}, {1, 2, 32, 0}, {1, 3, 40, 4},  {1, 4, 46, 7}};
    int32_t x = 8; // each row on fresh terrain
    for (const row_t& r : rows) {
        x += 24;
        load({placed(190, x, 150, r.on_ceiling)});
        scene->scroll_stop = 1;
        const int32_t away = r.on_ceiling != 0 ? -4 : 4;
        const int32_t probes[4][2] = {
            {x, 150 + away}, {x - 4, 150 + away}, {x - 4, 150}, {x - 4, 150 - away}};
        for (int32_t i = 0; i < r.solid; ++i) {
            solid_at(*slot0, probes[i][0], probes[i][1]);
        }
        worm002::head_t* head = only<worm002::head_t>();
        head->state = 1; // already on its wall, heading left
        head->dir = 32;
        // Held in place, it turns one step a frame to the target and then sways between it and one more.
        std::vector<int32_t> dirs;
        for (int32_t f = 0; f < 20; ++f) {
            head->set_position(float(x) + 0.5f, 150.5f);
            run(1);
            dirs.push_back(head->dir);
        }
        EXPECT_EQ(std::min(dirs[18], dirs[19]), r.target) << r.on_ceiling << " " << r.solid;
        EXPECT_EQ(std::max(dirs[18], dirs[19]), r.target + 1) << r.on_ceiling << " " << r.solid;
        EXPECT_EQ(head->pattern, r.pattern) << r.on_ceiling << " " << r.solid;
    }
}

TEST_F(worms, worm002_leaves_silently_two_sections_on_and_fires_back_only_from_parts_that_explode) {
    load({placed(190, 128, 150)}, 3);
    scene->scroll_stop = 1;
    ship_at(40, 150);
    std::vector<worm002::seg_t*> chain = chain_of<worm002::seg_t>(only<worm002::head_t>());
    std::vector<bool> exploding;
    for (worm002::seg_t* part : chain) {
        exploding.push_back(part->explosion != nullptr);
    }
    // The head, the tail, and every second middle body from the head's side.
    EXPECT_EQ(exploding, (std::vector<bool>{1, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1}));
    advance_to(0x1FFFF);
    run(1);
    EXPECT_EQ(alive_count(chain), 12);
    advance_to(0x20000);
    run(1);
    EXPECT_EQ(alive_count(chain), 0);
    EXPECT_EQ(sounds_of(55), 0);
    EXPECT_EQ(alive_count(all<explosion_t>()), 0);
    EXPECT_EQ(pool_shots_alive(), 0);
    // Shot down at level 3: the head, the tail and the five exploding middle bodies fire back; at 2 none.
    for (const auto& [level, shots] : {std::pair{3, 7}, std::pair{2, 0}}) {
        load({placed(190, 128, 150)}, level);
        scene->scroll_stop = 1;
        ship_at(40, 150);
        run(1);
        only<worm002::head_t>()->damage(9999);
        run(30);
        EXPECT_EQ(alive_count(chain_of<worm002::seg_t>(only<worm002::head_t>())), 0) << level;
        EXPECT_EQ(pool_shots_alive(), shots) << level;
    }
}

TEST_F(worms, worm004_fires_at_the_top_of_a_stretch_by_level_while_the_ship_is_near) {
    struct row_t {
        int32_t level;
        float ship_dx;                // the ship's place beside the root
        std::vector<uint32_t> pulses; // the stretches that fired, of the first six
    };
    const row_t rows[] = {
        {1, -20, {3, 6}}, {2, -20, {2, 4, 6}}, {3, -20, {1, 2, 3, 4, 5, 6}}, {5, 200, {}}, {5, -90, {}}};
    for (const row_t& r : rows) {
        load({placed(196, 128, 120, 16)}, r.level);
        scene->scroll_stop = 1;
        ship_at(128 + r.ship_dx, 120);
        worm004::head_t* head = only<worm004::head_t>();
        std::vector<uint32_t> pulses;
        for (int32_t f = 0; f < 400 && head->pulse_count < 6; ++f) {
            const int32_t before = alive_count(head->shots);
            run(1);
            if (alive_count(head->shots) > before) {
                pulses.push_back(head->pulse_count);
                EXPECT_GT(head->spacing, 7.7f) << r.level; // fully stretched
                for (missile_t* shot : head->shots) {
                    shot->alive = 0; // a free shot for every stretch
                }
            }
        }
        EXPECT_EQ(pulses, r.pulses) << r.level << " " << r.ship_dx;
    }
    // The spacing starts as a whole number of pixels from 4 to 8.
    std::set<float> spacings;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        settings.random_seed = int32_t(seed * 0x9E3779B9u);
        load({placed(196, 128, 120, 16)});
        spacings.insert(only<worm004::head_t>()->spacing);
    }
    EXPECT_EQ(spacings, (std::set<float>{4, 5, 6, 7, 8}));
}

TEST_F(worms, worm004_stretches_in_one_frame_turns_away_when_hit_and_leaves_silently_left_of_16) {
    struct row_t {
        int32_t state;
        float spacing;
        std::vector<float> spacings; // after each frame
        std::vector<uint32_t> pulses;
    };
    // A changed state runs at once: the top of a stretch already contracts, the bottom already stretches.
    const row_t rows[] = {{10, 7.9f, {8.3f, 8.1f, 7.9f}, {0, 1, 1}},
                          {20, 4.1f, {3.9f, 4.3f, 4.7f}, {0, 0, 0}}};
    for (const row_t& r : rows) {
        load({placed(196, 128, 120, 16)});
        scene->scroll_stop = 1;
        worm004::head_t* head = only<worm004::head_t>();
        head->state = r.state;
        head->spacing = r.spacing;
        std::vector<float> spacings;
        std::vector<uint32_t> pulses;
        for (size_t f = 0; f < r.spacings.size(); ++f) {
            run(1);
            EXPECT_NEAR(head->spacing, r.spacings[f], 1e-4) << r.state << " frame " << f;
            pulses.push_back(head->pulse_count);
        }
        EXPECT_EQ(pulses, r.pulses) << r.state;
    }
    for (const auto& [x, alive] : {std::pair{-16.0f, 6}, std::pair{-17.0f, 0}}) {
        load({placed(196, 128, 120, 16)});
        scene->scroll_stop = 1;
        worm004::head_t* head = only<worm004::head_t>();
        head->state = 1; // where a stretch begins
        head->x = x;
        run(1);
        std::vector<worm004::seg_t*> parts;
        for (worm004::seg_t* p = head; p != nullptr; p = p->inner) {
            parts.push_back(p);
        }
        EXPECT_EQ(alive_count(parts), alive) << x;
        EXPECT_EQ(head->hp == 0, alive == 0) << x;
        EXPECT_EQ(sounds_of(2), 0) << x;
    }
    // Aligned with the ship above, a hit turns the head away: half a turn counts counter-clockwise.
    load({placed(196, 128, 120, 16)});
    scene->scroll_stop = 1;
    worm004::head_t* head = only<worm004::head_t>();
    ship_at(128, 0);
    run(2);
    EXPECT_EQ(head->dir & 63, 16);
    head->damage(1);
    run(1);
    EXPECT_EQ(head->dir & 63, 17);
}
