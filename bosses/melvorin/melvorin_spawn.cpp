// The final boss's assembly: every part, pool and explosion made at stage load, linked, in list order.
#include "bosses/melvorin/melvorin_body.h"
#include "bosses/melvorin/melvorin_charge.h"
#include "bosses/melvorin/melvorin_core.h"
#include "bosses/melvorin/melvorin_weapons.h"
#include "objects/big_explosion.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t ref_laser_count = 128;
constexpr int32_t missile_count = 64;
constexpr int32_t bend_laser_count = 12;
constexpr int32_t big_laser_segments = 10;
constexpr int32_t explosion_row = 16;
constexpr int32_t body_half_height = 128;

constexpr int32_t row_dx[explosion_row] = {8,   30,  48,  64,  68,  80,  112, 122,
                                           144, 152, 158, 176, 192, 192, 200, 222};
constexpr int32_t row_y[explosion_row] = {60, 84, 56, 76, 40, 84, 60, 96, 64, 40, 108, 64, 90, 40, 56, 50};

constexpr int32_t spark_count = 32;
constexpr int32_t spark_dx[spark_count] = {-22, -30, -29, -22, -26, -23, -28, -29, -35, -20, -35,
                                           -31, -27, -34, -30, -24, -23, -27, -30, -34, -29, -25,
                                           -44, -25, -23, -34, -29, -35, -26, -29, -35, -26};
constexpr int32_t spark_dy[spark_count] = {15,  -11, 21,  18, 6,  -9,  -16, -3, 12,  23, 16,
                                           -19, -6,  9,   12, 6,  -12, -8,  -8, 16,  0,  -18,
                                           8,   -19, -16, 13, -7, 2,   -3,  -3, -20, 5};

} // namespace

melvorin::body_t* stage_t::make_melvorin_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return make_placed_enemy<melvorin::body_t>(stage, placement, info);
}

melvorin::core_cover_t* stage_t::make_melvorin_core_cover(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info) {
    return make_placed_enemy<melvorin::core_cover_t>(stage, placement, info);
}

melvorin::core_t* stage_t::make_melvorin_core(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return make_placed_enemy<melvorin::core_t>(stage, placement, info);
}

melvorin::ref_laser_t* stage_t::make_melvorin_ref_laser(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return append_dormant<melvorin::ref_laser_t>(stage->enemy_shots, placement, info);
}

melvorin::core_missile_t* stage_t::make_melvorin_core_missile(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info) {
    return append_dormant<melvorin::core_missile_t>(stage->enemy_shots, placement, info);
}

melvorin::bend_laser_t* stage_t::make_melvorin_bend_laser(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info) {
    return append_dormant<melvorin::bend_laser_t>(stage->enemy_shots, placement, info);
}

melvorin::big_laser_t* stage_t::make_melvorin_big_laser(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return append_dormant<melvorin::big_laser_t>(stage->enemy_shots, placement, info);
}

melvorin::charge_t* stage_t::make_melvorin_charge(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return append_dormant<melvorin::charge_t>(stage->explosions, placement, info);
}

melvorin::spark_ctr_t* stage_t::make_melvorin_spark_ctr(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return append_dormant<melvorin::spark_ctr_t>(stage->explosions, placement, info);
}

melvorin::spark_t* stage_t::make_melvorin_spark(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info) {
    return append_dormant<melvorin::spark_t>(stage->explosions, placement, info);
}

melvorin::bend_laser_t* stage_t::assemble_melvorin_bend_laser(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({0, 346});
    if (!r) {
        return nullptr;
    }
    melvorin::bend_laser_t* laser = make_melvorin_bend_laser(stage, placement, (*r)[0]);
    for (uint32_t i = 0; i < melvorin::bend_laser_t::segment_count; ++i) {
        laser->segments.push_back(make_missile(stage, placement, (*r)[1]));
    }
    return laser;
}

