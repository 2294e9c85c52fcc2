// The world draw pinned by pictures of one band of the screen: a probe of its own colour in every list,
// laid left to right in drawing order and each covering its left neighbour, over four layers of stripes,
// then the overlays. Each stored picture stacks eight 30-row bands, one per variant of the draw.
//     MELVORIN_WRITE_GOLDEN=1 build/melvorin_tests --gtest_filter='world_picture.*'
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/star.h"
#include "play/draw_object.h"
#include "player/discharge.h"
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"
#include "player/shipjet.h"
#include "render/map_table.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"
#include "tests/play/play_run_fixture.h"
#include "tests/support/golden.h"
#include "umlib/surface.h"

#include <memory>

namespace {

constexpr int32_t sheet_sprite = 511;
constexpr int32_t cell = 10;
constexpr int32_t band_top = 18; // screen rows 18..47 make a band
constexpr int32_t band_rows = 30;
constexpr int32_t row_y = 28;   // the probes' centres
constexpr int32_t lower_y = 42; // a second row: the dead star, and what must not show
constexpr int32_t overlay_x = 196;

// One probe per drawing step, in the order of the draw; cell i of the sheet, colour i.
constexpr int32_t stars = 0, enemies0 = 1, enemies1 = 2, player_shots = 3, multiples = 4, explosions = 5,
                  sparks = 6, items = 7, player_items = 8, ship = 9, player_explosions = 10, jet = 11,
                  shield = 12, discharge = 13, enemy_shots = 14, shot_pool = 15, enemies2 = 16,
                  flashing_enemy = 17, overlay_text = 18, high_score = 19, hud = 20, mode_overlay = 21,
                  frame_rate = 22, step_count = 23;
constexpr uint32_t colours[step_count] = {0xFFFFFF, 0xE03030, 0x30E030, 0x3030E0, 0xE0E030, 0xE030E0,
                                          0x30E0E0, 0xF09020, 0x9020F0, 0x20F090, 0xF02090, 0x90F020,
                                          0x2090F0, 0xC08040, 0x80C040, 0x4080C0, 0xC04080, 0xA00000,
                                          0xFFC0C0, 0xC0FFC0, 0xC0C0FF, 0xFFFFC0, 0xC0FFFF};
// The probes' blends: additive items, player items at 64, half enemy shots and flash, shot pool at 192.
constexpr int32_t blends[step_count] = {0, 0, 0, 0, 0, 0, 0, -1, 64, 0, 0, 0, 0, 0, 128, 192, 0, 128};
// Stripes of the four layers: rows and colour. Layer 2 is keyed away every other 8 columns.
struct stripe_t {
    int32_t top, bottom;
    uint32_t colour;
};
constexpr stripe_t stripes[4] = {
    {30, 32, 0xF0F0F0}, {25, 27, 0x909090}, {22, 36, 0x206040}, {19, 47, 0x302050}};

int32_t x_of(int32_t step) {
    return step < overlay_text ? 8 + 11 * step : overlay_x + 10 * (step - overlay_text);
}

// Every probe is drawn half as big again where its list honours the scale.
template <class Base> class probe_t : public Base {
  public:
    template <class... A> explicit probe_t(A... a) : Base(a...) {}
    int32_t scale() override { return 150; }
};

// Its overlay operations each draw one probe, so that their order against the fade points shows.
class probe_scene_t : public play_scene_t {
  public:
    using play_scene_t::play_scene_t;
    void draw_overlay_text(int32_t col, int32_t row) override { overlay(overlay_text, col, row); }
    void draw_high_score() override {
        ++high_score_draws;
        overlay(high_score, 0, 0);
    }
    void draw_hud() override { overlay(hud, 0, 0); }
    void draw_mode_overlay() override { overlay(mode_overlay, 0, 0); }
    void draw_value(int32_t col, int32_t row) override { overlay(frame_rate, col, row); }

    int32_t high_score_draws = 0;

  private:
    // Moved by the text cell it is given, so that the cell shows too.
    static void overlay(int32_t step, int32_t col, int32_t row) {
        draw_cell_keyed(g_screenctr.mg, sheet_sprite, step, x_of(step) + col, row_y + row);
    }
};

class world_picture : public play_run_fixture_t {
  protected:
    world_picture() { desktop_bits = 32; }

    void SetUp() override {
        play_run_fixture_t::SetUp();
        reset_run_globals();
        scene = std::make_unique<probe_scene_t>(&settings, nullptr, &ranking);
        ASSERT_TRUE(scene->startup());
        scene->unload_stage();
        g_screenctr.clear_layers();
        scene->navigation.clear();
        make_sheet();
        for (int32_t step = 0; step < step_count; ++step) {
            records[step] = {700 + step, cell, cell, 1, 0, 0, sheet_sprite, 0, blends[step]};
        }
        for (int32_t slot = 0; slot < 4; ++slot) {
            paint_layer(slot);
        }
        place_probes();
        scene->fade_layer = 0; // the stage's opening fade
        scene->back_colour = 0x101010;
        g_show_frame_rate = 1;
    }
    void TearDown() override {
        g_show_frame_rate = 0;
        // The probes of the player's lists are the test's; the scene deletes the rest.
        powergauge::active_weapons.items.pop_back();
        scene->player.multiples.pop_back();
        scene->player.items.pop_back();
        scene->player.explosions.items.pop_back();
        scene.reset();
        g_screenctr.sprites[sheet_sprite] = {};
        play_run_fixture_t::TearDown();
    }

