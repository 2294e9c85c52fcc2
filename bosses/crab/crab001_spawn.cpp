// Crab001's assembly: the body with its death row, lasers and balls, four legs of thigh chain, shin and
// foot with sparks, three eyes, and the two formations it parks until it dies, made at stage load.
#include "bosses/crab/crab001.h"
#include "bosses/shot_effect.h"
#include "enemies/twisters/twister005.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t row_length = 16;
constexpr int32_t row_dx[row_length] = {-14, 4, 8, -4, 10, -8, 8, -12, -14, 4, 8, -4, 10, -8, 8, -12};
constexpr int32_t row_dy[row_length] = {-26, -8, 24, 8, -24, 16, 8, 34, -26, -8, 24, 8, -24, 16, 8, 34};
constexpr int32_t body_laser_count = 32;
constexpr int32_t ball_count = 64;
constexpr int32_t spark_count = 18;
constexpr int32_t chain_length = 10;
constexpr int32_t formation_types[2] = {126, 124};
constexpr int32_t formation_size = 8;
constexpr int32_t formation_item = 41;

} // namespace

crab001::body_t* stage_t::make_crab001_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<crab001::body_t>(stage, placement, info);
}

crab001::thigh_t* stage_t::make_crab001_thigh(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return make_placed_enemy<crab001::thigh_t>(stage, placement, info);
}

crab001::shin_t* stage_t::make_crab001_shin(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<crab001::shin_t>(stage, placement, info);
}

crab001::foot_t* stage_t::make_crab001_foot(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<crab001::foot_t>(stage, placement, info);
}

crab001::eye_t* stage_t::make_crab001_eye(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<crab001::eye_t>(stage, placement, info);
}

crab001::ball_t* stage_t::make_crab001_ball(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<crab001::ball_t>(stage, placement, info);
}

crab001::body_laser_t* stage_t::make_crab001_body_laser(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return append_dormant<crab001::body_laser_t>(stage->enemy_shots, placement, info);
}

crab001::spark_t* stage_t::make_crab001_spark(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return append_dormant<crab001::spark_t>(stage->explosions, placement, info);
}

void stage_t::assemble_crab001_thigh_chain(stage_t* stage, const placement_t* placement,
                                           crab001::thigh_t*& root, crab001::thigh_t*& tip) {
    const auto r = find_records({284, 69});
    if (!r) {
        return;
    }
    const auto& records = *r;
    crab001::thigh_t* segment = make_crab001_thigh(stage, placement, records[0]);
    segment->attach_explosion(make_explosion(stage, placement, records[1]));
    root = segment;
    for (int32_t j = 0; j < chain_length - 1; ++j) {
        crab001::thigh_t* next = make_crab001_thigh(stage, placement, records[0]);
        // Only some segments burst: 1, 5 and 9 besides the root.
        if (j % 4 == 0) {
            next->attach_explosion(make_explosion(stage, placement, records[1]));
        }
        next->prev = segment;
        segment->next = next;
        segment = next;
    }
    tip = segment;
}

void stage_t::spawn_crab001(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({278, 279, 280, 281, 283, 282, 285, 83, 68, 286, 287, 67, 68, 69});
    if (!r) {
        return;
    }
    const auto& records = *r;
    crab001::body_t* body = make_crab001_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_boss(stage, placement, 0));
    make_explosion_row(stage, placement, {records[11], records[12], records[13]}, row_length, row_dx, row_dy,
                       body->death_explosions);
    for (int32_t i = 0; i < body_laser_count; ++i) {
        crab001::body_laser_t* laser = make_crab001_body_laser(stage, placement, records[9]);
        give_effect(stage, placement, laser, records[10], 6, body);
        body->body_lasers.push_back(laser);
    }
    for (int32_t i = 0; i < ball_count; ++i) {
        crab001::ball_t* ball = make_crab001_ball(stage, placement, records[1]);
        ball->attach_explosion(make_explosion(stage, placement, records[2]));
        body->balls.push_back(ball);
    }
    crab001::thigh_t* roots[4] = {nullptr, nullptr, nullptr, nullptr};
    crab001::thigh_t* tips[4] = {nullptr, nullptr, nullptr, nullptr};
    for (int32_t k = 0; k < 4; ++k) {
        assemble_crab001_thigh_chain(stage, placement, roots[k], tips[k]);
    }
    for (int32_t k = 0; k < 4; ++k) {
        crab001::foot_t* foot = make_crab001_foot(stage, placement, records[5]);
        attach_death_explosion(stage, placement, foot, records[7]);
        for (int32_t i = 0; i < spark_count; ++i) {
            crab001::spark_t* spark = make_crab001_spark(stage, placement, records[6]);
            spark->period = 8;
            foot->sparks.push_back(spark);
        }
        crab001::shin_t* shin = make_crab001_shin(stage, placement, records[4]);
        shin->attach_explosion(make_explosion(stage, placement, records[8]));
        shin->foot = foot;
        shin->last_thigh = tips[k];
        foot->shin = shin;
        body->feet[k] = foot;
        body->thigh_roots[k] = roots[k];
    }
    for (crab001::eye_t*& eye : body->eyes) {
        eye = make_crab001_eye(stage, placement, records[3]);
        eye->body = body;
    }
    for (int32_t f = 0; f < 2; ++f) {
        placement_t local;
        local.item = formation_item;
        local.key = placement->key;
        local.type = formation_types[f];
        twister005::leader_t* leader = spawn_twister005(stage, &local, formation_size);
        if (leader != nullptr) {
            leader->kill();
            body->twisters[f] = leader;
        }
    }
}
