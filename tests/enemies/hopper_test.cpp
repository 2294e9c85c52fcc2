// The hopper on the kit over a terrain stub: turning to the ship, the hop's cells and its landing on the
// floor, the bounce off a wall, the gun and its volley, the retreat, its damage and its records.
#include "enemies/walkers/hopper.h"
#include "objects/direction.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

namespace {

constexpr int32_t floor_row = 150; // a hopper stands 20 above it: its feet probe 10 rows from y + 10
constexpr float start_y = 130;

class hopper : public enemy_kit_t {
  protected:
    // A hopper at (x, 130) on a floor of a scrolled layer, the ship at (ship_x, ship_y).
    hopper_t* on_floor(float x, float ship_x, float ship_y, int32_t level = 1, bool floor_on_cg = false) {
        load({placed(169, int32_t(x), int32_t(start_y))}, level);
        scene->scroll_stop = 1;
        vscreen_t& layer = floor_on_cg ? static_cast<vscreen_t&>(*cg) : *slot0;
        cg->holds_picture = floor_on_cg; // a layer without a picture is not probed
        layer.offset_x = 37;
        layer.offset_y = 11;
        for (int32_t px = 0; px < 256; ++px) {
            solid_at(layer, px, floor_row);
        }
        ship_at(ship_x, ship_y);
        return only<hopper_t>();
    }
};

} // namespace

TEST_F(hopper, it_turns_to_the_ship_and_hops_towards_it_onto_the_floor) {
    struct row_t {
        float ship_x;
        int32_t base; // 0 facing right, 16 facing left
        float way;
        bool wall; // a wall at foot height just ahead
    };
    for (const row_t& r : {row_t{220, 0, 1, false}, {100, 16, -1, false}, {220, 0, 1, true}}) {
        hopper_t* h = on_floor(100, r.ship_x, 60);
        ASSERT_NE(h, nullptr);
        ASSERT_EQ(h->shots.size(), 16u);
        EXPECT_EQ(static_cast<explosion_t*>(h->shots[15]->effect)->period, 3u);
        if (r.wall) {
            for (int32_t y = 135; y < floor_row; ++y) {
                for (int32_t x = 101; x < 105; ++x) {
                    solid_at(*slot0, x, y);
                }
            }
        }
        std::vector<int32_t> patterns;
        std::vector<float> xs;
        for (int32_t f = 0; f < 70 && (patterns.empty() || patterns.back() != r.base + 44); ++f) {
            run(1);
            patterns.push_back(h->pattern);
            xs.push_back(h->x);
        }
        // Stand, crouch over 12 cells, then fly with the crouch's last cell and land.
        EXPECT_EQ(patterns[0], r.base);
        EXPECT_EQ(patterns[1], r.base + 32);
        EXPECT_EQ(patterns[12], r.base + 43);
        EXPECT_EQ(patterns[13], r.base + 43);
        EXPECT_EQ(patterns.back(), r.base + 44);
        EXPECT_FLOAT_EQ(xs[12], 100);
        const float airborne = float(patterns.size() - 13);
        EXPECT_GT(airborne, 20);
        EXPECT_GE(h->y, 129);
        EXPECT_LT(h->y, 131);
        if (r.wall) {
            // Bounced back by one step, then drifting back at 0.4 of the speed.
            EXPECT_NEAR(h->x, 100 - 1.6f - 0.4f * 1.6f * (airborne - 1), 1e-3);
        } else {
            // The floor met by the feet on landing counts as a wall too: the landing step goes back.
            EXPECT_NEAR(h->x, 100 + r.way * 1.6f * (airborne - 2), 1e-3) << r.ship_x;
        }
        run(3);
        EXPECT_EQ(sounds_of(78), 1) << r.ship_x;
        EXPECT_EQ(h->pattern, r.base + 47);
        run(1);
        EXPECT_EQ(h->pattern, r.base);
        if (r.way > 0) { // the ship still far to the right: the next hop, a frame later
            run(1);
            EXPECT_EQ(h->pattern, r.base);
            run(1);
            EXPECT_EQ(h->pattern, r.base + 32);
        }
    }
}

