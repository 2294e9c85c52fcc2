// The cells on the kit: cell001's pulse, growth, spread shots and death burst by level, the terrain gap
// finder, and cell002's chains: their assembly, curve, decay cascade and pieces.
#include "enemies/cells/cell001.h"
#include "enemies/cells/cell002.h"
#include "objects/direction.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>

namespace {

using cells = enemy_kit_t;

// The generator's own step from a state.
int32_t next_random(uint32_t& state) {
    state = state * 22695477u + 1u;
    return int32_t((state >> 16) & 0x7FFF);
}

std::vector<cell002::part_t*> links_of(cell002::root_t* root) {
    std::vector<cell002::part_t*> links;
    for (cell002::part_t* p = root->next; p != nullptr; p = p->next) {
        links.push_back(p);
    }
    return links;
}

} // namespace

TEST_F(cells, cell001_pulses_grows_with_damage_and_fires_by_level) {
    struct row_t {
        int32_t level;
        int32_t shots_in_130_frames; // at frames 0 and 128 from level 2
        int32_t burst;               // on its death
    };
    for (const row_t& r : {row_t{1, 0, 0}, {2, 2, 0}, {3, 2, 1}, {4, 2, 2}, {7, 2, 3}, {8, 2, 4}}) {
        load({placed(237, 128, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(200, 60);
        auto* cell = only<cell001::body_t>();
        ASSERT_NE(cell, nullptr);
        ASSERT_EQ(cell->shots.size(), 8u);
        const uint32_t before = rng::current_state();
        run(1);
        EXPECT_EQ(cell->size, 101);
        if (r.level >= 2) {
            // The spread is drawn before the speed.
            uint32_t state = before;
            const int32_t r1 = next_random(state);
            const int32_t r2 = next_random(state);
            const int32_t aim = direction_to(cell->position(), player_ship_position());
            const missile_t* shot = cell->shots[0];
            EXPECT_EQ(shot->direction, (aim + r1 / 4682 - 3) & 63);
            EXPECT_FLOAT_EQ(shot->speed, 1.0f + 0.1f * float(r2 / 5462));
        }
        run(31);
        EXPECT_EQ(cell->size, 132);
        run(32);
        EXPECT_EQ(cell->size, 100);
        run(66);
        EXPECT_EQ(int32_t(launches(list_enemy_shots).size()), r.shots_in_130_frames) << r.level;

        EXPECT_TRUE(shoot(128, 128, 5));
        EXPECT_EQ(cell->growth, 10);
        EXPECT_EQ(cell->scale(), cell->size + 10);
        for (missile_t* shot : cell->shots) {
            shot->alive = 0;
        }
        shoot(128, 128, 99);
        EXPECT_EQ(cell->alive, 0);
        EXPECT_EQ(alive_count(cell->shots), r.burst) << r.level;
        run(1);
        EXPECT_EQ(sounds_of(47), 1); // both hits, in one frame
        EXPECT_EQ(sounds_of(54), 1);
    }
    // Its appearance key shifts the phase: key 1 fires 8 frames before the 128th.
    load({placed(237, 128, 128, 0, -1, 1)}, 2);
    scene->scroll_stop = 1;
    advance_to(1);
    ship_at(200, 60);
    run(128);
    ASSERT_EQ(launches(list_enemy_shots).size(), 1u);
    EXPECT_EQ(launches(list_enemy_shots)[0].frame, 120u);
    // With every shot in flight a firing frame draws no random number.
    load({placed(237, 128, 128)}, 2);
    ship_at(200, 60);
    auto* cell = only<cell001::body_t>();
    for (missile_t* shot : cell->shots) {
        shot->start();
    }
    run(1);
    EXPECT_EQ(draws_total(), 0);
}

TEST_F(cells, the_gap_finder_meets_walls_only_at_its_8_pixel_steps) {
    struct row_t {
        int32_t x;
        std::vector<int32_t> walls;
        int32_t centre;
    };
    const row_t rows[] = {
        {0, {}, 128},          {255, {}, 128},      {300, {}, 128},    {-5, {}, 128},   {120, {40, 200}, 120},
        {121, {40, 200}, 128}, {40, {40, 200}, 40}, {300, {204}, 230}, {-4, {196}, 98}, {100, {4}, 130},
    };
    load({});
    int32_t y = 0;
    for (const row_t& r : rows) {
        y += 10; // a row of its own for each case
        for (int32_t wall : r.walls) {
            solid_at(*slot0, wall, y);
        }
        EXPECT_EQ(terrain_gap_center_x(r.x, y), r.centre) << r.x;
    }
}

TEST_F(cells, cell002_hangs_five_chains_on_their_curves_with_one_draw_each) {
    struct row_t {
        float root_x;
        float p1x, p1y, p2x, p2y; // against the root
    };
    const row_t rows[] = {
        {128 - 12, 10, 32, 20, 64}, {128 - 16, 0, 32, 16, 64}, {128 + 12, 0, 32, -12, 64},
        {128 - 16, 40, 40, 30, 64}, {128, 0, 40, -8, 64},
    };
    load({});
    scene->scroll_stop = 1;
    uint32_t state = rng::current_state();
    const placement_t p = placed(240, 128, 60);
    stage_t::spawn_cell002(&scene->stage, &p);
    const std::vector<cell002::root_t*> roots = all<cell002::root_t>();
    ASSERT_EQ(roots.size(), 5u);
    EXPECT_EQ(all<cell002::part_t>().size(), 5u * 18);
    EXPECT_EQ(all<cell002::piece_t>().size(), 5u * 17);
    EXPECT_EQ(alive_count(all<cell002::piece_t>()), 0);
    EXPECT_EQ(scene->stage.items.size(), 0u);
    for (size_t i = 0; i < 5; ++i) {
        const row_t& r = rows[i];
        cell002::root_t* root = roots[i];
        EXPECT_EQ(root->pattern, next_random(state) >> 12) << i;
        EXPECT_FLOAT_EQ(root->x, r.root_x) << i;
        EXPECT_FLOAT_EQ(root->points[1].x, r.root_x + r.p1x) << i;
        EXPECT_FLOAT_EQ(root->points[1].y, 60 + r.p1y) << i;
        EXPECT_FLOAT_EQ(root->points[2].x, r.root_x + r.p2x) << i;
        EXPECT_FLOAT_EQ(root->points[2].y, 60 + r.p2y) << i;
        const std::vector<cell002::part_t*> links = links_of(root);
        ASSERT_EQ(links.size(), 17u);
        EXPECT_EQ(links[0]->prev, root);
        EXPECT_EQ(links[16]->root, root);
        EXPECT_NE(links[16]->piece, nullptr);
        EXPECT_NE(links[16]->explosion, nullptr);
        EXPECT_NE(root->explosion, nullptr);
    }
    EXPECT_EQ(rng::current_state(), state);

    // Each link lies on the curve; the wave moves one link down per frame.
    load({placed(240, 128, 60)});
    scene->scroll_stop = 1;
    cell002::root_t* root = all<cell002::root_t>()[0];
    const std::vector<cell002::part_t*> links = links_of(root);
    root->pattern = 3;
    root->wave_direction = 0;
    root->timer = 0;
    run(1);
    struct point_row_t {
        size_t link;
        float x, y;
    };
    // t = n / 17 on P0 (116, 60), P1 (126, 92), P2 (136, 124).
    for (const point_row_t& r : {point_row_t{16, 136, 124}, {7, 116 + 20 * 8 / 17.0f, 60 + 64 * 8 / 17.0f}}) {
        EXPECT_NEAR(links[r.link]->x, r.x, 1e-3) << r.link;
        EXPECT_NEAR(links[r.link]->y, r.y, 1e-3) << r.link;
    }
    EXPECT_EQ(links[0]->pattern, 3);
    run(1);
    EXPECT_EQ(links[1]->pattern, 3);
    EXPECT_EQ(links[0]->pattern, 4);
    // The chain follows the scroll through its points.
    root->move_x(-10);
    run(1);
    EXPECT_NEAR(links[16]->x, 126, 1e-3);
    EXPECT_NEAR(root->x, 106, 1e-3);
    // The wave counts up a step every second frame, turns at 7 with its timer restarted and counts down
    // likewise to 0.
    root->pattern = 0;
    root->wave_direction = 0;
    root->timer = 0;
    std::vector<int32_t> wave;
    for (int32_t f = 0; f < 33; ++f) {
        run(1);
        wave.push_back(root->pattern);
    }
    // The end values hold three frames, a cycle of 30.
    EXPECT_EQ(wave, (std::vector<int32_t>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 6, 6,
                                          5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0, 0, 1, 1, 2}));
}

TEST_F(cells, a_dead_link_decays_its_neighbours_outwards_and_they_send_pieces_at_the_ship) {
    load({placed(240, 128, 60)});
    scene->scroll_stop = 1;
    ship_at(40, 200);
    cell002::root_t* root = all<cell002::root_t>()[0];
    const std::vector<cell002::part_t*> links = links_of(root);
    run(4);
    // A hit on the root does nothing at all.
    root->damage(50);
    EXPECT_EQ(root->hp, root->max_hp());
    EXPECT_FALSE(root->is_flashing());
    EXPECT_TRUE(sounds.empty());
    // A player's hit on link 9: no piece from it, the chain flashes together.
    links[8]->damage(99);
    EXPECT_EQ(links[8]->alive, 0);
    EXPECT_TRUE(links[3]->is_flashing());
    const std::vector<uint32_t> none;
    std::vector<int32_t> died(17, -1);
    int32_t root_died = -1;
    for (int32_t f = 0; f < 12; ++f) {
        run(1);
        for (size_t i = 0; i < 17; ++i) {
            if (died[i] < 0 && !links[i]->alive) {
                died[i] = f;
            }
        }
        if (root_died < 0 && !root->alive) {
            root_died = f;
        }
    }
    // Downwards the links go in the same frame (each decays in one with 3 hit points), upwards one a frame.
    const std::vector<int32_t> expected{7, 6, 5, 4, 3, 2, 1, 0, -2, 0, 0, 0, 0, 0, 0, 0, 0};
    died[8] = -2;
    EXPECT_EQ(died, expected);
    EXPECT_EQ(root_died, 8);
    EXPECT_EQ(links[8]->piece->alive, 0);
    EXPECT_EQ(links[8]->piece->loose, 0);
    EXPECT_EQ(links[9]->piece->loose + links[9]->piece->alive, 1);
    EXPECT_EQ(links[0]->piece->alive, 1);
    EXPECT_EQ(links[0]->piece->direction, direction_to(links[0]->position(), player_ship_position()));
    // Sent from where its link died, 1.5 pixels a frame along its direction.
    const cell002::piece_t* piece = links[0]->piece;
    const float gone = std::hypot(piece->x - links[0]->x, piece->y - links[0]->y);
    const float steps = std::round(gone / 1.5f);
    EXPECT_GE(steps, 1);
    EXPECT_NEAR(piece->x, links[0]->x + steps * 1.5f * cos_table[piece->direction], 1e-3);
    EXPECT_NEAR(piece->y, links[0]->y - steps * 1.5f * sin_table[piece->direction], 1e-3);
    // The shot link sounded its hit and its end; the links that decayed went silently.
    EXPECT_EQ(sounds_of(47), 1);
    EXPECT_EQ(sounds_of(55), 1);
}

TEST_F(cells, a_piece_flies_bursts_when_touched_or_off_screen_and_is_harmless_bursting) {
    load({placed(240, 128, 60)});
    scene->scroll_stop = 1;
    cell002::piece_t* piece = all<cell002::piece_t>()[0];
    const int32_t damage = piece->info->contact_damage;
    piece->set_position(100, 100);
    piece->direction = 0;
    piece->start();
    run(2);
    EXPECT_FLOAT_EQ(piece->x, 103);
    EXPECT_EQ(piece->contact_damage(), damage);
    piece->damage(1);
    EXPECT_EQ(piece->loose, 1);
    EXPECT_EQ(piece->contact_damage(), 0);
    std::vector<int32_t> patterns;
    for (int32_t f = 0; f < 14; ++f) {
        run(1);
        piece->damage(5); // does not restart the burst
        patterns.push_back(piece->alive ? piece->pattern : -1);
    }
    EXPECT_EQ(piece->x, 103);
    EXPECT_EQ(patterns, (std::vector<int32_t>{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, -1, -1}));

    // Off the 256 x 256 screen it bursts in its first update without moving; on terrain of either
    // background layer likewise.
    struct place_t {
        float x, y;
        int32_t loose;
    };
    const place_t places[] = {{-1, 30, 1},   {256, 30, 1}, {255, 30, 0}, {100, -1, 1}, {100, 256, 1},
                              {100, 255, 0}, {60, 30, 1},  {70, 30, 1},  {0, 0, 0}};
    for (const place_t& p : places) {
        load({placed(240, 128, 60)});
        scene->scroll_stop = 1;
        solid_at(*slot0, 60, 30);
        solid_at(*slot1, 70, 30);
        piece = all<cell002::piece_t>()[0];
        piece->set_position(p.x, p.y);
        piece->direction = 16;
        piece->start();
        run(1);
        EXPECT_EQ(piece->loose, p.loose) << p.x << " " << p.y;
        EXPECT_FLOAT_EQ(piece->y, p.loose ? p.y : p.y - 1.5f) << p.x << " " << p.y;
    }
}

TEST_F(cells, a_missing_record_makes_no_cell) {
    struct row_t {
        int32_t type;
        int32_t missing;
    };
    for (const row_t& r : {row_t{237, 237}, {237, 76}, {237, 238}, {240, 239}, {240, 241}, {240, 52}}) {
        records({}, {r.missing});
        load({placed(r.type, 128, 128)});
        EXPECT_EQ(object_total(), 0u) << r.type << " " << r.missing;
    }
}
