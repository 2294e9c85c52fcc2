#include "platform/ddraw.h"
#include "platform/display.h"
#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

namespace {

plat::bitmap_info_t dib_info(int32_t width, int32_t height, uint16_t bits) {
    plat::bitmap_info_t info;
    info.header.width = width;
    info.header.height = height;
    info.header.bit_count = bits;
    return info;
}

struct surface_deleter {
    void operator()(plat::dd_surface_t* s) const { s->release(); }
};
using surface_ptr = std::unique_ptr<plat::dd_surface_t, surface_deleter>;

surface_ptr make_surface(plat::ddraw_t& device, uint32_t width, uint32_t height,
                         plat::pixel_format_t format) {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height | plat::ddsd_pixelformat;
    desc.width = width;
    desc.height = height;
    desc.pixel_format = format;
    plat::dd_surface_t* s = nullptr;
    device.create_surface(&desc, &s, nullptr);
    return surface_ptr(s);
}

uint32_t raw_pixel(plat::dd_surface_t* s, int x, int y) {
    plat::surface_desc_t desc;
    s->lock(nullptr, &desc, plat::ddlock_wait, nullptr);
    uint32_t v = 0;
    std::memcpy(&v, static_cast<uint8_t*>(desc.surface) + y * desc.pitch + x * int(s->bytes_per_pixel()),
                s->bytes_per_pixel());
    s->unlock(nullptr);
    return v;
}

// Copies a DIB onto a fresh surface through GDI, as bitmaps reach sprites.
void blit_dib(plat::hbitmap_t dib, plat::dd_surface_t* s) {
    plat::hdc_t memory = plat::create_compatible_dc(nullptr);
    ASSERT_NE(plat::select_object(memory, dib), nullptr);
    plat::hdc_t dc = nullptr;
    ASSERT_EQ(s->get_dc(&dc), plat::dd_ok);
    EXPECT_TRUE(
        plat::bit_blt(dc, 0, 0, int32_t(s->width()), int32_t(s->height()), memory, 0, 0, plat::srccopy));
    s->release_dc(dc);
    plat::delete_dc(memory);
}

} // namespace

TEST(gdi_dib, rows_are_padded_to_four_bytes_and_stored_bottom_up) {
    void* bits = nullptr;
    plat::hbitmap_t dib = plat::create_dib_section(nullptr, dib_info(3, 2, 24), plat::dib_rgb_colors, &bits);
    ASSERT_NE(dib, nullptr);
    plat::bitmap_record_t record;
    ASSERT_TRUE(plat::get_object(dib, &record));
    EXPECT_EQ(record.bm_width, 3);
    EXPECT_EQ(record.bm_height, 2);
    EXPECT_EQ(record.bm_width_bytes, 12);
    EXPECT_EQ(record.bm_bits_pixel, 24);
    EXPECT_EQ(record.bm_bits, bits);

    // The first stored row is the bottom one: blue, green, red bytes.
    auto* b = static_cast<uint8_t*>(bits);
    b[0] = 0xFF;      // bottom-left pure blue
    b[12 + 5] = 0xFF; // top, middle pixel pure red
    plat::ddraw_t device;
    surface_ptr s = make_surface(device, 3, 2, plat::pixel_format_565());
    blit_dib(dib, s.get());
    EXPECT_EQ(raw_pixel(s.get(), 0, 1), 0x001Fu);
    EXPECT_EQ(raw_pixel(s.get(), 1, 0), 0xF800u);
    EXPECT_EQ(raw_pixel(s.get(), 0, 0), 0u);
    EXPECT_TRUE(plat::delete_object(dib));
    EXPECT_FALSE(plat::get_object(dib, &record));
}

TEST(gdi_dib, every_depth_converts_through_its_colour_table_or_masks) {
    plat::ddraw_t device;
    const plat::rgb_quad_t teal{0x80, 0x80, 0x00, 0}; // blue, green, red
    struct case_t {
        uint16_t bits;
        uint32_t compression;
        std::vector<uint8_t> first_row; // the pixel at x = 1 is the one tested, x = 0 stays black
        std::vector<plat::rgb_quad_t> colors;
        uint32_t expected; // 0x00RRGGBB; five- and six-bit channels widen by repeating their bits
    };
    std::vector<plat::rgb_quad_t> table(201, teal);
    table[0] = {};
    const std::vector<case_t> cases = {
        {1, plat::bi_rgb, {0x40}, {{}, teal}, 0x008080},
        {4, plat::bi_rgb, {0x01}, {{}, teal}, 0x008080},
        {8, plat::bi_rgb, {0, 200}, table, 0x008080},
        {16, plat::bi_rgb, {0, 0, 0x10, 0x02}, {}, 0x008484}, // 5-5-5: green 16, blue 16
        {16,
         plat::bi_bitfields,
         {0, 0, 0x10, 0x04},
         {{0, 0xF8, 0, 0}, {0xE0, 0x07, 0, 0}, {0x1F, 0, 0, 0}},
         0x008284},
        {24, plat::bi_rgb, {0, 0, 0, 0x80, 0x80, 0x00}, {}, 0x008080},
        {32, plat::bi_rgb, {0, 0, 0, 0, 0x80, 0x80, 0x00, 0}, {}, 0x008080},
    };
    for (const case_t& c : cases) {
        plat::bitmap_info_t info = dib_info(2, 1, c.bits);
        info.header.compression = c.compression;
        info.colors = c.colors;
        void* bits = nullptr;
        plat::hbitmap_t dib = plat::create_dib_section(nullptr, info, plat::dib_rgb_colors, &bits);
        ASSERT_NE(dib, nullptr) << c.bits;
        std::memcpy(bits, c.first_row.data(), c.first_row.size());
        surface_ptr s = make_surface(device, 2, 1, plat::pixel_format_x888());
        blit_dib(dib, s.get());
        EXPECT_EQ(raw_pixel(s.get(), 1, 0), c.expected) << c.bits << " bits";
        EXPECT_EQ(raw_pixel(s.get(), 0, 0), 0u) << c.bits << " bits";
        plat::delete_object(dib);
    }
}

