#include "player/smoke.h"

#include "player/weapon_terrain.h"

namespace {

// The pixel under the centre on the cg layer; the empty rectangles never find the background layers
// solid, which never stop a puff.
constexpr terrain_row_t cg_centre_pixel = {{{0, 0, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}}, false};

} // namespace

void smoke_t::update() {
    if (terrain_collision == 1 && probe_terrain(cg_centre_pixel, int32_t(x), int32_t(y)).layer >= 0) {
        kill();
        return;
    }
    active_explosion_t::update();
}
