// Worm001's construction, its head's homing wriggle and its bodies' death cascade and fade-in.
#include "enemies/worms/worm001.h"

#include "enemies/damage_tail.h"
#include "enemies/worms/chain.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"

#include <algorithm>

namespace {

constexpr uint32_t step = 4;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 55;
constexpr int32_t revenge_level = 4;
constexpr uint32_t homing_span = 0x20000;
constexpr int32_t fade_step = 8;
constexpr int32_t invisible = 256;
constexpr int32_t cascade_frames = 4;
constexpr int32_t dormant_fours = 3;
// A bound on the history a placement may ask for.
constexpr int64_t max_parts = 256;

float pulse_speed(uint32_t clock) {
    const uint32_t c = clock & 31;
    return c < 12 ? 1.0f : c < 20 ? 2.0f : c < 26 ? 3.0f : 2.0f;
}

} // namespace

namespace worm001 {

void part_t::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

void head_t::set_length(int32_t n) {
    length = n;
    formation::size_history(trail, *this, step, n);
}

void head_t::start() {
    trail.fill(x, y, 0);
    clock = 0;
    enemy_t::start();
    fade = invisible;
    pattern = dir / 2 + bank;
    for (part_t* p = back; p != nullptr; p = p->back) {
        p->fade = invisible;
        p->set_position(x, y);
        p->pattern = dir / 2 + p->bank;
        p->start();
    }
}

void head_t::update() {
    const float speed = pulse_speed(clock);
    int32_t target = 32;
    if (g_stage_position - key < homing_span && g_player_ship != nullptr && g_player_ship->alive) {
        target = direction_to(position(), player_ship_position());
    }
    target = (target + (clock % 28 < 14 ? 4 : -4)) & 63;
    if (clock % 2 == 0) {
        dir = worm::turned(dir, target);
    }
    worm::advance(*this, dir, speed);
    pattern = dir / 2 + bank;
    trail.push(x, y);
    worm::place_behind(trail, back, step);
    for (part_t* p = back; p != nullptr; p = p->back) {
        p->pattern = worm::facing(*p) / 2 + p->bank;
    }
    if (fade > 0) {
        fade -= fade_step;
    }
    clock = (clock + 1) & 0xFFFF;
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
    if (front == nullptr) {
        return;
    }
    if (!front->alive) {
        if (++death_count == cascade_frames) {
            part_t::damage(9999);
        }
        return;
    }
    if (fade != 0) {
        const int32_t f = front->fade;
        fade = f == 0 ? 0 : f == invisible ? invisible : f + fade_step;
    }
}

} // namespace worm001

worm001::body_t* stage_t::make_worm001_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm001::body_t>(stage, placement, info);
}

worm001::head_t* stage_t::make_worm001_head(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm001::head_t>(stage, placement, info);
}

worm001::head_t* stage_t::make_worm001(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({189, 64});
    // A count that is 0 or negative cannot size the history.
    const int64_t n = 4 * int64_t(placement->param2);
    if (!r || n <= 0 || n > max_parts) {
        return nullptr;
    }
    const auto [part, explosion] = *r;
    worm001::body_t* tail = make_worm001_body(stage, placement, part);
    attach_death_explosion(stage, placement, tail, explosion);
    worm001::part_t* last = tail;
    for (int64_t i = 2; i <= n - 1; ++i) {
        worm001::body_t* body = make_worm001_body(stage, placement, part);
        if (i % 2 == 0) {
            attach_death_explosion(stage, placement, body, explosion);
        }
        body->back = last;
        last->front = body;
        last = body;
    }
    worm001::head_t* head = make_worm001_head(stage, placement, part);
    head->set_length(int32_t(n));
    const float at[2] = {128.0f, 128.0f};
    head->dir = direction_to(head->position(), at);
    attach_death_explosion(stage, placement, head, explosion);
    head->back = last;
    last->front = head;
    std::vector<worm001::part_t*> chain;
    for (worm001::part_t* p = head; p != nullptr; p = p->back) {
        chain.push_back(p);
        if (auto* body = dynamic_cast<worm001::body_t*>(p)) {
            body->head = head;
        }
    }
    // The three outermost parts at each end draw bank 0, the next three 32, and so on up to 96.
    for (size_t k = 0; k < chain.size(); ++k) {
        const size_t from_end = std::min(k, chain.size() - 1 - k);
        chain[k]->bank = 32 * int32_t(std::min<size_t>(from_end / 3, 3));
    }
    return head;
}

worm001::head_t* stage_t::make_dormant_worm001(stage_t* stage, const placement_t* placement) {
    placement_t copy = *placement;
    copy.type = 189;
    copy.param2 = dormant_fours;
    worm001::head_t* head = make_worm001(stage, &copy);
    for (worm001::part_t* p = head; p != nullptr; p = p->back) {
        p->alive = 0;
        p->hp = 0;
    }
    return head;
}

void stage_t::spawn_worm001(stage_t* stage, const placement_t* placement) {
    make_worm001(stage, placement);
}
