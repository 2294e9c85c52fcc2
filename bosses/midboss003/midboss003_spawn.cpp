// Midboss003's assembly: the body with the medium death pattern and its muzzle flash, two flames, 32
// dormant balls with their explosions, 4 lasers with their effects, 32 ring shots and the item.
#include "bosses/midboss003/midboss003.h"
#include "bosses/shot_effect.h"
#include "enemies/jet.h"
#include "objects/big_explosion.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t ball_count = 32;
constexpr int32_t laser_count = 4;
constexpr int32_t ring_shot_count = 32;

} // namespace

midboss003::body_t* stage_t::make_midboss003_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<midboss003::body_t>(stage, placement, info);
}

midboss003::ball_t* stage_t::make_midboss003_ball(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<midboss003::ball_t>(stage, placement, info);
}

midboss003::body_laser_t* stage_t::make_midboss003_body_laser(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info) {
    return append_dormant<midboss003::body_laser_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_midboss003(stage_t* stage, const placement_t* placement) {
    // 84 is required although nothing here uses it.
    const auto r = find_records({267, 84, 93, 269, 51, 17, 30, 31, 268});
    if (!r) {
        return;
    }
    const auto& records = *r;
    midboss003::body_t* body = make_midboss003_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_medium(stage, placement));
    body->muzzle = make_explosion(stage, placement, records[8]);
    body->muzzle->period = 1;
    for (jet_t** slot : {&body->upper_jet, &body->lower_jet}) {
        *slot = make_jet(stage, placement, records[2]);
        (*slot)->period = 2;
    }
    for (int32_t i = 0; i < ball_count; ++i) {
        midboss003::ball_t* ball = make_midboss003_ball(stage, placement, records[3]);
        attach_death_explosion(stage, placement, ball, records[4]);
        body->balls.push_back(ball);
    }
    for (int32_t i = 0; i < laser_count; ++i) {
        midboss003::body_laser_t* laser = make_midboss003_body_laser(stage, placement, records[6]);
        give_effect(stage, placement, laser, records[7], 2, body);
        body->lasers.push_back(laser);
    }
    for (int32_t i = 0; i < ring_shot_count; ++i) {
        missile_t* shot = make_common_missile1(stage, placement, records[5]);
        shot->set_owner(body);
        body->ring_shots.push_back(shot);
    }
    give_item(stage, placement, body);
}
