// Shutter003: a gate whose halves, placed apart, slide away from each other when the ship comes within
// 32 pixels of them, and vanish quietly past the left edge.
#include "enemies/turrets/shutters.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float near_ship = 32;
constexpr float top_speed = 0.4f;
constexpr float acceleration = 0.005f;
constexpr float upper_limit = 16;
constexpr float lower_limit = 240;
constexpr uint32_t sound_every = 12;
constexpr int32_t se_slide = 25;

enum : int32_t { closed = 0, opening = 1, opened = 2, resting = 9999 };

// One frame of a half that slides along way (-1 up, +1 down) as far as limit.
template <typename Half> void slide(Half& half, int32_t way, float limit) {
    if (half.x < -32) {
        half.alive = 0;
        half.hp = 0;
        return;
    }
    const int32_t before = half.state;
    switch (half.state) {
    case closed:
        if (g_player_ship != nullptr && half.x - g_player_ship->x < near_ship) {
            half.state = opening;
        }
        break;
    case opening:
        if (way < 0 ? half.y > limit : half.y < limit) {
            half.speed = std::min(half.speed + acceleration, top_speed);
            half.y += float(way) * half.speed;
            if (half.timer % sound_every == 0) {
                g_soundctr.request_se(se_slide);
            }
        } else {
            half.state = opened;
        }
        break;
    case opened:
        half.state = resting;
        break;
    default:
        break;
    }
    if (half.state != before) {
        half.timer = 0;
    } else {
        ++half.timer;
    }
}

} // namespace

namespace shutter003 {

void upperbody_t::update() {
    slide(*this, -1, upper_limit);
}

void lowerbody_t::update() {
    slide(*this, 1, lower_limit);
}

} // namespace shutter003

shutter003::upperbody_t* stage_t::make_shutter003_upper(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<shutter003::upperbody_t>(stage, placement, info);
}

shutter003::lowerbody_t* stage_t::make_shutter003_lower(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<shutter003::lowerbody_t>(stage, placement, info);
}

void stage_t::spawn_shutter003(stage_t* stage, const placement_t* placement) {
    const objectinfo_t* record = objectinfo_find(placement->type);
    if (record == nullptr) {
        return;
    }
    if (placement->type == 187) {
        make_shutter003_upper(stage, placement, record)->pattern = 0;
    } else if (placement->type == 188) {
        make_shutter003_lower(stage, placement, record)->pattern = 1;
    }
}
