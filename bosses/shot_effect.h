// Links a pooled shot of the bosses' own shot classes (made dormant by append_dormant) to its effect
// explosion and its owner.
#pragma once

#include "play/stage.h"
#include "play/stage_file.h"

#include <cstdint>

class object_t;
struct objectinfo_t;

// The shot's effect (period frames per pattern, owned by the shot) made on the explosion list; the shot
// owned by owner.
void give_effect(stage_t* stage, const placement_t* placement, missile_t* shot, const objectinfo_t* record,
                 uint32_t period, object_t* owner);
