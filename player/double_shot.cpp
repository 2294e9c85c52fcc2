#include "player/double_shot.h"

#include "objects/direction.h"
#include "objects/trig_tables.h"

int32_t dbl_aim = 0;

void direction_delta(int32_t target) {
    dbl_aim = turn_direction(dbl_aim, target, 1);
}

namespace dbl {

namespace {
constexpr int32_t double_shot_sound = 101;
constexpr float parked_x = -9999;
} // namespace

void pair_shot_t::damage(int32_t n) {
    if (n <= 0) {
        return;
    }
    start_effect_at(x, y);
    spend();
}

bool pair_shot_t::is_in_bounds() {
    return x >= -32 && x < 260 && y >= -4 && y < 260;
}

void pair_shot_t::spend() {
    spent = 1;
    set_position(parked_x, 0);
}

void pair_shot_t::fly() {
    set_position(x + vx, y + vy);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        spend();
    }
}

void shot1_t::update() {
    if (!spent) {
        fly();
    } else if (partner == nullptr || partner->spent) {
        kill();
    }
}

void shot1_t::start() {
    spent = 0;
    direction = 0;
    set_speed(speed);
    pattern = 0;
    alive = 1;
    hp = info->hit_points;
    if (partner != nullptr) {
        partner->set_position(x, y);
        partner->direction = dbl_aim;
        partner->set_speed(partner->speed);
        // One picture serves two opposite directions.
        partner->pattern = dbl_aim & 31;
        partner->spent = 0;
        partner->alive = 1;
        partner->hp = partner->info->hit_points;
    }
    request_se_if_fired_by_ship(double_shot_sound);
}

void shot1_t::kill() {
    alive = 0;
    hp = 0;
    if (partner != nullptr) {
        partner->alive = 0;
        partner->hp = 0;
    }
}

void shot1_t::set_owner(object_t* object) {
    owner = object;
    if (partner != nullptr) {
        partner->set_owner(object);
    }
}

void shot2_t::update() {
    if (!spent) {
        fly();
    }
}

} // namespace dbl
