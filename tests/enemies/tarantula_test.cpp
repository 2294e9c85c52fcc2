// The tarantula on the kit: its assembly and the blasts' table, the walk in,
// the fans by level, and the death sequence with its blasts, event and bullet
// ring.
#include "enemies/walkers/tarantula.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <algorithm>
#include <cmath>

namespace {

class tarantula_test : public enemy_kit_t {
  protected:
    tarantula_t* standing(float x, int32_t level = 1) {
        load({placed(259, int32_t(x), 128, 0, 38)}, level);
        scene->scroll_stop = 1;
        ship_at(40, 128);
        return only<tarantula_t>();
    }
};

} // namespace

TEST_F(tarantula_test, it_is_assembled_with_sixteen_blasts_and_48_shots_and_not_at_all_without_a_record) {
    for (int32_t missing : {259, 260, 261, 85, 67, 68, 69}) {
        records({}, {missing});
        load({placed(259, 200, 128)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    tarantula_t* body = standing(200);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->carried, nullptr);
    ASSERT_NE(body->explosion, nullptr);
    EXPECT_EQ(body->eye->x, 190);
    EXPECT_EQ(body->missiles.size(), 48u);
    EXPECT_EQ(body->missiles[47]->owner, body);
    ASSERT_EQ(body->blasts.entries.size(), 16u);
    const int32_t dx[8] = {-28, -8, 24, 8, -24, 16, 8, 24};
    const int32_t dy[8] = {-24, -4, 8, -8, 16, -16, 0, 12};
    for (size_t i = 0; i < 16; ++i) {
        const mul_explosion_t::data_t& e = body->blasts.entries[i];
        EXPECT_EQ(e.explosion->info->id, 67 + int32_t(i % 3)) << i;
        EXPECT_EQ(e.explosion->period, i / 4 + 2) << i;
        EXPECT_EQ(e.dx, dx[i % 8]);
        EXPECT_EQ(e.dy, dy[i % 8]);
    }
    plat::rect_t box;
    body->get_rect(box);
    EXPECT_EQ(box.left, 200 - body->info->width / 2 + 10);
}

TEST_F(tarantula_test, it_walks_in_from_192_until_128_then_stands_and_fans_by_level) {
    tarantula_t* body = standing(160); // left of 192 it stands at once
    run(1);
    EXPECT_EQ(body->state, 2);
    EXPECT_EQ(body->x, 160);
    body = standing(200);
    run(1);
    EXPECT_EQ(body->state, 1);
    EXPECT_NEAR(body->x, 198.6f, 1e-3);
    EXPECT_EQ(body->eye->x, body->x - 10);
    run(51);
    EXPECT_EQ(body->state, 1);
    EXPECT_EQ(body->pattern, 8); // a walking step every third frame, 18 of 10 cells
    run(1);
    EXPECT_EQ(body->state, 2);
    EXPECT_LT(body->x, 128);
    EXPECT_GT(body->x, 126.5f);
    struct row_t {
        int32_t level;
        std::vector<uint32_t> fans; // frames of the stand
    };
    const row_t rows[] = {{1, {}}, {2, {0}}, {5, {0, 13}}, {8, {0, 13, 26, 39}}};
    for (const row_t& r : rows) {
        body = standing(100, r.level);
        run(48);
        EXPECT_EQ(sound_frames(94), r.fans) << r.level;
        EXPECT_EQ(alive_count(body->missiles), int32_t(4 * r.fans.size()));
        if (!r.fans.empty()) {
            // From 8 pixels left of it, a step of 1.5 made.
            const launch_t first = launches(list_enemy_shots)[0];
            EXPECT_NEAR(first.x, 100 - 8 + 1.5f * cos_table[23], 1e-3);
            EXPECT_NEAR(first.y, 128 - 1.5f * sin_table[23], 1e-3);
            for (size_t k = 0; k < 4; ++k) {
                EXPECT_EQ(body->missiles[k]->direction, 23 + 6 * int32_t(k)) << "around the ship at 32";
                EXPECT_EQ(body->missiles[k]->speed, 1.5f);
            }
        }
        run(1);
        EXPECT_EQ(body->state, 2) << "decided again: still left of 192";
        EXPECT_EQ(body->timer, 1u);
    }
    // Two sections and 64 pixels on it walks out to the right for 48 frames, then
    // guards.
    body = standing(100);
    run(1);
    advance_to(0x20040);
    run(1);
    EXPECT_EQ(body->state, 10);
    EXPECT_EQ(body->x, 101);
    run(47);
    EXPECT_EQ(body->x, 148);
    run(1);
    EXPECT_EQ(body->state, 11);
    // Guarding, it fans on the first 4 x level frames of each 52, only inside the
    // screen.
    struct guard_t {
        float x, y;
        std::vector<uint32_t> fans;
    };
    const guard_t guards[] = {{0, 128, {0, 52}}, {-0.5f, 128, {}},  {255.5f, 128, {0, 52}},
                              {256, 128, {}},    {100, 0, {0, 52}}, {100, 256, {}}};
    for (const guard_t& g : guards) {
        body = standing(100, 3);
        body->state = 11;
        body->set_position(g.x, g.y);
        run(53);
        EXPECT_EQ(sound_frames(94), g.fans) << g.x << " " << g.y;
    }
}

TEST_F(tarantula_test, a_finishing_hit_starts_64_frames_of_blasts_then_it_blows_up_and_rings_from_level_3) {
    for (int32_t level : {2, 3}) {
        tarantula_t* body = standing(100, level);
        run(1);
        EXPECT_TRUE(shoot(body->x + 10, body->y, 1));
        const int32_t hp = body->hp;
        EXPECT_EQ(hp, body->max_hp() - 1);
        EXPECT_TRUE(shoot(body->x + 10, body->y, hp));
        EXPECT_EQ(body->hp, hp);
        EXPECT_EQ(body->state, 1000);
        EXPECT_TRUE(shoot(body->x + 10, body->y, 1));
        EXPECT_EQ(body->hp, hp) << "ignored while dying";
        const size_t posted = scene->posted.size();
        std::vector<int32_t> started;
        for (int32_t f = 0; f < 64; ++f) {
            run(1);
            int32_t n = 0;
            for (const auto& e : body->blasts.entries) {
                n += e.explosion->alive;
            }
            started.push_back(n);
            EXPECT_TRUE(body->alive);
        }
        EXPECT_EQ(body->blasts.next, 11) << "timers 0, 6, .. 60";
        EXPECT_EQ(body->blasts.entries[1].explosion->x, 100 - 8);
        EXPECT_EQ(body->blasts.entries[1].explosion->y, 128 - 4);
        EXPECT_EQ(sounds_of(75), 1);
        EXPECT_EQ(sounds_of(47), 1); // the first hit's only
        run(1);
        EXPECT_FALSE(body->alive);
        EXPECT_FALSE(body->eye->alive);
        EXPECT_EQ(sounds_of(42), 1);
        const auto events = posted_since(posted);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(std::get<1>(events[0]), 371);
        EXPECT_EQ(std::get<2>(events[0]), 4);
        EXPECT_EQ(pool_shots_alive(), level >= 3 ? 48 : 0) << level;
        if (level == 3) {
            // Sixteen directions 4 apart from 16, each with a slow, a middle (2
            // further round) and a fast shot.
            std::vector<std::pair<int32_t, float>> ring;
            std::vector<std::pair<int32_t, float>> expected;
            for (missile_t* shot : scene->stage.shot_pool.items) {
                if (shot->alive) {
                    ring.emplace_back(shot->direction, std::round(shot->speed * 10) / 10);
                }
            }
            for (int32_t i = 0; i < 16; ++i) {
                const int32_t d = (4 * i + 16) & 63;
                expected.insert(expected.end(), {{d, 1.1f}, {d + 2, 1.3f}, {d, 1.6f}});
            }
            std::sort(ring.begin(), ring.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(ring, expected);
        }
    }
}
