// Lending the player's pooled weapon objects to the ship and its multiples, and taking them back.
#include "player/loadout.h"
#include "player/multiple.h"
#include "player/player.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/ship.h"

using namespace powergauge;

namespace {

struct shot_row_t {
    int32_t kind;
    int32_t count;
    int32_t interval;
};

bool shot_row(int32_t t, shot_row_t& out) {
    const loadout_t& row = loadout_table[loadout];
    switch (t) {
    case weapon_normal:
        out = {row.normal_kind, row.normal_count, row.normal_interval};
        return true;
    case weapon_double:
        out = {row.double_kind, row.double_count, row.double_interval};
        return true;
    case weapon_laser:
        out = {row.laser_kind, row.laser_count, row.laser_interval};
        return true;
    default:
        return false;
    }
}

player_missile_t* find_free(int32_t kind) {
    if (current_player == nullptr) {
        return nullptr;
    }
    weapon_list_t& weapons = current_player->missiles;
    for (uint32_t i = 0; i < weapons.size(); ++i) {
        if (weapons[i]->get_owner() == nullptr && weapons[i]->type_id() == kind) {
            return weapons[i];
        }
    }
    return nullptr;
}

void lend(player_missile_t* weapon, player_piveter_t* p, weapon_list_t& pool) {
    weapon->set_owner(p);
    pool.push_back(weapon);
}

void rebuild_active_weapons() {
    active_weapons.clear();
    if (current_player == nullptr) {
        return;
    }
    weapon_list_t& weapons = current_player->missiles;
    for (uint32_t i = 0; i < weapons.size(); ++i) {
        if (weapons[i]->get_owner() != nullptr) {
            active_weapons.push_back(weapons[i]);
        }
    }
}

void release_pool(weapon_list_t& pool) {
    for (uint32_t i = 0; i < pool.size(); ++i) {
        pool[i]->set_owner(nullptr);
        pool[i]->kill();
    }
    pool.clear();
}

} // namespace

bool powergauge_assign_shots(player_piveter_t* p, int32_t t) {
    shot_row_t row;
    if (!shot_row(t, row)) {
        return false;
    }
    p->fire_interval = uint32_t(row.interval);
    for (int32_t taken = 0; taken < row.count; ++taken) {
        player_missile_t* shot = find_free(row.kind);
        if (shot == nullptr) {
            return false; // what was taken stays lent
        }
        lend(shot, p, p->shot_pool);
    }
    rebuild_active_weapons();
    return true;
}

bool powergauge_assign_missiles(player_piveter_t* p, int32_t t) {
    if (t != weapon_missile) {
        return false;
    }
    const loadout_t& row = loadout_table[loadout];
    for (int32_t kind : {row.missile_kind, row.second_missile_kind}) {
        if (kind == -1) {
            continue;
        }
        if (player_missile_t* missile = find_free(kind)) {
            lend(missile, p, p->missile_pool);
        }
    }
    rebuild_active_weapons();
    return true;
}

void powergauge_release_shots(player_piveter_t* p) {
    release_pool(p->shot_pool);
}

void powergauge_release_missiles(player_piveter_t* p) {
    release_pool(p->missile_pool);
}

void powergauge_release_all_shots(ship_t* ship) {
    powergauge_release_shots(ship);
    for (multiple_t* m : ship->multiples) {
        powergauge_release_shots(m);
    }
    shot_type = 0;
}

void powergauge_release_all_missiles(ship_t* ship) {
    powergauge_release_missiles(ship);
    for (multiple_t* m : ship->multiples) {
        powergauge_release_missiles(m);
    }
    missile_type = 0;
}
