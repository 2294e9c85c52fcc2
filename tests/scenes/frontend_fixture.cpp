#include "tests/scenes/frontend_fixture.h"

#include "platform/audio_device.h"
#include "platform/ddraw.h"
#include "scenes/config_scene.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"
#include "tools/sample/sample.h"
#include "tools/sample/sound_files.h"

namespace {

uint32_t clock_ms = 0;
uint32_t waits = 0;

uint32_t fake_now() {
    return clock_ms;
}

// A wait from the start of a refresh sleeps once, to the next one.
void fake_sleep(uint32_t ms) {
    clock_ms += ms;
    ++waits;
}

} // namespace

void frontend_fixture_t::SetUp() {
    screen_fixture_t::SetUp();
    plat::audio_set_manual(true);
    std::string error;
    ASSERT_TRUE(write_sound_files(".", error)) << error;
    ASSERT_TRUE(g_soundctr.create(nullptr, false));
    config_default(&config);
    g_settings_in_effect = {}; // each test a fresh run, so that its first settings scene records them
    controller = std::make_unique<scenectr_t>(&config);
    controller->state = scenectr_t::state_running;
    clock_ms = 0;
    waits = 0;
    plat::set_vertical_blank_clock_for_test(fake_now, fake_sleep);
}

void frontend_fixture_t::TearDown() {
    controller.reset();
    plat::set_vertical_blank_clock_for_test(nullptr, nullptr);
    g_soundctr.destroy();
    plat::audio_set_manual(false);
    screen_fixture_t::TearDown();
}

void frontend_fixture_t::start_on_sample_data() {
    std::string error;
    ASSERT_TRUE(make_sample(".", error)) << error;
    ASSERT_TRUE(start_unscaled());
}

bool frontend_fixture_t::changing_to(int32_t id) const {
    return controller->state == scenectr_t::state_change && controller->queue_count == 1 &&
           controller->queue[0] == id;
}

void frontend_fixture_t::reset_controller() {
    controller->state = scenectr_t::state_running;
    controller->queue_locked = false;
    controller->queue_count = 0;
}

std::vector<int32_t> frontend_fixture_t::queue() const {
    return {controller->queue, controller->queue + controller->queue_count};
}

uint32_t frontend_fixture_t::pixel(int32_t x, int32_t y) const {
    return blend_test::get_pixel(*g_screenctr.mg->surface, x, y) & 0xFFFFFF;
}

std::vector<uint32_t> frontend_fixture_t::picture() const {
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < 256; ++y) {
        for (int32_t x = 0; x < 256; ++x) {
            pixels.push_back(pixel(x, y));
        }
    }
    return pixels;
}

uint32_t frontend_fixture_t::vblank_waits() {
    return waits;
}