    // Cells 10 x 10 of the probe colours, each with a keyed hole of 2 x 2 in its middle.
    void make_sheet() {
        const blend_test::format_t* format = &blend_test::formats[0];
        for (const blend_test::format_t& f : blend_test::formats) {
            format = f.code == pixel_format_code ? &f : format;
        }
        sheet = surfaces.make(*format, 8 * cell, 3 * cell);
        for (int32_t y = 0; y < 3 * cell; ++y) {
            for (int32_t x = 0; x < 8 * cell; ++x) {
                const int32_t step = y / cell * 8 + x / cell;
                const bool hole = x % cell / 2 == 2 && y % cell / 2 == 2;
                blend_test::put_pixel(*sheet, x, y, hole || step >= step_count ? 0 : colours[step]);
            }
        }
        blend_test::set_key(*sheet, 0);
        g_screenctr.sprites[sheet_sprite] = {"probe", sheet.get(), 0, cell, cell};
    }

    void paint_layer(int32_t slot) {
        bg_t& layer = *g_screenctr.layers[slot];
        layer.set_quadrant_map(0, &map);
        const stripe_t& s = stripes[slot];
        for (int32_t y = s.top; y < s.bottom; ++y) {
            for (int32_t x = 0; x < 256; ++x) {
                const bool keyed = slot == 2 && x / 8 % 2 == 1;
                blend_test::put_pixel(*layer.surface, x, y, keyed ? 0 : s.colour);
            }
        }
    }

    template <class T> T* placed(T* object, int32_t step, int32_t y = row_y) {
        object->set_position(float(x_of(step)), float(y));
        object->pattern = step;
        object->alive = 1;
        return object;
    }
    template <class T, class... A> T* probe(int32_t step, A... a) {
        return placed(new probe_t<T>(&records[step], a...), step);
    }
    // A probe of the player's lists, which the test owns.
    template <class T, class... A> T* made(int32_t step, A... a) {
        owned.emplace_back(probe<T>(step, a...));
        return static_cast<T*>(owned.back().get());
    }
    enemy_t* enemy(int32_t list, int32_t step, int32_t y = row_y, bool scaled = true) {
        enemy_t* e = scaled ? new probe_t<enemy_t>(&records[step], 0.0f, 0.0f, 0u)
                            : new enemy_t(&records[step], 0.0f, 0.0f, 0u);
        placed(e, step, y);
        scene->stage.enemies[list].push_back(e);
        scene->stage.enemies[list].end = scene->stage.enemies[list].size();
        return e;
    }

    void place_probes() {
        stage_t& stage = scene->stage;
        for (const int32_t y : {row_y, lower_y}) {
            stage.stars.push_back(placed(probe<star_t>(stars, 0.0f, 0.0f), stars, y));
        }
        stage.stars[1]->alive = 0; // drawn dead or alive
        enemy(0, enemies0);
        enemy(0, enemies0 + 1, lower_y)->alive = 0;                         // a dead enemy is not drawn
        enemy(0, flashing_enemy, row_y, false)->last_hit = g_frame_counter; // lightened, not half
        enemy(0, enemies0 + 2, lower_y);
        --stage.enemies[0].end; // nor one beyond its window's end
        enemy(1, enemies1);
        enemy(1, enemies1, lower_y, false); // copied at its natural size too
        enemy(2, enemies2);
        enemy(2, enemies2, lower_y)->set_position(252, lower_y); // stretched across the right edge
        powergauge::active_weapons.push_back(made<player_missile_t>(player_shots));
        scene->player.multiples.push_back(made<multiple_t>(multiples));
        stage.explosions.push_back(probe<explosion_t>(explosions, 0u));
        stage.explosions.end = 1;
        stage.spark_pool.push_back(probe<explosion_t>(sparks, 0u));
        stage.items.push_back(probe<item_t>(items));
        scene->player.items.push_back(made<item_t>(player_items));
        scene->player.explosions.push_back(made<explosion_t>(player_explosions, 0u));
        stage.enemy_shots.push_back(probe<missile_t>(enemy_shots, 0u));
        stage.enemy_shots.end = 1;
        stage.shot_pool.push_back(probe<missile_t>(shot_pool, 0u));
        stage.shot_pool.push_back(placed(probe<missile_t>(shot_pool, 0u), shot_pool, lower_y));
        stage.shot_pool[1]->alive = 0; // nor a dead one of a whole list

        player_t& player = scene->player;
        placed(player.ship, ship)->image = sheet_sprite;
        player.ship->draw_scale = 150;
        player.ship->flashing = 0;
        placed(player.jet, jet)->info = &records[jet];
        player.jet->draw_scale = 150;
        placed(player.shield, shield)->image = sheet_sprite;
        placed(player.discharge, discharge)->info = &records[discharge];
        player.discharge->draw_scale = 150;
    }

