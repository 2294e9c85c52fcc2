// Worm006's construction, its swim-and-sweep script, its arms' steering, trailing and bending, the hands'
// lasers and the arms' burn-out after the body dies.
#include "enemies/worms/worm006.h"

#include "enemies/damage_tail.h"
#include "enemies/worms/joint.h"
#include "enemies/worms/worm001.h"
#include "objects/big_explosion.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t segments_per_arm = 9;
constexpr int32_t lasers_per_hand = 32;
constexpr uint32_t effect_period = 2;
constexpr float segment_length = 8;
constexpr float half_segment = 4;
constexpr float anchor_x = -19;
constexpr float anchor_y = 10;
constexpr float muzzle = 10;
constexpr float laser_speed = 1.0f;
constexpr int32_t straight_back = 32;
constexpr int32_t swim_bend = 3;
constexpr int32_t attack_bend = 2;
constexpr float stop_x = 192;
constexpr uint32_t release_span = 96;
constexpr float release_x = 448;
constexpr float mirror_y = 256;
constexpr int32_t released_direction = 32;
constexpr uint32_t cascade_frames = 3;
constexpr int32_t revenge_level = 4;
constexpr int32_t se_hit = 48;
constexpr int32_t se_dead = 39;
constexpr int32_t se_arm_dead = 55;

enum : uint32_t {
    starting = 0,
    reaching = 10,
    stroking = 11,
    folding = 12,
    gliding = 13,
    braking = 40,
    coiling = 50,
    uncoiling = 51,
    holding = 52,
    sweeping = 53,
    returning = 54,
};

// Frames between lasers by level: 16, 8, 6, then 4 (also for a level 0).
uint32_t fire_interval(int32_t level) {
    return level == 1 ? 16 : level == 2 ? 8 : level == 3 ? 6 : 4;
}

} // namespace

