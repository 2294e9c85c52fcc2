// A composed frame compared byte for byte with the stored picture golden_frame.ppm (the visible 256 x 240
// rows as 8-bit RGB). When a change to the drawing, the sample art or the fonts is meant to change the
// picture, regenerate it on purpose and look at it before committing:
//     MELVORIN_WRITE_GOLDEN=1 build/melvorin_tests --gtest_filter='golden_frame.*'
#include "platform/file.h"
#include "screen/vscreen.h"
#include "tests/screen/screen_fixture.h"
#include "tests/support/golden.h"
#include "umlib/surface.h"

#include <string>

namespace {

using golden_frame = screen_fixture_t;

const std::string stored_picture = golden_path(__FILE__, "golden_frame.ppm");

} // namespace

TEST_F(golden_frame, text_over_the_menu_background_then_a_fade) {
    ASSERT_TRUE(start(32));
    screenctr_t& s = g_screenctr;
    mg_t& mg = *s.mg;
    const int background = s.find_sprite("image\\title2.bmp");
    ASSERT_GE(background, 0);
    plat::rect_t whole = s.sprites[background].surface->rect;
    mg.surface->surface->blt_fast(0, 8, s.sprites[background].surface->surface, &whole,
                                  plat::ddbltfast_srccolorkey | plat::ddbltfast_wait);
    mg.draw_string(2, 2, "MELVORIN ver1.85\nScore and lives:", 0);
    mg.draw_number(18, 3, -12345, 8, 0, '0');
    mg.draw_text(2, 6, "Half seen through.", 1, 128);
    mg.draw_text_ex(20, 6, 99, 4, 1, 64, '.');
    mg.draw_string(3, 12, "RANK      SCORE   NAME       PLACE\n  1     738950   ---        1-3-14", 2);
    mg.draw_string(3, 15, "{[(<the quick brown fox>)]} 0123456789 !?#$%&*+-=/\\|~^_`'\":;,.@", 2);
    s.fade(0, 96);

    const std::vector<uint8_t> picture = visible_rows_as_ppm(*mg.surface);
    expect_golden_picture(stored_picture, picture);
}
