#include "objects/hitmark.h"
#include "objects/score.h"
#include "screen/soundctr.h"
#include "tests/render/scenery_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

using blend_test::get_pixel;

namespace {

constexpr int picture = 10; // a free sprite slot for the map's picture

// Layer 0 with a full-quadrant map of the pattern picture in quadrant 0, craters on.
class hitmarks : public scenery_fixture_t {
  protected:
    bg_t& ready() {
        if (!start(32)) {
            throw std::runtime_error("no screen manager");
        }
        plant_image(picture, 256, 256, pattern);
        hitmark_sprite = g_screenctr.find_sprite("image\\hitmark.bmp");
        hitmark_reset();
        bg_t& l = layer(0);
        l.draw_map(0, &map);
        return l;
    }
    void TearDown() override {
        g_hitmarks.clear();
        scenery_fixture_t::TearDown();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            hitmark_update_all();
        }
    }
    // Whether the quadrant-0 area r shows the map's picture again.
    static bool healed(bg_t& l, const plat::rect_t& r) {
        for (int32_t y = r.top; y < r.bottom; ++y) {
            for (int32_t x = r.left; x < r.right; ++x) {
                if (get_pixel(*l.surface, x, y) != pattern(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }

    const map_record_t map = map_of(picture, {{0, 0, 32, 32}});
};

} // namespace

TEST_F(hitmarks, a_crater_scores_sounds_draws_at_once_and_heals_after_168_frames) {
    bg_t& l = ready();
    g_score = 0;
    g_soundctr.se_states[47] = 0;
    l.dirty = 0;
    hitmark_add(&l, 100, 100);
    EXPECT_EQ(g_score, 2);
    EXPECT_EQ(g_soundctr.se_states[47], 2);
    ASSERT_EQ(g_hitmarks.size(), 1u);
    EXPECT_EQ(g_hitmarks[0].age, 0);
    EXPECT_EQ(get_pixel(*l.surface, 100, 100), 0u); // the hole punches through
    EXPECT_TRUE(l.dirty);
    EXPECT_FALSE(healed(l, {92, 92, 108, 108}));

    frames(1);
    EXPECT_EQ(g_hitmarks[0].age, 1);
    frames(150);
    EXPECT_FALSE(healed(l, {84, 84, 116, 116})); // healing from the centre
    // Healing grows from the centre, re-adding the picture over what it painted the frame before.
    EXPECT_NE(get_pixel(*l.surface, 100, 100), 0u);
    EXPECT_EQ(get_pixel(*l.surface, 105, 100), 0u);
    frames(168 - 151);
    ASSERT_EQ(g_hitmarks.size(), 1u);
    EXPECT_EQ(g_hitmarks[0].age, 168);
    frames(1);
    EXPECT_TRUE(g_hitmarks.empty());
    EXPECT_TRUE(healed(l, {84, 84, 116, 116}));
}

TEST_F(hitmarks, a_crater_at_the_right_edge_wraps_to_the_left_edge) {
    bg_t& l = ready();
    hitmark_add(&l, 510, 20);
    frames(8); // pattern 3: the hole reaches past the edge
    EXPECT_EQ(get_pixel(*l.surface, 510, 20), 0u);
    EXPECT_EQ(get_pixel(*l.surface, 0, 20), 0u);
    EXPECT_EQ(get_pixel(*l.surface, 1, 12), pattern(1, 12)); // above the crater's cell
}

TEST_F(hitmarks, nothing_is_made_or_aged_while_craters_are_off) {
    bg_t& l = ready();
    craters_enabled = false;
    hitmark_add(&l, 100, 100);
    EXPECT_TRUE(g_hitmarks.empty());
    hitmark_fill(&l, 0);
    frames(3);
    EXPECT_EQ(g_hitmarks[0].age, 128);
}

TEST_F(hitmarks, a_filled_quadrant_wipes_its_new_map_in_from_the_left) {
    bg_t& l = ready();
    l.clear_quadrant(1);
    l.set_quadrant_map(1, &map);
    hitmark_fill(&l, 1);
    ASSERT_EQ(g_hitmarks.size(), 1024u);
    EXPECT_EQ(g_hitmarks[0].x, 0);
    EXPECT_EQ(g_hitmarks[0].y, 256);
    EXPECT_EQ(g_hitmarks[0].age, 128);
    EXPECT_EQ(g_hitmarks[1023].x, 248);
    EXPECT_EQ(g_hitmarks[1023].y, 504);
    EXPECT_EQ(g_hitmarks[1023].age, 4);
    const auto shown = [&](int32_t x, int32_t y) {
        return get_pixel(*l.surface, x, y) == pattern(x, y - 256);
    };

    frames(16); // the first column reaches 144 in the next frame
    EXPECT_FALSE(shown(0, 296));
    frames(1);
    EXPECT_TRUE(shown(0, 296));
    EXPECT_FALSE(shown(128, 296));
    frames(140 + 24 - 17 + 1); // the last column starts healing at 140 and is done 24 frames later
    EXPECT_TRUE(g_hitmarks.empty());
    for (int32_t y = 256; y < 512; y += 5) {
        for (int32_t x = 0; x < 256; x += 5) {
            ASSERT_TRUE(shown(x, y)) << x << "," << y;
        }
    }
}
