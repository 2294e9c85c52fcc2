// Midboss001's script: wait on screen, open the wings and fire spreads, close them and fire beams, until
// the stage is a section on; bumps between the bodies of a column; recoil when hit.
#include "bosses/midboss001/midboss001.h"

#include "enemies/damage_tail.h"
#include "enemies/jet.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float closed = 12;
constexpr float open = 28;
constexpr float bump_half_height = 12;
constexpr float push_start = 1.5f;
constexpr float push_friction = 0.05f;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 52;
constexpr int32_t se_bump = 59;
constexpr int32_t se_beam = 45;
constexpr int32_t revenge_level = 3;
constexpr int32_t beam_level = 3;
constexpr uint32_t one_section = 0x10000;

enum : int32_t {
    begin = 0,
    wait_on_screen = 1,
    opening = 5,
    spreading = 6,
    deciding = 7,
    closing = 8,
    beaming = 9,
    closing_to_leave = 100,
    leaving = 101,
};

bool inside(float x, float y, float low, float high) {
    return x >= low && x < high && y >= low && y < high;
}

// Frames of the spread phase on which a volley leaves, by level.
uint32_t spread_interval() {
    const int32_t level = difficulty_level();
    return level <= 1 ? 16 : level <= 3 ? 12 : level == 4 ? 8 : 6;
}

struct box_t {
    int32_t left, top, right, bottom;
};

box_t bump_box(const midboss001::body_t& b) {
    const float half = bump_half_height + b.spread;
    return {int32_t(b.x - 24), int32_t(b.y - half), int32_t(b.x + 24), int32_t(b.y + half)};
}

} // namespace

namespace midboss001 {

void body_t::update() {
    move();
    bool spread_now = false;
    bool beam_now = false;
    while (run_state(spread_now, beam_now)) {
    }
    if (spread_now) {
        fire_spread();
    }
    if (beam_now) {
        fire_beam();
    }
    ++timer;
}

bool body_t::run_state(bool& spread_now, bool& beam_now) {
    const int32_t before = state;
    switch (state) {
    case begin:
        spread = closed;
        state = wait_on_screen;
        break;
    case wait_on_screen:
        if (inside(x, y, -32, 288)) {
            state = opening;
        }
        break;
    case opening:
        spread += 1.5f;
        if (spread > open) {
            spread = open;
            state = spreading;
        }
        break;
    case spreading:
        if (timer >= 40) {
            state = deciding;
        } else if (timer < 24 && timer % spread_interval() == 0) {
            spread_now = true;
        }
        break;
    case deciding:
        state = g_stage_position - key >= one_section ? closing_to_leave : closing;
        break;
    case closing:
        spread -= 1.5f;
        if (spread < closed) {
            spread = closed;
            state = beaming;
        }
        break;
    case beaming:
        if (timer >= 32) {
            state = wait_on_screen;
        } else if (difficulty_level() >= beam_level && (timer == 8 || timer == 16 || timer == 24)) {
            beam_now = true;
        }
        break;
    case closing_to_leave:
        spread -= 0.2f;
        if (spread < closed) {
            spread = closed;
            state = leaving;
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

void body_t::move() {
    if (body_t* other = find_bump()) {
        push_direction = direction_to(other->position(), position());
        push_speed = push_start;
        set_position(x + push_start * cos_table[push_direction], y - push_start * sin_table[push_direction]);
        other->push_direction = (push_direction + 32) & 63;
        other->push_speed = push_start;
        if (inside(x, y, -16, 272)) {
            g_soundctr.request_se(se_bump);
        }
    } else if (push_speed > 0) {
        push_speed -= push_friction;
        const float d = std::max(push_speed, 0.0f);
        set_position(x + d * cos_table[push_direction], y - d * sin_table[push_direction]);
    } else if (state >= closing_to_leave) {
        set_position(x - 1.5f, y);
    } else if (hit && x < 192) {
        set_position(x + 2, y);
    } else {
        float nx = x;
        float ny = y;
        const float* ship_at = player_ship_position();
        const float* ship = ship_at != nullptr ? ship_at : position();
        if (x < 160) {
            nx += 1;
        } else if (int32_t(x) != int32_t(ship[0])) {
            nx += int32_t(ship[0]) > int32_t(x) ? 1.0f : -1.0f;
        }
        const int32_t dy = int32_t(ship[1]) - int32_t(y);
        if (dy >= 4 || dy <= -4) {
            ny += dy > 0 ? 1.5f : -1.5f;
        }
        set_position(nx, ny);
    }
    if (upper_wing != nullptr) {
        upper_wing->set_position(x - 2, y - spread);
    }
    if (lower_wing != nullptr) {
        lower_wing->set_position(x - 2, y + spread);
    }
    if (upper_jet != nullptr) {
        upper_jet->set_position(x + 28, y - 4);
    }
    if (lower_jet != nullptr) {
        lower_jet->set_position(x + 28, y + 4);
    }
    hit = 0;
}

body_t* body_t::find_bump() {
    const box_t a = bump_box(*this);
    for (body_t* other = next; other != nullptr; other = other->next) {
        if (other->key > g_stage_position || !other->alive) {
            continue;
        }
        const box_t b = bump_box(*other);
        if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
            return other;
        }
    }
    return nullptr;
}

void body_t::fire_spread() {
    const float speed = 1.2f + 0.2f * float(difficulty_level());
    size_t i = 0;
    for (float dy : {-12.0f, 12.0f}) {
        i = next_idle(spread_shots, i);
        if (i == spread_shots.size()) {
            return;
        }
        // The random number is drawn only for a shot that leaves.
        launch(spread_shots[i++], x - 10, y + dy, 24 + rng::rand() / 1928, speed);
    }
}

void body_t::fire_beam() {
    const size_t i = next_idle(beam_shots, 0, true);
    if (i == beam_shots.size()) {
        return;
    }
    missile_t* shot = beam_shots[i];
    shot->start_effect_at(x - 28, y);
    launch(shot, x - 28, y, 32, difficulty_level() >= 5 ? 2.5f : 2.0f);
    g_soundctr.request_se(se_beam);
}

void body_t::get_rect(plat::rect_t& out) {
    enemy_t::get_rect(out);
    out.left += 8;
    out.right += 8;
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    hit = 1;
    if (!alive) {
        for (enemy_t* part : {static_cast<enemy_t*>(upper_wing), static_cast<enemy_t*>(lower_wing),
                              static_cast<enemy_t*>(upper_jet), static_cast<enemy_t*>(lower_jet)}) {
            if (part != nullptr) {
                part->kill();
            }
        }
    }
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

void wing_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    if (jet != nullptr) {
        jet->set_position(new_x + 22, pattern == 0 ? new_y + 4 : new_y - 4);
    }
}

void wing_t::kill() {
    enemy_t::kill();
    if (jet != nullptr) {
        jet->kill();
    }
}

bool wing_t::is_flashing() {
    return body != nullptr ? body->is_flashing() : enemy_t::is_flashing();
}

} // namespace midboss001
