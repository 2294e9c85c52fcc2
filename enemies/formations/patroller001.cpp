// Patroller001's construction and its corridor patrol.
#include "enemies/formations/patroller001.h"

#include "enemies/damage_tail.h"
#include "enemies/jet.h"
#include "objects/big_explosion.h"
#include "objects/direction.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/stage_pointers.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

#include <utility>

namespace {

constexpr int32_t body_record = 143;
constexpr float top_speed = 2.0f;
constexpr float acceleration = 0.1f;
constexpr float terrain_brake = 0.1f;
constexpr float queue_brake = 0.3f;
constexpr int32_t leave_x = -32;
constexpr int32_t probe_reach = 64;
constexpr int32_t probe_step = 4;
constexpr int32_t lookahead = 40;
constexpr int32_t queue_half_box = 32;
constexpr float jet_distance = 26;
constexpr float muzzle_distance = 24;
constexpr int32_t muzzle_spread = 6;
constexpr float shot_speed = 3.0f;
constexpr int32_t shot_count = 8;
constexpr uint32_t shot_effect_period = 4;
constexpr int32_t se_accelerate = 29;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 2;
constexpr int32_t se_destroyed_blast = 42;
constexpr int32_t revenge_level = 4;

enum : int32_t {
    start_state = 0,
    patrol = 1,
    brake_terrain = 2,
    brake_queue = 3,
    choose = 10,
    turning = 11,
    accelerate = 12,
    boxed_in = 9999,
};

// The ways a patroller may take from a wall, in the order it tries them: left, up, down.
constexpr int32_t ways[3] = {32, 16, 48};

bool axis(int32_t direction) {
    return direction == 0 || direction == 16 || direction == 32 || direction == 48;
}

// Unit steps of the axis directions, y down.
void axis_step(int32_t direction, int32_t& dx, int32_t& dy) {
    dx = direction == 0 ? 1 : direction == 32 ? -1 : 0;
    dy = direction == 16 ? -1 : direction == 48 ? 1 : 0;
}

// Another live patroller of enemy list 0's window inside the box around the point 40 pixels ahead.
bool patroller_ahead(const enemy_t& self, int32_t direction) {
    if (!axis(direction) || g_enemy_list == nullptr) {
        return false;
    }
    int32_t dx = 0;
    int32_t dy = 0;
    axis_step(direction, dx, dy);
    const int32_t px = int32_t(self.x) + dx * lookahead;
    const int32_t py = int32_t(self.y) + dy * lookahead;
    array_t<enemy_t*>& list = *g_enemy_list;
    for (uint32_t i = list.first; i < list.end; ++i) {
        const enemy_t* other = list[i];
        if (other == &self || !other->alive || other->info->id != body_record) {
            continue;
        }
        const int32_t ox = int32_t(other->x);
        const int32_t oy = int32_t(other->y);
        if (px - queue_half_box <= ox && ox < px + queue_half_box && py - queue_half_box <= oy &&
            oy < py + queue_half_box) {
            return true;
        }
    }
    return false;
}

bool fires_now(int32_t direction) {
    if (difficulty_level() <= 2) {
        return direction % 16 == 0 && g_frame_counter % 64 == 0;
    }
    return g_frame_counter % (difficulty_level() == 3 ? 64 : 32) == 0;
}

} // namespace

