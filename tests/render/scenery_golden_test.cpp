// Two background layers of the sample maps composed onto a 128 x 96 screen with offsets that wrap both
// layers in both directions, compared byte for byte with the stored picture scenery_golden.ppm (8-bit RGB
// from 5-6-5). When a change to the renderers or the sample map pictures is meant to change it, regenerate
// it on purpose and look at it before committing:
//     MELVORIN_WRITE_GOLDEN=1 build/melvorin_tests --gtest_filter='scenery_golden.*'
#include "screen/map_layer.h"
#include "tests/render/scenery_fixture.h"
#include "tests/support/golden.h"
#include "tools/sample/sample_maps.h"
#include "umlib/draw.h"

#include <memory>
#include <string>

namespace {

using scenery_golden = scenery_fixture_t;

constexpr int32_t screen_width = 128, screen_height = 96;

const std::string stored_picture = golden_path(__FILE__, "scenery_golden.ppm");

std::vector<uint8_t> as_ppm(umlib::surface_t& screen) {
    const std::string header =
        "P6\n" + std::to_string(screen_width) + " " + std::to_string(screen_height) + "\n255\n";
    std::vector<uint8_t> ppm(header.begin(), header.end());
    const auto widen = [](uint32_t value, int bits) {
        return uint8_t(value << (8 - bits) | value >> (2 * bits - 8));
    };
    for (int32_t y = 0; y < screen_height; ++y) {
        for (int32_t x = 0; x < screen_width; ++x) {
            const uint32_t p = blend_test::get_pixel(screen, x, y);
            ppm.insert(ppm.end(), {widen(p >> 11, 5), widen(p >> 5 & 0x3F, 6), widen(p & 0x1F, 5)});
        }
    }
    return ppm;
}

} // namespace

TEST_F(scenery_golden, backdrop_seen_through_and_banded_terrain_wrapped_at_both_seams) {
    ASSERT_TRUE(start(16));
    umlib::surface_t* surface = g_screenctr.presenter->create_offscreen(screen_width, screen_height);
    ASSERT_NE(surface, nullptr);
    mg_t screen(surface);
    screen.scroll_x = 3;
    screen.scroll_y = -2;

    const map_record_t backdrop = sample_backdrop_map();
    const map_record_t band = sample_band_map();
    bg_t& far = layer(3); // 256 x 256: its seam at screen x 40 and y 30
    far.draw_map(0, &backdrop);
    far.offset_x = 37;
    far.offset_y = 32;
    far.transparency = 96;
    bg_t& near = layer(2); // 512 x 256: its seam at screen x 60 and y 40, between floor and ceiling
    near.draw_map(0, &band);
    near.draw_map(2, &band);
    near.offset_x = 57;
    near.offset_y = 42;

    draw_layer(&screen, &far);
    draw_layer(&screen, &near);
    const std::vector<uint8_t> picture = as_ppm(*surface);
    g_screenctr.presenter->destroy_object(surface);

    expect_golden_picture(stored_picture, picture);
}