namespace worm006 {

void arm_t::set_direction(int32_t d) {
    direction = d;
    pattern = d & 63;
}

int32_t arm_t::clamped(int32_t d, int32_t base) const {
    return joint::within(d, base, body->bend_min, body->bend_max);
}

const float* arm_t::bearing_origin() {
    return prev != nullptr ? prev->position() : body->position();
}

bool arm_t::steer(arm_t* s, int32_t base, int32_t target) {
    for (; s != nullptr; s = s->next) {
        const int32_t old = s->direction;
        if (s->prev != nullptr) {
            base = s->prev->direction;
        }
        const int32_t turn = joint::shortest_turn(s->direction, target);
        if (turn != 0) {
            s->set_direction(s->clamped(s->direction + joint::sign(turn), base));
        }
        if (s->direction != old) {
            if (arm_t* n = s->next) {
                const int32_t bearing = direction_to(n->bearing_origin(), n->position());
                const int32_t step = joint::sign(joint::shortest_turn(n->direction, bearing));
                n->set_direction(n->clamped(n->direction + step, s->direction));
                trail(n->next, n->direction, true);
            }
            return true;
        }
        base = s->direction;
    }
    return false;
}

void arm_t::trail(arm_t* s, int32_t base, bool turn) {
    for (; s != nullptr; s = s->next) {
        int32_t d = s->direction;
        if (turn) {
            d += joint::sign(joint::shortest_turn(d, direction_to(s->bearing_origin(), s->position())));
        }
        s->set_direction(s->clamped(d, base));
        base = s->direction;
    }
}

bool arm_t::bend(arm_t* s, int32_t base, int32_t step) {
    bool moved = false;
    for (; s != nullptr; s = s->next) {
        const int32_t old = s->direction;
        s->set_direction(s->clamped(s->direction + step, base));
        moved = s->direction != old;
        base = s->direction;
    }
    return moved;
}

void arm_t::update() {
    const object_t* before = prev != nullptr ? static_cast<object_t*>(prev) : body;
    if (before != nullptr && !before->alive && ++death_delay > cascade_frames) {
        kill();
    }
}

void arm_t::kill() {
    piveter_t::kill();
    enemy_damage::death_tail(*this, {se_arm_dead}, revenge_level);
}

bool arm_t::is_flashing() {
    return body != nullptr && body->is_flashing();
}

hand_t::hand_t(const objectinfo_t* info, float x, float y, uint32_t key) : arm_t(info, x, y, key) {
    lasers.reserve(lasers_per_hand);
}

void hand_t::update() {
    arm_t::update();
    if (firing == 1 && body != nullptr && body->alive &&
        fire_counter % fire_interval(difficulty_level()) == 0) {
        fire_laser();
    }
    ++fire_counter;
}

void hand_t::fire_laser() {
    const size_t i = next_idle(lasers, 0, true);
    if (i == lasers.size()) {
        return;
    }
    const int32_t d = direction & 63;
    const float mx = x + muzzle * cos_table[d];
    const float my = y - muzzle * sin_table[d];
    missile_t* laser = lasers[i];
    laser->start_effect_at(mx, my);
    laser->pattern = d & 31;
    launch(laser, mx, my, d, laser_speed);
}

void laser_t::check_bg_hit() {
    vscreen_t* layers[2] = {g_screenctr.layers[0], g_screenctr.layers[1]};
    for (vscreen_t* layer : layers) {
        if (terrain_solid_at(layer, int32_t(x), int32_t(y))) {
            damage(9999);
            return;
        }
    }
}

void body_t::move() {
    set_position(x + speed, y);
}

void body_t::place_chain(arm_t* first, float dx, float dy) {
    if (first == nullptr) {
        return;
    }
    const int32_t d = first->direction & 63;
    first->set_position(x + dx + segment_length * cos_table[d], y + dy - segment_length * sin_table[d]);
    for (arm_t* s = first->next; s != nullptr; s = s->next) {
        const int32_t dp = s->prev->direction & 63;
        const int32_t ds = s->direction & 63;
        s->set_position(s->prev->x + half_segment * (cos_table[dp] + cos_table[ds]),
                        s->prev->y - half_segment * (sin_table[dp] + sin_table[ds]));
    }
}

void body_t::place_chains() {
    place_chain(arm_a, anchor_x, -anchor_y);
    place_chain(arm_b, anchor_x, anchor_y);
}

void body_t::set_bend(int32_t limit) {
    bend_max = limit;
    bend_min = -limit;
}

bool body_t::steer_both(int32_t base_a, int32_t target_a, int32_t base_b, int32_t target_b) {
    const bool a = arm_t::steer(arm_a, base_a, target_a);
    const bool b = arm_t::steer(arm_b, base_b, target_b);
    return a || b;
}

bool body_t::bend_both(int32_t step_a) {
    const bool a = arm_t::bend(arm_a, straight_back, step_a);
    const bool b = arm_t::bend(arm_b, straight_back, -step_a);
    return a || b;
}

void body_t::set_firing(int32_t on) {
    for (hand_t* hand : {hand_a, hand_b}) {
        if (hand != nullptr) {
            hand->firing = on;
            hand->fire_counter = 0;
        }
    }
}

void body_t::update() {
    while (run_state()) {
    }
    if (anim_period != 0 && g_frame_counter % anim_period == 0) {
        pattern = (pattern + 1) & 31;
    }
    ++timer;
}

// One frame of the current state; true when it changed state, so that the new one runs at once.
bool body_t::run_state() {
    uint32_t next_state = state;
    switch (state) {
    case starting:
        speed = 1.0f;
        set_bend(swim_bend);
        anim_period = 4;
        attacked = 0;
        for (arm_t* first : {arm_a, arm_b}) {
            for (arm_t* s = first; s != nullptr; s = s->next) {
                s->direction = straight_back;
                s->pattern = straight_back;
            }
        }
        place_chains();
        next_state = reaching;
        break;
    case reaching: {
        anim_period = std::min(timer / 16 + 1, 4u);
        speed = std::max(speed - 0.01f, 0.2f);
        if (timer % 2 == 1) {
            break;
        }
        move();
        set_bend(swim_bend);
        const int32_t s = int32_t(std::min(timer / 2, 29u));
        if (steer_both(32 - s, 8, 32 + s, 56) && timer / 2 < 20) {
            place_chains();
        } else {
            next_state = stroking;
        }
        break;
    }
    case stroking: {
        anim_period = timer < 16 ? 2 : 1;
        speed = std::min(speed + 0.01f, 1.2f);
        move();
        set_bend(swim_bend);
        const int32_t s = int32_t(std::min(timer, 29u));
        if (steer_both(12 + s, 36, 52 - s, 28) && timer < 26) {
            place_chains();
        } else {
            next_state = folding;
        }
        break;
    }
    case folding:
        anim_period = 1;
        speed = std::min(speed + 0.02f, 1.2f);
        move();
        set_bend(swim_bend);
        if (steer_both(straight_back, straight_back, straight_back, straight_back)) {
            place_chains();
        } else {
            next_state = gliding;
        }
        break;
    case gliding:
        if (timer >= 16) {
            next_state = reaching;
            break;
        }
        anim_period = 1;
        speed = std::max(speed - 0.01f, 0.4f);
        move();
        place_chains();
        if (attacked == 0 && x >= stop_x) {
            next_state = braking;
        }
        break;
    case braking:
        if (speed > 0) {
            anim_period = 2;
            speed -= 0.02f;
            move();
            place_chains();
        }
        if (speed <= 0) {
            speed = 0;
            next_state = coiling;
        }
        break;
    case coiling:
        anim_period = 3;
        if (timer == 4) {
            set_firing(1);
            attacked = 1;
        }
        if (timer % 2 == 1) {
            break;
        }
        set_bend(attack_bend);
        if (!bend_both(1)) {
            next_state = uncoiling;
        }
        place_chains();
        break;
    case uncoiling:
        anim_period = 4;
        set_bend(attack_bend);
        if (!bend_both(-1)) {
            next_state = holding;
        }
        place_chains();
        break;
    case holding:
        if (timer >= 24) {
            next_state = sweeping;
        }
        break;
    case sweeping:
        anim_period = 6;
        if (timer % 3 != 0) {
            break;
        }
        set_bend(attack_bend);
        if (!bend_both(1)) {
            next_state = returning;
        }
        place_chains();
        break;
    case returning:
        anim_period = 3;
        set_bend(attack_bend);
        if (!bend_both(-1)) {
            set_firing(0);
            next_state = reaching;
        }
        place_chains();
        break;
    default:
        break;
    }
    if (next_state == state) {
        return false;
    }
    state = next_state;
    timer = 0;
    return true;
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    if (g_frame_counter % 4 == 0) {
        const float at[2] = {x - 8, y};
        spawn_sparks(at, 1);
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (alive) {
        return;
    }
    enemy_damage::death_tail(*this, {se_dead}, revenge_level);
    // Only a kill soon after it appeared lets the worm001 loose, beyond the right edge at the mirrored
    // height.
    if (g_stage_position - key < release_span && tail_worm != nullptr) {
        tail_worm->set_position(release_x, mirror_y - y);
        tail_worm->dir = released_direction;
        tail_worm->start();
    }
}

} // namespace worm006

worm006::body_t* stage_t::make_worm006_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm006::body_t>(stage, placement, info);
}

