// Zigzag's construction, the six leaders' courses and the members' damage.
#include "enemies/formations/zigzag.h"

#include "enemies/damage_tail.h"
#include "enemies/formations/formation_chain.h"
#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"

namespace {

using step_t = zigzag::course_step_t;
using enum step_t::op_t;
using enum step_t::test_t;

constexpr uint32_t spacing = 7;
constexpr float speed = 2.0f;
constexpr int32_t explosion_period = 2;
constexpr int32_t se_destroyed = 12;
constexpr int32_t revenge_level = 5;

// Kind E weaves between these directions.
constexpr int32_t weave_start = 18;
constexpr int32_t weave_high = 45;
constexpr int32_t weave_low = 19;

constexpr step_t until(step_t::test_t test, int32_t limit, int32_t heading = -1) {
    return {hold, test, limit, heading, 0};
}

constexpr step_t turn_to(int32_t heading, int32_t rate) {
    return {turn, none, 0, heading, rate};
}

constexpr step_t on{straight, none, 0, 0, 0};

bool exit_holds(const step_t& s, float x, uint32_t timer) {
    switch (s.test) {
    case x_at_most:
        return x <= float(s.limit);
    case x_below:
        return x < float(s.limit);
    case x_at_least:
        return x >= float(s.limit);
    case timer_above:
        return timer > uint32_t(s.limit);
    default:
        return false;
    }
}

// The maker of a leader kind, leaderA_t to leaderF_t.
template <typename Leader>
Leader* make_zigzag_leader(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<Leader>(stage, placement, info);
}

template <typename Leader> void spawn(stage_t* stage, const placement_t* placement, int32_t count) {
    const auto r = find_records({102, 73});
    if (!r) {
        return;
    }
    const auto [body, explosion] = *r;
    Leader* leader = make_zigzag_leader<Leader>(stage, placement, body);
    leader->set_member_count(count);
    leader->mirrored = placement->param2 != 0 ? 1 : 0;
    give_item(stage, placement, leader);
    zigzag::member_t* previous = leader;
    for (int32_t i = 0; i < count; ++i) {
        zigzag::member_t* member = make_zigzag_member(stage, placement, body);
        attach_death_explosion(stage, placement, member, explosion)->period = explosion_period;
        member->pattern = (3 * i) & 15;
        member->prev = previous;
        previous->next = member;
        previous = member;
    }
}

} // namespace

namespace zigzag {

// clang-format off
// The courses of the kinds, step 0 first; B and F differ only in how long their first turn holds.
const course_step_t course_a[course_leader_t::steps] = {
    until(x_at_most, 160, 32), turn_to(56, 2), until(timer_above, 19), turn_to(32, -2), until(x_below, 32),
    turn_to(0, -2), on, on, on, on, on};
const course_step_t course_b[course_leader_t::steps] = {
    until(x_below, 192, 32), turn_to(44, 1), until(timer_above, 47), turn_to(32, -2), until(x_below, 32),
    turn_to(0, -2), until(x_at_least, 128), turn_to(8, 2), until(timer_above, 31), turn_to(0, -2), on};
const course_step_t course_c[course_leader_t::steps] = {
    until(x_at_least, 96, 0), turn_to(40, -2), until(timer_above, 19), turn_to(0, 2), until(x_at_least, 224),
    turn_to(32, -2), until(x_below, 96), turn_to(8, -2), until(timer_above, 19), turn_to(32, 2), on};
const course_step_t course_d[course_leader_t::steps] = {
    until(x_below, 192, 32), turn_to(8, -2), until(timer_above, 23), turn_to(32, 2), until(x_below, 64),
    turn_to(58, 2), until(x_at_least, 96), turn_to(32, -2), until(x_below, 32), turn_to(0, 2), on};
const course_step_t course_f[course_leader_t::steps] = {
    until(x_below, 192, 32), turn_to(44, 1), until(timer_above, 95), turn_to(32, -2), until(x_below, 32),
    turn_to(0, -2), until(x_at_least, 128), turn_to(8, 2), until(timer_above, 31), turn_to(0, -2), on};
// clang-format on

void member_t::update() {
    if (g_frame_counter % 2 == 0) {
        pattern = (pattern + 1) & 15;
    }
}

void member_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    spawn_sparks(position(), 2);
    enemy_t::damage(n);
    enemy_damage::death_tail(*this, {se_destroyed}, revenge_level);
}

void leader_t::move_y(int32_t d) {
    y += float(d);
    formation::shift_history_y(log, d, false);
}

void leader_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    formation::shift_history_y(log, d, true);
}

void leader_t::start() {
    log.fill(x, y, 0);
    enemy_t::start();
}

void leader_t::set_member_count(int32_t count) {
    formation::size_history(log, *this, spacing, count);
}

void leader_t::place_members() {
    if (formation::place_chain(log, next, spacing, last_member) == 0) {
        formation::end_chain(*this, last_member);
    }
}

void leader_t::fly() {
    const int32_t d = mirrored ? wrap64(64 - direction) : direction;
    set_position(x + speed * cos_table[d], y - speed * sin_table[d]);
    log.push(x, y);
    place_members();
    ++timer;
}

void course_leader_t::update() {
    if (state < steps) {
        const course_step_t& s = course[state];
        bool ends = false;
        if (s.op == hold) {
            ends = exit_holds(s, x, timer);
            if (!ends && s.heading >= 0) {
                direction = s.heading;
            }
        } else if (s.op == turn) {
            ends = direction == s.heading;
            if (!ends) {
                direction = wrap64(direction + s.rate);
            }
        }
        if (ends) {
            // The line stands still in the frame a step ends.
            ++state;
            timer = 0;
            return;
        }
    }
    fly();
}

void leaderE_t::update() {
    switch (state) {
    case 0:
        direction = weave_start;
        state = 1;
        timer = 0;
        break;
    case 1:
        if (direction > weave_high) {
            state = 2;
            timer = 0;
            return;
        }
        if (timer % 2 == 0) {
            direction = wrap64(direction + 1);
        }
        break;
    default:
        if (direction < weave_low) {
            state = 1;
            timer = 0;
            return;
        }
        if (timer % 2 == 0) {
            direction = wrap64(direction - 1);
        }
        break;
    }
    fly();
}

} // namespace zigzag

zigzag::member_t* make_zigzag_member(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<zigzag::member_t>(stage, placement, info);
}

void stage_t::spawn_zigzag_a(stage_t* stage, const placement_t* placement, int32_t count) {
    spawn<zigzag::leaderA_t>(stage, placement, count);
}

void stage_t::spawn_zigzag_b(stage_t* stage, const placement_t* placement, int32_t count) {
    spawn<zigzag::leaderB_t>(stage, placement, count);
}

void stage_t::spawn_zigzag_c(stage_t* stage, const placement_t* placement, int32_t count) {
    spawn<zigzag::leaderC_t>(stage, placement, count);
}

void stage_t::spawn_zigzag_d(stage_t* stage, const placement_t* placement, int32_t count) {
    spawn<zigzag::leaderD_t>(stage, placement, count);
}

void stage_t::spawn_zigzag_e(stage_t* stage, const placement_t* placement, int32_t count) {
    spawn<zigzag::leaderE_t>(stage, placement, count);
}

void stage_t::spawn_zigzag_f(stage_t* stage, const placement_t* placement, int32_t count) {
    spawn<zigzag::leaderF_t>(stage, placement, count);
}
