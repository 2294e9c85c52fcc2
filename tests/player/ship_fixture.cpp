#include "tests/player/ship_fixture.h"

#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/play_state.h"
#include "player/double_shot.h"

void ship_fixture_t::SetUp() {
    ASSERT_TRUE(load_table_without({}));
    reset_play_state();
}

void ship_fixture_t::TearDown() {
    reset_play_state();
}

bool ship_fixture_t::start(const play_settings_t& settings) {
    if (!play.startup(settings)) {
        return false;
    }
    play.start_stage();
    return play.until_in_play();
}
