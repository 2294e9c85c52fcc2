// Changing the ship's equipment: shot and missile types, multiples, shield, speed, bit sets.
#include "player/double_shot.h"
#include "player/multiple.h"
#include "player/player.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"

#include <algorithm>

using namespace powergauge;

namespace {
constexpr int32_t max_multiples = 4;
constexpr int32_t first_double_aim = 8;
constexpr int32_t equipment_min = 1;
constexpr int32_t equipment_max = 58;
} // namespace

bool powergauge_set_shot(ship_t* ship, int32_t t) {
    if (t == shot_type) {
        return false;
    }
    if (t == weapon_double) {
        dbl_aim = first_double_aim;
    }
    powergauge_release_all_shots(ship);
    if (!powergauge_assign_shots(ship, t)) {
        return false;
    }
    for (multiple_t* m : ship->multiples) {
        powergauge_release_shots(m);
        if (!powergauge_assign_shots(m, t)) {
            return false;
        }
    }
    shot_type = t;
    return true;
}

bool powergauge_set_missile(ship_t* ship, int32_t t) {
    if (t == missile_type) {
        return false;
    }
    if (!powergauge_assign_missiles(ship, t)) {
        return false;
    }
    for (multiple_t* m : ship->multiples) {
        if (!powergauge_assign_missiles(m, t)) {
            return false;
        }
    }
    missile_type = t;
    return true;
}

multiple_t* powergauge_find_multiple() {
    if (current_player == nullptr) {
        return nullptr;
    }
    for (multiple_t* m : current_player->multiples) {
        if (!m->alive) {
            return m;
        }
    }
    return nullptr;
}

bool powergauge_add_option(ship_t* ship) {
    multiple_t* m = powergauge_find_multiple();
    if (m == nullptr || !ship->to_option_controller(m)) {
        return false;
    }
    m->start();
    // A multiple joins unarmed where the ship has no shot or missile yet.
    powergauge_assign_shots(m, shot_type);
    powergauge_assign_missiles(m, missile_type);
    return true;
}

bool powergauge_give_shield(ship_t* ship) {
    ship->shield->set_position(ship->x, ship->y);
    ship->shield->start();
    return true;
}

void powergauge_remove_shield(ship_t* ship) {
    ship->shield->kill();
}

void powergauge_remove_options(ship_t* ship) {
    for (multiple_t* m : ship->multiples) {
        m->kill();
    }
    ship->multiples.clear();
}

bool powergauge_speed_up(ship_t* ship) {
    return ship->dying_timer == 0 && ship->speed_up();
}

bool powergauge_speed_down(ship_t* ship) {
    return ship->dying_timer == 0 && ship->speed_down();
}

bool powergauge_valid_bits(int32_t bits) {
    const int32_t shots = bits & (weapon_normal | weapon_double | weapon_laser);
    return shots == weapon_normal || shots == weapon_double || shots == weapon_laser;
}

bool powergauge_apply_bits(ship_t* ship, int32_t bits, int32_t n) {
    if (!powergauge_valid_bits(bits)) {
        return false;
    }
    if ((bits & weapon_shield) != 0 && !powergauge_give_shield(ship)) {
        return false;
    }
    if ((bits & weapon_multiples) != 0) {
        for (int32_t i = 0; i < std::min(n, max_multiples); ++i) {
            if (!powergauge_add_option(ship)) {
                break;
            }
        }
    }
    for (int32_t shot : {weapon_laser, weapon_double, weapon_normal}) {
        if ((bits & shot) != 0 && !powergauge_set_shot(ship, shot)) {
            return false;
        }
    }
    if ((bits & weapon_missile) != 0 && !powergauge_set_missile(ship, weapon_missile)) {
        return false;
    }
    return true;
}

bool powergauge_full_power(ship_t* ship) {
    powergauge_give_shield(ship);
    powergauge_set_shot(ship, weapon_laser);
    powergauge_set_missile(ship, weapon_missile);
    while (powergauge_add_option(ship)) {
    }
    ship->reset_speed();
    powergauge_speed_up(ship);
    powergauge_speed_up(ship);
    return true;
}

int32_t powergauge_step_equipment(int32_t v, int32_t step) {
    if (v < equipment_min || v > equipment_max) {
        return v;
    }
    const int32_t delta = step < 0 ? -1 : 1;
    do {
        v = std::clamp(v + delta, equipment_min, equipment_max);
    } while (!powergauge_valid_bits(v));
    return v;
}
