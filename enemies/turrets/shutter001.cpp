// Shutter001's cycle: it opens over 16 patterns, stays open, closes and stays closed, with its sounds
// only on screen.
#include "enemies/turrets/shutters.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t patterns = 16;
constexpr uint32_t open_frames = 48;
constexpr uint32_t closed_frames = 32;
constexpr int32_t se_moving = 60;
constexpr int32_t se_shut = 59;

enum : int32_t { opening = 0, open, closing, closed };

} // namespace

namespace shutter001 {

void body_t::update() {
    const bool on_screen = x >= -32 && x < 288 && y >= -32 && y < 288;
    image = on_screen ? info->image_id : -1;
    const int32_t before = state;
    switch (state) {
    case opening:
        if (pattern + 1 >= patterns) {
            state = open;
            break;
        }
        if (timer % 2 == 0) {
            ++pattern;
        }
        if (timer == 0 && on_screen) {
            g_soundctr.request_se(se_moving);
        }
        break;
    case open:
        state = timer >= open_frames ? closing : open;
        break;
    case closing:
        if (pattern - 1 < 0) {
            state = closed;
            break;
        }
        if (timer % 2 == 0) {
            --pattern;
        }
        if (on_screen && timer == 0) {
            g_soundctr.request_se(se_moving);
        }
        if (on_screen && timer % 2 == 0 && pattern == 0) {
            g_soundctr.request_se(se_shut);
        }
        break;
    case closed:
        state = timer >= closed_frames ? opening : closed;
        break;
    }
    if (state != before) {
        timer = 0;
    } else {
        ++timer;
    }
}

} // namespace shutter001

shutter001::body_t* stage_t::make_shutter001_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<shutter001::body_t>(stage, placement, info);
}

void stage_t::spawn_shutter001(stage_t* stage, const placement_t* placement) {
    const objectinfo_t* record = objectinfo_find(178);
    if (record == nullptr) {
        return;
    }
    // The phase indexes the picture's 16 patterns.
    make_shutter001_body(stage, placement, record)->pattern = wrap_mod(placement->param2, patterns);
}
