// The pole's movement: the controller's slide script, the pieces placing their turrets and the joint's
// delayed death.
#include "enemies/turrets/pole.h"

#include "enemies/turrets/battery002.h"
#include "enemies/turrets/battery003.h"
#include "enemies/turrets/battery006.h"
#include "objects/explosion.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float piece_offset = 120;
constexpr float turret_dx = 20;
constexpr float turret_dy = 76;
constexpr float cannon_dx = 18;
constexpr float cannon_dy = 48;
constexpr float joint_turret_dx = 8;
constexpr float top = 90;
constexpr float bottom = 166;
constexpr float top_speed = 0.5f;
constexpr float acceleration = 0.01f;
constexpr uint32_t pause_frames = 8;
constexpr uint32_t sound_every = 40;
constexpr uint32_t joint_delay = 64;
constexpr int32_t self_destruction = 9999;
constexpr int32_t se_travel = 10;
constexpr int32_t se_joint = 52;

enum : int32_t { begin = 0, waiting, rising, stopping_up, pause_up, sinking, stopping_down, pause_down };

// A piece's turrets, dy pixels toward the joint.
void place_turrets(pole::body_t& piece, float x, float y, float way) {
    piece.left_turret->set_position(x - turret_dx, y + way * turret_dy);
    piece.right_turret->set_position(x + turret_dx, y + way * turret_dy);
    piece.tracking_turret->set_position(x - cannon_dx, y + way * cannon_dy);
}

} // namespace

namespace pole {

void upper_body_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    place_turrets(*this, new_x, new_y, 1);
}

void lower_body_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    place_turrets(*this, new_x, new_y, -1);
}

void joint_t::update() {
    if (turret->alive) {
        return;
    }
    if (++countdown == joint_delay) {
        enemy_t::damage(self_destruction);
    }
}

void joint_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    turret->set_position(new_x - joint_turret_dx, new_y);
}

void joint_t::kill() {
    enemy_t::kill();
    g_soundctr.request_se(se_joint);
}

void ctr_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    upper->set_position(new_x, new_y - piece_offset);
    lower->set_position(new_x, new_y + piece_offset);
    joint->set_position(new_x, new_y);
    if (joint->explosion != nullptr && joint->explosion->alive) {
        joint->explosion->set_position(new_x, new_y);
    }
}

void ctr_t::kill() {
    for (object_t* part : {static_cast<object_t*>(this), static_cast<object_t*>(upper),
                           static_cast<object_t*>(lower), static_cast<object_t*>(joint)}) {
        part->alive = 0;
        part->hp = 0;
    }
}

bool ctr_t::travel(float limit, int32_t way) {
    if (way < 0 ? y <= limit : y >= limit) {
        return false;
    }
    set_position(x, y + float(way) * speed);
    speed = std::min(speed + acceleration, top_speed);
    if (timer % sound_every == 0) {
        g_soundctr.request_se(se_travel);
    }
    return true;
}

bool ctr_t::brake(int32_t way) {
    speed -= acceleration;
    if (speed > 0) {
        set_position(x, y + float(way) * speed);
        return true;
    }
    speed = 0;
    return false;
}

void ctr_t::step() {
    switch (state) {
    case begin:
        speed = 0;
        state = waiting;
        break;
    case waiting:
        if (x >= -32 && x < 288 && y >= -32 && y < 288) {
            state = rising;
        }
        break;
    case rising:
        state = travel(top, -1) ? rising : stopping_up;
        break;
    case stopping_up:
        state = brake(-1) ? stopping_up : pause_up;
        break;
    case pause_up:
        state = timer >= pause_frames ? sinking : pause_up;
        break;
    case sinking:
        state = travel(bottom, 1) ? sinking : stopping_down;
        break;
    case stopping_down:
        state = brake(1) ? stopping_down : pause_down;
        break;
    case pause_down:
        state = timer >= pause_frames ? rising : pause_down;
        break;
    }
}

void ctr_t::update() {
    // A new state runs in the frame it is entered.
    int32_t before = state;
    do {
        before = state;
        step();
        if (state != before) {
            timer = 0;
        }
    } while (state != before);
    if (x < -32) {
        kill();
    }
    ++timer;
}

} // namespace pole