worm006::arm_t* stage_t::make_worm006_arm(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<worm006::arm_t>(stage, placement, info);
}

worm006::hand_t* stage_t::make_worm006_hand(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm006::hand_t>(stage, placement, info);
}

worm006::laser_t* stage_t::make_worm006_laser(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return append_dormant<worm006::laser_t>(stage->enemy_shots, placement, info);
}

worm006::arm_t* stage_t::spawn_worm006_arm(stage_t* stage, const placement_t* placement,
                                           worm006::body_t* owner) {
    const auto r = find_records({204, 30, 31, 74});
    if (!r) {
        return nullptr;
    }
    const auto [segment_record, laser_record, effect_record, explosion] = *r;
    worm006::arm_t* first = nullptr;
    worm006::arm_t* last = nullptr;
    for (int32_t i = 0; i < segments_per_arm; ++i) {
        worm006::arm_t* s = make_worm006_arm(stage, placement, segment_record);
        attach_death_explosion(stage, placement, s, explosion);
        s->body = owner;
        s->prev = last;
        (last != nullptr ? last->next : first) = s;
        last = s;
    }
    worm006::hand_t* hand = make_worm006_hand(stage, placement, segment_record);
    attach_death_explosion(stage, placement, hand, explosion);
    for (int32_t i = 0; i < lasers_per_hand; ++i) {
        link_shot_effect(stage, placement, make_worm006_laser(stage, placement, laser_record), effect_record,
                         effect_period, hand, hand->lasers);
    }
    last->next = hand;
    hand->prev = last;
    hand->body = owner;
    return first;
}

void stage_t::spawn_worm006(stage_t* stage, const placement_t* placement) {
    // An arm or the worm001 whose records are missing is left out; the body swims without it.
    const auto r = find_records({203, 84});
    if (!r) {
        return;
    }
    worm006::body_t* body = make_worm006_body(stage, placement, (*r)[0]);
    body->attach_explosion(make_explosion_pattern_medium(stage, placement));
    body->arm_a = spawn_worm006_arm(stage, placement, body);
    body->arm_b = spawn_worm006_arm(stage, placement, body);
    for (auto [first, hand] :
         {std::pair{body->arm_a, &body->hand_a}, std::pair{body->arm_b, &body->hand_b}}) {
        worm006::arm_t* tip = first;
        while (tip != nullptr && tip->next != nullptr) {
            tip = tip->next;
        }
        *hand = dynamic_cast<worm006::hand_t*>(tip);
    }
    body->tail_worm = make_dormant_worm001(stage, placement);
    give_item(stage, placement, body);
}
