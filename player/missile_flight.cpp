#include "player/missile_flight.h"

#include "objects/trig_tables.h"
#include "player/player_missile.h"
#include "player/weapon_terrain.h"

namespace {

// The squares are placed from a point 2 (solid) or 1 (contact) pixels up and left of the probed centre,
// subtracted before truncating.
const terrain_row_t solid_square = {{{0, 0, 4, 4}, {0, 0, 4, 4}, {0, 0, 4, 4}}, false};
constexpr float solid_half = 2.0f;
constexpr float contact_half = 1.0f;
constexpr int32_t terrain_wear = 1;

} // namespace

void fly_along(object_t& missile, int32_t d) {
    missile.set_position(missile.x + missile_flight_speed * cos_table[d & 63],
                         missile.y - missile_flight_speed * sin_table[d & 63]);
}

bool solid_near(const float* position, int32_t dx, int32_t dy) {
    const int32_t px = int32_t(position[0] - solid_half + float(dx));
    const int32_t py = int32_t(position[1] - solid_half + float(dy));
    return probe_terrain(solid_square, px, py).layer >= 0;
}

bool crawl_contact(player_missile_t& missile) {
    if (!missile.is_in_bounds()) {
        missile.kill();
        return false;
    }
    const float* at = missile.position();
    const terrain_hit_t hit =
        probe_terrain(terrain_rows::crawler, int32_t(at[0] - contact_half), int32_t(at[1] - contact_half));
    if (hit.layer >= 0) {
        missile.damage(terrain_wear);
    }
    return true;
}
