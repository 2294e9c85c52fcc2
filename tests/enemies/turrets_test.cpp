// The turrets and the hatch on the kit: the open half and the sector, fire rhythms by level, the shared
// pool launch, deaths with their explosions, items, sounds and revenge, and the hatch's flights and ring.
#include "enemies/battery001.h"
#include "enemies/battery002.h"
#include "enemies/battery006.h"
#include "enemies/hatch.h"
#include "enemies/twister002.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using turrets = enemy_kit_t;

constexpr int32_t turret_x = 128;
constexpr int32_t turret_y = 128;

// Frames (counted from 0) on which a shot of the pool started; shots are switched off after each frame,
// so the pool never runs dry.
std::vector<int32_t> firing_frames(enemy_kit_t& kit, const std::vector<missile_t*>& shots, int32_t frames) {
    std::vector<int32_t> fired;
    for (int32_t frame = 0; frame < frames; ++frame) {
        kit.run(1);
        for (missile_t* shot : shots) {
            if (shot->alive) {
                fired.push_back(frame);
                shot->alive = 0;
                if (shot->effect != nullptr) {
                    shot->effect->alive = 0;
                }
            }
        }
    }
    return fired;
}

} // namespace

TEST_F(turrets, floor_and_roof_turrets_turn_and_fire_only_within_their_open_half) {
    struct row_t {
        int32_t type;
        float ship_x;
        float ship_y;
        int32_t direction; // where the barrel rests
        size_t shots;      // fired in 100 frames at level 1
    };
    const row_t rows[] = {
        {150, 200, turret_y, 0, 1},  {150, 40, turret_y, 32, 1}, {150, turret_x, 20, 16, 1},
        {150, turret_x, 240, 0, 0},  {151, 200, turret_y, 0, 1}, {151, 40, turret_y, 0, 1},
        {151, turret_x, 240, 48, 1}, {151, turret_x, 20, 0, 0},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, turret_x, turret_y)});
        scene->scroll_stop = 1;
        ship_at(r.ship_x, r.ship_y);
        auto* body = only<battery001::body_t>();
        ASSERT_NE(body, nullptr);
        ASSERT_EQ(body->shots.size(), 4u);
        EXPECT_EQ(firing_frames(*this, body->shots, 100).size(), r.shots) << r.type << " " << r.ship_y;
        EXPECT_EQ(body->direction, r.direction) << r.type << " " << r.ship_x << "," << r.ship_y;
        const int32_t d = body->direction == 0 && r.type == 151 ? 64 : body->direction;
        EXPECT_EQ(body->pattern, r.type == 150 ? d >> 1 : 24 + ((d - 32) >> 1));
    }
    // A half turn counts as positive: the floor turret sweeps up to 32, a step every even frame; off
    // screen nothing turns or counts.
    load({placed(150, turret_x, turret_y), placed(150, 300, turret_y)});
    scene->scroll_stop = 1;
    ship_at(40, turret_y);
    run(62);
    const auto bodies = all<battery001::floorbody_t>();
    EXPECT_EQ(bodies[0]->direction, 31);
    run(1);
    EXPECT_EQ(bodies[0]->direction, 32);
    EXPECT_EQ(bodies[1]->direction, 0);
    EXPECT_EQ(bodies[1]->counter, 0u);
}

