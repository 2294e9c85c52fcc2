#include "objects/missile.h"

#include "objects/play_globals.h"
#include "screen/bg.h"
#include "screen/screenctr.h"

namespace {

constexpr int32_t background_hit = 9999;

// Whether the layer holds a picture and a solid pixel lies under (x, y) of the screen.
bool solid_at(vscreen_t* layer, float x, float y) {
    if (layer == nullptr || !layer->is_dirty()) {
        return false;
    }
    const int32_t lx = (int32_t(x) - layer->offset_x) & (layer->width - 1);
    const int32_t ly = (int32_t(y) - layer->offset_y) & (layer->height - 1);
    return layer->hit_test(lx, ly, 1, 1);
}

} // namespace

void missile_t::check_bg_hit() {
    if (g_terrain_mode == 0) {
        return;
    }
    vscreen_t* probes[3] = {g_screenctr.layers[0], g_screenctr.layers[1],
                            g_terrain_mode == 1 ? nullptr : g_screenctr.cg};
    for (vscreen_t* layer : probes) {
        if (solid_at(layer, x, y)) {
            damage(background_hit);
            return;
        }
    }
}
