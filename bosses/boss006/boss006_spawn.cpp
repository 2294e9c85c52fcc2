// Boss006's assembly: the body with its death pattern, 64 homing pods, 64 smoke puffs, the death row,
// 64 bolts with muzzle flashes, two beams of 32 links, the charge with its sparks and two jets, all made
// at stage load and linked to the body.
#include "bosses/boss006/boss006.h"
#include "bosses/shot_effect.h"
#include "enemies/jet.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "player/smoke.h"

namespace {

constexpr int32_t homing_count = 64;
constexpr int32_t smoke_count = 64;
constexpr int32_t smoke_directions[8] = {16, 15, 17, 15, 17, 16, 15, 16};
constexpr float smoke_speed = 1.2f;
constexpr int32_t row_length = 32;
constexpr int32_t row_offsets = 16;
constexpr int32_t row_dx[row_offsets] = {16, 0, 0, 38, 18, -14, 16, -38, 22, 16, -36, 38, 6, -12, 10, -16};
constexpr int32_t row_dy[row_offsets] = {0, -20, 15, -10, 26, -22, -22, 20, 0, 20, -12, 6, -26, 0, -8, 25};
constexpr int32_t laser_count = 64;
constexpr int32_t beam_links = 32;
constexpr int32_t spark_count = 16;
constexpr int32_t beam_record = 334;

} // namespace

boss006::body_t* stage_t::make_boss006_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<boss006::body_t>(stage, placement, info);
}

boss006::homing_t* stage_t::make_boss006_homing(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info) {
    return make_placed_enemy<boss006::homing_t>(stage, placement, info);
}

boss006::laser_t* stage_t::make_boss006_laser(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return append_dormant<boss006::laser_t>(stage->enemy_shots, placement, info);
}

boss006::big_laser_head_t* stage_t::make_boss006_big_laser_head(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info) {
    return append_dormant<boss006::big_laser_head_t>(stage->enemy_shots, placement, info);
}

boss006::big_laser_t* stage_t::make_boss006_big_laser_seg(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info) {
    return append_dormant<boss006::big_laser_t>(stage->enemy_shots, placement, info);
}

boss006::spark_ctr_t* stage_t::make_boss006_spark_ctr(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return append_dormant<boss006::spark_ctr_t>(stage->explosions, placement, info);
}

boss006::spark_t* stage_t::make_boss006_spark(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return append_dormant<boss006::spark_t>(stage->explosions, placement, info);
}

boss006::big_laser_head_t* stage_t::make_boss006_big_laser(stage_t* stage, const placement_t* placement) {
    const objectinfo_t* record = objectinfo_find(beam_record);
    if (record == nullptr) {
        return nullptr;
    }
    boss006::big_laser_head_t* head = make_boss006_big_laser_head(stage, placement, record);
    boss006::big_laser_t* link = head;
    for (int32_t i = 1; i < beam_links; ++i) {
        link->next = make_boss006_big_laser_seg(stage, placement, record);
        link = link->next;
    }
    return head;
}

void stage_t::spawn_boss006(stage_t* stage, const placement_t* placement) {
    // 89 is required although nothing here uses it; the beams' 334 is checked here too, so that a body
    // never waits for a beam that was not made.
    const auto r = find_records({332, 327, 333, 335, 51, 336, 0, 337, 93, 175, 89, 68, 69, beam_record});
    if (!r) {
        return;
    }
    const auto& records = *r;
    boss006::body_t* body = make_boss006_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_boss(stage, placement, 1));
    for (int32_t i = 0; i < homing_count; ++i) {
        boss006::homing_t* pod = make_boss006_homing(stage, placement, records[3]);
        pod->attach_explosion(make_explosion(stage, placement, records[4]));
        body->homings.push_back(pod);
    }
    for (int32_t i = 0; i < smoke_count; ++i) {
        smoke_t* puff = make_smoke(stage, placement, records[9]);
        puff->direction = smoke_directions[i % 8];
        puff->period = 4;
        puff->speed = smoke_speed;
        puff->vx = smoke_speed * cos_table[puff->direction];
        puff->vy = -smoke_speed * sin_table[puff->direction];
        puff->kill();
        body->smokes.push_back(puff);
    }
    for (int32_t i = 0; i < row_length; ++i) {
        explosion_t* explosion = make_explosion(stage, placement, records[i % 2 == 0 ? 11 : 12]);
        explosion->period = uint32_t(i / 6 + 2);
        body->death_explosions.add(explosion, row_dx[i % row_offsets], row_dy[i % row_offsets]);
    }
    for (int32_t i = 0; i < laser_count; ++i) {
        boss006::laser_t* laser = make_boss006_laser(stage, placement, records[1]);
        give_effect(stage, placement, laser, records[2], 1, body);
        body->lasers.push_back(laser);
    }
    for (int32_t i = 0; i < 2; ++i) {
        body->attach_lasers(make_boss006_big_laser(stage, placement));
    }
    boss006::spark_ctr_t* ctr = make_boss006_spark_ctr(stage, placement, records[6]);
    ctr->body = body;
    ctr->effect = make_explosion(stage, placement, records[7]);
    ctr->effect->period = 1;
    for (int32_t i = 0; i < spark_count; ++i) {
        boss006::spark_t* spark = make_boss006_spark(stage, placement, records[5]);
        spark->body = body;
        ctr->sparks.push_back(spark);
    }
    body->spark_ctr = ctr;
    for (jet_t*& jet : body->jets) {
        jet = make_jet(stage, placement, records[8]);
        jet->period = 2;
    }
}
