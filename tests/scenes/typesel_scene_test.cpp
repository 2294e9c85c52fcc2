// The ship-type select: the confirmation countdown, the choice written when the scene goes, and
// pictures missing from the sprite table.
#include "platform/keyboard.h"
#include "scenes/typesel_scene.h"
#include "screen/soundctr.h"
#include "tests/scenes/frontend_fixture.h"

namespace {

class typesel_test : public frontend_fixture_t {
  protected:
    void SetUp() override {
        frontend_fixture_t::SetUp();
        ASSERT_TRUE(start_unscaled());
    }
    int32_t ship_type = -1;
    int32_t option_type = 1;
};

} // namespace

TEST_F(typesel_test, enter_goes_on_with_the_queued_game_80_frames_later_and_keys_wait_meanwhile) {
    controller->push_scene(scene_play); // as the controller leaves it on its way to the game
    {
        typesel_scene_t typesel(&ship_type, &option_type);
        ASSERT_TRUE(typesel.startup());
        EXPECT_TRUE(g_soundctr.playing);
        typesel.on_key(plat::vk_down);
        typesel.on_key(plat::vk_right);
        EXPECT_EQ(g_soundctr.se_states[5], 2);
        typesel.on_key(plat::vk_return);
        EXPECT_EQ(g_soundctr.se_states[13], 2);
        uint32_t framed = 0; // the chosen panel's frame edge, once the panels rest
        for (int f = 1; f <= 80; ++f) {
            for (const int32_t key : {plat::vk_up, plat::vk_left, plat::vk_escape, plat::vk_return}) {
                typesel.on_key(key);
            }
            EXPECT_EQ(controller->state, scenectr_t::state_running) << "frame " << f;
            typesel.frame();
            framed = f == 33 ? pixel(40, 110) : framed;
            // The frame blinks: shown while the countdown it was drawn with, modulo 8, is below 6.
            EXPECT_TRUE(f < 33 || (pixel(40, 110) == framed) == ((81 - f) % 8 < 6)) << "frame " << f;
        }
        EXPECT_EQ(controller->state, scenectr_t::state_change);
        EXPECT_EQ(queue(), std::vector<int32_t>{scene_play});
        EXPECT_EQ(ship_type, -1); // written only when the scene goes
    }
    EXPECT_EQ(ship_type, 1);
    EXPECT_EQ(option_type, 2);
    EXPECT_EQ(g_soundctr.bgm_slots[0].segment, nullptr);
}

TEST_F(typesel_test, escape_returns_to_the_title_and_still_writes_the_choice) {
    struct case_t {
        std::vector<int32_t> keys;
        int32_t ship_type;
        int32_t option_type;
    };
    const case_t cases[] = {
        {{}, 0, 1},
        {{plat::vk_up}, 3, 1},
        {{plat::vk_up, plat::vk_down, plat::vk_down, plat::vk_down}, 2, 1},
        {{plat::vk_left}, 0, 2},
        {{plat::vk_right, plat::vk_right, 'Z'}, 0, 1},
    };
    for (const case_t& c : cases) {
        reset_controller();
        controller->push_scene(scene_play);
        {
            typesel_scene_t typesel(&ship_type, &option_type);
            ASSERT_TRUE(typesel.startup());
            for (const int32_t key : c.keys) {
                typesel.on_key(key);
            }
            typesel.on_key(plat::vk_escape);
            EXPECT_EQ(queue(), std::vector<int32_t>{scene_title});
        }
        EXPECT_EQ(ship_type, c.ship_type);
        EXPECT_EQ(option_type, c.option_type);
    }
}

TEST_F(typesel_test, the_panels_settle_in_place_and_missing_pictures_stay_undrawn) {
    {
        typesel_scene_t typesel(&ship_type, &option_type);
        ASSERT_TRUE(typesel.startup());
        for (int f = 0; f < 32; ++f) {
            typesel.frame();
        }
        // The first panel's frame, 176 wide and centred on x 128, lies on columns 40 to 215.
        EXPECT_NE(pixel(40, 72), 0u);
        EXPECT_EQ(pixel(39, 72), 0u);
    }
    for (const char* path :
         {"image\\typesel_logo.bmp", "image\\typesel_a.bmp", "image\\typesel_b.bmp", "image\\typesel_c.bmp",
          "image\\typesel_d.bmp", "image\\typesel_frame.bmp", "image\\muloprsel.bmp"}) {
        g_screenctr.sprites[g_screenctr.find_sprite(path)].path.clear();
    }
    typesel_scene_t typesel(&ship_type, &option_type);
    ASSERT_TRUE(typesel.startup());
    EXPECT_EQ(typesel.panel_sprites[2], -1);
    typesel.frame();
    EXPECT_EQ(picture(), std::vector<uint32_t>(256 * 256, 0));
}
