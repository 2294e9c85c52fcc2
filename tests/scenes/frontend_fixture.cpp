#include "tests/scenes/frontend_fixture.h"

#include "platform/audio_device.h"
#include "screen/soundctr.h"
#include "tools/sample/sound_files.h"

void frontend_fixture_t::SetUp() {
    screen_fixture_t::SetUp();
    plat::audio_set_manual(true);
    std::string error;
    ASSERT_TRUE(write_sound_files(".", error)) << error;
    ASSERT_TRUE(g_soundctr.create(nullptr, false));
    config_default(&config);
    controller = std::make_unique<scenectr_t>(&config);
    controller->state = scenectr_t::state_running;
}

void frontend_fixture_t::TearDown() {
    controller.reset();
    g_soundctr.destroy();
    plat::audio_set_manual(false);
    screen_fixture_t::TearDown();
}

bool frontend_fixture_t::changing_to(int32_t id) const {
    return controller->state == scenectr_t::state_change && controller->queue_count == 1 &&
           controller->queue[0] == id;
}
