#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

namespace {

struct surface_deleter {
    void operator()(plat::dd_surface_t* s) const {
        if (s != nullptr) {
            s->release();
        }
    }
};
using surface_ptr = std::unique_ptr<plat::dd_surface_t, surface_deleter>;

surface_ptr make_surface(plat::ddraw_t& device, uint32_t width, uint32_t height, uint32_t bits = 16) {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height | plat::ddsd_pixelformat;
    desc.width = width;
    desc.height = height;
    desc.pixel_format = bits == 16 ? plat::pixel_format_565() : plat::pixel_format_x888();
    plat::dd_surface_t* s = nullptr;
    device.create_surface(&desc, &s, nullptr);
    return surface_ptr(s);
}

// A 16-bit surface's pixels as rows of numbers, for comparing whole pictures.
std::vector<std::vector<uint16_t>> pixels_of(plat::dd_surface_t* s) {
    plat::surface_desc_t desc;
    EXPECT_EQ(s->lock(nullptr, &desc, plat::ddlock_wait, nullptr), plat::dd_ok);
    std::vector<std::vector<uint16_t>> rows(desc.height, std::vector<uint16_t>(desc.width));
    for (uint32_t y = 0; y < desc.height; ++y) {
        std::memcpy(rows[y].data(), static_cast<uint8_t*>(desc.surface) + y * uint32_t(desc.pitch),
                    desc.width * 2);
    }
    s->unlock(nullptr);
    return rows;
}

void fill_with(plat::dd_surface_t* s, const std::vector<std::vector<uint16_t>>& rows) {
    plat::surface_desc_t desc;
    ASSERT_EQ(s->lock(nullptr, &desc, plat::ddlock_wait, nullptr), plat::dd_ok);
    for (size_t y = 0; y < rows.size(); ++y) {
        std::memcpy(static_cast<uint8_t*>(desc.surface) + y * size_t(desc.pitch), rows[y].data(),
                    rows[y].size() * 2);
    }
    s->unlock(nullptr);
}

plat::hresult_t fill(plat::dd_surface_t* s, const plat::rect_t* area, uint32_t colour) {
    plat::blt_fx_t fx;
    fx.fill_color = colour;
    return s->blt(area, nullptr, nullptr, plat::ddblt_colorfill | plat::ddblt_wait, &fx);
}

using rows_t = std::vector<std::vector<uint16_t>>;

// The screen's surface with a clipper on the window, so blits draw only inside its client area.
surface_ptr clipped_primary(plat::ddraw_t& device, plat::hwnd_t window) {
    device.set_cooperative_level(nullptr, plat::ddscl_normal);
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps;
    desc.caps = plat::ddscaps_primarysurface;
    plat::dd_surface_t* raw = nullptr;
    plat::dd_clipper_t* clipper = nullptr;
    if (device.create_surface(&desc, &raw, nullptr) != plat::dd_ok ||
        device.create_clipper(0, &clipper, nullptr) != plat::dd_ok) {
        return surface_ptr(raw);
    }
    surface_ptr primary(raw);
    clipper->set_hwnd(0, window);
    primary->set_clipper(clipper);
    clipper->release(); // the surface keeps its own reference
    return primary;
}

} // namespace

TEST(dd_blt, stretching_takes_the_nearest_source_pixel) {
    plat::ddraw_t device;
    surface_ptr src = make_surface(device, 3, 2);
    surface_ptr dst = make_surface(device, 5, 4);
    fill_with(src.get(), {{1, 2, 3}, {4, 5, 6}});
    const plat::rect_t to{0, 0, 5, 4};
    ASSERT_EQ(dst->blt(&to, src.get(), nullptr, plat::ddblt_wait, nullptr), plat::dd_ok);
    // Source column of x is x * 3 / 5, row of y is y * 2 / 4.
    EXPECT_EQ(pixels_of(dst.get()),
              (rows_t{{1, 1, 2, 2, 3}, {1, 1, 2, 2, 3}, {4, 4, 5, 5, 6}, {4, 4, 5, 5, 6}}));

    // Shrinking a part of the source.
    const plat::rect_t part{1, 0, 3, 2};
    const plat::rect_t one{4, 3, 5, 4};
    ASSERT_EQ(dst->blt(&one, src.get(), &part, plat::ddblt_wait, nullptr), plat::dd_ok);
    EXPECT_EQ(pixels_of(dst.get())[3][4], 2);
}

