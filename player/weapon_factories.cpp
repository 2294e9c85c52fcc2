#include "player/weapon_factories.h"

#include "objects/objectinfo.h"
#include "player/double_shot.h"
#include "player/drip_missile.h"
#include "player/homing_missile.h"
#include "player/ionblast.h"
#include "player/longlaser.h"
#include "player/multiple.h"
#include "player/powershot.h"
#include "player/ripplelaser.h"
#include "player/shot.h"
#include "player/snake_missile.h"
#include "player/vertical_missile.h"

namespace {

// The parameter records the factories make their objects with.
enum record_id : int32_t {
    shot_id = 1,
    double_first_id = 2,
    double_second_id = 3,
    upper_snake_id = 4,
    lower_snake_id = 5,
    upper_drip_id = 6,
    lower_drip_id = 7,
    upper_homing_id = 8,
    lower_homing_id = 9,
    vertical_id = 11,
    long_laser_control_id = 12,
    long_laser_piece_id = 13,
    ripple_id = 14,
    power_shot_id = 15,
    ion_blast_id = 16,
    multiple_id = 46,
    ripple_hit_id = 54,
    power_shot_hit_id = 55,
    missile_hit_id = 56,
    long_laser_hit_id = 57,
    shot_hit_id = 62, // also the double shot's first hit
    double_second_hit_id = 63,
};

constexpr float straight_speed = 8.0f; // shots that fly straight ahead
constexpr int32_t no_effect = -1;      // never found, so no effect is made
constexpr uint32_t default_period = 2;
constexpr int32_t long_laser_pieces = 16;
constexpr int32_t robust_pieces = 4; // the first pieces of a chain cut it when hit

template <class W> W* add_weapon(weapon_list_t& weapons, const objectinfo_t* info) {
    W* weapon = new W(info);
    weapons.push_back(weapon);
    return weapon;
}

// The weapon's hit effect, when its record exists.
template <class E>
void add_effect(effect_list_t& effects, player_missile_t* weapon, const objectinfo_t* info, uint32_t period) {
    if (info == nullptr) {
        return;
    }
    E* effect = new E(info, 0);
    effect->period = period;
    effects.push_back(effect);
    weapon->effect = effect;
    effect->owner = weapon;
}

// One weapon a set; speed 0 leaves it to its class.
template <class W, class E>
bool make_singles(weapon_list_t& weapons, effect_list_t& effects, int32_t count, int32_t id,
                  int32_t effect_id, float speed) {
    const objectinfo_t* info = objectinfo_find(id);
    const objectinfo_t* effect_info = objectinfo_find(effect_id);
    if (info == nullptr) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        W* weapon = add_weapon<W>(weapons, info);
        if (speed != 0) {
            weapon->set_speed(speed);
        }
        add_effect<E>(effects, weapon, effect_info, default_period);
    }
    return true;
}

// An upper and a lower missile a set, each with its own effect when that record exists.
template <class U, class L>
bool make_pairs(weapon_list_t& weapons, effect_list_t& effects, int32_t count, int32_t upper_id,
                int32_t lower_id, int32_t effect_id) {
    const objectinfo_t* upper_info = objectinfo_find(upper_id);
    const objectinfo_t* lower_info = objectinfo_find(lower_id);
    const objectinfo_t* effect_info = objectinfo_find(effect_id);
    if (upper_info == nullptr || lower_info == nullptr) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        U* upper = add_weapon<U>(weapons, upper_info);
        L* lower = add_weapon<L>(weapons, lower_info);
        add_effect<explosion_t>(effects, upper, effect_info, default_period);
        add_effect<explosion_t>(effects, lower, effect_info, default_period);
    }
    return true;
}

} // namespace

bool make_shot_pool(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    return make_singles<shot_t, player_missile_explosion_t>(weapons, effects, count, shot_id, shot_hit_id,
                                                            straight_speed);
}

bool make_double_shots(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    const objectinfo_t* first_info = objectinfo_find(double_first_id);
    const objectinfo_t* second_info = objectinfo_find(double_second_id);
    const objectinfo_t* first_effect = objectinfo_find(shot_hit_id);
    const objectinfo_t* second_effect = objectinfo_find(double_second_hit_id);
    if (first_info == nullptr || second_info == nullptr || first_effect == nullptr ||
        second_effect == nullptr) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        auto* first = add_weapon<dbl::shot1_t>(weapons, first_info);
        auto* second = add_weapon<dbl::shot2_t>(weapons, second_info);
        first->partner = second;
        first->set_speed(straight_speed);
        second->set_speed(straight_speed);
        add_effect<explosion_t>(effects, first, first_effect, 1);
        add_effect<explosion_t>(effects, second, second_effect, 1);
    }
    return true;
}

bool make_snake_missiles(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    return make_pairs<upper_snake_missile_t, lower_snake_missile_t>(weapons, effects, count, upper_snake_id,
                                                                    lower_snake_id, no_effect);
}

bool make_drip_missiles(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    return make_pairs<upper_drip_missile_t, lower_drip_missile_t>(weapons, effects, count, upper_drip_id,
                                                                  lower_drip_id, missile_hit_id);
}

bool make_homing_missiles(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    return make_pairs<upper_homing_missile_t, lower_homing_missile_t>(
        weapons, effects, count, upper_homing_id, lower_homing_id, missile_hit_id);
}

bool make_vertical_missiles(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    return make_singles<lower_vertical_missile_t, explosion_t>(weapons, effects, count, vertical_id,
                                                               no_effect, 0);
}

bool make_long_laser(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    const objectinfo_t* control_info = objectinfo_find(long_laser_control_id);
    const objectinfo_t* piece_info = objectinfo_find(long_laser_piece_id);
    const objectinfo_t* effect_info = objectinfo_find(long_laser_hit_id);
    if (control_info == nullptr || piece_info == nullptr || effect_info == nullptr) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        longlaser_t* pieces[long_laser_pieces];
        pieces[0] = add_weapon<longlaser_head_t>(weapons, piece_info);
        for (int32_t k = 1; k < long_laser_pieces; ++k) {
            pieces[k] = add_weapon<longlaser_t>(weapons, piece_info);
            pieces[k]->prev = pieces[k - 1];
            pieces[k - 1]->next = pieces[k];
            pieces[k]->fragile = k >= robust_pieces ? 1 : 0;
        }
        auto* control = add_weapon<longlaser_ctr_t>(weapons, control_info);
        control->head = pieces[0];
        control->tail = pieces[long_laser_pieces - 1];
        for (longlaser_t* piece : pieces) {
            add_effect<longlaser_explosion_t>(effects, piece, effect_info, 1);
        }
    }
    return true;
}

bool make_ripple_lasers(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    return make_singles<ripplelaser_t, player_missile_explosion_t>(weapons, effects, count, ripple_id,
                                                                   ripple_hit_id, straight_speed);
}

bool make_power_shots(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    return make_singles<powershot_t, player_missile_explosion_t>(weapons, effects, count, power_shot_id,
                                                                 power_shot_hit_id, straight_speed);
}

bool make_ion_blasts(weapon_list_t& weapons, effect_list_t& effects, int32_t count) {
    return make_singles<ionblast_t, explosion_t>(weapons, effects, count, ion_blast_id, no_effect, 0);
}

bool make_multiples(std::vector<multiple_t*>& multiples, int32_t count) {
    const objectinfo_t* info = objectinfo_find(multiple_id);
    if (info == nullptr) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        auto* m = new multiple_t(info);
        multiples.push_back(m);
        m->kill();
    }
    return true;
}