melvorin::big_laser_t* stage_t::assemble_melvorin_big_laser(stage_t* stage, const placement_t* placement,
                                                            melvorin::core_t* core) {
    const objectinfo_t* record = objectinfo_find(344);
    if (record == nullptr) {
        return nullptr;
    }
    melvorin::big_laser_t* head = nullptr;
    melvorin::big_laser_t* previous = nullptr;
    for (int32_t i = 0; i < big_laser_segments; ++i) {
        melvorin::big_laser_t* segment = make_melvorin_big_laser(stage, placement, record);
        segment->core = core;
        segment->prev = previous;
        if (previous != nullptr) {
            previous->next = segment;
        } else {
            head = segment;
        }
        previous = segment;
    }
    return head;
}

melvorin::charge_t* stage_t::assemble_melvorin_charge(stage_t* stage, const placement_t* placement,
                                                      melvorin::core_t* core) {
    const auto r = find_records({341, 342, 0});
    if (!r) {
        return nullptr;
    }
    melvorin::charge_t* charge = make_melvorin_charge(stage, placement, (*r)[0]);
    charge->core = core;
    melvorin::spark_ctr_t* emitter = make_melvorin_spark_ctr(stage, placement, (*r)[2]);
    for (int32_t i = 0; i < spark_count; ++i) {
        melvorin::spark_t* spark = make_melvorin_spark(stage, placement, (*r)[1]);
        spark->target = charge;
        emitter->sparks.add(spark, spark_dx[i], spark_dy[i]);
    }
    charge->spark_ctr = emitter;
    return charge;
}

void stage_t::spawn_melvorin(stage_t* stage, const placement_t* placement) {
    // Record 86 makes nothing here, yet the boss is only built where it exists; the big laser's record
    // 344 is checked as well, so that a core never lacks its beam.
    const auto r = find_records({0, 345, 29, 339, 340, 86, 341, 342, 343, 346, 65, 66, 67, 68, 69, 344});
    if (!r) {
        return;
    }
    const auto& [body_record, ref_laser, flash, core_record, cover_record, required, charge_record, spark,
                 missile, segment, blast65, blast66, blast67, blast68, blast69, big_laser] = *r;
    melvorin::body_t* body = make_melvorin_body(stage, placement, body_record);
    for (explosion_t*& f : body->muzzle_flashes) {
        f = make_explosion(stage, placement, flash);
        f->period = 1;
    }
    for (int32_t i = 0; i < ref_laser_count; ++i) {
        melvorin::ref_laser_t* laser = make_melvorin_ref_laser(stage, placement, ref_laser);
        laser->set_owner(body);
        body->ref_lasers.push_back(laser);
    }
    melvorin::core_cover_t* cover = make_melvorin_core_cover(stage, placement, cover_record);
    melvorin::core_t* core = make_melvorin_core(stage, placement, core_record);
    core->attach_explosion(make_explosion_pattern_boss(stage, placement, 0));
    core->body = body;
    core->cover = cover;
    for (int32_t i = 0; i < missile_count; ++i) {
        melvorin::core_missile_t* m = make_melvorin_core_missile(stage, placement, missile);
        m->set_owner(core);
        core->missiles.push_back(m);
    }
    for (int32_t i = 0; i < bend_laser_count; ++i) {
        melvorin::bend_laser_t* laser = assemble_melvorin_bend_laser(stage, placement);
        laser->set_owner(core);
        core->bend_lasers.push_back(laser);
    }
    core->big_laser = assemble_melvorin_big_laser(stage, placement, core);
    core->charge = assemble_melvorin_charge(stage, placement, core);
    // The lower row mirrors the upper one about the body's horizontal axis.
    int32_t upper_dy[explosion_row];
    int32_t lower_dy[explosion_row];
    for (int32_t i = 0; i < explosion_row; ++i) {
        upper_dy[i] = row_y[i] - body_half_height;
        lower_dy[i] = body_half_height - row_y[i];
    }
    const std::vector<const objectinfo_t*> blasts{blast65, blast66, blast67, blast68, blast69};
    make_explosion_row(stage, placement, blasts, explosion_row, row_dx, upper_dy, body->death_explosions);
    make_explosion_row(stage, placement, blasts, explosion_row, row_dx, lower_dy, body->death_explosions);
    body->core = core;
}
