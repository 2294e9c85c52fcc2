// The mothership's construction: its flash, body, death pattern, six beams and 32 timed explosions.
#include "enemies/scenery/mothership.h"

#include "objects/explosion.h"
#include "objects/longflash.h"
#include "play/spawn_helpers.h"

#include <algorithm>

namespace {

constexpr int32_t body_record = 347;
constexpr int32_t beam_record = 348;
constexpr int32_t flash_record = 349;
constexpr int32_t small_blast_record = 60;
constexpr int32_t large_blast_record = 69;
constexpr int32_t control_record = 0;

constexpr int32_t beam_count = 6;
constexpr int32_t beam_flashes = 64;
constexpr int32_t beam_angle_step = 60; // degrees
constexpr int32_t slowest_turn = 8;     // frames per degree of the first beam
constexpr float beam_origin = 128;
constexpr float beam_length = 160;

constexpr int32_t blast_count = 32;
// Numbers 0, 13 and 26 burst large.
constexpr int32_t large_blast_every = 13;
constexpr int32_t blast_dx[16] = {-4, 6, 4, 8, -8, -4, 6, -8, 2, 3, -6, 2, 6, -2, 10, -6};
constexpr int32_t blast_dy[16] = {0, -4, 2, -1, 3, -2, -2, 0, 0, 2, -2, 4, -3, 0, -2, 3};

} // namespace

mothership_t* stage_t::make_mothership(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info) {
    return make_placed_enemy<mothership_t>(stage, placement, info);
}

horzflash_t* stage_t::make_horzflash(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    horzflash_t* flash = make_placed_enemy<horzflash_t>(stage, placement, info);
    flash->kill();
    return flash;
}

longflash_control_t* stage_t::make_longflash_control(stage_t* stage, const placement_t* placement,
                                                     const objectinfo_t* info) {
    return append_dormant<longflash_control_t>(stage->explosions, placement, info);
}

longflash_t* stage_t::make_longflash(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return append_dormant<longflash_t>(stage->explosions, placement, info);
}

mothership_explosion_t* stage_t::make_mothership_explosion(stage_t* stage, const placement_t* placement,
                                                           const objectinfo_t* info) {
    return append_dormant<mothership_explosion_t>(stage->explosions, placement, info);
}

longflash_control_t* stage_t::spawn_longflash_control(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({beam_record, control_record});
    if (!r) {
        return nullptr;
    }
    longflash_control_t* control = make_longflash_control(stage, placement, (*r)[1]);
    for (int32_t j = 0; j < beam_flashes; ++j) {
        longflash_t* flash = make_longflash(stage, placement, (*r)[0]);
        flash->base_pattern = 8 * std::min(j / 16, 3);
        control->flashes[j] = flash;
    }
    return control;
}

void stage_t::spawn_mothership(stage_t* stage, const placement_t* placement) {
    // The beams' records too: a mothership is never left with half its beams.
    const auto r = find_records(
        {body_record, small_blast_record, large_blast_record, flash_record, beam_record, control_record});
    if (!r) {
        return;
    }
    const auto& records = *r;
    horzflash_t* flash = make_horzflash(stage, placement, records[3]);
    mothership_t* body = make_mothership(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_mothership(stage, placement));
    body->flash = flash;
    for (int32_t i = 0; i < beam_count; ++i) {
        longflash_control_t* control = spawn_longflash_control(stage, placement);
        control->angle = beam_angle_step * i;
        control->interval = slowest_turn - i;
        control->origin_x = beam_origin;
        control->origin_y = beam_origin;
        control->length = beam_length;
        body->flash_controls.push_back(control);
    }
    for (int32_t i = 0; i < blast_count; ++i) {
        explosion_t* blast =
            make_mothership_explosion(stage, placement, i % large_blast_every == 0 ? records[2] : records[1]);
        blast->period = uint32_t(i / 3 + 4);
        body->blasts.add(blast, blast_dx[i % 16], blast_dy[i % 16]);
    }
}
