// Crab001's legs: the foot that feels the wall beside its toe, swings along a parabola and stamps with
// sparks; the shin that shudders at each stamp; the thigh chain; and the fuses that break a dead leg
// apart from the body outward.
#include "bosses/crab/crab001.h"

#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"

namespace {

constexpr int32_t edge = 16;
constexpr int32_t screen_width = 256;
constexpr int32_t probe_w = 12;
constexpr int32_t probe_h = 8;
constexpr float toe_dx = 24;
constexpr float stride = 40;
constexpr float lift = 16;
constexpr float shin_dx = 14;
constexpr size_t stamp_sparks = 6;
constexpr int32_t heard_top = -32;
constexpr int32_t heard_bottom = 288;
constexpr int32_t event_gone = 388;
constexpr int32_t se_stamp = 36;
constexpr int32_t se_foot_lost = 38;

// A w x h rectangle of background layer 0 at a screen point, when the layer holds a picture.
bool layer0_rect_solid(int32_t x, int32_t y, int32_t w, int32_t h) {
    vscreen_t* layer = g_screenctr.layers[0];
    if (layer == nullptr || !layer->is_dirty()) {
        return false;
    }
    return layer->hit_test((x - layer->offset_x) & (layer->width - 1),
                           (y - layer->offset_y) & (layer->height - 1), w, h);
}

} // namespace

namespace crab001 {

bool foot_t::touching() {
    const int32_t px = int32_t(x);
    const int32_t py = int32_t(y);
    if (side == 1) {
        return px < edge || layer0_rect_solid(px - 24, py - 4, probe_w, probe_h);
    }
    return px > screen_width - edge || layer0_rect_solid(px + 12, py - 4, probe_w, probe_h);
}

void foot_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    airborne = touching() ? 0 : 1;
    if (!airborne) {
        stamp();
    }
}

void foot_t::stamp() {
    const float toe_x = side == 1 ? x - toe_dx : x + toe_dx;
    size_t started = 0;
    for (spark_t* spark : sparks) {
        if (started == stamp_sparks) {
            break;
        }
        if (!spark->alive) {
            spark->set_position(toe_x, y);
            spark->start();
            ++started;
        }
    }
    shin->start_wobble(side);
    if (y >= heard_top && y < heard_bottom) {
        g_soundctr.request_se(se_stamp);
    }
}

void foot_t::step(float dy) {
    if (!airborne) {
        arc_apex_x = side == 1 ? x + stride : x - stride;
        arc_center_y = dy > 0 ? y + lift : y - lift;
        const int32_t a = int32_t(x - arc_apex_x);
        const int32_t b = int32_t(y - arc_center_y);
        arc_k = b == 0 ? float(a) : float(a) / float(b * b);
    }
    const float ny = y + dy;
    const float rise = ny - arc_center_y;
    const float nx = arc_k * rise * rise + arc_apex_x;
    set_position(nx, ny);
    shin->set_position(side == 1 ? nx + shin_dx : nx - shin_dx, ny);
}

void foot_t::update() {
    if (shin->alive || --fuse > 0) {
        return;
    }
    enemy_t::damage(9999);
}

void foot_t::move_y(int32_t d) {
    y += float(d);
    arc_center_y += float(d);
}

void foot_t::kill() {
    piveter_t::kill();
    g_soundctr.request_se(se_foot_lost);
    post_event(event_gone, 0);
    if (difficulty_level() >= 3) {
        fire_aimed_bullet(position());
    }
}

void shin_t::update() {
    // Without a thigh chain nothing breaks the leg: the shin stays with its foot.
    if (last_thigh == nullptr || last_thigh->alive || --fuse > 0) {
        return;
    }
    kill();
}

void shin_t::start_wobble(int32_t side) {
    wobble_amp = 4;
    wobble_angle = side == 1 ? 90 : 270;
    wobble_offset = side == 1 ? 14 : -14;
    wobble_count = 0;
}

void shin_t::wobble_step() {
    if (wobble_amp < 0) {
        return;
    }
    set_position(float(wobble_amp) * cos_table_deg[wobble_angle] + float(wobble_offset) + foot->x, foot->y);
    wobble_angle = (wobble_angle + 30) % 360;
    if (wobble_count % 4 == 0) {
        --wobble_amp;
    }
    ++wobble_count;
}

void thigh_t::update() {
    if (prev != nullptr && !prev->alive && --fuse <= 0) {
        kill();
    }
    if (flash != 0) {
        --flash;
        if (flash == 10 && next != nullptr) {
            next->flash = 12;
        }
    }
}

} // namespace crab001