TEST(gdi_dib, top_down_bitmaps_and_refused_descriptions) {
    void* bits = nullptr;
    plat::hbitmap_t dib = plat::create_dib_section(nullptr, dib_info(1, -2, 32), plat::dib_rgb_colors, &bits);
    ASSERT_NE(dib, nullptr);
    static_cast<uint32_t*>(bits)[0] = 0xFFFFFF; // a negative height stores the top row first
    plat::ddraw_t device;
    surface_ptr s = make_surface(device, 1, 2, plat::pixel_format_x888());
    blit_dib(dib, s.get());
    EXPECT_EQ(raw_pixel(s.get(), 0, 0), 0xFFFFFFu);
    EXPECT_EQ(raw_pixel(s.get(), 0, 1), 0u);
    plat::bitmap_record_t record;
    plat::get_object(dib, &record);
    EXPECT_EQ(record.bm_height, 2);
    plat::delete_object(dib);

    EXPECT_EQ(plat::create_dib_section(nullptr, dib_info(4, 4, 7), plat::dib_rgb_colors, &bits), nullptr);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(plat::create_dib_section(nullptr, dib_info(0, 4, 8), plat::dib_rgb_colors, &bits), nullptr);
    EXPECT_EQ(plat::create_dib_section(nullptr, dib_info(4, 0, 8), plat::dib_rgb_colors, &bits), nullptr);
    EXPECT_EQ(plat::create_dib_section(nullptr, dib_info(100000, 4, 8), plat::dib_rgb_colors, &bits),
              nullptr);
    plat::bitmap_info_t fields = dib_info(4, 4, 24);
    fields.header.compression = plat::bi_bitfields;
    fields.colors.resize(3);
    EXPECT_EQ(plat::create_dib_section(nullptr, fields, plat::dib_rgb_colors, &bits), nullptr);
}

TEST(gdi_dib, a_selected_bitmap_is_deleted_only_after_its_context) {
    plat::hbitmap_t dib = plat::create_dib_section(nullptr, dib_info(2, 2, 8), plat::dib_rgb_colors, nullptr);
    plat::hdc_t memory = plat::create_compatible_dc(nullptr);
    plat::hgdiobj_t original = plat::select_object(memory, dib);
    ASSERT_NE(original, nullptr);
    plat::hdc_t other = plat::create_compatible_dc(nullptr);
    EXPECT_EQ(plat::select_object(other, dib), nullptr); // one context at a time
    EXPECT_FALSE(plat::delete_object(dib));
    EXPECT_EQ(plat::select_object(memory, original), dib);
    EXPECT_NE(plat::select_object(other, dib), nullptr);
    EXPECT_TRUE(plat::delete_dc(other));
    EXPECT_TRUE(plat::delete_object(dib));
    EXPECT_TRUE(plat::delete_dc(memory));
    EXPECT_FALSE(plat::delete_dc(memory));
}

TEST(gdi_draw, pixels_fills_and_copies_clip_to_the_surface) {
    plat::ddraw_t device;
    surface_ptr s = make_surface(device, 4, 4, plat::pixel_format_565());
    plat::hdc_t dc = nullptr;
    ASSERT_EQ(s->get_dc(&dc), plat::dd_ok);
    EXPECT_EQ(plat::set_pixel(dc, 1, 1, plat::rgb(255, 255, 255)), plat::rgb(255, 255, 255));
    EXPECT_EQ(plat::set_pixel(dc, 1, 2, plat::rgb(7, 255, 7)), plat::rgb(0, 255, 0)); // what 5-6-5 holds
    EXPECT_EQ(plat::get_pixel(dc, 1, 1), plat::rgb(255, 255, 255));
    EXPECT_EQ(plat::set_pixel(dc, 4, 0, 0), plat::clr_invalid);
    EXPECT_EQ(plat::get_pixel(dc, -1, 0), plat::clr_invalid);

    const plat::rect_t area{2, -5, 10, 1};
    EXPECT_EQ(plat::fill_rect(dc, &area, plat::get_stock_object(plat::ltgray_brush)), 1);
    EXPECT_EQ(plat::get_pixel(dc, 3, 0), plat::rgb(0xC6, 0xC3, 0xC6)); // 0xC0 grey as 5-6-5 keeps it
    EXPECT_EQ(plat::get_pixel(dc, 1, 0), 0u);
    EXPECT_EQ(plat::get_pixel(dc, 3, 1), 0u);

    // A copy within the surface, partly off its right edge: only what fits moves.
    EXPECT_TRUE(plat::bit_blt(dc, 3, 1, 2, 2, dc, 1, 1, plat::srccopy));
    EXPECT_EQ(plat::get_pixel(dc, 3, 1), plat::rgb(255, 255, 255));
    EXPECT_EQ(plat::get_pixel(dc, 3, 2), plat::rgb(0, 255, 0));
    EXPECT_FALSE(plat::bit_blt(dc, 0, 0, 1, 1, dc, 0, 0, 0x00EE0086)); // only plain copies
    s->release_dc(dc);
    EXPECT_EQ(raw_pixel(s.get(), 1, 1), 0xFFFFu);
}

