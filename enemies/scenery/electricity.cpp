// The electric barrier's and the lightning flash's cycles.
#include "enemies/scenery/electricity.h"

#include "objects/random.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t se_switch_on = 27;
constexpr float right_edge = 320;
constexpr float left_edge = -64;
constexpr uint32_t flicker_frames = 7;
constexpr uint32_t burn_fast = 32;
constexpr uint32_t burn_frames = 95;
constexpr uint32_t rest_frames = 63;

constexpr float drift = 0.25f;
constexpr int32_t strike_pattern = 8;
constexpr int32_t bright_pattern = 7;
constexpr uint32_t flicker_pause = 1;

uint32_t lightning_wait() {
    return uint32_t(rng::rand() >> 9) + 64;
}

} // namespace

void electricity_t::update() {
    if (x >= right_edge) {
        return;
    }
    if (x < left_edge) {
        alive = 0;
        hp = 0;
        return;
    }
    if (step()) {
        ++timer;
    }
}

bool electricity_t::step() {
    switch (state) {
    case 0:
        if (timer == 0) {
            g_soundctr.request_se(se_switch_on);
        }
        if (timer > flicker_frames) {
            enter(1, info->image_id);
            return false;
        }
        flicker();
        break;
    case 1:
        if (timer < burn_fast) {
            if (timer % 2 == 0) {
                advance();
            }
        } else if (timer > burn_frames) {
            enter(2, image);
            return false;
        } else if (timer % 4 == 0) {
            advance();
        }
        break;
    case 2:
        if (timer > flicker_frames) {
            enter(3, image);
            return false;
        }
        flicker();
        break;
    default:
        if (timer > rest_frames) {
            enter(0, info->image_id);
            return false;
        }
        image = -1;
        break;
    }
    return true;
}

void electricity_t::flicker() {
    if (timer % 2 == 0) {
        image = info->image_id;
        advance();
    } else {
        image = -1;
    }
}

void electricity_t::enter(int32_t next, int32_t next_image) {
    state = next;
    image = next_image;
    timer = 0;
}

lightning_t::lightning_t(const objectinfo_t* info, float x, float y, uint32_t key)
    : enemy_t(info, x, y, key), wait(lightning_wait()) {}

void lightning_t::update() {
    // A change of state runs the new state at once: one ordinary step per frame.
    for (;;) {
        const int32_t before = state;
        switch (state) {
        case 0:
            if (timer >= wait) {
                image = info->image_id;
                pattern = strike_pattern;
                state = 1;
            }
            break;
        case 1:
            if (pattern - 2 < 0) {
                state = 2;
            } else {
                pattern -= 2;
            }
            break;
        case 2:
        case 3:
        case 4:
        case 5:
            if (timer > flicker_pause) {
                ++state;
            } else {
                pattern = state % 2 == 0 ? bright_pattern : 0;
            }
            break;
        default:
            if (pattern + 1 > bright_pattern) {
                image = -1;
                wait = lightning_wait();
                state = 0;
            } else {
                ++pattern;
            }
            break;
        }
        if (state == before) {
            break;
        }
        timer = 0;
    }
    set_position(x - drift, y);
    ++timer;
}

electricity_t* stage_t::make_electricity(stage_t* stage, const placement_t* placement,
                                         const objectinfo_t* info) {
    return make_placed_enemy<electricity_t>(stage, placement, info);
}

void stage_t::spawn_electricity(stage_t* stage, const placement_t* placement) {
    if (const objectinfo_t* record = objectinfo_find(177)) {
        make_electricity(stage, placement, record);
    }
}

enemy_t* stage_t::spawn_lightning(stage_t* stage, const placement_t* placement, int32_t explosion_id) {
    return spawn_single<lightning_t>(stage, placement, explosion_id);
}