TEST_F(turrets, each_turret_fires_on_its_levels_rhythm_and_a_level_out_of_range_is_held_to_1_to_8) {
    struct row_t {
        int32_t type;
        int32_t level;
        std::vector<int32_t> frames; // of the first 260
    };
    const row_t rows[] = {
        {150, 1, {0, 128, 256}},
        {150, 2, {0, 112, 224}},
        {151, 8, {0, 16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 176, 192, 208, 224, 240, 256}},
        {150, 9, {0, 16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 176, 192, 208, 224, 240, 256}},
        {150, 0, {0, 128, 256}},
        {166, 1, {0, 128, 256}},
        {166, 3, {0, 64, 128, 192, 256}},
        {166, 5, {0, 32, 64, 96, 128, 160, 192, 224, 256}},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, turret_x, turret_y, 16)}, r.level);
        scene->scroll_stop = 1;
        ship_at(200, turret_y); // level on the right: open to both battery001 kinds
        std::vector<missile_t*> shots;
        if (auto* b1 = only<battery001::body_t>()) {
            shots = b1->shots;
        } else if (auto* b6 = only<battery006::body_t>()) {
            shots = b6->shots;
        }
        ASSERT_FALSE(shots.empty());
        EXPECT_EQ(firing_frames(*this, shots, 260), r.frames) << r.type << " level " << r.level;
    }
    // Shot speeds by level.
    for (const auto& [type, level, speed] :
         {std::tuple{150, 1, 1.0f}, {150, 8, 2.4f}, {166, 4, 1.5f}, {166, 8, 2.0f}, {152, 1, 4.0f}}) {
        load({placed(type, turret_x, turret_y, 16)}, level);
        scene->scroll_stop = 1;
        ship_at(200, turret_y);
        run(1);
        size_t flying = 0;
        for (missile_t* m : scene->stage.enemy_shots.items) {
            if (m->alive) {
                ++flying;
                EXPECT_FLOAT_EQ(m->speed, speed) << type << " level " << level;
            }
        }
        EXPECT_EQ(flying, 1u) << type;
    }
}

TEST_F(turrets, battery002_fires_bursts_in_64_frame_blocks_along_its_reduced_direction) {
    struct row_t {
        int32_t level;
        size_t first_block; // shots in counter 0..63
    };
    for (const row_t& r : {row_t{1, 6}, {2, 9}, {3, 12}, {6, 15}, {7, 22}, {8, 22}}) {
        load({placed(152, turret_x, turret_y, 64 + 40)}, r.level);
        scene->scroll_stop = 1;
        auto* body = only<battery002::body_t>();
        ASSERT_NE(body, nullptr);
        EXPECT_EQ(body->direction, 40);
        EXPECT_EQ(body->pattern, 40);
        const std::vector<int32_t> fired = firing_frames(*this, body->shots, 128);
        EXPECT_EQ(std::count_if(fired.begin(), fired.end(), [](int32_t f) { return f < 64; }),
                  int32_t(r.first_block))
            << r.level;
        for (int32_t f : fired) {
            EXPECT_EQ(f % 3, 0);
        }
        if (r.level == 1) {
            EXPECT_EQ(std::vector<int32_t>(fired.begin() + 6, fired.end()),
                      (std::vector<int32_t>{66, 69, 72, 75, 78, 81}));
        }
        EXPECT_EQ(sounds_of(93), int32_t(fired.size()));
    }
    // Off the screen proper (x 256) it neither fires nor counts.
    load({placed(152, 256, turret_y, 0)});
    scene->scroll_stop = 1;
    run(10);
    EXPECT_EQ(only<battery002::body_t>()->counter, 0u);
}

TEST_F(turrets, battery006_tracks_the_ship_within_ten_steps_of_its_centre) {
    struct row_t {
        int32_t centre;
        float ship_x;
        float ship_y;
        int32_t direction;
        int32_t pattern;
    };
    const row_t rows[] = {
        {0, turret_x, 20, 10, 10},   {0, turret_x, 240, -10, 54}, {0, 40, turret_y, 10, 10},
        {70, turret_x, 20, 16, 16},  {-1, turret_x, 240, 53, 53}, {32, 40, turret_y, 32, 32},
        {40, turret_x, 240, 48, 48}, {40, 240, turret_y, 50, 50},
    };
    for (const row_t& r : rows) {
        load({placed(166, turret_x, turret_y, r.centre)});
        scene->scroll_stop = 1;
        ship_at(r.ship_x, r.ship_y);
        auto* body = only<battery006::body_t>();
        ASSERT_NE(body, nullptr);
        run(80);
        EXPECT_EQ(body->direction, r.direction) << r.centre << " " << r.ship_x << "," << r.ship_y;
        EXPECT_EQ(body->pattern, r.pattern) << r.centre;
        EXPECT_EQ(body->max_direction - body->min_direction, 20);
    }
}