namespace patroller001 {

bool terrain_ahead(float x, float y, int32_t direction) {
    if (!axis(direction)) {
        return false;
    }
    int32_t dx = 0;
    int32_t dy = 0;
    axis_step(direction, dx, dy);
    for (int32_t d = probe_reach; d > 0; d -= probe_step) {
        if (terrain_layer0_at(int32_t(x) + dx * d, int32_t(y) + dy * d)) {
            return true;
        }
    }
    return false;
}

void body_t::update() {
    bool moving = true;
    bool firing = true;
    if (!run_state(moving, firing)) {
        ++timer;
    }
    if (x < float(leave_x)) {
        alive = 0;
        hp = 0;
        switch_off_jets();
        return;
    }
    if (moving) {
        int32_t dx = 0;
        int32_t dy = 0;
        axis_step(direction, dx, dy);
        set_position(x + speed * float(dx), y + speed * float(dy));
    }
    pattern = direction;
    const int32_t rear = wrap64(direction + 32);
    for (auto [jet, side] : {std::pair{jet_a, 8}, std::pair{jet_b, -8}}) {
        const int32_t d = wrap64(rear + side);
        jet->set_position(x + jet_distance * cos_table[d], y - jet_distance * sin_table[d]);
    }
    if (firing && fires_now(direction)) {
        fire_pair();
    }
}

bool body_t::run_state(bool& moving, bool& firing) {
    const int32_t before = state;
    switch (state) {
    case start_state:
        speed = top_speed;
        direction = target = ways[0];
        state = patrol;
        run_state(moving, firing);
        break;
    case patrol:
        if (terrain_ahead(x, y, direction)) {
            state = brake_terrain;
        } else if (patroller_ahead(*this, direction)) {
            state = brake_queue;
        } else {
            speed = top_speed;
        }
        break;
    case brake_terrain:
        speed -= terrain_brake;
        if (speed < 0) {
            speed = 0;
            moving = false;
            state = choose;
        }
        break;
    case brake_queue:
        speed -= queue_brake;
        if (speed < 0) {
            speed = 0;
            moving = false;
            state = patrol;
        }
        break;
    case choose:
        choose_way(moving);
        break;
    case turning:
        turn_step(moving, firing);
        break;
    case accelerate:
        if (timer == 0) {
            g_soundctr.request_se(se_accelerate);
        }
        speed += acceleration;
        if (speed >= top_speed) {
            speed = top_speed;
            state = patrol;
        }
        break;
    default:
        break;
    }
    if (state != before) {
        timer = 0;
        return true;
    }
    return false;
}

void body_t::choose_way(bool& moving) {
    moving = false;
    state = boxed_in;
    for (int32_t way : ways) {
        if (!terrain_ahead(x, y, way)) {
            target = way;
            state = turning;
            break;
        }
    }
    // Counter-clockwise, a half turn included, swings past the target upward.
    const int32_t diff = wrap64(target - direction);
    step = diff != 0 && diff <= 32 ? 2 : -2;
}

void body_t::turn_step(bool& moving, bool& firing) {
    firing = false;
    if (timer % 2 != 0) {
        return;
    }
    moving = false;
    const int32_t aim = wrap64(target + step);
    if (direction != aim) {
        direction = turn_direction(direction, aim, 1);
    } else if (step == 0) {
        state = accelerate;
    } else {
        step = step > 0 ? -(step - 1) : -(step + 1);
    }
}

void body_t::fire_pair() {
    size_t next = 0;
    for (int32_t side : {muzzle_spread, -muzzle_spread}) {
        while (next < missiles.size() && missiles[next]->alive) {
            ++next;
        }
        if (next == missiles.size()) {
            return;
        }
        missile_t* shot = missiles[next++];
        const int32_t m = wrap64(direction + side);
        const float mx = x + muzzle_distance * cos_table[m];
        const float my = y - muzzle_distance * sin_table[m];
        const int32_t d = wrap64(direction);
        shot->start_effect_at(mx, my);
        shot->set_position(mx, my);
        shot->direction = d;
        shot->speed = shot_speed;
        shot->vx = shot_speed * cos_table[d];
        shot->vy = -shot_speed * sin_table[d];
        shot->pattern = d % 32;
        shot->start();
    }
}

void body_t::switch_off_jets() {
    for (jet_t* jet : {jet_a, jet_b}) {
        jet->alive = 0;
        jet->hp = 0;
    }
}

void body_t::kill() {
    enemy_t::kill();
    switch_off_jets();
}

void body_t::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed, se_destroyed_blast}, revenge_level);
}

} // namespace patroller001

patroller001::body_t* stage_t::make_patroller001_body(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return make_placed_enemy<patroller001::body_t>(stage, placement, info);
}

void stage_t::spawn_patroller001(stage_t* stage, const placement_t* placement) {
    // Record 84 is asked for though nothing is made of it. The death pattern looks up its own records: one
    // missing leaves the body without an explosion.
    const auto r = find_records({body_record, 93, 84, 32, 33});
    if (!r) {
        return;
    }
    const auto& records = *r;
    jet_t* jet_a = make_jet(stage, placement, records[1]);
    jet_t* jet_b = make_jet(stage, placement, records[1]);
    patroller001::body_t* body = make_patroller001_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_medium(stage, placement));
    body->jet_a = jet_a;
    body->jet_b = jet_b;
    for (int32_t i = 0; i < shot_count; ++i) {
        make_shot_with_effect(stage, placement, records[3], records[4], shot_effect_period, body,
                              body->missiles);
    }
    give_item(stage, placement, body);
}
