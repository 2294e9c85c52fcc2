// Which blitter each blend value of the front-end drawing picks, and where the picture lands.
#include "render/blend.h"
#include "scenes/draw_sprite.h"
#include "screen/vscreen.h"
#include "tests/scenes/frontend_fixture.h"

#include <functional>

namespace {

class sprite_draw : public frontend_fixture_t {
  protected:
    void SetUp() override {
        frontend_fixture_t::SetUp();
        ASSERT_TRUE(start(32));
    }
};

using blit_t = std::function<void(umlib::surface_t*, const plat::rect_t*, int32_t, int32_t, umlib::surface_t*,
                                  const plat::rect_t*)>;

} // namespace

TEST_F(sprite_draw, a_blend_value_picks_additive_half_quarter_or_the_destination_weight) {
    const int sprite = g_screenctr.find_sprite("image\\typesel_frame.bmp");
    ASSERT_GE(sprite, 0);
    const plat::rect_t cell = sprite_cell(sprite, 0);
    struct case_t {
        int32_t value;
        blit_t blit;
    };
    const case_t cases[] = {
        {blend_additive, blend_blit_add},
        {blend_half, blend_blit_half},
        {blend_quarter, blend_blit_quarter},
        {192, [](auto... a) { blend_blit_alpha(a..., 192); }},
    };
    mg_t& screen = *g_screenctr.mg;
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.value);
        fill(*screen.surface, 0x404040);
        const std::vector<uint32_t> background = picture();
        c.blit(screen.surface, &screen.clip, 128 - cell.right / 2, 100 - cell.bottom / 2,
               g_screenctr.sprites[sprite].surface, &cell);
        const std::vector<uint32_t> expected = picture();
        fill(*screen.surface, 0x404040);
        draw_sprite_blend(sprite, cell, 128, 100, c.value);
        EXPECT_EQ(picture(), expected);
        EXPECT_NE(picture(), background);
    }
}
