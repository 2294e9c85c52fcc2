// The blend blitters' shared frame: clipping, locking and its failures, the key test and refused input.
#include "render/blend.h"
#include "render/blend_frame.h"
#include "tests/render/blend_surfaces.h"

#include <gtest/gtest.h>

#include <climits>

using namespace blend_test;

namespace {

const format_t& f565 = formats[1];
const format_t& fa555 = formats[2];
const format_t& fa888 = formats[6];

struct scene_t {
    scene_t(const format_t& format, int32_t width, int32_t height)
        : source(surfaces.make(format, width, height)), destination(surfaces.make(format, width, height)) {
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                put_pixel(*source, x, y, 0x1000 + uint32_t(y * width + x));
                put_pixel(*destination, x, y, 0x2000 + uint32_t(y * width + x));
            }
        }
        set_key(*source, 0);
    }

    plat::hresult_t half(const plat::rect_t& clip, int32_t x, int32_t y, const plat::rect_t& source_rect) {
        return blend::blit<blend::format_565>(blend::half_rule{}, destination.get(), &clip, x, y,
                                              source.get(), &source_rect);
    }

    surfaces_t surfaces;
    std::unique_ptr<umlib::surface_t> source;
    std::unique_ptr<umlib::surface_t> destination;
};

} // namespace

TEST(blend_frame, rectangles_that_do_not_overlap_lock_nothing) {
    scene_t scene(f565, 8, 8);
    scene.source->surface->set_lost(true);
    scene.destination->surface->set_lost(true);
    const plat::rect_t clip{2, 2, 6, 6};
    const plat::rect_t four{0, 0, 4, 4};
    EXPECT_EQ(scene.half(clip, -2, 2, four), plat::dd_ok); // right edge touches clip.left
    EXPECT_EQ(scene.half(clip, 2, -2, four), plat::dd_ok); // bottom edge touches clip.top
    EXPECT_EQ(scene.half(clip, 6, 2, four), plat::dd_ok);  // left edge at clip.right
    EXPECT_EQ(scene.half(clip, 2, 6, four), plat::dd_ok);  // top edge at clip.bottom
    // Positions near the ends of the integer range must not overflow the overlap test.
    EXPECT_EQ(scene.half(clip, INT32_MAX - 1, 2, four), plat::dd_ok);
    EXPECT_EQ(scene.half(clip, INT32_MIN, INT32_MIN, four), plat::dd_ok);
    const plat::rect_t wide{INT32_MIN, 0, INT32_MAX, 4};
    EXPECT_EQ(scene.half({INT32_MIN, 0, INT32_MIN + 1, 8}, INT32_MAX, 0, wide), plat::dd_ok);
}

TEST(blend_frame, empty_source_inside_the_clip_locks_both_surfaces) {
    scene_t scene(f565, 8, 8);
    const plat::rect_t clip{0, 0, 8, 8};
    const std::vector<uint32_t> before = pixels(*scene.destination);
    EXPECT_EQ(scene.half(clip, 3, 3, {2, 2, 2, 5}), plat::dd_ok);
    EXPECT_EQ(scene.half(clip, 3, 3, {2, 2, 5, 2}), plat::dd_ok);
    EXPECT_EQ(pixels(*scene.destination), before);
    EXPECT_FALSE(scene.source->surface->locked());
    EXPECT_FALSE(scene.destination->surface->locked());
    scene.destination->surface->set_lost(true);
    EXPECT_EQ(scene.half(clip, 3, 3, {2, 2, 2, 5}), plat::dderr_surfacelost);
}

TEST(blend_frame, failing_locks_return_their_code_and_leave_nothing_locked) {
    scene_t scene(f565, 8, 8);
    const plat::rect_t clip{0, 0, 8, 8};
    const plat::rect_t all{0, 0, 8, 8};
    const std::vector<uint32_t> before = pixels(*scene.destination);

    scene.source->surface->set_lost(true);
    EXPECT_EQ(scene.half(clip, 0, 0, all), plat::dderr_surfacelost);
    EXPECT_FALSE(scene.destination->surface->locked());
    scene.source->surface->set_lost(false);

    scene.destination->surface->set_lost(true);
    EXPECT_EQ(scene.half(clip, 0, 0, all), plat::dderr_surfacelost);
    EXPECT_FALSE(scene.source->surface->locked());
    scene.destination->surface->set_lost(false);
    EXPECT_EQ(pixels(*scene.destination), before);

    // The source is locked and checked before the destination is locked.
    scene.destination->surface->set_lost(true);
    EXPECT_EQ(scene.half(clip, 0, 0, {0, 0, 9, 8}), plat::dderr_invalidrect);
    scene.source->surface->set_lost(true);
    EXPECT_EQ(scene.half(clip, 0, 0, {0, 0, 9, 8}), plat::dderr_surfacelost);
}

