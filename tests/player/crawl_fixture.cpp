#include "tests/player/crawl_fixture.h"

#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/play_state.h"
#include "screen/soundctr.h"

void crawl_fixture_t::SetUp() {
    reset_play_state();
    terrain_fixture_t::SetUp();
    g_soundctr.se_states.fill(0);
}

void crawl_fixture_t::block(vscreen_t& layer, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    for (int32_t y = top; y < bottom; ++y) {
        for (int32_t x = left; x < right; ++x) {
            solid(layer, x, y);
        }
    }
}
