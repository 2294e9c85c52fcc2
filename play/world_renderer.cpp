// The world draw of the play scene: map layers, stars and every object list in their fixed order onto the
// main game screen, the stage's fade at its chosen point, enemy list 1 copied onto the collision screen,
// then the overlays.
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/star.h"
#include "play/draw_object.h"
#include "play/play_scene.h"
#include "player/discharge.h"
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"
#include "player/shipjet.h"
#include "screen/bg.h"
#include "screen/map_layer.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

namespace {

// How a list is drawn: whether dead objects are left out and whether the object's scale is honoured.
struct draw_options_t {
    bool test_alive;
    bool honour_scale;
};

// Text cells of the navigation message and of the frame rate.
constexpr int32_t message_col = 3;
constexpr int32_t message_row = 8;
constexpr int32_t frame_rate_col = 10;
constexpr int32_t frame_rate_row = 3;

constexpr draw_options_t stars_drawn{false, false};
constexpr draw_options_t natural_size{true, false};
constexpr draw_options_t scaled{true, true};

template <typename T> void draw_window(mg_t* screen, array_t<T*>& list, draw_options_t options) {
    for (uint32_t i = list.first, end = list.end; i < end; ++i) {
        draw_object(list[i], screen, options.test_alive, options.honour_scale);
    }
}

template <typename T> void draw_whole(mg_t* screen, std::vector<T*>& list, draw_options_t options) {
    for (T* object : list) {
        draw_object(object, screen, options.test_alive, options.honour_scale);
    }
}

template <typename T> void draw_whole(mg_t* screen, array_t<T*>& list, draw_options_t options) {
    draw_whole(screen, list.items, options);
}

void draw_single(mg_t* screen, object_t* object, draw_options_t options) {
    if (object != nullptr) {
        draw_object(object, screen, options.test_alive, options.honour_scale);
    }
}

// A layer slot is drawn unless it holds the hidden layer or no map; true when it was drawn.
bool draw_layer_slot(mg_t* screen, int slot) {
    bg_t* layer = g_screenctr.layers[slot];
    if (layer == nullptr || layer == g_screenctr.hidden_layer || !layer->is_dirty()) {
        return false;
    }
    draw_layer(screen, layer);
    return true;
}

} // namespace

void play_scene_t::draw_world() {
    mg_t* screen = g_screenctr.mg;
    if (screen == nullptr) {
        return;
    }
    const auto fade_point = [&](int32_t point) {
        if (fade_layer == point && fade_weight != 0) {
            g_screenctr.fade(fade_colour, fade_weight);
        }
    };
    bool prepared = false;
    if (clear_first) {
        screen->clear(back_colour);
        prepared = true;
    }
    prepared = draw_layer_slot(screen, 3) || prepared;
    fade_point(1);
    if (draw_stars) {
        if (!prepared) {
            screen->clear(back_colour);
            prepared = true;
        }
        draw_whole(screen, stage.stars, stars_drawn);
    }
    fade_point(2);
    prepared = draw_layer_slot(screen, 2) || prepared;
    if (!prepared) {
        screen->clear(back_colour);
    }
    fade_point(3);
    draw_window(screen, stage.enemies[0], scaled);
    fade_point(4);

    // The collision screen keeps exactly the enemy-list-1 sprites of this draw for the next update.
    cg_t* collision = g_screenctr.cg;
    if (collision != nullptr && collision->is_dirty()) {
        collision->clear(0);
    }
    array_t<enemy_t*>& solid = stage.enemies[1];
    for (uint32_t i = solid.first, end = solid.end; i < end; ++i) {
        draw_object(solid[i], screen, scaled.test_alive, scaled.honour_scale);
        if (collision != nullptr) {
            draw_object_keyed(solid[i], collision);
        }
    }

    draw_whole(screen, powergauge::active_weapons, natural_size);
    draw_whole(screen, player.multiples, natural_size);
    if (explosion_layer == 0) {
        draw_window(screen, stage.explosions, natural_size);
    }
    draw_whole(screen, stage.spark_pool, natural_size);
    draw_layer_slot(screen, 1);
    draw_layer_slot(screen, 0);
    if (explosion_layer == 1) {
        draw_window(screen, stage.explosions, natural_size);
    }
    draw_whole(screen, stage.items, natural_size);
    draw_whole(screen, player.items, natural_size);
    draw_single(screen, player.ship, scaled);
    draw_whole(screen, player.explosions, natural_size);
    draw_single(screen, player.jet, scaled);
    draw_single(screen, player.shield, natural_size);
    draw_single(screen, player.discharge, scaled);
    draw_window(screen, stage.enemy_shots, natural_size);
    draw_whole(screen, stage.shot_pool, natural_size);
    draw_window(screen, stage.enemies[2], scaled);
    fade_point(5);
    draw_overlay_text(message_col, message_row);
    draw_high_score();
    fade_point(6);
    draw_hud();
    draw_mode_overlay();
    if (g_show_frame_rate) {
        draw_value(frame_rate_col, frame_rate_row);
    }
}
