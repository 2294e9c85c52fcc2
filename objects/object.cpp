#include "objects/object.h"

#include "objects/coordinate.h"
#include "objects/explosion.h"
#include "objects/object_count.h"
#include "objects/play_globals.h"

#include <algorithm>

object_t::object_t(const objectinfo_t* info, float x, float y)
    : info(info), alive(1), x(x), y(y), hp(info->hit_points), pattern(0), last_hit(0xFFFFFFFFu) {
    ++g_object_count;
}

object_t::~object_t() {
    --g_object_count;
}

void object_t::move_x(int32_t d) {
    x += float(d);
}

void object_t::move_y(int32_t d) {
    y += float(d);
}

float wrapped_y(float y, int32_t d) {
    const float t = y + float(d);
    const int32_t i = int32_t(t);
    return float(((i + 128) & 511) - 128) + (t - float(i));
}

void object_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
}

void object_t::set_position(float new_x, float new_y) {
    x = new_x;
    y = new_y;
}

void object_t::get_rect(plat::rect_t& out) {
    const int32_t w = info->width;
    const int32_t h = info->height;
    out.left = pixel_coordinate(x - float(w >> 1));
    out.top = pixel_coordinate(y - float(h >> 1));
    out.right = out.left + w;
    out.bottom = out.top + h;
}

void object_t::start() {
    alive = 1;
    hp = info->hit_points;
}

void object_t::kill() {
    alive = 0;
    hp = 0;
}

void object_t::damage(int32_t n) {
    if (n <= 0) {
        return;
    }
    // Saturates instead of wrapping when an object that cannot die keeps being hit.
    hp = int32_t(std::max<int64_t>(int64_t(hp) - n, INT32_MIN));
    if (hp <= 0) {
        kill();
    }
    if (g_frame_counter >= last_hit + 3u) {
        last_hit = g_frame_counter;
    }
}

bool object_t::is_flashing() {
    return g_frame_counter == last_hit;
}

void piveter_t::kill() {
    alive = 0;
    hp = 0;
    const float* at = position();
    explode_at(at[0], at[1]);
}

void piveter_t::explode_at(float at_x, float at_y) {
    if (explosion != nullptr && !explosion->alive) {
        explosion->set_position(at_x, at_y);
        explosion->start();
    }
}

void piveter_t::attach_explosion(explosion_t* death_explosion) {
    if (death_explosion == nullptr) {
        return;
    }
    explosion = death_explosion;
    explosion->kill();
    explosion->owner = this;
}
