// The quad-barrel's assembly: core with its missiles, body with its end explosions, lasers and bending
// lasers, linked, in list order.
#include "bosses/quadbarrel/quadbarrel.h"
#include "objects/explosion.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t body_record = 146;
constexpr int32_t core_record = 147;
constexpr int32_t end_record = 69;
constexpr int32_t core_explosion_record = 86;
constexpr int32_t missile_record = 27;
constexpr int32_t laser_record = 148;
constexpr int32_t laser_effect_record = 31;
constexpr int32_t bend_record = 149;
constexpr int32_t missile_count = 45;
constexpr int32_t end_explosions = 16;
constexpr int32_t laser_count = 32;
constexpr int32_t bend_laser_count = 8;
constexpr int32_t bend_segments = 23;
constexpr uint32_t laser_effect_period = 2;
constexpr int32_t end_dx[8] = {12, 24, -12, 10, -28, 30, 34, -26};
constexpr int32_t end_dy[8] = {0, 20, 26, -18, -34, 0, -16, 34};

} // namespace

quadbarrel::core_t* stage_t::make_quadbarrel_core(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<quadbarrel::core_t>(stage, placement, info);
}

quadbarrel::core_missile_t* stage_t::make_quadbarrel_core_missile(stage_t* stage,
                                                                  const placement_t* placement,
                                                                  const objectinfo_t* info) {
    return append_dormant<quadbarrel::core_missile_t>(stage->enemy_shots, placement, info);
}

quadbarrel::body_t* stage_t::make_quadbarrel_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<quadbarrel::body_t>(stage, placement, info);
}

quadbarrel::laser_t* stage_t::make_quadbarrel_laser(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return append_dormant<quadbarrel::laser_t>(stage->enemy_shots, placement, info);
}

quadbarrel::bend_laser_head_t* stage_t::make_quadbarrel_bend_laser_head(stage_t* stage,
                                                                        const placement_t* placement,
                                                                        const objectinfo_t* info) {
    return append_dormant<quadbarrel::bend_laser_head_t>(stage->enemy_shots, placement, info);
}

quadbarrel::bend_laser_t* stage_t::make_quadbarrel_bend_laser(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info) {
    return append_dormant<quadbarrel::bend_laser_t>(stage->enemy_shots, placement, info);
}

quadbarrel::laser_t* stage_t::spawn_quadbarrel_laser(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({laser_record, laser_effect_record});
    if (!r) {
        return nullptr;
    }
    quadbarrel::laser_t* laser = make_quadbarrel_laser(stage, placement, (*r)[0]);
    explosion_t* effect = make_explosion(stage, placement, (*r)[1]);
    effect->period = laser_effect_period;
    effect->owner = laser;
    laser->effect = effect;
    return laser;
}

quadbarrel::bend_laser_head_t* stage_t::spawn_quadbarrel_bend_laser(stage_t* stage,
                                                                    const placement_t* placement) {
    const objectinfo_t* record = objectinfo_find(bend_record);
    if (record == nullptr) {
        return nullptr;
    }
    quadbarrel::bend_laser_head_t* head = make_quadbarrel_bend_laser_head(stage, placement, record);
    quadbarrel::bend_laser_t* last = head;
    for (int32_t i = 0; i < bend_segments; ++i) {
        last = last->next = make_quadbarrel_bend_laser(stage, placement, record);
    }
    return head;
}

void stage_t::spawn_quadbarrel(stage_t* stage, const placement_t* placement) {
    // Records 89 and 175 are asked for though nothing is made of them; the lasers' records are checked
    // here too, so that a body is never left short of its lasers. The small death pattern looks up its
    // own records: one missing leaves the body without it.
    const auto r = find_records({body_record, core_record, 89, end_record, core_explosion_record,
                                 missile_record, 175, laser_record, laser_effect_record, bend_record});
    if (!r) {
        return;
    }
    const auto& records = *r;
    quadbarrel::core_t* core = make_quadbarrel_core(stage, placement, records[1]);
    core->attach_explosion(make_explosion(stage, placement, records[4]));
    for (int32_t i = 0; i < missile_count; ++i) {
        quadbarrel::core_missile_t* missile = make_quadbarrel_core_missile(stage, placement, records[5]);
        missile->set_owner(core);
        core->missiles.push_back(missile);
    }
    quadbarrel::body_t* body = make_quadbarrel_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_small(stage, placement));
    body->core = core;
    core->body = body;
    for (int32_t i = 0; i < end_explosions; ++i) {
        explosion_t* blast = make_explosion(stage, placement, records[3]);
        blast->period = uint32_t(i / 4 + 2);
        body->death_explosions.add(blast, end_dx[i % 8], end_dy[i % 8]);
    }
    for (int32_t i = 0; i < laser_count; ++i) {
        quadbarrel::laser_t* laser = spawn_quadbarrel_laser(stage, placement);
        laser->set_owner(body);
        body->lasers.push_back(laser);
    }
    for (int32_t i = 0; i < bend_laser_count; ++i) {
        quadbarrel::bend_laser_head_t* head = spawn_quadbarrel_bend_laser(stage, placement);
        head->set_owner(body);
        body->bend_lasers.push_back(head);
    }
    give_item(stage, placement, body);
}
