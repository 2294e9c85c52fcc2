// Every game object of the current stage, in the lists the play scene updates, scrolls, collides and
// draws; the stage owns them all and deletes them when the stage is cleared.
#pragma once

#include "objects/array.h"
#include "play/eventinfo.h"

#include <cstdint>
#include <vector>

class active_explosion_t;
class big_explosion_t;
class common_missile1_t;
class enemy_skipper_t;
class enemy_t;
class explosion_skipper_t;
class explosion_t;
class item_t;
class jet_t;
class missile_skipper_t;
class missile_t;
class object_t;
class smoke_t;
class star_t;
class arrow_ctr_t;
class arrow_t;
class electricity_t;
class star002_t;
class hopper_t;
class fish_t;
struct objectinfo_t;
struct placement_t;
class hatch_t;
class smeteo_t;
class mmeteo_t;
class lmeteo_t;
class smeteo_rush_t;
class tripus_t;
class tripus_laser_t;
class mothership_t;
class horzflash_t;
class longflash_control_t;
class longflash_t;
class mothership_explosion_t;
namespace cell001 {
class body_t;
}
namespace cell002 {
class part_t;
class piece_t;
class root_t;
} // namespace cell002
namespace battery001 {
class floorbody_t;
class roofbody_t;
} // namespace battery001
namespace battery002 {
class body_t;
}
namespace battery003 {
class body_t;
}
namespace battery004 {
class body_t;
class laser_t;
} // namespace battery004
namespace battery005 {
class body_t;
class laser_ctr_t;
class laser_t;
} // namespace battery005
namespace battery006 {
class body_t;
}
namespace melvorin {
class bend_laser_t;
class big_laser_t;
class body_t;
class charge_t;
class core_cover_t;
class core_missile_t;
class core_t;
class ref_laser_t;
class spark_ctr_t;
class spark_t;
} // namespace melvorin
namespace boss004 {
class arm_laser1_t;
class arm_t;
class body_cover_t;
class body_laser_t;
class body_t;
class core_cover_t;
class core_shield_t;
class core_t;
class flash_t;
class spark_t;
} // namespace boss004
namespace boss006 {
class big_laser_head_t;
class big_laser_t;
class body_t;
class homing_t;
class laser_t;
class spark_ctr_t;
class spark_t;
} // namespace boss006
namespace crab001 {
class ball_t;
class body_laser_t;
class body_t;
class eye_t;
class foot_t;
class shin_t;
class spark_t;
class thigh_t;
} // namespace crab001
namespace boss005 {
class arm_t;
class big_laser_ctr_t;
class big_laser_t;
class hand_t;
class leadbody_t;
class spark_t;
class spred_missile_t;
class trailbody_t;
} // namespace boss005
namespace midboss001 {
class body_t;
class wing_t;
} // namespace midboss001
namespace midboss002 {
class ball_t;
class body_t;
class laser_t;
} // namespace midboss002
namespace bee001 {
class ball_t;
class body_t;
class wing_t;
} // namespace bee001
namespace bee002 {
class ball_t;
class body_t;
class wing_t;
} // namespace bee002
namespace bee003 {
class ball_t;
class bigball_t;
class body_explosion_t;
class body_t;
class reflex_laser_head_t;
class reflex_laser_t;
class tail_laser_t;
class wing_t;
} // namespace bee003
namespace midboss003 {
class ball_t;
class body_laser_t;
class body_t;
} // namespace midboss003
namespace patroller001 {
class body_t;
}
namespace pole {
class ctr_t;
class joint_t;
class lower_body_t;
class upper_body_t;
} // namespace pole
namespace scorpion001 {
class arm_t;
class body_t;
class chest_t;
class eye_t;
class foot_t;
class hand_laser_t;
class hand_t;
class head_t;
class leg_t;
class sting_t;
class stingball_t;
class stinglaser1_head_t;
class stinglaser1_t;
class stinglaser2_t;
class stinglaser3_t;
class stingsmoke_t;
class stingspark_t;
class tail_t;
} // namespace scorpion001
namespace quadbarrel {
class bend_laser_head_t;
class bend_laser_t;
class body_t;
class core_missile_t;
class core_t;
class laser_t;
} // namespace quadbarrel
namespace shutter001 {
class body_t;
}
namespace shutter002 {
class body_t;
class slat_t;
} // namespace shutter002
namespace shutter003 {
class lowerbody_t;
class upperbody_t;
} // namespace shutter003
namespace rotator001 {
class body_t;
} // namespace rotator001
namespace rotator002 {
class body_t;
class laser_t;
} // namespace rotator002
namespace rotator003 {
class body_t;
class ctr_t;
} // namespace rotator003
namespace rotator004 {
class body_t;
class laser_t;
} // namespace rotator004
namespace rotator005 {
class body_t;
} // namespace rotator005
namespace rotator006 {
class arm_t;
class body_t;
} // namespace rotator006
namespace twinbarrel {
class body_t;
class laser_t;
} // namespace twinbarrel
namespace twister001 {
class leaderA_t;
class leaderB_t;
class member_t;
} // namespace twister001
namespace twister002 {
class leaderA_t;
class leaderB_t;
class leaderC_t;
class leaderD_t;
class member_t;
} // namespace twister002
namespace worm001 {
class body_t;
class head_t;
} // namespace worm001
namespace worm002 {
class body_t;
class head_t;
} // namespace worm002
namespace worm003 {
class body_t;
class head_t;
} // namespace worm003
namespace worm004 {
class body_t;
class head_t;
} // namespace worm004
namespace worm005 {
class head_t;
class tail_t;
class worm_missile_t;
} // namespace worm005
namespace worm006 {
class arm_t;
class body_t;
class hand_t;
class laser_t;
} // namespace worm006
namespace worm007 {
class arm_t;
class core_t;
class eye_t;
class hand_t;
class light_t;
} // namespace worm007
namespace worm008 {
class body_t;
class head_t;
} // namespace worm008
namespace twister003 {
class body_t;
class laser_t;
class laser_flash_t;
} // namespace twister003
namespace twister004 {
class body_t;
}
namespace tracer001 {
class Body;
}
namespace tracer002 {
class body_t;
}
namespace phoenix001 {
class body_t;
}
namespace phoenix002 {
class body_t;
}
class Sam;
namespace sam_parts {
class smoke_t;
class Burst;
} // namespace sam_parts
namespace fencer {
class body_t;
}
namespace gather {
class leader_t;
class member_t;
} // namespace gather
namespace twister005 {
class leader_t;
class member_t;
} // namespace twister005
namespace twister006 {
class body_t;
}
namespace twister007 {
class body_t;
class body_missile_t;
} // namespace twister007
namespace twister008 {
class body_t;
}
class wall_t;
class splitter_t;
class tarantula_t;
class tarantula_eye_t;
namespace spider001 {
class body_t;
class egg_t;
class foot_t;
class leg_t;
} // namespace spider001
namespace tentacle001 {
class core_t;
class hand_t;
class seg_t;
class spore_t;
} // namespace tentacle001

