// Bee001's assembly: the body with its death explosion, two dormant balls, the wing, eight smoke puffs
// rising behind a fall, and the item.
#include "bosses/bees/bee001.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "player/smoke.h"

namespace {

constexpr int32_t ball_count = 2;
constexpr int32_t smoke_count = 8;
constexpr int32_t smoke_directions[3] = {16, 18, 14}; // up, a little left, a little right

} // namespace

bee001::body_t* stage_t::make_bee001_body(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee001::body_t>(stage, placement, info);
}

bee001::ball_t* stage_t::make_bee001_ball(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee001::ball_t>(stage, placement, info);
}

bee001::wing_t* stage_t::make_bee001_wing(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee001::wing_t>(stage, placement, info);
}

void stage_t::spawn_bee001(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({220, 221, 222, 223, 59, 175});
    if (!r) {
        return;
    }
    const auto& records = *r;
    bee001::body_t* body = make_bee001_body(stage, placement, records[0]);
    attach_death_explosion(stage, placement, body, records[4]);
    for (int32_t i = 0; i < ball_count; ++i) {
        bee001::ball_t* ball = make_bee001_ball(stage, placement, records[2]);
        attach_death_explosion(stage, placement, ball, records[3])->period = 1;
        ball->alive = 0;
        ball->hp = 0;
        body->balls.push_back(ball);
    }
    body->phase = int32_t(uint32_t(rng::rand()) / 6554u) * 60;
    bee001::wing_t* wing = make_bee001_wing(stage, placement, records[1]);
    wing->body = body;
    body->wing = wing;
    for (int32_t i = 0; i < smoke_count; ++i) {
        smoke_t* smoke = make_smoke(stage, placement, records[5]);
        smoke->direction = smoke_directions[i % 3];
        smoke->speed = 1;
        smoke->vx = cos_table[smoke->direction];
        smoke->vy = -sin_table[smoke->direction];
        smoke->period = 3;
        smoke->kill();
        body->smokes.push_back(smoke);
    }
    give_item(stage, placement, body);
}
