// Shutter002: once on screen its body unrolls a column of eight slats, each kept 16 pixels behind the one
// before, until the first reaches the set length.
#include "enemies/turrets/shutters.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t slat_count = 8;
constexpr float slat_spacing = 16;
constexpr uint32_t sound_every = 8;
constexpr int32_t se_unroll = 92;
// The placement limit: the slats end within the whole pixels a float holds, and `way * travel` fits.
constexpr int32_t travel_limit = 1 << 24;

enum : int32_t { begin = 0, waiting = 1, down = 10, up = 20, done = 99 };

bool on_screen(const object_t& o) {
    return o.x >= -32 && o.x < 352 && o.y >= -32 && o.y < 288;
}

} // namespace

namespace shutter002 {

void slat_t::update() {
    if (state == begin) {
        image = -1;
        state = waiting;
        timer = 0;
    }
    if (state == waiting && on_screen(*this)) {
        image = info->image_id;
        state = done;
    }
    ++timer;
}

bool body_t::unroll(int32_t way) {
    const float end = y + float(way * travel);
    bool complete = false;
    if (way * (end - (first->y + speed)) > 0) {
        first->y += speed;
    } else {
        first->y = end;
        complete = true;
    }
    for (slat_t* slat = first; slat->next != nullptr; slat = slat->next) {
        if (float(way) * (slat->y - y) > slat_spacing) {
            slat->next->set_position(slat->x, slat->y - float(way) * slat_spacing);
        }
    }
    if (timer % sound_every == 0) {
        g_soundctr.request_se(se_unroll);
    }
    return complete;
}

void body_t::update() {
    const int32_t before_frame = state;
    int32_t before = state;
    do {
        before = state;
        switch (state) {
        case begin:
            image = -1;
            state = waiting;
            break;
        case waiting:
            if (on_screen(*this)) {
                image = info->image_id;
                state = speed > 0 ? down : speed < 0 ? up : done;
            }
            break;
        case down:
        case up:
            state = unroll(state == down ? 1 : -1) ? done : state;
            break;
        default:
            break;
        }
        if (state != before) {
            timer = 0;
        }
    } while (state != before);
    if (state == before_frame) {
        ++timer;
    }
}

} // namespace shutter002

shutter002::slat_t* stage_t::make_shutter002_slat(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<shutter002::slat_t>(stage, placement, info);
}

shutter002::body_t* stage_t::make_shutter002_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<shutter002::body_t>(stage, placement, info);
}

void stage_t::spawn_shutter002(stage_t* stage, const placement_t* placement, float speed) {
    const auto r = find_records({179, 180});
    if (!r) {
        return;
    }
    const auto& [slat_record, body_record] = *r;
    const int32_t b = speed < 0 ? 1 : 0;
    shutter002::slat_t* first = make_shutter002_slat(stage, placement, slat_record);
    first->pattern = b;
    shutter002::slat_t* last = first;
    for (int32_t i = 1; i < slat_count; ++i) {
        shutter002::slat_t* slat = make_shutter002_slat(stage, placement, slat_record);
        slat->pattern = b + 2;
        last->next = slat;
        last = slat;
    }
    shutter002::body_t* body = make_shutter002_body(stage, placement, body_record);
    body->pattern = b;
    body->travel = std::clamp(placement->param2, -travel_limit, travel_limit);
    body->speed = speed;
    body->first = first;
}
