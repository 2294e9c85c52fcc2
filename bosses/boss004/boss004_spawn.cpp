// Boss004's assembly: the body with its death row and jets, the front lasers, the core with its shots,
// shields and covers, and the two arms with their beams, sparks and missiles, made at stage load and linked.
#include "bosses/boss004/boss004_arms.h"
#include "bosses/boss004/boss004_body.h"
#include "bosses/shot_effect.h"
#include "enemies/jet.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t row_length = 32;
constexpr int32_t row_offsets = 16;
constexpr int32_t row_dx[row_offsets] = {16, 0, 0, 48, 28, -24, 26, -48, 32, 26, -46, 48, 16, -12, 20, -20};
constexpr int32_t row_dy[row_offsets] = {0, -30, 25, -20, 36, -32, -32, 30, -10, 0, -22, 16, -36, 10, -8, 35};
constexpr int32_t body_laser_count = 64;
constexpr int32_t core_shot_count = 64;
constexpr int32_t arm_shot_count = 32;
constexpr int32_t spark_count = 48;
constexpr int32_t spark_directions[8] = {30, 34, 29, 36, 27, 36, 28, 37};
constexpr int32_t straight_left = 32;

} // namespace

boss004::body_t* stage_t::make_boss004_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<boss004::body_t>(stage, placement, info);
}

boss004::body_laser_t* stage_t::make_boss004_body_laser(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return append_dormant<boss004::body_laser_t>(stage->enemy_shots, placement, info);
}

boss004::core_t* stage_t::make_boss004_core(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<boss004::core_t>(stage, placement, info);
}

boss004::core_shield_t* stage_t::make_boss004_core_shield(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info) {
    return make_placed_enemy<boss004::core_shield_t>(stage, placement, info);
}

boss004::arm_t* stage_t::make_boss004_arm(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<boss004::arm_t>(stage, placement, info);
}

boss004::arm_laser1_t* stage_t::make_boss004_arm_laser1(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return append_dormant<boss004::arm_laser1_t>(stage->enemy_shots, placement, info);
}

boss004::flash_t* stage_t::make_boss004_flash(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return append_dormant<boss004::flash_t>(stage->explosions, placement, info);
}

boss004::spark_t* stage_t::make_boss004_spark(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return append_dormant<boss004::spark_t>(stage->explosions, placement, info);
}

boss004::body_cover_t* stage_t::make_boss004_body_cover(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<boss004::body_cover_t>(stage, placement, info);
}

boss004::core_cover_t* stage_t::make_boss004_core_cover(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<boss004::core_cover_t>(stage, placement, info);
}

void stage_t::spawn_boss004(stage_t* stage, const placement_t* placement) {
    // 90 is required although nothing here uses it; 28 and 29 serve both the front and the arm shots.
    const auto r = find_records(
        {312, 313, 28, 29, 318, 319, 320, 321, 314, 315, 316, 317, 28, 29, 86, 90, 50, 68, 69, 93});
    if (!r) {
        return;
    }
    const auto& records = *r;
    boss004::body_t* body = make_boss004_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_boss(stage, placement, 1));
    for (int32_t i = 0; i < row_length; ++i) {
        explosion_t* explosion = make_explosion(stage, placement, records[i % 2 == 0 ? 17 : 18]);
        explosion->period = uint32_t(i / 6 + 2);
        body->explosions.add(explosion, row_dx[i % row_offsets], row_dy[i % row_offsets]);
    }
    for (jet_t*& jet : body->jets) {
        jet = make_jet(stage, placement, records[19]);
        jet->period = 2;
    }
    for (int32_t i = 0; i < body_laser_count; ++i) {
        boss004::body_laser_t* laser = make_boss004_body_laser(stage, placement, records[2]);
        give_effect(stage, placement, laser, records[3], 6, body);
        laser->direction = straight_left;
        body->body_lasers.push_back(laser);
    }
    boss004::core_t* core = make_boss004_core(stage, placement, records[4]);
    core->body = body;
    core->attach_explosion(make_explosion(stage, placement, records[14]));
    core->explosion->period = 3;
    make_shot_pool(stage, placement, records[7], core, core_shot_count, core->lasers);
    for (boss004::core_shield_t*& shield : body->core_shields) {
        shield = make_boss004_core_shield(stage, placement, records[6]);
        shield->attach_explosion(make_explosion(stage, placement, records[16]));
        shield->core = core;
    }
    for (int32_t a = 0; a < 2; ++a) {
        boss004::arm_t* arm = make_boss004_arm(stage, placement, records[8]);
        arm->pattern = a;
        arm->core = core;
        boss004::arm_laser1_t* beam = make_boss004_arm_laser1(stage, placement, records[9]);
        beam->flash = make_boss004_flash(stage, placement, records[10]);
        for (int32_t i = 0; i < spark_count; ++i) {
            boss004::spark_t* spark = make_boss004_spark(stage, placement, records[11]);
            spark->direction = spark_directions[i % 8];
            beam->sparks.push_back(spark);
        }
        beam->set_owner(arm);
        arm->beam = beam;
        for (int32_t i = 0; i < arm_shot_count; ++i) {
            missile_t* shot = make_missile(stage, placement, records[12]);
            give_effect(stage, placement, shot, records[13], 2, arm);
            arm->missiles.push_back(shot);
        }
        body->arms[a] = arm;
    }
    boss004::body_cover_t* body_cover = make_boss004_body_cover(stage, placement, records[1]);
    body_cover->core = core;
    boss004::core_cover_t* core_cover = make_boss004_core_cover(stage, placement, records[5]);
    core_cover->core = core;
    core_cover->attach_explosion(make_explosion(stage, placement, records[16]));
    core_cover->explosion->period = 2;
    core->cover = core_cover;
    body->core = core;
    body->core_cover = core_cover;
    body->body_cover = body_cover;
}
