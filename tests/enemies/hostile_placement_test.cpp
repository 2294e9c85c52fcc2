// Every placement type at the extremes of its position and parameters, all in one stage with ordinary
// neighbours: a few frames of play, every enemy shot dead, and the death paths that follow stay defined
// (the sanitizer build fails on any overflow or out-of-range conversion) and keep positions finite.
#include "bosses/crab/crab001.h"
#include "bosses/scorpion/chest.h"
#include "bosses/scorpion/limbs.h"
#include "enemies/cells/cell001.h"
#include "play/placement_dispatch.h"
#include "play/scroll.h"
#include "screen/screenctr.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

namespace {

using hostile_placement = enemy_kit_t;

constexpr int32_t extremes[] = {INT32_MIN, INT32_MAX, 0, -1};
constexpr int32_t on_screen = 128;
// Enough for the walkers to take their first hop.
constexpr uint32_t frames = 20;
// Placements are held to 2^24 pixels; a few frames move nothing much further.
constexpr float reach = 1 << 25;

// Types with a spawn function of their own, and one plain enemy.
std::vector<int32_t> placed_types() {
    std::vector<int32_t> types{first_dispatch_type - 1};
    for (int32_t type = first_dispatch_type; type <= last_dispatch_type; ++type) {
        if (dispatch_entry(type).kind != handler_kind_t::plain_enemy) {
            types.push_back(type);
        }
    }
    return types;
}

// An empty layer 0 that counts the probes made of it.
class counting_layer_t : public terrain_layer_t<bg_t> {
  public:
    using terrain_layer_t::terrain_layer_t;
    bool is_dirty() override {
        ++probes;
        return false;
    }
    int64_t probes = 0;
};

} // namespace

TEST_F(hostile_placement, every_type_at_the_extremes_lives_and_dies_within_defined_arithmetic) {
    const std::vector<int32_t> types = placed_types();
    // The world scrolled across, up and down, and the camera following a ship above the band it keeps it
    // in; over empty terrain, then over solid terrain, where every probe meets ground.
    struct view_t {
        int32_t scroll_mode;
        float ship_y;
    };
    const view_t views[] = {{scroll_modes::scroll_right, on_screen},
                            {scroll_modes::scroll_up, on_screen},
                            {scroll_modes::scroll_down, on_screen},
                            {scroll_modes::camera_follow, 16}};
    for (bool ground : {false, true}) {
        for (int32_t x = 0; ground && x < slot0->width; ++x) {
            for (int32_t y = 0; y < slot0->height; ++y) {
                solid(*slot0, x, y);
                solid(*cg, x & (cg->width - 1), y & (cg->height - 1));
            }
        }
        for (int32_t v : extremes) {
            // Far in both axes, far in one, and on screen: each with the extreme parameters, so that objects
            // far apart meet in one list (a death that measures its distance to the others).
            const std::pair<int32_t, int32_t> spots[] = {
                {v, v}, {v, on_screen}, {on_screen, v}, {on_screen, on_screen}};
            std::vector<placement_t> placements;
            for (int32_t type : types) {
                for (const auto& [x, y] : spots) {
                    placements.push_back(placed(type, x, y, v, v));
                }
            }
            for (const view_t& view : views) {
                load(placements, 5);
                scene->scroll_mode = view.scroll_mode;
                ship_at(on_screen, view.ship_y);
                run(frames);
                for (enemy_t* enemy : all<enemy_t>()) {
                    if (enemy->alive) {
                        enemy->damage(1 << 24);
                    }
                }
                run(3);
                for (object_t* object : all<object_t>()) {
                    const std::string at = std::to_string(v) + " mode " + std::to_string(view.scroll_mode) +
                                           " ground " + std::to_string(ground) + " id " +
                                           std::to_string(object->info->id);
                    ASSERT_TRUE(std::isfinite(object->x) && std::isfinite(object->y)) << at;
                    EXPECT_LE(std::abs(object->x), reach) << at;
                    EXPECT_LE(std::abs(object->y), reach) << at;
                }
            }
        }
    }
}

// A search from far off the screen finds what a whole walk would and costs no more than a few wraps of the
// layer; a position fallen further than an int holds is probed within bounds.
TEST_F(hostile_placement, terrain_probes_from_far_positions_stay_few_and_bounded) {
    load({placed(294, on_screen, on_screen), placed(277, INT32_MAX, on_screen),
          placed(277, INT32_MIN, on_screen)});
    auto* chest = only<scorpion001::chest_t>();
    const std::vector<crab001::body_t*> crabs = all<crab001::body_t>();
    ASSERT_TRUE(chest != nullptr && crabs.size() == 2);
    scorpion001::foot_t* foot = chest->feet[0];
    // Its first frame plants its feet at either side, then looks for the gap it climbs.
    const auto crab_update = [](crab001::body_t* crab) { return [crab] { crab->update(); }; };
    struct row_t {
        const char* search;
        std::function<void()> probe;
        int64_t most;
    };
    const row_t rows[] = {
        {"gap far right", [] { terrain_gap_center_x(1 << 24, 0); }, 512 / 8},
        {"gap far left", [] { terrain_gap_center_x(-(1 << 24), 0); }, 512 / 8},
        {"crab far right", crab_update(crabs[0]), 1024},
        {"crab far left", crab_update(crabs[1]), 1024},
        {"ground far above",
         [chest] {
             chest->y = -(1 << 24);
             chest->walk(1, 1);
         },
         512 + 768},
        {"foot far below", [foot] { foot->set_position(on_screen, 3e9f); }, 1},
    };
    // Found all the same: the walls a whole walk meets first, on its 64th step (one wrap less one step).
    solid_at(*slot0, 8, 0);
    solid_at(*slot0, 504, 8);
    EXPECT_EQ(terrain_gap_center_x(1 << 24, 0), ((1 << 24) - 504 + 256) >> 1);
    EXPECT_EQ(terrain_gap_center_x(-(1 << 24), 8), (-(1 << 24) + 504) >> 1);
    // Far above, the scorpion's feet drop in steps of 4 from its height onto the highest ground they stand
    // on, 20 below them at row 128, and it walks toward a repeat of the ground 20 below its own row, 8
    // ahead: up.
    for (int32_t y = 120; y < 140; ++y) {
        solid_at(*slot0, on_screen, y);
    }
    chest->x = on_screen;
    chest->y = -(1 << 20) + 2;
    chest->assemble();
    EXPECT_EQ((std::vector<float>{chest->feet[0]->y, chest->feet[1]->y, chest->feet[2]->y}),
              (std::vector<float>{110, 114, 118}));
    solid_at(*slot0, on_screen - 8, 20);
    chest->y = -(1 << 20);
    chest->walk(1, 1);
    EXPECT_LT(chest->y, -(1 << 20));
    counting_layer_t layer(g_screenctr.presenter, 0);
    g_screenctr.layers[0] = &layer;
    for (const row_t& r : rows) {
        layer.probes = 0;
        r.probe();
        EXPECT_LE(layer.probes, r.most) << r.search;
    }
    EXPECT_TRUE(foot->in_air);
    g_screenctr.layers[0] = slot0.get();
}
