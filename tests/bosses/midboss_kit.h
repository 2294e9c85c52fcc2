// What the mid-boss tests share: a kit whose ship deals no contact damage, so that it can stand where a
// body is without hurting it, and launch rows written from where a shot leaves.
#pragma once

#include "objects/random.h"
#include "objects/trig_tables.h"
#include "player/ship.h"
#include "tests/enemies/enemy_kit.h"

#include <cstdint>

class midboss_kit_t : public enemy_kit_t {
  protected:
    void SetUp() override {
        enemy_kit_t::SetUp();
        objectinfo_t ship = *scene->player.ship->info;
        ship.contact_damage = 0;
        records({ship});
    }

    // Loads the placement at the level with the scroll held, and returns its only body.
    template <typename Body> Body* hold(const placement_t& placement, int32_t level = 1) {
        load({placement}, level);
        scene->scroll_stop = 1;
        return only<Body>();
    }

    // Whether the death pattern made first in the explosion list is showing: its first part runs.
    bool death_pattern_shown() { return objects_of(scene->stage, list_explosions).at(1)->alive != 0; }
};

// A shot that left (x, y) in the frame along the direction at the speed, as the trace shows it: after
// its first move.
inline launch_t left_from(uint32_t frame, int32_t list, int32_t index, float x, float y, int32_t direction,
                          float speed) {
    return {frame,     list, index, x + speed * cos_table[direction], y - speed * sin_table[direction],
            direction, speed};
}

// The game's generator run on from a state, so that a row can name the direction a draw gives.
inline int32_t next_draw(uint32_t& state) {
    state = state * 22695477u + 1u;
    return int32_t((state >> 16) & 0x7fff);
}