TEST(blend_frame, source_rectangle_outside_the_source_draws_nothing) {
    scene_t scene(f565, 8, 8);
    const plat::rect_t clip{0, 0, 8, 8};
    const std::vector<uint32_t> before = pixels(*scene.destination);
    EXPECT_EQ(scene.half(clip, 0, 0, {0, 0, 9, 8}), plat::dderr_invalidrect);
    EXPECT_EQ(scene.half(clip, 0, 0, {0, 0, 8, 9}), plat::dderr_invalidrect);
    EXPECT_EQ(scene.half(clip, 2, 2, {-1, 0, 4, 4}), plat::dderr_invalidrect);
    EXPECT_EQ(scene.half(clip, 2, 2, {0, -1, 4, 4}), plat::dderr_invalidrect);
    EXPECT_EQ(scene.half(clip, 2, 2, {4, 0, 2, 4}), plat::dderr_invalidrect); // right < left
    EXPECT_EQ(pixels(*scene.destination), before);
    EXPECT_FALSE(scene.source->surface->locked());
}

TEST(blend_frame, surfaces_of_another_pixel_size_are_refused) {
    surfaces_t surfaces;
    auto small = surfaces.make(f565, 8, 8);
    auto wide = surfaces.make(fa888, 8, 8);
    const plat::rect_t all{0, 0, 8, 8};
    EXPECT_EQ(blend::blit<blend::format_a888>(blend::add_rule{}, wide.get(), &all, 0, 0, small.get(), &all),
              plat::dderr_invalidpixelformat);
    EXPECT_EQ(blend::blit<blend::format_a888>(blend::add_rule{}, small.get(), &all, 0, 0, wide.get(), &all),
              plat::dderr_invalidpixelformat);
    EXPECT_FALSE(small->surface->locked());
    EXPECT_FALSE(wide->surface->locked());
}

TEST(blend_frame, overhanging_rectangles_are_cut_and_keep_the_image_in_place) {
    scene_t scene(fa888, 6, 6);
    const uint32_t corner = get_pixel(*scene.source, 3, 2);
    const uint32_t under = get_pixel(*scene.destination, 0, 0);
    const plat::rect_t all{0, 0, 6, 6};
    ASSERT_EQ(blend::blit<blend::format_a888>(blend::tint_rule{corner}, scene.destination.get(), &all, -3, -2,
                                              scene.source.get(), &all),
              plat::dd_ok);
    EXPECT_EQ(get_pixel(*scene.destination, 0, 0), corner); // tint with c = s gives s
    EXPECT_NE(get_pixel(*scene.destination, 0, 0), under);
    EXPECT_EQ(get_pixel(*scene.destination, 3, 4), 0x2000u + 4 * 6 + 3); // below the drawn area
    EXPECT_EQ(get_pixel(*scene.destination, 3, 3), 0x2000u + 3 * 6 + 3); // right of it
}

TEST(blend_frame, clip_larger_than_the_destination_writes_only_inside_it) {
    scene_t scene(f565, 8, 8);
    const std::vector<uint32_t> before = pixels(*scene.destination);
    const plat::rect_t huge{-100, -100, 1000, 1000};
    const plat::rect_t all{0, 0, 8, 8};
    ASSERT_EQ(scene.half(huge, 5, 6, all), plat::dd_ok);
    ASSERT_EQ(scene.half(huge, -6, -7, all), plat::dd_ok);
    const std::vector<uint32_t> after = pixels(*scene.destination);
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            const bool drawn = (x >= 5 && y >= 6) || (x < 2 && y < 1);
            EXPECT_EQ(after[size_t(y * 8 + x)] != before[size_t(y * 8 + x)], drawn) << x << "," << y;
        }
    }
    // A clip outside the surface draws nothing.
    EXPECT_EQ(scene.half({8, 0, 20, 8}, 8, 0, all), plat::dd_ok);
    EXPECT_EQ(pixels(*scene.destination), after);
}

