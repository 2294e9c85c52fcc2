#include "tests/player/ship_fixture.h"

#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/double_shot.h"

void ship_fixture_t::SetUp() {
    ASSERT_TRUE(load_table_without({}));
    kept_aim = dbl_aim;
    g_level = 1;
}

void ship_fixture_t::TearDown() {
    dbl_aim = kept_aim;
    g_lives = 0;
    g_score = 0;
}

bool ship_fixture_t::start(const play_settings_t& settings) {
    if (!play.startup(settings)) {
        return false;
    }
    play.start_stage();
    return play.until_in_play();
}
