#include "bosses/shot_effect.h"

#include "objects/explosion.h"
#include "objects/missile.h"
#include "play/stage.h"

void give_effect(stage_t* stage, const placement_t* placement, missile_t* shot, const objectinfo_t* record,
                 uint32_t period, object_t* owner) {
    explosion_t* effect = stage_t::make_explosion(stage, placement, record);
    effect->period = period;
    effect->owner = shot;
    shot->effect = effect;
    shot->set_owner(owner);
}
