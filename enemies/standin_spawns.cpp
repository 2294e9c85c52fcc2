// Stand-ins for the spawn functions of the enemy and boss families until each family is built: every
// one makes a plain enemy of the record whose id is the placement's type, with its death explosion and
// its item, as the single-object spawn functions do. A family's own file replaces its rows here.
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t standin_explosion = 50;

enemy_t* standin(stage_t* stage, const placement_t* placement) {
    return spawn_single<enemy_t>(stage, placement, standin_explosion);
}

} // namespace

void stage_t::spawn_tracer001(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_tracer002(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_fencer(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_fish(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_gather(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_meteo_shower(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_smeteo_rush(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_worm006(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_worm007(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_worm008(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_phoenix001(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_phoenix002(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_sam(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_bee001(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_bee003(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_tripus(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_crab001(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_boss005(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_boss006(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_mothership(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}

void stage_t::spawn_smeteo(stage_t* stage, const placement_t* placement, bool) {
    standin(stage, placement);
}

void stage_t::spawn_mmeteo(stage_t* stage, const placement_t* placement, bool) {
    standin(stage, placement);
}

void stage_t::spawn_lmeteo(stage_t* stage, const placement_t* placement, bool) {
    standin(stage, placement);
}
