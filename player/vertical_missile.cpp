#include "player/vertical_missile.h"

#include "objects/direction.h"
#include "player/missile_flight.h"

namespace {

constexpr int32_t ahead = 0;
constexpr int32_t down = 48;
constexpr int32_t down_slope = 56;
constexpr int32_t probe = 6; // pixels from the centre to each probe

} // namespace

int32_t vertical_crawl(const float* position, int32_t heading) {
    const auto solid = [position](int32_t dx, int32_t dy) { return solid_near(position, dx, dy); };
    // Nothing ahead is probed: it never climbs, and wears down against a wall.
    switch (heading) {
    case ahead:
        return !solid(0, probe) ? down : !solid(probe, probe) ? down_slope : ahead;
    case down_slope:
        return !solid(0, probe) ? down : solid(probe, probe) ? ahead : down_slope;
    case down:
        return solid(0, probe) ? ahead : down;
    default:
        return heading;
    }
}

void lower_vertical_missile_t::start() {
    drop_state = dropping;
    heading = ahead;
    pattern = 0;
    direction = down;
    alive = 1;
    hp = info->hit_points;
}

void lower_vertical_missile_t::update() {
    if (drop_state == dropping) {
        if (solid_near(position(), 0, probe)) {
            // Landed: it already runs along the floor in this update.
            direction = ahead;
            drop_state = running;
        } else {
            set_position(x, y + missile_flight_speed);
        }
    }
    if (drop_state == running) {
        heading = vertical_crawl(position(), heading);
        direction = turn_direction(direction, heading, crawl_turn_limit);
        pattern = direction >> 1;
        fly_along(*this, direction);
    }
    crawl_contact(*this);
}