TEST(dd_blt, colour_keys_leave_key_pixels_out_only_when_asked) {
    plat::ddraw_t device;
    surface_ptr src = make_surface(device, 2, 2);
    surface_ptr dst = make_surface(device, 4, 2);
    fill_with(src.get(), {{7, 9}, {9, 8}});
    const plat::color_key_t key{9, 9};
    ASSERT_EQ(src->set_color_key(plat::ddckey_srcblt, &key), plat::dd_ok);
    fill(dst.get(), nullptr, 1);

    EXPECT_EQ(dst->blt_fast(0, 0, src.get(), nullptr, plat::ddbltfast_srccolorkey | plat::ddbltfast_wait),
              plat::dd_ok);
    EXPECT_EQ(dst->blt_fast(2, 0, src.get(), nullptr, plat::ddbltfast_wait), plat::dd_ok);
    EXPECT_EQ(pixels_of(dst.get()), (rows_t{{7, 1, 7, 9}, {1, 8, 9, 8}}));

    // The scaled copy keys the same way.
    fill(dst.get(), nullptr, 1);
    ASSERT_EQ(dst->blt(nullptr, src.get(), nullptr, plat::ddblt_keysrc | plat::ddblt_wait, nullptr),
              plat::dd_ok);
    EXPECT_EQ(pixels_of(dst.get()), (rows_t{{7, 7, 1, 1}, {1, 1, 8, 8}}));
}

TEST(dd_blt, a_key_range_leaves_out_every_value_in_it_and_a_reversed_one_none) {
    plat::ddraw_t device;
    surface_ptr src = make_surface(device, 4, 1);
    surface_ptr dst = make_surface(device, 4, 1);
    fill_with(src.get(), {{7, 8, 9, 10}});
    for (const auto& [key, expected] : {std::pair{plat::color_key_t{8, 9}, rows_t{{7, 1, 1, 10}}},
                                        std::pair{plat::color_key_t{9, 8}, rows_t{{7, 8, 9, 10}}}}) {
        ASSERT_EQ(src->set_color_key(plat::ddckey_srcblt, &key), plat::dd_ok);
        fill(dst.get(), nullptr, 1);
        EXPECT_EQ(dst->blt_fast(0, 0, src.get(), nullptr, plat::ddbltfast_srccolorkey), plat::dd_ok);
        EXPECT_EQ(pixels_of(dst.get()), expected);
    }
}

TEST(dd_blt, fills_rectangles_and_bounds) {
    plat::ddraw_t device;
    surface_ptr s = make_surface(device, 3, 2);
    const plat::rect_t right{1, 0, 3, 1};
    EXPECT_EQ(fill(s.get(), &right, 0xFFFFFFFF), plat::dd_ok); // white in every format
    EXPECT_EQ(pixels_of(s.get()), (rows_t{{0, 0xFFFF, 0xFFFF}, {0, 0, 0}}));

    const plat::rect_t outside{2, 0, 4, 1};
    EXPECT_EQ(fill(s.get(), &outside, 1), plat::dderr_invalidrect);
    surface_ptr src = make_surface(device, 2, 2);
    EXPECT_EQ(s->blt_fast(2, 0, src.get(), nullptr, plat::ddbltfast_wait), plat::dderr_invalidrect);
    const plat::rect_t past{0, 0, 3, 2};
    EXPECT_EQ(s->blt(nullptr, src.get(), &past, plat::ddblt_wait, nullptr), plat::dderr_invalidrect);
    surface_ptr wide = make_surface(device, 2, 2, 32);
    EXPECT_EQ(s->blt_fast(0, 0, wide.get(), nullptr, plat::ddbltfast_wait), plat::dderr_invalidpixelformat);
}

TEST(dd_blt, a_copy_within_one_surface_may_overlap) {
    plat::ddraw_t device;
    surface_ptr s = make_surface(device, 4, 1);
    fill_with(s.get(), {{1, 2, 3, 4}});
    const plat::rect_t from{0, 0, 3, 1};
    EXPECT_EQ(s->blt_fast(1, 0, s.get(), &from, plat::ddbltfast_wait), plat::dd_ok);
    EXPECT_EQ(pixels_of(s.get()), (rows_t{{1, 1, 2, 3}}));
}