TEST_F(hopper, it_raises_its_gun_to_the_ship_and_fires_four_shots_only_within_its_reach) {
    struct row_t {
        float x;
        float ship_dx;
        float ship_dy;
        int32_t facing;
        int32_t shots;
    };
    const row_t rows[] = {
        {100, -30, -40, 1, 4}, {100, 30, -40, 0, 4},
        {100, 30, 0, 0, 5},    // straight ahead the gun needs no turn: the next volley begins at 16
        {100, -1, -100, 1, 4}, // straight up, facing left
        {100, -30, 40, 1, 0},  // below: no shots
        {-20, 10, -40, 0, 0},  // off screen
        {-16, 10, -40, 0, 4},  // on its edge
    };
    for (const row_t& r : rows) {
        hopper_t* h = on_floor(r.x, r.x + r.ship_dx, start_y + r.ship_dy);
        h->state = 100; // done hopping: it decides
        h->facing = r.facing;
        h->pattern = 16 * r.facing;
        if (r.ship_dy == 0) {
            h->shots[0]->effect->start(); // a shot whose flash still burns is passed over
        }
        const float muzzle[2] = {h->x, h->y};
        const int32_t aim = direction_to(muzzle, player_ship_position());
        const int32_t target = r.facing == 0 ? 63 + aim : 111 - aim;
        const int32_t turn = r.shots > 0 ? std::abs(target - (r.facing == 0 ? 63 : 79)) : 0;
        run(turn + 17);
        const std::vector<launch_t> fired = launches(list_enemy_shots);
        std::vector<uint32_t> frames;
        for (const launch_t& l : fired) {
            if (l.direction == aim && l.speed == 3.2f) {
                frames.push_back(l.frame);
                // From the muzzle 16 along the aim and 6 up, one step taken.
                EXPECT_NEAR(l.x, h->x + 19.2f * cos_table[aim], 0.01f);
                EXPECT_NEAR(l.y, h->y - 19.2f * sin_table[aim] - 6, 0.01f);
                EXPECT_EQ(all<missile_t>()[size_t(l.index)]->pattern, aim & 31);
            }
        }
        const uint32_t t = uint32_t(turn);
        std::vector<uint32_t> every_4;
        for (int32_t i = 0; i < r.shots; ++i) {
            every_4.push_back(t + 4 * uint32_t(i));
        }
        EXPECT_EQ(frames, every_4) << r.ship_dx << " " << r.ship_dy;
        if (r.ship_dy == 0) {
            EXPECT_EQ(fired[0].index, 1);
        }
        EXPECT_EQ(sounds_of(65), r.shots);
        if (r.shots && turn > 0) {
            EXPECT_EQ(h->pattern, target - 1); // the gun on its way back
        }
    }
}

TEST_F(hopper, it_decides_by_the_ship_s_distance_to_hop_or_to_fire) {
    struct row_t {
        float ship_dx;
        int32_t state; // the turn it begins: 201 to hop left, 251 to fire left, 301 and 351 right
    };
    const row_t rows[] = {{-100.5f, 201}, {-100, 251}, {-0.5f, 251}, {0, 351}, {50, 351}, {50.5f, 301}};
    for (const row_t& r : rows) {
        hopper_t* h = on_floor(100, 100 + r.ship_dx, 60);
        h->state = 100;
        h->facing = r.state < 300 ? 0 : 1; // facing away, so that the turn takes frames
        run(1);
        EXPECT_EQ(h->state, r.state) << r.ship_dx;
    }
}

TEST_F(hopper, two_sections_past_its_place_it_only_hops_left) {
    for (uint32_t past : {0x1FFFFu, 0x20000u}) {
        hopper_t* h = on_floor(100, 220, 60);
        h->state = 100;
        g_stage_position = h->key + past; // scroll_stop holds it there
        run(3);
        EXPECT_EQ(h->state, past >= 0x20000 ? 201 : 302) << past;
    }
}

