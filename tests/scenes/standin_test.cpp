#include "platform/keyboard.h"
#include "play/scenectr.h"
#include "play/standin_scene.h"
#include "scenes/config.h"
#include "screen/vscreen.h"
#include "shell/gdi_dialog.h"
#include "tests/render/blend_surfaces.h"
#include "tests/screen/screen_fixture.h"
#include "umlib/draw.h"

#include <algorithm>

namespace {

using standin = screen_fixture_t;

// How many pixels of the rows [top, bottom) of a surface are not black.
int lit_pixels(umlib::surface_t& surface, int32_t top, int32_t bottom) {
    int lit = 0;
    for (int32_t y = top; y < bottom; ++y) {
        for (int32_t x = 0; x < surface.rect.right; ++x) {
            lit += (blend_test::get_pixel(surface, x, y) & 0xFFFFFF) != 0 ? 1 : 0;
        }
    }
    return lit;
}

} // namespace

TEST_F(standin, a_stand_in_shows_its_name_in_the_middle_of_the_picture_and_presents_it) {
    ASSERT_TRUE(start(32));
    umlib::surface_t& back = *g_screenctr.mg->surface;
    standin_scene_t title("TITLE");
    title.frame();
    // Font cells of 8 x 8 on rows 9 pixels apart: the name stands in text row 14.
    EXPECT_GT(lit_pixels(back, 14 * 9, 14 * 9 + 8), 0);
    EXPECT_EQ(lit_pixels(back, 8, 14 * 9), 0);
    EXPECT_GT(lit_pixels(*g_screenctr.presenter->primary, 0, g_screenctr.presenter->primary->rect.bottom), 0);
}

TEST_F(standin, enter_or_escape_go_back_to_the_title_and_other_keys_do_nothing) {
    config_t config;
    config_default(&config);
    scenectr_t controller(&config);
    standin_scene_t title("TITLE");
    title.on_key('Z');
    EXPECT_EQ(controller.state, scenectr_t::state_new);
    for (const int32_t key : {plat::vk_return, plat::vk_escape}) {
        controller.state = scenectr_t::state_running;
        controller.queue_locked = false;
        controller.push_scene(scene_ranking);
        title.on_key(key);
        EXPECT_EQ(controller.state, scenectr_t::state_change);
        ASSERT_EQ(controller.queue_count, 1);
        EXPECT_EQ(controller.queue[0], scene_title);
    }
}

TEST_F(standin, a_dialog_gets_a_cleared_picture) {
    ASSERT_TRUE(start(32));
    g_screenctr.mg->clear(0xFFFFFF);
    g_screenctr.present();
    prepare_gdi_dialog();
    umlib::surface_t& primary = *g_screenctr.presenter->primary;
    EXPECT_EQ(lit_pixels(*g_screenctr.mg->surface, 8, 248), 0);
    EXPECT_EQ(lit_pixels(primary, 0, primary.rect.bottom), 0);
}