TEST_F(turrets, a_firing_frame_without_an_idle_shot_and_effect_fires_nothing) {
    for (int32_t type : {150, 152, 166}) {
        load({placed(type, turret_x, turret_y, 16)});
        scene->scroll_stop = 1;
        ship_at(200, turret_y);
        std::vector<missile_t*> shots;
        for (missile_t* m : scene->stage.enemy_shots.items) {
            shots.push_back(m);
            // Busy: the shot itself, or only its effect where it has one.
            if (m->effect != nullptr && shots.size() % 2 == 0) {
                m->effect->alive = 1;
            } else {
                m->alive = 1;
                m->vx = m->vy = 0;
                m->set_position(20, 20);
            }
        }
        std::vector<uint8_t> before;
        for (missile_t* m : shots) {
            before.push_back(m->alive);
        }
        run(1);
        for (size_t i = 0; i < shots.size(); ++i) {
            EXPECT_EQ(shots[i]->alive, before[i]) << type << " shot " << i;
        }
        EXPECT_EQ(sounds_of(93), type == 152 ? 1 : 0); // battery002 sounds on every firing frame
    }
}

TEST_F(turrets, destroyed_turrets_explode_drop_their_item_and_send_revenge_from_level_4) {
    struct row_t {
        int32_t type;
        int32_t hit_sound;
        int32_t death_sound;
    };
    for (const row_t& r : {row_t{150, 47, 18}, {151, 47, 18}, {152, 47, 7}, {166, 48, 57}}) {
        for (int32_t level : {3, 4}) {
            load({placed(r.type, turret_x, turret_y, 16, 37)}, level);
            scene->scroll_stop = 1;
            ship_at(40, 200);
            auto* body = scene->stage.enemies[0][0];
            const int32_t hp = body->hp;
            body->damage(0);
            run(1);
            EXPECT_EQ(sounds_of(r.hit_sound), 0) << r.type;
            EXPECT_EQ(body->hp, hp);
            body->damage(9999);
            EXPECT_EQ(pool_shots_alive(), level >= 4 ? 1 : 0) << r.type << " level " << level;
            run(1);
            EXPECT_FALSE(body->alive);
            EXPECT_TRUE(body->explosion->alive) << r.type;
            ASSERT_EQ(scene->stage.items.size(), 1u);
            EXPECT_TRUE(scene->stage.items[0]->alive) << r.type;
            EXPECT_EQ(sounds_of(r.hit_sound), 1) << r.type;
            EXPECT_EQ(sounds_of(r.death_sound), 1) << r.type;
        }
    }
}

TEST_F(turrets, missing_records_leave_no_battery002_or_006_and_an_empty_hatch_harmless) {
    const std::pair<int32_t, int32_t> absent[] = {{152, 153}, {152, 69}, {166, 31}, {166, 66}};
    for (const auto& [type, missing] : absent) {
        records({}, {missing});
        load({placed(type, turret_x, turret_y)});
        EXPECT_EQ(object_total(), 0u) << type << " without " << missing;
    }
    // No formation: the hatch stands closed and still rings when destroyed.
    records({}, {114});
    load({placed(245, turret_x, turret_y)}, 3);
    scene->scroll_stop = 1;
    auto* hatch = only<hatch_t>();
    ASSERT_NE(hatch, nullptr);
    EXPECT_EQ(hatch->children, nullptr);
    run(300);
    EXPECT_EQ(hatch->pattern, 0);
    hatch->damage(9999);
    EXPECT_EQ(std::count_if(hatch->shots.begin(), hatch->shots.end(), [](missile_t* m) { return m->alive; }),
              16);
    // No hatch record: the formation flies free from the start.
    records({}, {85});
    load({placed(246, turret_x, 200)});
    scene->scroll_stop = 1;
    EXPECT_EQ(all<hatch_t>().size(), 0u);
    auto* leader = only<twister002::leader_t>();
    ASSERT_NE(leader, nullptr);
    EXPECT_TRUE(leader->alive);
    run(10);
    EXPECT_LT(leader->y, 200);
}

