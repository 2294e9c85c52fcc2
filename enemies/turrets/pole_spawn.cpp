// The pole's assembly: the controller, the upper and the lower piece each with two battery003 turrets
// and a battery006, the joint with its explosion and its battery002, the pole's item on the joint.
#include "enemies/turrets/battery002.h"
#include "enemies/turrets/battery003.h"
#include "enemies/turrets/battery006.h"
#include "enemies/turrets/pole.h"
#include "objects/missile.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t shots_per_turret = 64;
constexpr int32_t turret_explosion = 68;
constexpr int32_t turret_item = 40;
constexpr int32_t joint_turret_item = 38;
constexpr int32_t cannon_centre = 32;

// Every record the pole and its turrets cannot be made without, so that a missing one makes nothing and
// no part is left without its turrets. The turrets' explosion and the items are optional.
constexpr int32_t required[] = {0, 273, 85, 272, 18, 155, 152, 153, 154, 69, 166, 66, 30, 31};

placement_t with(const placement_t& placement, int32_t type, int32_t param2, int32_t item) {
    placement_t copy = placement;
    copy.type = type;
    copy.param2 = param2;
    copy.item = item;
    return copy;
}

template <typename Piece>
Piece* spawn_piece(stage_t* stage, const placement_t* placement,
                   Piece* (*maker)(stage_t*, const placement_t*, const objectinfo_t*)) {
    const auto r = find_records({272, 18});
    if (!r) {
        return nullptr;
    }
    const auto& [piece_record, shot] = *r;
    Piece* piece = maker(stage, placement, piece_record);
    const placement_t turret_placement = with(*placement, 155, placement->param2, turret_item);
    battery003::body_t* left = stage_t::spawn_battery003(stage, &turret_placement, turret_explosion);
    battery003::body_t* right = stage_t::spawn_battery003(stage, &turret_placement, turret_explosion);
    left->set_facing(2);
    right->set_facing(0);
    for (int32_t i = 0; i < shots_per_turret; ++i) {
        for (battery003::body_t* turret : {left, right}) {
            make_shot_pool(stage, placement, shot, turret, 1, turret->shots);
        }
    }
    piece->left_turret = left;
    piece->right_turret = right;
    const placement_t cannon_placement = with(*placement, placement->type, cannon_centre, -1);
    piece->tracking_turret = stage_t::spawn_battery006(stage, &cannon_placement);
    return piece;
}

} // namespace

pole::ctr_t* stage_t::make_pole_ctr(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<pole::ctr_t>(stage, placement, info);
}

pole::upper_body_t* stage_t::make_pole_upper_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<pole::upper_body_t>(stage, placement, info);
}

pole::lower_body_t* stage_t::make_pole_lower_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<pole::lower_body_t>(stage, placement, info);
}

pole::joint_t* stage_t::make_pole_joint(stage_t* stage, const placement_t* placement,
                                        const objectinfo_t* info) {
    return make_placed_enemy<pole::joint_t>(stage, placement, info);
}

pole::upper_body_t* stage_t::spawn_pole_upper_body(stage_t* stage, const placement_t* placement) {
    return spawn_piece(stage, placement, make_pole_upper_body);
}

pole::lower_body_t* stage_t::spawn_pole_lower_body(stage_t* stage, const placement_t* placement) {
    return spawn_piece(stage, placement, make_pole_lower_body);
}

void stage_t::spawn_pole(stage_t* stage, const placement_t* placement) {
    const auto r = find_records(required);
    if (!r) {
        return;
    }
    const auto& records = *r;
    pole::ctr_t* ctr = make_pole_ctr(stage, placement, records[0]);
    pole::upper_body_t* upper = spawn_pole_upper_body(stage, placement);
    pole::lower_body_t* lower = spawn_pole_lower_body(stage, placement);
    pole::joint_t* joint = make_pole_joint(stage, placement, records[1]);
    attach_death_explosion(stage, placement, joint, records[2]);
    const placement_t turret_placement = with(*placement, 152, cannon_centre, joint_turret_item);
    joint->turret = spawn_battery002(stage, &turret_placement);
    ctr->upper = upper;
    ctr->lower = lower;
    ctr->joint = joint;
    give_item(stage, placement, joint);
}
