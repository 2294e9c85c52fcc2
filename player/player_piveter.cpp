#include "player/player_piveter.h"

#include "objects/play_globals.h"
#include "player/player_missile.h"

namespace {

// Prefers an idle shot whose hit effect is over, so a new hit never cuts a running effect short.
player_missile_t* choose_shot(weapon_list_t& pool) {
    player_missile_t* last_idle = nullptr;
    for (uint32_t i = 0; i < pool.size(); ++i) {
        player_missile_t* shot = pool[i];
        if (shot->alive) {
            continue;
        }
        if (shot->effect == nullptr || !shot->effect->alive) {
            return shot;
        }
        last_idle = shot;
    }
    return last_idle;
}

} // namespace

player_piveter_t::player_piveter_t(const objectinfo_t* info) : piveter_t(info, 0, 0) {
    shot_pool.items.reserve(4);
    missile_pool.items.reserve(2);
}

void player_piveter_t::fire_shot() {
    if (g_frame_counter - last_fire < fire_interval) {
        return;
    }
    player_missile_t* shot = choose_shot(shot_pool);
    if (shot == nullptr) {
        return;
    }
    const float* at = position();
    shot->set_position(float(int32_t(at[0])), float(int32_t(at[1])));
    shot->start();
    last_fire = g_frame_counter;
}

void player_piveter_t::fire_missile() {
    const float* at = position();
    if (missile_pool.size() == 1) {
        player_missile_t* missile = missile_pool[0];
        if (!missile->alive) {
            missile->set_position(at[0], at[1]);
            missile->start();
        }
    } else if (missile_pool.size() == 2) {
        player_missile_t* first = missile_pool[0];
        player_missile_t* second = missile_pool[1];
        if (!first->alive && !second->alive) {
            const float px = float(int32_t(at[0]));
            const float py = float(int32_t(at[1]));
            first->set_position(px, py);
            first->start();
            second->set_position(px, py);
            second->start();
        }
    }
}