TEST_F(turrets, the_hatch_releases_2_4_or_all_members_from_its_place_and_again_after_each_flight) {
    for (const auto& [level, released] : {std::pair{1, 2}, {2, 4}, {3, 8}, {8, 8}}) {
        load({placed(245, turret_x, 40, 0, 37)}, level);
        scene->scroll_stop = 1;
        ship_at(10, 250); // where the chain meets it only after the hatch has closed
        auto* hatch = only<hatch_t>();
        ASSERT_NE(hatch, nullptr);
        twister002::leader_t* leader = hatch->children;
        ASSERT_NE(leader, nullptr);
        EXPECT_FALSE(leader->alive);
        for (int32_t flight = 0; flight < 2; ++flight) {
            int32_t frames = 0;
            while (!leader->alive && frames < 400) {
                run(1);
                ++frames;
            }
            EXPECT_EQ(hatch->pattern, 7);
            EXPECT_EQ(hatch->state, 1);
            EXPECT_EQ(leader->x, float(turret_x)); // launched at the hatch, moving from the next frame
            EXPECT_EQ(leader->y, 40);
            std::vector<twister002::member_t*> out;
            for (auto* m = leader->first; m != nullptr; m = m->next) {
                if (m->alive) {
                    out.push_back(m);
                }
            }
            EXPECT_EQ(int32_t(out.size()), released) << "level " << level << " flight " << flight;
            if (flight == 0) {
                EXPECT_GE(frames, 29);
                EXPECT_LE(frames, 32);
                // The hatch closes while the chain flies; it never releases a live chain.
                for (int32_t i = 0; i < 400 && hatch->state != 0; ++i) {
                    run(1);
                }
                EXPECT_EQ(hatch->state, 0);
                EXPECT_TRUE(leader->alive);
            }
            for (auto* m : out) {
                m->damage(9999);
            }
            run(1);
            EXPECT_FALSE(leader->alive);
            EXPECT_TRUE(scene->stage.items[0]->alive);
            scene->stage.items[0]->alive = 0;
        }
    }
}

TEST_F(turrets, a_destroyed_hatch_throws_its_ring_of_16_from_level_3_only) {
    struct row_t {
        int32_t level;
        int32_t shots;
        int32_t first_direction;
        float speed;
    };
    for (const row_t& r : {row_t{1, 0, 0, 0}, {2, 0, 0, 0}, {3, 16, 2, 1.0f}, {8, 16, 0, 2.0f}}) {
        load({placed(246, turret_x, turret_y)}, r.level);
        scene->scroll_stop = 1;
        auto* hatch = only<hatch_t>();
        ASSERT_NE(hatch, nullptr);
        hatch->damage(9999);
        std::vector<missile_t*> ring;
        for (missile_t* m : hatch->shots) {
            if (m->alive) {
                ring.push_back(m);
            }
        }
        ASSERT_EQ(int32_t(ring.size()), r.shots) << r.level;
        for (size_t i = 0; i < ring.size(); ++i) {
            EXPECT_EQ(ring[i]->direction, r.first_direction + 4 * int32_t(i));
            EXPECT_FLOAT_EQ(ring[i]->speed, r.speed);
        }
        run(1);
        EXPECT_EQ(sounds_of(2) + sounds_of(52), 2);
        EXPECT_TRUE(hatch->explosion->alive);
    }
}
