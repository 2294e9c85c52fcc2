// Midboss002's assembly: the body with the boss death pattern, four flames, 48 balls, 4 straight shots
// and 24 lasers, each with its effect, and the placement's item.
#include "bosses/midboss002/midboss002.h"
#include "bosses/shot_effect.h"
#include "enemies/jet.h"
#include "objects/big_explosion.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t ball_count = 48;
constexpr int32_t straight_shot_count = 4;
constexpr int32_t laser_count = 24;
constexpr uint32_t straight_effect_period = 4;
constexpr uint32_t laser_effect_period = 5;

} // namespace

midboss002::body_t* stage_t::make_midboss002_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<midboss002::body_t>(stage, placement, info);
}

midboss002::ball_t* stage_t::make_midboss002_ball(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return append_dormant<midboss002::ball_t>(stage->enemy_shots, placement, info);
}

midboss002::laser_t* stage_t::make_midboss002_laser(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return append_dormant<midboss002::laser_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_midboss002(stage_t* stage, const placement_t* placement) {
    // 90 is required although only the death pattern uses it.
    const auto r = find_records({266, 90, 93, 234, 235, 28, 30, 31});
    if (!r) {
        return;
    }
    const auto& records = *r;
    midboss002::body_t* body = make_midboss002_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_boss(stage, placement, 0));
    for (jet_t*& jet : body->jets) {
        jet = make_jet(stage, placement, records[2]);
    }
    for (int32_t i = 0; i < ball_count; ++i) {
        midboss002::ball_t* ball = make_midboss002_ball(stage, placement, records[3]);
        give_effect(stage, placement, ball, records[4], 2, body);
        body->balls.push_back(ball);
    }
    for (int32_t i = 0; i < straight_shot_count; ++i) {
        make_shot_with_effect(stage, placement, records[5], records[7], straight_effect_period, body,
                              body->straight_shots);
    }
    for (int32_t i = 0; i < laser_count; ++i) {
        midboss002::laser_t* laser = make_midboss002_laser(stage, placement, records[6]);
        give_effect(stage, placement, laser, records[7], laser_effect_period, body);
        body->lasers.push_back(laser);
    }
    give_item(stage, placement, body);
}