TEST_F(hopper, an_about_turn_runs_its_16_cells_forward) {
    for (const int32_t facing : {0, 1}) {
        // Facing right with the ship far left it turns left; facing left with it far right, right.
        hopper_t* h = on_floor(150, facing == 0 ? 30 : 220, 60);
        h->state = 100;
        h->facing = facing;
        std::vector<int32_t> patterns;
        for (int32_t f = 0; f < 17; ++f) {
            run(1);
            patterns.push_back(h->pattern);
        }
        std::vector<int32_t> cells;
        for (int32_t i = 0; i < 17; ++i) {
            cells.push_back((16 * facing + i) & 31);
        }
        EXPECT_EQ(patterns, cells) << facing;
        // Turned, it hops on: standing, then crouching.
        const int32_t base = 16 * (1 - facing);
        run(1);
        EXPECT_EQ(h->facing, 1 - facing) << "turned";
        EXPECT_EQ(h->pattern, base);
        run(1);
        EXPECT_EQ(h->pattern, base + 32);
    }
}

TEST_F(hopper, damage_sounds_and_the_revenge_bullet_by_level) {
    struct row_t {
        int32_t n;
        int32_t level;
        int32_t hit_sounds;
        int32_t death_sounds;
        int32_t bullets;
    };
    for (const row_t& r : {row_t{0, 4, 0, 0, 0}, {1, 1, 1, 0, 0}, {9999, 3, 1, 1, 0}, {9999, 4, 1, 1, 1}}) {
        hopper_t* h = on_floor(100, 220, 60, r.level);
        h->damage(r.n);
        run(1);
        EXPECT_EQ(sounds_of(48), r.hit_sounds) << r.n;
        EXPECT_EQ(sounds_of(41), r.death_sounds) << r.n;
        EXPECT_EQ(pool_shots_alive(), r.bullets) << r.level;
    }
    for (int32_t missing : {169, 28, 29, 83}) {
        records({}, {missing});
        load({placed(169, 100, 130)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
}

TEST_F(hopper, a_ceiling_met_while_rising_sends_it_down_at_once) {
    struct row_t {
        bool floor_on_cg;
        int32_t ceiling_bottom; // solid up from this row; 0 for none
        float peak_y;           // the highest point of the hop
        float after_peak_y;     // pushed down from the ceiling, the way down begins where the head clears it
    };
    // Rising 3.5, 3.3, ... 0.1 pixels; with the ceiling the second step is pushed down to where the head
    // probe (8 above) clears row 115 and then falls by the speed turned downwards.
    // The layers keep their pixels from row to row: the floor on the cg layer comes first.
    // With the ceiling two rows lower the first step's head probe (8 above) still clears it.
    const row_t rows[] = {{true, 0, 130 - 32.4f, 130 - 32.3f},
                          {false, 0, 130 - 32.4f, 130 - 32.3f},
                          {false, 115, 126.5f, 124.2f + 3.3f},
                          {false, 117, 126.5f, 126.2f + 3.3f}};
    for (const row_t& r : rows) {
        hopper_t* h = on_floor(100, 220, 60, 1, r.floor_on_cg);
        for (int32_t y = r.ceiling_bottom - 16; y <= r.ceiling_bottom && r.ceiling_bottom > 0; ++y) {
            for (int32_t x = 0; x < 256; ++x) {
                solid_at(*slot0, x, y);
            }
        }
        std::vector<float> ys{start_y};
        for (int32_t f = 0; f < 70 && h->pattern != 44; ++f) {
            run(1);
            ys.push_back(h->y);
        }
        const auto peak = std::min_element(ys.begin(), ys.end());
        EXPECT_NEAR(*peak, r.peak_y, 0.01f) << r.ceiling_bottom;
        EXPECT_NEAR(peak[1], r.after_peak_y, 0.01f) << r.ceiling_bottom;
        EXPECT_GE(h->y, 129) << r.floor_on_cg; // back on the floor
        EXPECT_LT(h->y, 131) << r.floor_on_cg;
    }
}
