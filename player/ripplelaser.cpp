#include "player/ripplelaser.h"

namespace {

constexpr int32_t widest_pattern = 7;
constexpr int32_t updates_per_pattern = 3;
constexpr int32_t growth_per_pattern = 4; // pixels above and below
constexpr int32_t fire_sound = 102;

} // namespace

void ripplelaser_t::start() {
    age = 0;
    pattern = 0;
    alive = 1;
    hp = info->hit_points;
    request_se_if_fired_by_ship(fire_sound);
}

void ripplelaser_t::update() {
    // The ring widens one pattern every three updates; its age stops once it is at its widest.
    if (pattern < widest_pattern) {
        pattern = age / updates_per_pattern;
        ++age;
    }
    player_missile_t::update();
}

void ripplelaser_t::get_rect(plat::rect_t& out) {
    object_t::get_rect(out);
    out.top -= growth_per_pattern * pattern;
    out.bottom += growth_per_pattern * pattern;
}