    // Runs a variant of the draw and copies its band into band `index` of the picture.
    void band(std::vector<uint32_t>& picture, int32_t index) {
        scene->draw_world();
        umlib::surface_t& back = *g_screenctr.mg->surface;
        for (int32_t y = 0; y < band_rows; ++y) {
            for (int32_t x = 0; x < 256; ++x) {
                picture[size_t((index * band_rows + y) * 256 + x)] =
                    blend_test::get_pixel(back, x, band_top + y);
            }
        }
    }

    objectinfo_t records[step_count];
    map_record_t map{0, 1, {map_cell_t{0, 0, 32, 32}}};
    blend_test::surfaces_t surfaces;
    std::unique_ptr<umlib::surface_t> sheet;
    std::vector<std::unique_ptr<object_t>> owned;
    std::unique_ptr<probe_scene_t> scene;
};

} // namespace

// Bands: the whole world; explosions over the front layers; no explosions; layer 1 hidden; layer 3 hidden,
// cleared under the stars; no rear layers, cleared once under the stars; nor stars, cleared before the
// objects; cleared first, under layer 3.
TEST_F(world_picture, every_list_in_its_order_and_options_over_the_layers) {
    std::vector<uint32_t> picture(size_t(256 * 240));
    scene->draw_stars = true;
    band(picture, 0);
    // The collision screen holds the copy of enemy list 1 alone.
    cg_t& collision = *g_screenctr.cg;
    for (const int32_t y : {row_y, lower_y}) {
        EXPECT_EQ(blend_test::get_pixel(*collision.surface, x_of(enemies1) - 4, y), colours[enemies1]) << y;
        EXPECT_EQ(blend_test::get_pixel(*collision.surface, x_of(enemies0) - 4, y), 0u) << y;
    }
    scene->explosion_layer = 1;
    band(picture, 1);
    scene->explosion_layer = 2;
    band(picture, 2);
    scene->explosion_layer = 0;
    g_screenctr.hidden_layer = g_screenctr.layers[1];
    band(picture, 3);
    g_screenctr.hidden_layer = g_screenctr.layers[3];
    band(picture, 4);
    g_screenctr.hidden_layer = nullptr;
    g_screenctr.layers[2]->clear(0);
    g_screenctr.layers[3]->clear(0);
    band(picture, 5);
    scene->draw_stars = false;
    band(picture, 6);
    paint_layer(3); // its stripe leaves a row above and below it to the first clear
    scene->clear_first = true;
    scene->back_colour = 0x403000;
    band(picture, 7);
    expect_golden_picture(golden_path(__FILE__, "world_lists.ppm"), ppm_of(picture, 256, 240));
}

// Band N is the world faded half to the fade colour at point N + 1: what is drawn after it stays clear.
// Band 6 has no fade point, band 7 no weight.
TEST_F(world_picture, each_fade_point_fades_only_what_is_drawn_before_it) {
    scene->fade_colour = 0x00FF00;
    scene->fade_weight = 128;
    scene->draw_stars = true;
    std::vector<uint32_t> picture(size_t(256 * 240));
    for (int32_t point = 1; point <= 7; ++point) {
        scene->fade_layer = point;
        band(picture, point - 1);
    }
    scene->fade_layer = 3;
    scene->fade_weight = 0;
    band(picture, 7);
    expect_golden_picture(golden_path(__FILE__, "world_fades.ppm"), ppm_of(picture, 256, 240));
}

// A shot's kill lands before the picture is drawn, and a paused frame draws the world once under its menu.
TEST_F(world_picture, a_running_frame_collides_before_it_draws_and_a_paused_one_draws_the_world_once) {
    g_screenctr.layers[0]->clear(0); // terrain that would stop the shot
    g_screenctr.layers[1]->clear(0);
    enemy_t* target = scene->stage.enemies[0][0];
    records[player_shots].contact_damage = 1;
    powergauge::active_weapons.items.back()->set_position(target->x, target->y);
    scene->run_frame(false);
    EXPECT_FALSE(target->alive);
    // The target's 15-pixel cell would reach two columns left of the shot's 10.
    const uint32_t left_of_shot = blend_test::get_pixel(*g_screenctr.mg->surface, x_of(enemies0) - 7, row_y);
    EXPECT_NE(left_of_shot, colours[enemies0]);
    EXPECT_EQ(scene->high_score_draws, 1);

    const uint32_t frames = g_frame_counter;
    scene->paused = true;
    scene->frame();
    EXPECT_EQ(scene->high_score_draws, 2);
    EXPECT_EQ(g_frame_counter, frames);
}
