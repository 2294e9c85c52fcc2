#include "player/weapon_terrain.h"

#include "objects/hitmark.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

namespace terrain_rows {
const terrain_row_t shot = {{{-1, -1, 2, 2}, {-1, -1, 2, 2}, {-2, -2, 4, 4}}, true};
const terrain_row_t drip = {{{-1, -1, 2, 2}, {-2, -2, 4, 4}, {-2, -2, 4, 4}}, false};
const terrain_row_t homing = {{{0, 0, 1, 1}, {0, 0, 1, 1}, {-2, -2, 4, 4}}, false};
const terrain_row_t long_laser = {{{-1, -1, 2, 2}, {-1, -1, 2, 2}, {-3, -2, 6, 4}}, true};
const terrain_row_t ion_blast = {{{-1, -1, 2, 2}, {-2, -2, 4, 4}, {-2, -2, 4, 4}}, true};
const terrain_row_t crawler = {{{0, 0, 2, 2}, {0, 0, 2, 2}, {0, 0, 2, 2}}, false};
} // namespace terrain_rows

terrain_hit_t probe_terrain(const terrain_row_t& row, int32_t px, int32_t py) {
    vscreen_t* const layers[terrain_layer_count] = {g_screenctr.cg, g_screenctr.layers[0],
                                                    g_screenctr.layers[1]};
    for (int32_t i = 0; i < terrain_layer_count; ++i) {
        vscreen_t* layer = layers[i];
        if (layer == nullptr || !layer->is_dirty()) {
            continue;
        }
        const int32_t lx = (px - layer->offset_x) & (layer->width - 1);
        const int32_t ly = (py - layer->offset_y) & (layer->height - 1);
        const probe_rect_t& r = row.probes[i];
        if (layer->hit_test(lx + r.dx, ly + r.dy, r.w, r.h)) {
            return {i, lx, ly};
        }
    }
    return {-1, 0, 0};
}

void mark_terrain(const terrain_row_t& row, const terrain_hit_t& hit) {
    if (row.marks && hit.layer == terrain_slot1) {
        hitmark_add(g_screenctr.layers[1], hit.lx, hit.ly);
    }
}
