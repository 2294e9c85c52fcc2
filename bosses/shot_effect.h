// Makes the pooled shots of the bosses' own shot classes: a dormant shot on the enemy-shot list, linked
// to its effect explosion and its owner.
#pragma once

#include "play/stage.h"
#include "play/stage_file.h"

#include <cstdint>

class object_t;
struct objectinfo_t;

// A dormant shot of class T with the placement's key, appended to the enemy-shot list.
template <typename T> T* append_shot(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    T* shot = new T(info, placement->key);
    stage->enemy_shots.push_back(shot);
    return shot;
}

// The shot's effect (period frames per pattern, owned by the shot) made on the explosion list; the shot
// owned by owner.
void give_effect(stage_t* stage, const placement_t* placement, missile_t* shot, const objectinfo_t* record,
                 uint32_t period, object_t* owner);