TEST(blend_frame, key_is_the_whole_pixel_spare_bits_included) {
    scene_t scene(fa555, 4, 1);
    for (int32_t x = 0; x < 4; ++x) {
        put_pixel(*scene.destination, x, 0, 0x7FFF);
    }
    set_key(*scene.source, 0x0000);
    put_pixel(*scene.source, 0, 0, 0x0000); // the key: not drawn
    put_pixel(*scene.source, 1, 0, 0x8000); // black with bit 15 set: drawn
    put_pixel(*scene.source, 2, 0, 0x0000);
    put_pixel(*scene.source, 3, 0, 0x8000);
    const plat::rect_t all{0, 0, 4, 1};
    ASSERT_EQ(blend::blit<blend::format_a555>(blend::add_rule{}, scene.destination.get(), &all, 0, 0,
                                              scene.source.get(), &all),
              plat::dd_ok);
    EXPECT_EQ(pixels(*scene.destination), (std::vector<uint32_t>{0x7FFF, 0xFFFF, 0x7FFF, 0xFFFF}));
    // Only the low value of the key counts, cut to the pixel size.
    const plat::color_key_t wide_key{0xABCD8000, 0};
    scene.source->surface->set_color_key(plat::ddckey_srcblt, &wide_key);
    put_pixel(*scene.destination, 1, 0, 0x1234);
    ASSERT_EQ(blend::blit<blend::format_a555>(blend::add_rule{}, scene.destination.get(), &all, 0, 0,
                                              scene.source.get(), &all),
              plat::dd_ok);
    EXPECT_EQ(get_pixel(*scene.destination, 1, 0), 0x1234u);
}

TEST(blend_frame, weights_outside_the_range_are_held_to_it) {
    const plat::rect_t all{0, 0, 8, 2};
    for (const auto& [outside, inside] : {std::pair{300, 256}, std::pair{-40, 0}, std::pair{INT32_MIN, 0}}) {
        scene_t a(f565, 8, 2);
        scene_t b(f565, 8, 2);
        ASSERT_EQ(blend::blit<blend::format_565>(blend::alpha_rule(outside), a.destination.get(), &all, 0, 0,
                                                 a.source.get(), &all),
                  plat::dd_ok);
        ASSERT_EQ(blend::blit<blend::format_565>(blend::alpha_rule(inside), b.destination.get(), &all, 0, 0,
                                                 b.source.get(), &all),
                  plat::dd_ok);
        EXPECT_EQ(pixels(*a.destination), pixels(*b.destination)) << outside;
    }
}

TEST(blend_frame, formats_without_routines_draw_nothing) {
    scene_t scene(f565, 8, 8);
    const std::vector<uint32_t> before = pixels(*scene.destination);
    const plat::rect_t all{0, 0, 8, 8};
    for (int32_t code : {0xA332, 0x332A, 16, 32, 24}) {
        pixel_format_code = code;
        EXPECT_EQ(blend_blit_quarter(scene.destination.get(), &all, 0, 0, scene.source.get(), &all),
                  plat::dd_ok);
        EXPECT_EQ(blend_blit_half(scene.destination.get(), &all, 0, 0, scene.source.get(), &all),
                  plat::dd_ok);
        EXPECT_EQ(blend_blit_alpha(scene.destination.get(), &all, 0, 0, scene.source.get(), &all, 9),
                  plat::dd_ok);
        EXPECT_EQ(blend_blit_tint(scene.destination.get(), &all, 0, 0, scene.source.get(), &all, 9),
                  plat::dd_ok);
        EXPECT_EQ(blend_blit_add(scene.destination.get(), &all, 0, 0, scene.source.get(), &all), plat::dd_ok);
    }
    EXPECT_EQ(pixels(*scene.destination), before);
    pixel_format_code = 0x565;
    EXPECT_EQ(blend_blit_add(scene.destination.get(), &all, 0, 0, scene.source.get(), &all), plat::dd_ok);
    EXPECT_NE(pixels(*scene.destination), before);
}