TEST(dd_blt, lost_locked_or_drawn_surfaces_refuse_blits) {
    plat::ddraw_t device;
    surface_ptr s = make_surface(device, 2, 2);
    surface_ptr src = make_surface(device, 2, 2);
    s->set_lost(true);
    plat::surface_desc_t desc;
    EXPECT_EQ(s->lock(nullptr, &desc, plat::ddlock_wait, nullptr), plat::dderr_surfacelost);
    EXPECT_EQ(s->blt_fast(0, 0, src.get(), nullptr, plat::ddbltfast_wait), plat::dderr_surfacelost);
    EXPECT_EQ(src->blt_fast(0, 0, s.get(), nullptr, plat::ddbltfast_wait), plat::dderr_surfacelost);
    plat::hdc_t dc = nullptr;
    EXPECT_EQ(s->get_dc(&dc), plat::dderr_surfacelost);
    EXPECT_EQ(device.restore_all_surfaces(), plat::dd_ok);
    EXPECT_EQ(s->is_lost(), plat::dd_ok);

    ASSERT_EQ(s->get_dc(&dc), plat::dd_ok);
    EXPECT_EQ(s->lock(nullptr, &desc, plat::ddlock_wait, nullptr), plat::dderr_surfacebusy);
    plat::hdc_t second = nullptr;
    EXPECT_EQ(s->get_dc(&second), plat::dderr_dcalreadycreated);
    EXPECT_EQ(s->blt_fast(0, 0, src.get(), nullptr, plat::ddbltfast_wait), plat::dderr_surfacebusy);
    EXPECT_EQ(s->release_dc(dc), plat::dd_ok);
    EXPECT_EQ(s->release_dc(dc), plat::dderr_invalidparams);
    EXPECT_EQ(s->blt_fast(0, 0, src.get(), nullptr, plat::ddbltfast_wait), plat::dd_ok);
}

TEST(dd_blt, a_clipper_keeps_blits_inside_the_window) {
    test_window_t window(10, 20, 4, 3);
    plat::ddraw_t device;
    surface_ptr primary = clipped_primary(device, window.hwnd());
    ASSERT_NE(primary, nullptr);

    surface_ptr src = make_surface(device, 1, 1, primary->format().rgb_bit_count);
    fill(src.get(), nullptr, 0xFFFFFFFF);
    const plat::rect_t across{8, 18, 20, 30}; // from above-left of the client area to below-right
    ASSERT_EQ(primary->blt(&across, src.get(), nullptr, plat::ddblt_wait, nullptr), plat::dd_ok);
    EXPECT_EQ(primary->blt_fast(0, 0, src.get(), nullptr, plat::ddbltfast_wait), plat::dderr_bltfastcantclip);

    plat::hdc_t dc = nullptr;
    ASSERT_EQ(primary->get_dc(&dc), plat::dd_ok);
    EXPECT_EQ(plat::get_pixel(dc, 10, 20), plat::rgb(255, 255, 255));
    EXPECT_EQ(plat::get_pixel(dc, 13, 22), plat::rgb(255, 255, 255));
    EXPECT_EQ(plat::get_pixel(dc, 9, 20), 0u);
    EXPECT_EQ(plat::get_pixel(dc, 14, 22), 0u);
    EXPECT_EQ(plat::get_pixel(dc, 10, 23), 0u);
    primary->release_dc(dc);

    // A destination wider than int32 holds still scales into the client area alone.
    fill(src.get(), nullptr, 0x1F);
    const plat::rect_t huge{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min(),
                            std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()};
    ASSERT_EQ(primary->blt(&huge, src.get(), nullptr, plat::ddblt_wait, nullptr), plat::dd_ok);
    ASSERT_EQ(primary->get_dc(&dc), plat::dd_ok);
    const plat::colorref_t blue = plat::get_pixel(dc, 10, 20); // its shade depends on the desktop depth
    EXPECT_EQ(plat::get_r(blue) | plat::get_g(blue), 0);
    EXPECT_NE(plat::get_b(blue), 0);
    EXPECT_EQ(plat::get_pixel(dc, 13, 22), blue);
    EXPECT_EQ(plat::get_pixel(dc, 9, 20), 0u);
    primary->release_dc(dc);

    // An unordered source rectangle wider than int32 holds is refused, not measured.
    const plat::rect_t wrong{std::numeric_limits<int32_t>::max(), 0, std::numeric_limits<int32_t>::min(), 1};
    surface_ptr plain = make_surface(device, 4, 4, primary->format().rgb_bit_count);
    EXPECT_EQ(plain->blt_fast(0, 0, src.get(), &wrong, plat::ddbltfast_wait), plat::dderr_invalidrect);
}
