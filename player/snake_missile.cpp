#include "player/snake_missile.h"

#include "objects/direction.h"
#include "player/missile_flight.h"

namespace {

// Headings: along the surface, 45 degrees and straight up or down.
constexpr int32_t ahead = 0;
constexpr int32_t up_slope = 8;
constexpr int32_t up = 16;
constexpr int32_t down = 48;
constexpr int32_t down_slope = 56;

constexpr int32_t lower_launch = 54; // forward and down
constexpr int32_t upper_launch = 10; // forward and up
constexpr int32_t probe = 6;         // pixels from the centre to each probe

} // namespace

void snake_missile_t::update() {
    const int32_t wanted = crawl();
    direction = turn_direction(direction, wanted, crawl_turn_limit);
    fly_along(*this, direction);
    if (crawl_contact(*this)) {
        pattern = direction >> 1;
    }
}

void lower_snake_missile_t::start() {
    direction = heading = lower_launch;
    alive = 1;
    hp = info->hit_points;
}

// Floor crawler: it follows floors, climbs walls and steps, and falls where the floor ends.
int32_t lower_snake_missile_t::crawl() {
    const auto solid = [this](int32_t dx, int32_t dy) { return solid_near(position(), dx, dy); };
    if (heading == ahead) {
        if (!solid(0, probe)) {
            heading = down;
        } else if (!solid(probe, probe)) {
            heading = down_slope;
        } else if (!solid(probe, 0)) {
            heading = ahead;
        } else if (!solid(probe, -probe)) {
            heading = up_slope;
        } else {
            heading = up;
        }
    } else if (heading == up_slope) {
        heading = !solid(probe, 0) ? ahead : solid(probe, -probe) ? up : up_slope;
    } else if (heading == up) {
        heading = !solid(probe, 0) ? ahead : !solid(probe, -probe) ? up_slope : up;
    } else if (heading == down_slope) {
        heading = !solid(0, probe) ? down : solid(probe, probe) ? ahead : down_slope;
    } else if (heading >= down && heading <= 63) {
        // Falling, also from the launch: it lands once ground lies below.
        if (solid(0, probe)) {
            heading = ahead;
        }
    }
    return heading;
}

void upper_snake_missile_t::start() {
    direction = heading = upper_launch;
    alive = 1;
    hp = info->hit_points;
}

// Ceiling crawler: the floor crawler upside down.
int32_t upper_snake_missile_t::crawl() {
    const auto solid = [this](int32_t dx, int32_t dy) { return solid_near(position(), dx, dy); };
    if (heading == ahead) {
        if (!solid(0, -probe)) {
            heading = up;
        } else if (!solid(probe, -probe)) {
            heading = up_slope;
        } else if (!solid(probe, 0)) {
            heading = ahead;
        } else if (!solid(probe, probe)) {
            heading = down_slope;
        } else {
            heading = down;
        }
    } else if (heading == down_slope) {
        heading = !solid(probe, 0) ? ahead : solid(probe, probe) ? down : down_slope;
    } else if (heading == down) {
        heading = !solid(probe, 0) ? ahead : !solid(probe, probe) ? down_slope : down;
    } else if (heading == up_slope) {
        heading = !solid(0, -probe) ? up : solid(probe, -probe) ? ahead : up_slope;
    } else if (heading >= 1 && heading <= up) {
        // Rising, also from the launch: it settles once the ceiling lies above.
        if (solid(0, -probe)) {
            heading = ahead;
        }
    }
    return heading;
}
