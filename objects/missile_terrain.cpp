#include "objects/missile.h"

#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "screen/bg.h"
#include "screen/screenctr.h"

namespace {

constexpr int32_t background_hit = 9999;

} // namespace

bool terrain_solid_at(vscreen_t* layer, int32_t x, int32_t y) {
    if (layer == nullptr || !layer->is_dirty()) {
        return false;
    }
    const int32_t lx = (x - layer->offset_x) & (layer->width - 1);
    const int32_t ly = (y - layer->offset_y) & (layer->height - 1);
    return layer->hit_test(lx, ly, 1, 1);
}

bool terrain_layer0_at(int32_t x, int32_t y) {
    return terrain_solid_at(g_screenctr.layers[0], x, y);
}

bool terrain_layer0_or_cg_at(int32_t x, int32_t y) {
    return terrain_layer0_at(x, y) || terrain_solid_at(g_screenctr.cg, x, y);
}

void missile_t::check_bg_hit() {
    if (g_terrain_mode == 0) {
        return;
    }
    vscreen_t* probes[3] = {g_screenctr.layers[0], g_screenctr.layers[1],
                            g_terrain_mode == 1 ? nullptr : g_screenctr.cg};
    for (vscreen_t* layer : probes) {
        if (terrain_solid_at(layer, int32_t(x), int32_t(y))) {
            damage(background_hit);
            return;
        }
    }
}