using event_array_t = array_t<eventinfo_t>;

class stage_t {
  public:
    stage_t();
    stage_t(const stage_t&) = delete;
    stage_t& operator=(const stage_t&) = delete;

    // Deletes every object, empties the lists and withdraws the shared stage pointers.
    void clear();
    // Fills the empty stage from a whole stage file image: the events and placements that pass the
    // level and loop, in file order, then the pools, then the shared pointers. Always true.
    bool load(const uint8_t* image, int32_t level, int32_t loop, int32_t item_mode);
    // The objects of one placement, by its type.
    static void spawn_placement(stage_t* stage, const placement_t* placement);

    // The enemy list of a record's list index; any other index gets a list that is never updated, drawn
    // or collided, whose objects are still deleted with the stage.
    array_t<enemy_t*>& enemy_list(int32_t list_index);

    // Made after the placements: 80 common shots, 128 sparks, the star field.
    void create_missile_pool(int32_t count, int32_t loop);
    void create_spark_pool(int32_t count);
    void create_star_field();
    // Publishes enemy list 0 and the two pools to the fire helpers and enemies: the last step of a load.
    void share_lists();

    // The common makers: each makes one object for the placement, appends it to its list and returns it.
    static item_t* make_item(stage_t* stage, const placement_t* placement);
    static enemy_skipper_t* make_enemy_skipper(stage_t* stage, const placement_t* placement,
                                               const objectinfo_t* info);
    static missile_skipper_t* make_missile_skipper(stage_t* stage, const placement_t* placement,
                                                   const objectinfo_t* info);
    static explosion_skipper_t* make_explosion_skipper(stage_t* stage, const placement_t* placement,
                                                       const objectinfo_t* info);
    static void spawn_enemy_skipper(stage_t* stage, const placement_t* placement);
    static void spawn_missile_skipper(stage_t* stage, const placement_t* placement);
    static void spawn_explosion_skipper(stage_t* stage, const placement_t* placement);
    static explosion_t* make_explosion(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info);
    static active_explosion_t* make_active_explosion(stage_t* stage, const placement_t* placement,
                                                     const objectinfo_t* info);
    static big_explosion_t* make_big_explosion(stage_t* stage, const placement_t* placement,
                                               const objectinfo_t* info);
    static missile_t* make_missile(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static common_missile1_t* make_common_missile1(stage_t* stage, const placement_t* placement,
                                                   const objectinfo_t* info);
    static smoke_t* make_smoke(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    // The exhaust flame that flyers carry, period 4, on the list of its record.
    static jet_t* make_jet(stage_t* stage, const placement_t* placement, const objectinfo_t* info);

    // The makers of the worms' parts: each at the placement, on its record's list; the heads' histories
    // empty (worm001, worm002) or full of the head's position (worm003, worm005).
    static worm001::body_t* make_worm001_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm001::head_t* make_worm001_head(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm002::body_t* make_worm002_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm002::head_t* make_worm002_head(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm003::head_t* make_worm003_head(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm003::body_t* make_worm003_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm004::head_t* make_worm004_head(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm004::body_t* make_worm004_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm005::head_t* make_worm005_head(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm005::tail_t* make_worm005_tail(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm005::worm_missile_t* make_worm005_worm_missile(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info);
    // A whole worm001 of 4 x the placement's second parameter parts, its head returned; null and nothing
    // made for a missing record or a count below 1.
    static worm001::head_t* make_worm001(stage_t* stage, const placement_t* placement);
    // The worm001 of 12 parts that a larger enemy carries, every part switched off until its head is
    // started; null when none could be made.
    static worm001::head_t* make_dormant_worm001(stage_t* stage, const placement_t* placement);
    static worm006::body_t* make_worm006_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm006::arm_t* make_worm006_arm(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static worm006::hand_t* make_worm006_hand(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm006::laser_t* make_worm006_laser(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    // The first segment of an arm of nine segments and a hand with its 32 lasers, owned by the body.
    static worm006::arm_t* spawn_worm006_arm(stage_t* stage, const placement_t* placement,
                                             worm006::body_t* owner);
    static worm007::core_t* make_worm007_core(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm007::arm_t* make_worm007_arm(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static worm007::hand_t* make_worm007_hand(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm007::eye_t* make_worm007_eye(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static worm007::light_t* make_worm007_light(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    // The first segment of arm index (1..4): nine segments and a hand with its four shots.
    static worm007::arm_t* spawn_worm007_arm(stage_t* stage, const placement_t* placement, int32_t index);
    static worm008::head_t* make_worm008_head(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static worm008::body_t* make_worm008_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    // The rotators' makers: bodies at the placement on their record's list, lasers dormant on the
    // enemy-shot list, every field of their own at its start.
    static rotator001::body_t* make_rotator001_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static rotator002::body_t* make_rotator002_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static rotator002::laser_t* make_rotator002_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static rotator003::body_t* make_rotator003_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static rotator003::ctr_t* make_rotator003_ctr(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info);
    static rotator004::body_t* make_rotator004_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static rotator004::laser_t* make_rotator004_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static rotator005::body_t* make_rotator005_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static rotator006::body_t* make_rotator006_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static rotator006::arm_t* make_rotator006_arm(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info);

    // The makers of the formation flyers and the patroller: each object at the placement, on its record's
    // list, every field of its own 0 or null.
    static patroller001::body_t* make_patroller001_body(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static smeteo_t* make_smeteo(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static mmeteo_t* make_mmeteo(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static lmeteo_t* make_lmeteo(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static smeteo_rush_t* make_smeteo_rush(stage_t* stage, const placement_t* placement,
                                           const objectinfo_t* info);
    static tripus_t* make_tripus(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static tripus_laser_t* make_tripus_laser(stage_t* stage, const placement_t* placement,
                                             const objectinfo_t* info);
    static mothership_t* make_mothership(stage_t* stage, const placement_t* placement,
                                         const objectinfo_t* info);
    // Made switched off.
    static horzflash_t* make_horzflash(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info);
    static longflash_control_t* make_longflash_control(stage_t* stage, const placement_t* placement,
                                                       const objectinfo_t* info);
    static longflash_t* make_longflash(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info);
    static mothership_explosion_t* make_mothership_explosion(stage_t* stage, const placement_t* placement,
                                                             const objectinfo_t* info);
    // A beam control with its 64 flashes; null, with nothing made, without their records.
    static longflash_control_t* spawn_longflash_control(stage_t* stage, const placement_t* placement);
    static twinbarrel::body_t* make_twinbarrel(stage_t* stage, const placement_t* placement,
                                               const objectinfo_t* info);
    static twinbarrel::laser_t* make_twinbarrel_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    // A three-piece bolt with the head's muzzle effect; null, with nothing made, without its records.
    static twinbarrel::laser_t* spawn_twinbarrel_laser(stage_t* stage, const placement_t* placement);
    static twister001::leaderA_t* make_twister001_leaderA(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static twister001::leaderB_t* make_twister001_leaderB(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static twister001::member_t* make_twister001_member(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static twister002::leaderA_t* make_twister002_leaderA(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static twister002::leaderB_t* make_twister002_leaderB(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static twister002::leaderC_t* make_twister002_leaderC(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static twister002::leaderD_t* make_twister002_leaderD(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static twister002::member_t* make_twister002_member(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static twister003::body_t* make_twister003_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static twister003::laser_t* make_twister003_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static twister003::laser_flash_t*
    make_twister003_laser_flash(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static twister004::body_t* make_twister004_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static twister005::leader_t* make_twister005_leader(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static twister005::member_t* make_twister005_member(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    // One member of the placement's type with its death explosion and shots; null without its records.
    static twister005::member_t* spawn_twister005_member(stage_t* stage, const placement_t* placement);
    static twister006::body_t* make_twister006_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static twister007::body_t* make_twister007_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static twister007::body_missile_t*
    make_twister007_body_missile(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static twister008::body_t* make_twister008_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static tracer001::Body* make_tracer001_body(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static tracer002::body_t* make_tracer002_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info);
    static phoenix001::body_t* make_phoenix001_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static phoenix002::body_t* make_phoenix002_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    // A bird with its death explosion, shots and item; null, with nothing made, without its records.
    static phoenix001::body_t* spawn_phoenix001_body(stage_t* stage, const placement_t* placement);
    static Sam* make_sam(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static sam_parts::smoke_t* make_sam_smoke(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static sam_parts::Burst* make_sam_burst(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static fencer::body_t* make_fencer_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static gather::leader_t* make_gather_leader(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static gather::member_t* make_gather_member(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static battery001::floorbody_t* make_battery001_floorbody(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info);
    static battery001::roofbody_t* make_battery001_roofbody(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info);
    static battery002::body_t* make_battery002_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static battery006::body_t* make_battery006_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static hatch_t* make_hatch(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static cell001::body_t* make_cell001(stage_t* stage, const placement_t* placement,
                                         const objectinfo_t* info);
    static cell002::root_t* make_cell002_root(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static cell002::part_t* make_cell002_part(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static cell002::piece_t* make_cell002_piece(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static cell002::root_t* build_cell002_chain(stage_t* stage, const placement_t* placement);
    static hopper_t* make_hopper(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static fish_t* make_fish(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static wall_t* make_wall(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static splitter_t* make_splitter(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    // The spider001's parts, each at the placement on its record's list (the egg dormant on the enemy-shot
    // list), and one chain of 20 leg links from the body's end: first and last are null when a record is
    // missing, and then nothing is made.
    static spider001::body_t* make_spider001_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info);
    static spider001::foot_t* make_spider001_foot(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info);
    static spider001::leg_t* make_spider001_leg(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static spider001::egg_t* make_spider001_egg(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static void make_spider001_legs(stage_t* stage, const placement_t* placement, spider001::leg_t*& first,
                                    spider001::leg_t*& last);
    // The tentacle001's parts at the placement on their records' lists: the hand with room for 8 spores.
    static tentacle001::core_t* make_tentacle001_core(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static tentacle001::seg_t* make_tentacle001_seg(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static tentacle001::hand_t* make_tentacle001_hand(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static tentacle001::spore_t* make_tentacle001_spore(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    // The tarantula with room for 4 blasts and 64 shots, and its eye.
    static tarantula_t* make_tarantula(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info);
    static tarantula_eye_t* make_tarantula_eye(stage_t* stage, const placement_t* placement,
                                               const objectinfo_t* info);
    static arrow_ctr_t* make_arrow_ctr(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info);
    static arrow_t* make_arrow(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static star002_t* make_star002(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static electricity_t* make_electricity(stage_t* stage, const placement_t* placement,
                                           const objectinfo_t* info);
    static battery004::body_t* make_battery004_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    // The beam segments and the beam controller wait dormant in the enemy-shot list.
    static battery004::laser_t* make_battery004_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static battery005::body_t* make_battery005_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static battery005::laser_ctr_t* make_battery005_laser_ctr(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info);
    static battery005::laser_t* make_battery005_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static pole::ctr_t* make_pole_ctr(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static pole::upper_body_t* make_pole_upper_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static pole::lower_body_t* make_pole_lower_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static pole::joint_t* make_pole_joint(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info);
    // A column piece of the pole with its three turrets; null, with nothing made, without its records.
    static pole::upper_body_t* spawn_pole_upper_body(stage_t* stage, const placement_t* placement);
    static pole::lower_body_t* spawn_pole_lower_body(stage_t* stage, const placement_t* placement);
    static shutter001::body_t* make_shutter001_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static shutter002::slat_t* make_shutter002_slat(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static shutter002::body_t* make_shutter002_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static shutter003::upperbody_t* make_shutter003_upper(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static shutter003::lowerbody_t* make_shutter003_lower(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);

    // The final boss's makers: each object on the list of its kind, every field of its own 0 or null.
    static melvorin::body_t* make_melvorin_body(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static melvorin::core_cover_t* make_melvorin_core_cover(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info);
    static melvorin::core_t* make_melvorin_core(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static melvorin::ref_laser_t* make_melvorin_ref_laser(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static melvorin::core_missile_t* make_melvorin_core_missile(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info);
    static melvorin::bend_laser_t* make_melvorin_bend_laser(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info);
    static melvorin::big_laser_t* make_melvorin_big_laser(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static melvorin::charge_t* make_melvorin_charge(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static melvorin::spark_ctr_t* make_melvorin_spark_ctr(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static melvorin::spark_t* make_melvorin_spark(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info);
    // Its sub-assemblies; null, with nothing made, when one of their own records is missing.
    static melvorin::bend_laser_t* assemble_melvorin_bend_laser(stage_t* stage, const placement_t* placement);
    static melvorin::big_laser_t* assemble_melvorin_big_laser(stage_t* stage, const placement_t* placement,
                                                              melvorin::core_t* core);
    static melvorin::charge_t* assemble_melvorin_charge(stage_t* stage, const placement_t* placement,
                                                        melvorin::core_t* core);

    // The quad-barrel's makers: each object on the list of its kind, every field of its own at its start.
    static quadbarrel::core_t* make_quadbarrel_core(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static quadbarrel::core_missile_t*
    make_quadbarrel_core_missile(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static quadbarrel::body_t* make_quadbarrel_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static quadbarrel::laser_t* make_quadbarrel_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static quadbarrel::bend_laser_head_t*
    make_quadbarrel_bend_laser_head(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static quadbarrel::bend_laser_t* make_quadbarrel_bend_laser(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info);
    // Its lasers with their effects, and a bending laser's chain; null, with nothing made, without their
    // records.
    static quadbarrel::laser_t* spawn_quadbarrel_laser(stage_t* stage, const placement_t* placement);
    static quadbarrel::bend_laser_head_t* spawn_quadbarrel_bend_laser(stage_t* stage,
                                                                      const placement_t* placement);

    // The scorpion's makers: each part at the placement on the list of its kind, every field of its own
    // at its start; the chains made and linked first to last; the sting with all its weapons, null and
    // nothing made without one of its records.
    static scorpion001::head_t* make_scorpion001_head(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static scorpion001::chest_t* make_scorpion001_chest(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static scorpion001::eye_t* make_scorpion001_eye(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static scorpion001::body_t* make_scorpion001_body(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static scorpion001::tail_t* make_scorpion001_tail(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static scorpion001::sting_t* make_scorpion001_sting(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static scorpion001::leg_t* make_scorpion001_leg(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static scorpion001::foot_t* make_scorpion001_foot(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static scorpion001::arm_t* make_scorpion001_arm(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static scorpion001::hand_t* make_scorpion001_hand(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static scorpion001::hand_laser_t*
    make_scorpion001_hand_laser(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static scorpion001::stingball_t* make_scorpion001_stingball(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info);
    static scorpion001::stinglaser1_t*
    make_scorpion001_stinglaser1(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static scorpion001::stinglaser1_head_t*
    make_scorpion001_stinglaser1_head(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static scorpion001::stinglaser2_t*
    make_scorpion001_stinglaser2(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static scorpion001::stinglaser3_t*
    make_scorpion001_stinglaser3(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static scorpion001::stingspark_t*
    make_scorpion001_stingspark(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static scorpion001::stingsmoke_t*
    make_scorpion001_stingsmoke(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static void make_scorpion001_body_chain(stage_t* stage, const placement_t* placement,
                                            scorpion001::body_t*& first, scorpion001::body_t*& last);
    static void make_scorpion001_tail_chain(stage_t* stage, const placement_t* placement,
                                            scorpion001::body_t*& first, scorpion001::body_t*& last);
    static void make_scorpion001_leg_chain(stage_t* stage, const placement_t* placement,
                                           scorpion001::leg_t*& first, scorpion001::leg_t*& last);
    static void make_scorpion001_arm_chain(stage_t* stage, const placement_t* placement,
                                           scorpion001::arm_t*& first, scorpion001::arm_t*& last);
    static scorpion001::sting_t* assemble_scorpion001_sting(stage_t* stage, const placement_t* placement);

    // The mid-bosses' makers: each object on the list of its kind, every field of its own 0 or null; the
    // balls of midboss003 start dormant.
    static midboss001::body_t* make_midboss001_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static midboss001::wing_t* make_midboss001_wing(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static midboss002::body_t* make_midboss002_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static midboss002::ball_t* make_midboss002_ball(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static midboss002::laser_t* make_midboss002_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static midboss003::body_t* make_midboss003_body(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static midboss003::ball_t* make_midboss003_ball(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info);
    static midboss003::body_laser_t* make_midboss003_body_laser(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info);
    // Boss005's makers and builders: the enemies on their records' lists, the shots dormant; a builder
    // makes nothing, and a chain writes no result, when one of its records is missing.
    struct boss005_chain_t {
        boss005::arm_t* first = nullptr;
        boss005::arm_t* last = nullptr;
    };
    static boss005::arm_t* make_boss005_arm(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static boss005::hand_t* make_boss005_hand(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static boss005::leadbody_t* make_boss005_leadbody(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info);
    static boss005::trailbody_t* make_boss005_trailbody(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static boss005::big_laser_ctr_t* make_boss005_big_laser_ctr(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info);
    static boss005::big_laser_t* make_boss005_big_laser(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static boss005::spred_missile_t* make_boss005_spred_missile(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info);
    static boss005::spark_t* make_boss005_spark(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static void make_boss005_arm_chain(stage_t* stage, const placement_t* placement, boss005::arm_t*& first,
                                       boss005::arm_t*& last, int32_t n);
    static boss005::hand_t* assemble_boss005_hand(stage_t* stage, const placement_t* placement);
    static boss005::leadbody_t* assemble_boss005_leadbody(stage_t* stage, const placement_t* placement,
                                                          const boss005_chain_t (&chains)[2],
                                                          boss005::hand_t* const (&hands)[2]);
    static boss005::trailbody_t* assemble_boss005_trailbody(stage_t* stage, const placement_t* placement,
                                                            const boss005_chain_t (&chains)[2],
                                                            boss005::hand_t* const (&hands)[2]);
    // Boss004's makers: each object on the list of its kind; the arm lasers start dormant.
    static boss004::body_t* make_boss004_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static boss004::body_laser_t* make_boss004_body_laser(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static boss004::core_t* make_boss004_core(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static boss004::core_shield_t* make_boss004_core_shield(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info);
    static boss004::arm_t* make_boss004_arm(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static boss004::arm_laser1_t* make_boss004_arm_laser1(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static boss004::flash_t* make_boss004_flash(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static boss004::spark_t* make_boss004_spark(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static boss004::body_cover_t* make_boss004_body_cover(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static boss004::core_cover_t* make_boss004_core_cover(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    // The bees' makers: each object on the list of its kind, every field of its own at its start.
    static bee001::body_t* make_bee001_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee001::ball_t* make_bee001_ball(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee001::wing_t* make_bee001_wing(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee002::body_t* make_bee002_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee002::wing_t* make_bee002_wing(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee002::ball_t* make_bee002_ball(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee003::body_t* make_bee003_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee003::wing_t* make_bee003_wing(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee003::ball_t* make_bee003_ball(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static bee003::bigball_t* make_bee003_bigball(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info);
    static bee003::body_explosion_t* make_bee003_body_explosion(stage_t* stage, const placement_t* placement,
                                                                const objectinfo_t* info);
    static bee003::reflex_laser_t* make_bee003_reflex_laser(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info);
    static bee003::reflex_laser_head_t*
    make_bee003_reflex_laser_head(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
    static bee003::tail_laser_t* make_bee003_tail_laser(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    // An escort bee with its wing, dormant balls and item; and the bee003's laser chains, the first piece
    // returned. Null, with nothing made, without their records.
    static bee002::body_t* make_bee002_group(stage_t* stage, const placement_t* placement);
    static bee003::reflex_laser_head_t* make_bee003_reflex_laser_chain(stage_t* stage,
                                                                       const placement_t* placement);
    static bee003::tail_laser_t* make_bee003_tail_laser_chain(stage_t* stage, const placement_t* placement);
    // Boss006's makers: each object on the list of its kind, the shots, beams and charge dormant.
    static boss006::body_t* make_boss006_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static boss006::homing_t* make_boss006_homing(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info);
    static boss006::laser_t* make_boss006_laser(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static boss006::big_laser_head_t* make_boss006_big_laser_head(stage_t* stage, const placement_t* placement,
                                                                  const objectinfo_t* info);
    static boss006::big_laser_t* make_boss006_big_laser_seg(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info);
    static boss006::spark_ctr_t* make_boss006_spark_ctr(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info);
    static boss006::spark_t* make_boss006_spark(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    // A beam of a head and 31 links, the head first in the shot list; null without record 334.
    static boss006::big_laser_head_t* make_boss006_big_laser(stage_t* stage, const placement_t* placement);
    // Crab001's makers: each object on the list of its kind, the lasers and sparks dormant.
    static crab001::body_t* make_crab001_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static crab001::thigh_t* make_crab001_thigh(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    static crab001::shin_t* make_crab001_shin(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static crab001::foot_t* make_crab001_foot(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static crab001::eye_t* make_crab001_eye(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info);
    static crab001::ball_t* make_crab001_ball(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info);
    static crab001::body_laser_t* make_crab001_body_laser(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info);
    static crab001::spark_t* make_crab001_spark(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info);
    // One leg's chain of ten segments, first to root and last to tip; neither written without its records.
    static void assemble_crab001_thigh_chain(stage_t* stage, const placement_t* placement,
                                             crab001::thigh_t*& root, crab001::thigh_t*& tip);
    // One unit of a midboss001 column at the placement; null, with nothing made, when a record is missing.
    static midboss001::body_t* assemble_midboss001(stage_t* stage, const placement_t* placement);

    // Composite death explosions; null, with nothing made, when a record is missing.
    static big_explosion_t* make_explosion_pattern_mothership(stage_t* stage, const placement_t* placement);
    static big_explosion_t* make_explosion_pattern_boss(stage_t* stage, const placement_t* placement,
                                                        int32_t base);
    static big_explosion_t* make_explosion_pattern_medium(stage_t* stage, const placement_t* placement);
    static big_explosion_t* make_explosion_pattern_small(stage_t* stage, const placement_t* placement);

    // The spawn functions of the families, as the dispatcher calls them.
    static enemy_t* spawn_plain_enemy(stage_t* stage, const placement_t* placement, int32_t explosion_id);
    static void spawn_arrow(stage_t* stage, const placement_t* placement);
    static void spawn_expman(stage_t* stage, const placement_t* placement);
    static void spawn_star002(stage_t* stage, const placement_t* placement);
    static void spawn_zigzag_a(stage_t* stage, const placement_t* placement, int32_t count);
    static void spawn_zigzag_b(stage_t* stage, const placement_t* placement, int32_t count);
    static void spawn_zigzag_c(stage_t* stage, const placement_t* placement, int32_t count);
    static void spawn_zigzag_d(stage_t* stage, const placement_t* placement, int32_t count);
    static void spawn_zigzag_e(stage_t* stage, const placement_t* placement, int32_t count);
    static void spawn_zigzag_f(stage_t* stage, const placement_t* placement, int32_t count);
    static void spawn_twister001_a(stage_t* stage, const placement_t* placement, int32_t count);
    static void spawn_twister001_b(stage_t* stage, const placement_t* placement, int32_t count);
    static enemy_t* spawn_twister002_a(stage_t* stage, const placement_t* placement, int32_t count);
    static enemy_t* spawn_twister002_b(stage_t* stage, const placement_t* placement, int32_t count);
    static enemy_t* spawn_twister002_c(stage_t* stage, const placement_t* placement, int32_t count);
    static enemy_t* spawn_twister002_d(stage_t* stage, const placement_t* placement, int32_t count);
    static void spawn_twister003(stage_t* stage, const placement_t* placement);
    static void spawn_twister004(stage_t* stage, const placement_t* placement);
    // The release formation of count members (none for count <= 0); null without the leader's record.
    // The crab makes its two formations with it too.
    static twister005::leader_t* spawn_twister005(stage_t* stage, const placement_t* placement,
                                                  int32_t count);
    static void spawn_twister006(stage_t* stage, const placement_t* placement);
    static void spawn_twister007(stage_t* stage, const placement_t* placement);
    static void spawn_twister008(stage_t* stage, const placement_t* placement);
    static void spawn_rotator001(stage_t* stage, const placement_t* placement);
    static void spawn_rotator002(stage_t* stage, const placement_t* placement);
    static void spawn_rotator003(stage_t* stage, const placement_t* placement);
    // A lone body of the placement, or null when its records are missing.
    static rotator003::body_t* spawn_rotator003_body(stage_t* stage, const placement_t* placement);
    static void spawn_rotator003_ctr(stage_t* stage, const placement_t* placement);
    static void spawn_rotator004(stage_t* stage, const placement_t* placement);
    static void spawn_rotator005(stage_t* stage, const placement_t* placement);
    static void spawn_rotator006(stage_t* stage, const placement_t* placement);
    static void spawn_tracer001(stage_t* stage, const placement_t* placement);
    static void spawn_tracer002(stage_t* stage, const placement_t* placement);
    static void spawn_fencer(stage_t* stage, const placement_t* placement);
    static void spawn_patroller001(stage_t* stage, const placement_t* placement);
    static void spawn_twinbarrel(stage_t* stage, const placement_t* placement);
    static void spawn_quadbarrel(stage_t* stage, const placement_t* placement);
    static battery001::floorbody_t* spawn_battery001_floor(stage_t* stage, const placement_t* placement,
                                                           int32_t explosion_id);
    static battery001::roofbody_t* spawn_battery001_roof(stage_t* stage, const placement_t* placement,
                                                         int32_t explosion_id);
    static battery002::body_t* spawn_battery002(stage_t* stage, const placement_t* placement);
    static battery003::body_t* spawn_battery003(stage_t* stage, const placement_t* placement,
                                                int32_t explosion_id);
    static void spawn_battery004(stage_t* stage, const placement_t* placement);
    static void spawn_battery005(stage_t* stage, const placement_t* placement, int32_t direction);
    static battery006::body_t* spawn_battery006(stage_t* stage, const placement_t* placement);
    static void spawn_fish(stage_t* stage, const placement_t* placement);
    static void spawn_gather(stage_t* stage, const placement_t* placement);
    static void spawn_hopper(stage_t* stage, const placement_t* placement);
    static void spawn_smeteo(stage_t* stage, const placement_t* placement, bool flag);
    static void spawn_mmeteo(stage_t* stage, const placement_t* placement, bool flag);
    static void spawn_lmeteo(stage_t* stage, const placement_t* placement, bool flag);
    static void spawn_meteo_shower(stage_t* stage, const placement_t* placement);
    static void spawn_smeteo_rush(stage_t* stage, const placement_t* placement);
    static enemy_t* spawn_splitter(stage_t* stage, const placement_t* placement, int32_t explosion_id);
    static void spawn_electricity(stage_t* stage, const placement_t* placement);
    static void spawn_shutter001(stage_t* stage, const placement_t* placement);
    static void spawn_shutter002(stage_t* stage, const placement_t* placement, float speed);
    static void spawn_shutter003(stage_t* stage, const placement_t* placement);
    static void spawn_worm001(stage_t* stage, const placement_t* placement);
    static void spawn_worm002(stage_t* stage, const placement_t* placement);
    static void spawn_worm003(stage_t* stage, const placement_t* placement);
    static void spawn_worm004(stage_t* stage, const placement_t* placement);
    static void spawn_worm005(stage_t* stage, const placement_t* placement);
    static void spawn_worm006(stage_t* stage, const placement_t* placement);
    static void spawn_worm007(stage_t* stage, const placement_t* placement);
    static void spawn_worm008(stage_t* stage, const placement_t* placement);
    static void spawn_phoenix001(stage_t* stage, const placement_t* placement);
    static void spawn_phoenix002(stage_t* stage, const placement_t* placement);
    static void spawn_sam(stage_t* stage, const placement_t* placement);
    static void spawn_bee001(stage_t* stage, const placement_t* placement);
    static void spawn_bee003(stage_t* stage, const placement_t* placement);
    static void spawn_cell001(stage_t* stage, const placement_t* placement);
    static void spawn_cell002(stage_t* stage, const placement_t* placement);
    static enemy_t* spawn_lightning(stage_t* stage, const placement_t* placement, int32_t explosion_id);
    static void spawn_hatch(stage_t* stage, const placement_t* placement, enemy_t* leader);
    // A whole walker on the ceiling (flag not 0) or the floor; null, with nothing made, when a record is
    // missing.
    static spider001::body_t* spawn_spider001(stage_t* stage, const placement_t* placement, int32_t flag);
    static void spawn_tentacle001(stage_t* stage, const placement_t* placement);
    static void spawn_tarantula(stage_t* stage, const placement_t* placement);
    static void spawn_midboss001(stage_t* stage, const placement_t* placement);
    static void spawn_midboss002(stage_t* stage, const placement_t* placement);
    static void spawn_midboss003(stage_t* stage, const placement_t* placement);
    static enemy_t* spawn_oneup(stage_t* stage, const placement_t* placement, int32_t explosion_id);
    static void spawn_pole(stage_t* stage, const placement_t* placement);
    static void spawn_tripus(stage_t* stage, const placement_t* placement);
    static void spawn_crab001(stage_t* stage, const placement_t* placement);
    static void spawn_wall(stage_t* stage, const placement_t* placement);
    static void spawn_scorpion001(stage_t* stage, const placement_t* placement);
    static void spawn_boss004(stage_t* stage, const placement_t* placement);
    static void spawn_boss005(stage_t* stage, const placement_t* placement);
    static void spawn_boss006(stage_t* stage, const placement_t* placement);
    static void spawn_melvorin(stage_t* stage, const placement_t* placement);
    static void spawn_mothership(stage_t* stage, const placement_t* placement);
    static void spawn_ending_object001(stage_t* stage, const placement_t* placement);
    static void spawn_ending_object002(stage_t* stage, const placement_t* placement);
    static void spawn_ending_object_shipeject(stage_t* stage, const placement_t* placement);

    int32_t item_mode = 0; // 0 items, 1 capsules
    std::vector<item_t*> items;
    array_t<enemy_t*> enemies[4]; // list 3 is never filled, updated, drawn or cleared
    event_array_t events;
    array_t<missile_t*> enemy_shots;
    array_t<missile_t*> shot_pool; // used whole
    array_t<explosion_t*> explosions;
    array_t<explosion_t*> spark_pool; // used whole
    std::vector<star_t*> stars;
    array_t<enemy_t*> unlisted; // enemies whose record names no enemy list
    // Shots and explosions that the script took out of their windows: others may still point to them.
    std::vector<object_t*> unlisted_objects;
};
