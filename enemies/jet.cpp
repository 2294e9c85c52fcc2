#include "enemies/jet.h"

#include "objects/play_globals.h"
#include "play/spawn_helpers.h"

void jet_t::update() {
    // A record of no patterns or a period of 0 is bad data: the flame then stays on its pattern.
    if (period > 0 && max_hp() > 0 && g_frame_counter % uint32_t(period) == 0) {
        pattern = (pattern + 1) % max_hp();
    }
}

jet_t* stage_t::make_jet(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<jet_t>(stage, placement, info);
}
