// Worm002's construction, its head's settling on a wall and crawling along the terrain layer.
#include "enemies/worms/worm002.h"

#include "enemies/damage_tail.h"
#include "enemies/worms/chain.h"
#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "play/spawn_helpers.h"

namespace {

constexpr uint32_t step = 8;
constexpr int32_t parts = 12;
constexpr int32_t middle_bodies = 10;
constexpr int32_t middle_bank = 16;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 55;
constexpr int32_t revenge_level = 3;
constexpr uint32_t life_span = 0x20000;
constexpr int32_t cascade_frames = 2;
constexpr int32_t probe = 4;
constexpr float crawl_speed = 0.5f;
// The wall search ends within one height of the wrapped world, found or not.
constexpr int32_t max_search_steps = 512 / probe;

struct probe_t {
    int32_t dx;
    int32_t dy;
    int32_t target;
};

// The first free probe point names the direction to steer for; the last row when none is free.
constexpr probe_t floor_probes[5] = {{0, 4, 48}, {-4, 4, 40}, {-4, 0, 32}, {-4, -4, 24}, {0, 0, 18}};
constexpr probe_t ceiling_probes[5] = {{0, -4, 16}, {-4, -4, 24}, {-4, 0, 32}, {-4, 4, 40}, {0, 0, 46}};

} // namespace

namespace worm002 {

void seg_t::damage(int32_t n) {
    enemy_t::damage(n);
    // Only parts that explode fire back.
    const int32_t revenge = explosion != nullptr ? revenge_level : enemy_damage::no_revenge;
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge);
}

void head_t::set_length(int32_t n) {
    length = n;
    formation::size_history(trail, *this, step, n);
}

void head_t::update() {
    if (g_stage_position - key >= life_span) {
        for (seg_t* p = this; p != nullptr; p = p->back) {
            p->alive = 0;
            p->hp = 0;
        }
        return;
    }
    if (state == 0) {
        settle();
    }
    crawl();
    ++clock;
}

void head_t::settle() {
    const int32_t dy = on_ceiling != 0 ? -probe : probe;
    float at = y;
    for (int32_t i = 0; i < max_search_steps; ++i) {
        at += float(dy);
        if (terrain_layer0_at(int32_t(x), int32_t(at))) {
            break;
        }
        const bool beyond = on_ceiling != 0 ? at < 0 : at > 256;
        if (!beyond) {
            break;
        }
    }
    dir = 32;
    set_position(x, at);
    state = 1;
    clock = 0;
}

void head_t::crawl() {
    const int32_t px = int32_t(x);
    const int32_t py = int32_t(y);
    const probe_t* probes = on_ceiling != 0 ? ceiling_probes : floor_probes;
    int32_t target = probes[4].target;
    for (int32_t i = 0; i < 4; ++i) {
        if (!terrain_layer0_at(px + probes[i].dx, py + probes[i].dy)) {
            target = probes[i].target;
            break;
        }
    }
    // Aligned, it still turns counter-clockwise, so on a flat floor it sways between two headings.
    dir = target == dir ? (dir + 1) & 63 : turn_direction(dir, target, 1);
    worm::advance(*this, dir, crawl_speed);
    trail.push(x, y);
    pattern = ((dir / 2) & 15) + bank;
    worm::place_behind(trail, back, step);
    for (seg_t* p = back; p != nullptr; p = p->back) {
        p->pattern = ((worm::facing(*p) / 2) & 15) + p->bank;
    }
}

void head_t::move_x(int32_t d) {
    worm::shift_x(*this, trail, d);
}

void head_t::move_y(int32_t d) {
    worm::shift_y(*this, trail, d, false);
}

void head_t::move_y_wrapped(int32_t d) {
    worm::shift_y(*this, trail, d, true);
}

void body_t::update() {
    if (front != nullptr && !front->alive && ++death_count == cascade_frames) {
        seg_t::damage(9999);
    }
}

} // namespace worm002

worm002::body_t* stage_t::make_worm002_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm002::body_t>(stage, placement, info);
}

worm002::head_t* stage_t::make_worm002_head(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm002::head_t>(stage, placement, info);
}

void stage_t::spawn_worm002(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({191, 192, 60});
    if (!r) {
        return;
    }
    const auto [head_record, body_record, explosion] = *r;
    worm002::body_t* tail = make_worm002_body(stage, placement, body_record);
    attach_death_explosion(stage, placement, tail, explosion);
    worm002::head_t* head = make_worm002_head(stage, placement, head_record);
    attach_death_explosion(stage, placement, head, explosion);
    head->set_length(parts);
    head->on_ceiling = placement->param2 != 0 ? 1 : 0;
    tail->head = head;
    worm002::seg_t* previous = head;
    for (int32_t i = 0; i < middle_bodies; ++i) {
        worm002::body_t* body = make_worm002_body(stage, placement, body_record);
        if (i % 2 == 0) {
            attach_death_explosion(stage, placement, body, explosion);
        }
        body->bank = middle_bank;
        body->pattern = middle_bank;
        body->head = head;
        body->front = previous;
        previous->back = body;
        previous = body;
    }
    previous->back = tail;
    tail->front = previous;
}