TEST(gdi_draw, text_draws_glyphs_in_cells_with_or_without_background) {
    plat::ddraw_t device;
    surface_ptr s = make_surface(device, 16, 8, plat::pixel_format_x888());
    plat::hdc_t dc = nullptr;
    ASSERT_EQ(s->get_dc(&dc), plat::dd_ok);
    plat::set_text_color(dc, plat::rgb(255, 0, 0));
    plat::set_bk_color(dc, plat::rgb(0, 0, 255));
    plat::set_bk_mode(dc, plat::opaque);
    EXPECT_TRUE(plat::text_out(dc, 0, 0, "I", 1));
    plat::set_bk_mode(dc, plat::transparent);
    EXPECT_TRUE(plat::text_out(dc, 6, 0, "I", 1));
    // "I": a bar across the top row, the stem in the middle column.
    EXPECT_EQ(plat::get_pixel(dc, 1, 0), plat::rgb(255, 0, 0));
    EXPECT_EQ(plat::get_pixel(dc, 2, 3), plat::rgb(255, 0, 0));
    EXPECT_EQ(plat::get_pixel(dc, 0, 3), plat::rgb(0, 0, 255));
    EXPECT_EQ(plat::get_pixel(dc, 5, 7), plat::rgb(0, 0, 255)); // the whole 6x8 cell is background
    EXPECT_EQ(plat::get_pixel(dc, 8, 3), plat::rgb(255, 0, 0));
    EXPECT_EQ(plat::get_pixel(dc, 6, 3), 0u); // transparent: untouched
    EXPECT_EQ(plat::get_pixel(dc, 12, 0), 0u);
    EXPECT_FALSE(plat::text_out(dc, 0, 0, nullptr, 3));
    s->release_dc(dc);
}

TEST(gdi_draw, screen_context_answers_the_display_depth) {
    plat::set_desktop_bits_per_pixel_for_test(16);
    plat::hdc_t screen = plat::get_dc(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(plat::get_device_caps(screen, plat::bitspixel) * plat::get_device_caps(screen, plat::planes),
              16);
    EXPECT_EQ(plat::get_device_caps(screen, plat::logpixelsy), 96);
    EXPECT_EQ(plat::set_pixel(screen, 0, 0, 0), plat::clr_invalid); // it draws nowhere
    EXPECT_EQ(plat::release_dc(nullptr, screen), 1);
    plat::reset_display_for_test();
}

TEST(gdi_draw, far_off_origins_draw_nothing_and_stay_in_range) {
    constexpr int32_t far = std::numeric_limits<int32_t>::max();
    constexpr int32_t near_min = std::numeric_limits<int32_t>::min();
    plat::ddraw_t device;
    surface_ptr s = make_surface(device, 8, 8, plat::pixel_format_x888());
    plat::hdc_t dc = nullptr;
    ASSERT_EQ(s->get_dc(&dc), plat::dd_ok);
    plat::set_text_color(dc, plat::rgb(255, 0, 0));
    EXPECT_TRUE(plat::bit_blt(dc, near_min, 0, 4, 4, dc, 0, 0, plat::srccopy));
    EXPECT_TRUE(plat::bit_blt(dc, 0, 0, 4, 4, dc, near_min, near_min, plat::srccopy));
    EXPECT_TRUE(plat::text_out(dc, far - 2, 0, "IIII", 4));
    EXPECT_TRUE(plat::text_out(dc, near_min, 0, "IIII", 4));

    // A rectangle spanning more than int32 holds covers the whole surface.
    const plat::rect_t everything{near_min, near_min, far, far};
    EXPECT_EQ(plat::fill_rect(dc, &everything, plat::get_stock_object(plat::white_brush)), 1);
    EXPECT_EQ(plat::get_pixel(dc, 0, 0), plat::rgb(255, 255, 255));
    EXPECT_EQ(plat::get_pixel(dc, 7, 7), plat::rgb(255, 255, 255));
    s->release_dc(dc);
}
