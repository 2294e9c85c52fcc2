// Bee001's flight, fall and fire, its probes of the terrain and of its neighbours, and its balls and wing.
#include "bosses/bees/bee001.h"

#include "objects/direction.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/stage_pointers.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "player/smoke.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

enum : int32_t { flying = 0, falling = 1, resting = 2 };

constexpr int32_t bee_type = 220;
constexpr int32_t wingless_hp = 10;
constexpr int32_t terrain = 1000;
constexpr int32_t neighbour = 1;
constexpr uint32_t leave_after = 0x20000; // two sections past its key
constexpr float leave_speed = 1.4f;
constexpr float drift = 0.4f;
constexpr float recoil = 4;
constexpr float recoil_limit = 240;
constexpr int32_t hurt_frames = 4;
constexpr float gone_x = -32;
constexpr float bob = 8;
constexpr int32_t bob_step = 8;
constexpr float fall_speed = 1.3f;
constexpr int32_t last_fall_pattern = 16;
constexpr int32_t first_fall_pattern = 8;

constexpr int32_t se_hit = 47;
constexpr int32_t se_killed = 34;

} // namespace

namespace bee001 {

void body_t::update() {
    if (state == flying) {
        if (fly()) {
            if ((counter & 63) == 0) {
                fire_ball();
            }
        } else {
            pattern = first_fall_pattern;
            state = falling;
            counter = 0;
        }
    }
    if (state == falling && fall()) {
        state = resting;
        counter = 0;
    }
    ++counter;
}

bool body_t::fly() {
    if (hp < wingless_hp) {
        wing->enemy_t::damage(9999);
        return false;
    }
    float nx = x;
    if (g_stage_position - key >= leave_after) {
        nx -= leave_speed;
    } else if (!hit) {
        if (probe(x - 16, y) == 0) {
            nx -= drift;
        }
    } else {
        if (probe(x + 16, y) == 0 && x < recoil_limit) {
            nx = std::min(x + recoil, recoil_limit);
        }
        hurt = hurt_frames;
    }
    if (nx < gone_x) {
        alive = 0;
        hp = 0;
        return false;
    }
    const int32_t above = probe(nx, y - 8);
    const int32_t below = probe(nx, y + 8);
    if (above == 0 && below == 0) {
        const float* ship = player_ship_position();
        if (ship != nullptr && base_y > ship[1]) {
            base_y -= 0.5f;
        } else if (ship != nullptr && base_y < ship[1]) {
            base_y += 0.5f;
        }
    } else if (below == 0) {
        base_y += 1;
    } else if (above == 0) {
        base_y -= 1;
    } else if (above == terrain && below == terrain) {
        kill();
        return false;
    }
    const float old_y = y;
    set_position(nx, base_y + bob * sin_table_deg[phase]);
    if (counter % 4 == 0) {
        if (hurt > 0) {
            pattern = std::min(pattern + 1, 7);
        } else if (y < old_y) {
            pattern = std::min(pattern + 1, 3);
        } else if (y > old_y) {
            pattern = std::max(pattern - 1, 0);
        }
    }
    phase = (phase + bob_step) % 360;
    hit = 0;
    if (hurt > 0) {
        --hurt;
    }
    return true;
}

bool body_t::fall() {
    if (pattern + 1 <= last_fall_pattern && counter % 4 == 0) {
        puff_smoke();
        ++pattern;
    }
    set_position(x, y + fall_speed);
    if (probe(x, y) == terrain) {
        kill();
        return true;
    }
    return false;
}

void body_t::fire_ball() {
    const float* ship = player_ship_position();
    if (ship == nullptr) {
        return;
    }
    for (ball_t* ball : balls) {
        if (!ball->alive && (ball->explosion == nullptr || !ball->explosion->alive)) {
            ball->set_position(x, y);
            ball->direction = direction_to(position(), ship);
            ball->start();
            return;
        }
    }
}

void body_t::puff_smoke() {
    for (smoke_t* smoke : smokes) {
        if (!smoke->alive) {
            smoke->set_position(x, y);
            smoke->start();
            return;
        }
    }
}

int32_t body_t::probe(float at_x, float at_y) {
    if (terrain_layer0_or_cg_at(int32_t(at_x), int32_t(at_y))) {
        return terrain;
    }
    if (g_enemy_list == nullptr) {
        return 0;
    }
    array_t<enemy_t*>& list = *g_enemy_list;
    for (uint32_t i = list.first; i < list.end && i < list.size(); ++i) {
        enemy_t* other = list[i];
        if (other != this && other->alive && other->type_id() == bee_type && other->x >= at_x - 10 &&
            other->x < at_x + 10 && other->y >= at_y - 16 && other->y < at_y + 16) {
            return neighbour;
        }
    }
    return 0;
}

void body_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    wing->set_position(new_x + 16, new_y - 12);
}

void body_t::kill() {
    piveter_t::kill();
    wing->kill();
    puff_smoke();
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    hit = 1;
    g_soundctr.request_se(se_hit);
    if (!alive) {
        g_soundctr.request_se(se_killed);
    }
}

void ball_t::update() {
    set_position(x + cos_table[direction], y - sin_table[direction]);
    if (x < -8 || x >= 264 || y < -8 || y >= 264 || terrain_layer0_or_cg_at(int32_t(x), int32_t(y))) {
        kill();
    }
}

void wing_t::update() {
    if (g_frame_counter % 2 == 0) {
        pattern = (pattern + 1) & 1;
    }
}

bool wing_t::is_flashing() {
    return body->is_flashing();
}

} // namespace bee001
