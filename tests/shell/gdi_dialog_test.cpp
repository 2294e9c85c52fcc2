#include "screen/vscreen.h"
#include "shell/gdi_dialog.h"
#include "tests/render/blend_surfaces.h"
#include "tests/screen/screen_fixture.h"
#include "umlib/draw.h"

namespace {

using gdi_dialog = screen_fixture_t;

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

TEST_F(gdi_dialog, a_dialog_gets_a_cleared_picture) {
    ASSERT_TRUE(start(32));
    g_screenctr.mg->clear(0xFFFFFF);
    g_screenctr.present();
    prepare_gdi_dialog();
    umlib::surface_t& primary = *g_screenctr.presenter->primary;
    EXPECT_EQ(lit_pixels(*g_screenctr.mg->surface, 8, 248), 0);
    EXPECT_EQ(lit_pixels(primary, 0, primary.rect.bottom), 0);
}
