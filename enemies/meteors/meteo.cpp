// The meteors' flight, spin, hit sounds and break-up.
#include "enemies/meteors/meteo.h"

#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

namespace {

constexpr float aim_point[2] = {32, 128};
constexpr float leave_left = -64;
constexpr float leave_top = -64;
constexpr float leave_bottom = 320;

constexpr int32_t se_hit = 47;
constexpr int32_t se_small_destroyed = 61;
constexpr int32_t se_medium_breaks = 62;
constexpr int32_t se_large_breaks = 63;

struct fragment_t {
    int32_t dx;
    int32_t dy;
    int32_t turn;
};
constexpr fragment_t medium_fragments[4] = {{-16, 0, 6}, {16, 0, 12}, {0, -16, -6}, {0, 16, -12}};
constexpr fragment_t large_fragments[4] = {{-24, 0, -4}, {24, 0, -2}, {0, -24, 2}, {0, 24, 4}};
constexpr float medium_fragment_speed = 1.0f;
constexpr float large_fragment_speed = 0.6f;

template <typename Child>
void send_off(Child* const (&children)[4], const fragment_t (&fragments)[4], float x, float y, int32_t d,
              float speed) {
    for (size_t i = 0; i < 4; ++i) {
        Child* child = children[i];
        child->set_position(x + float(fragments[i].dx), y + float(fragments[i].dy));
        child->direction = wrap64(d + fragments[i].turn);
        child->speed = speed;
        child->start();
    }
}

template <typename Child> void store_child(Child* (&children)[4], Child* child) {
    for (Child*& slot : children) {
        if (slot == nullptr) {
            slot = child;
            child->alive = 0;
            child->hp = 0;
            return;
        }
    }
}

} // namespace

meteo_t::meteo_t(const objectinfo_t* info, float x, float y, uint32_t key)
    : enemy_t(info, x, y, key), start_x(x), start_y(y) {
    const float from[2] = {x, y};
    direction = direction_to(from, aim_point);
}

void meteo_t::update() {
    set_position(x + speed * cos_table[direction], y - speed * sin_table[direction]);
    if (x < leave_left || y < leave_top || y >= leave_bottom) {
        alive = 0;
        hp = 0;
    }
}

void meteo_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
}

void meteo_t::spin(uint32_t step_mask, int32_t count) {
    if ((g_frame_counter & step_mask) == 0) {
        pattern = reverse_spin ? (pattern + count - 1) % count : (pattern + 1) % count;
    }
}

void smeteo_t::update() {
    meteo_t::update();
    spin(1, 35);
}

void smeteo_t::damage(int32_t n) {
    meteo_t::damage(n);
    if (!alive) {
        g_soundctr.request_se(se_small_destroyed);
    }
}

void mmeteo_t::update() {
    meteo_t::update();
    spin(3, 48);
}

void mmeteo_t::kill() {
    send_off(children, medium_fragments, x, y, direction, medium_fragment_speed);
    g_soundctr.request_se(se_medium_breaks);
    piveter_t::kill();
}

void mmeteo_t::add_child(smeteo_t* child) {
    store_child(children, child);
}

void lmeteo_t::update() {
    meteo_t::update();
    spin(7, 23);
}

void lmeteo_t::kill() {
    send_off(children, large_fragments, x, y, direction, large_fragment_speed);
    g_soundctr.request_se(se_large_breaks);
    piveter_t::kill();
}

void lmeteo_t::add_child(mmeteo_t* child) {
    store_child(children, child);
}
