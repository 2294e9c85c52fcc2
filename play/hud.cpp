// The power-up gauge: six slot boxes with their labels, translucent while the ship flies low, the cursor's
// slot highlighted and slot 1's speed-up or speed-down label flashing over it.
#include "play/hud.h"

#include "objects/coordinate.h"
#include "objects/play_globals.h"
#include "play/draw_object.h"
#include "play/play_scene.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

#include <algorithm>

namespace {

constexpr gauge_layout_t layouts[gauge_style_count] = {
    {28, 243, 148, 243}, // one row along the bottom
    {22, 234, 22, 243},  // two rows of three, bottom left
    {28, 22, 148, 22},   // one row along the top
    {148, 22, 148, 31},  // two rows of three, top right
    {88, 22, 88, 243},   // three at the top centre, three at the bottom centre
};
constexpr int32_t slot_spacing = 40;
constexpr int32_t translucent_from = 160;
constexpr int32_t weakest_box = 192;

constexpr int32_t box_cell = 0;
constexpr int32_t marked_box_cell = 1;  // the cursor on a slot that cannot be taken
constexpr int32_t highlight_offset = 8; // a label's highlighted cell is one row below its plain one
constexpr int32_t speed_up_cell = 6;    // slot 1's second label
constexpr int32_t speed_down_cell = 14;
constexpr uint32_t speed_down_from = 128;

} // namespace

gauge_layout_t gauge_layout(int32_t style) {
    return layouts[style >= 0 && style < gauge_style_count ? style : 0];
}

int32_t gauge_box_blend(int32_t ship_y) {
    // The depth is held before it is scaled, so that a ship far below cannot overflow the product.
    return ship_y < translucent_from ? 0 : 4 * std::min(ship_y - translucent_from, weakest_box / 4);
}

void play_scene_t::draw_hud() {
    mg_t* screen = g_screenctr.mg;
    if (!powergauge::gauge || screen == nullptr || player.ship == nullptr) {
        return;
    }
    const gauge_t& gauge = *powergauge::gauge;
    const int32_t blend = gauge_box_blend(pixel_coordinate(player.ship->position()[1]));
    const gauge_layout_t layout = gauge_layout(gauge_style);
    for (int32_t slot = 1; slot <= 6; ++slot) {
        const int32_t column = (slot - 1) % 3;
        const int32_t x = (slot <= 3 ? layout.x1 : layout.x2) + column * slot_spacing;
        const int32_t y = slot <= 3 ? layout.y1 : layout.y2;
        const bool selected = gauge.cursor == slot;
        const bool available = gauge.available[slot] == 1;
        draw_cell_blended(screen, sprite_gauge_icon, selected && !available ? marked_box_cell : box_cell, x,
                          y, blend);
        if (!available) {
            continue;
        }
        draw_cell_keyed(screen, sprite_gauge_text, slot - 1 + (selected ? highlight_offset : 0), x, y);
        if (slot == 1 && selected && (g_frame_counter & 7) < 4) {
            draw_cell_keyed(screen, sprite_gauge_text,
                            gauge.blink < speed_down_from ? speed_up_cell : speed_down_cell, x, y);
        }
    }
}
