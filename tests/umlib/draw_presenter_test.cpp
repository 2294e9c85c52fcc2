#include "base/failure.h"
#include "platform/display.h"
#include "platform/gdi.h"
#include "platform/present.h"
#include "tests/support/test_window.h"
#include "umlib/dderr.h"
#include "umlib/draw.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace {

// Builds a presenter that must fail and answers what the last error says.
struct failure_t {
    std::string message;
    plat::hresult_t code;
};

failure_t construction_failure(const std::function<void()>& construct) {
    const int live_before = plat::live_dd_objects_for_test();
    EXPECT_THROW(construct(), construction_error_t);
    EXPECT_EQ(plat::live_dd_objects_for_test(), live_before) << "nothing made survives";
    plat::set_creation_limit_for_test(-1);
    return {umlib::g_last_error_message, umlib::g_last_error_code};
}

uint32_t pixel_at(const umlib::surface_t* s, int32_t x, int32_t y) {
    plat::surface_desc_t desc;
    umlib::surface_locker_t lock(const_cast<umlib::surface_t*>(s), &desc);
    uint32_t v = 0;
    std::memcpy(&v, static_cast<uint8_t*>(desc.surface) + y * desc.pitch + x * 4, 4);
    return v;
}

void deliver_focus(plat::hwnd_t window, bool gained) {
    plat::post_focus_event_for_test(window, gained);
    plat::message_t msg;
    while (plat::peek_message(&msg, true)) {
    }
}

} // namespace

TEST(draw_presenter, windowed_takes_the_desktop_format_and_full_screen_the_mode_depth) {
    test_window_t window(0, 0, 320, 240);
    plat::set_desktop_bits_per_pixel_for_test(16);
    {
        umlib::draw_normal_t draw(window.hwnd(), 0, 0);
        EXPECT_EQ(draw.mode, 0);
        EXPECT_FALSE(draw.is_fullscreen());
        EXPECT_EQ(pixel_format_code, 0x565);
        EXPECT_EQ(draw.primary->rect.right, plat::screen_width());
        EXPECT_EQ(draw.back->rect.right, plat::screen_width()); // a back width of 0 takes the primary's
        EXPECT_EQ(draw.back->rect.bottom, plat::screen_height());
        EXPECT_STREQ(umlib::g_last_error_message, "");
    }
    EXPECT_EQ(umlib::pixel_format.bit_count, 0u); // released with the presenter
    plat::set_desktop_bits_per_pixel_for_test(24);
    {
        umlib::draw_fullscreen_t draw(window.hwnd(), 800, 600, 32, 0, 256);
        EXPECT_EQ(draw.mode, 1);
        EXPECT_TRUE(draw.is_fullscreen());
        EXPECT_EQ(pixel_format_code, 0xA888);
        EXPECT_EQ(draw.primary->rect.right, 800);
        EXPECT_EQ(draw.back->rect.right, 800);
        EXPECT_EQ(draw.back->rect.bottom, 256);
    }
    plat::reset_display_for_test();
    EXPECT_EQ(plat::live_dd_objects_for_test(), 0);
}

TEST(draw_presenter, a_failed_construction_names_the_step_and_leaves_nothing) {
    test_window_t window(0, 0, 320, 240);
    failure_t f = construction_failure([] { umlib::draw_normal_t draw(nullptr, 256, 256); });
    EXPECT_EQ(f.message, "指定されたウィンドウハンドルは無効です");
    EXPECT_EQ(f.code, 0);

    f = construction_failure([] {
        plat::set_creation_limit_for_test(0);
        umlib::draw_normal_t draw(nullptr, 256, 256);
    });
    EXPECT_EQ(f.message, "DirectDrawCreateEx() の呼び出しに失敗しました");
    EXPECT_STREQ(umlib::dderr_name(f.code), "DDERR_OUTOFMEMORY");

    const std::pair<int, const char*> windowed_steps[] = {
        {1, "プライマリサーフェスの作成に失敗しました"},
        {2, "バックバッファの作成に失敗しました"},
        {3, "クリッパの作成に失敗しました"},
    };
    for (const auto& [limit, message] : windowed_steps) {
        f = construction_failure([&, limit = limit] {
            plat::set_creation_limit_for_test(limit);
            umlib::draw_normal_t draw(window.hwnd(), 256, 256);
        });
        EXPECT_EQ(f.message, message);
        EXPECT_EQ(f.code, plat::dd_ok); // the last DirectDraw call made had succeeded
    }

    f = construction_failure([&] {
        plat::set_creation_limit_for_test(2);
        umlib::draw_fullscreen_t draw(window.hwnd(), 640, 480, 16, 256, 256);
    });
    EXPECT_EQ(f.message, "バックバッファの作成に失敗しました");
    plat::rect_t client;
    plat::get_client_rect(window.hwnd(), &client);
    EXPECT_EQ(client.right, 320) << "the display mode ended with the failure";

    f = construction_failure([&] { umlib::draw_fullscreen_t draw(window.hwnd(), 640, 400, 16, 256, 256); });
    EXPECT_EQ(f.message, "ディスプレイモードの設定に失敗しました");
    EXPECT_STREQ(umlib::dderr_name(f.code), "DDERR_INVALIDMODE");
}

TEST(draw_presenter, a_window_gone_fails_where_the_window_is_first_used) {
    plat::hwnd_t gone = nullptr;
    {
        test_window_t window(0, 0, 32, 32);
        gone = window.hwnd();
    }
    failure_t f = construction_failure([&] { umlib::draw_normal_t draw(gone, 256, 256); });
    EXPECT_EQ(f.message, "クリッパにウィンドウを関連付けることが出来ません");
    EXPECT_STREQ(umlib::dderr_name(f.code), "DDERR_INVALIDPARAMS");
    f = construction_failure([&] { umlib::draw_fullscreen_t draw(gone, 640, 480, 16, 256, 256); });
    EXPECT_EQ(f.message, "強調レベルの設定に失敗しました");
}

TEST(draw_presenter, a_presented_frame_reaches_the_window_scaled) {
    plat::set_desktop_bits_per_pixel_for_test(32);
    test_window_t window(0, 0, 512, 512);
    umlib::draw_normal_t draw(window.hwnd(), 256, 256);
    const plat::rect_t visible{0, 8, 256, 248};
    draw.set_view(&visible, 2, true);
    // A picture that differs at every pixel of the back buffer.
    {
        plat::surface_desc_t desc;
        umlib::surface_locker_t lock(draw.back, &desc);
        ASSERT_EQ(lock.result, plat::dd_ok);
        for (int32_t y = 0; y < 256; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(desc.surface) + y * desc.pitch);
            for (int32_t x = 0; x < 256; ++x) {
                row[x] = uint32_t(x) << 16 | uint32_t(y) << 8 | uint32_t((x * 7 + y) & 0xFF);
            }
        }
    }
    ASSERT_EQ(draw.draw_t::blt_back_to_primary(), plat::dd_ok);

    int32_t width = 0, height = 0;
    const std::vector<uint32_t> shown = plat::read_window_pixels_for_test(window.hwnd(), &width, &height);
    ASSERT_EQ(width, 512);
    ASSERT_EQ(height, 512);
    int wrong = 0;
    for (int32_t y = 0; y < 512; ++y) {
        for (int32_t x = 0; x < 512; ++x) {
            const bool inside = y >= 16 && y < 496;
            const uint32_t expected = inside ? pixel_at(draw.back, x / 2, (y - 16) / 2 + 8) : 0;
            wrong += shown[size_t(y) * 512 + size_t(x)] != expected;
        }
    }
    EXPECT_EQ(wrong, 0);
    plat::reset_display_for_test();
}

TEST(draw_presenter, full_screen_loses_its_primary_with_the_focus_and_restores_it) {
    test_window_t window(0, 0, 64, 64);
    deliver_focus(window.hwnd(), true);
    umlib::draw_fullscreen_t draw(window.hwnd(), 640, 480, 32, 256, 256);
    EXPECT_EQ(draw.primary->surface->is_lost(), plat::dd_ok);
    deliver_focus(window.hwnd(), false);
    EXPECT_EQ(draw.primary->surface->is_lost(), plat::dderr_surfacelost);
    EXPECT_NE(draw.draw_t::blt_back_to_primary(), plat::dd_ok);
    EXPECT_FALSE(draw.restore_all_surfaces());
    deliver_focus(window.hwnd(), true);
    EXPECT_TRUE(draw.restore_all_surfaces());
    EXPECT_EQ(draw.primary->surface->is_lost(), plat::dd_ok);
    EXPECT_EQ(draw.draw_t::blt_back_to_primary(), plat::dd_ok);
    EXPECT_EQ(draw.blt_back_to_primary(), plat::dd_ok); // the unscaled copy to the top-left corner
    EXPECT_TRUE(draw.flip_to_gdi());
}

TEST(draw_presenter, factories_make_offscreen_surfaces_and_bitmap_copies) {
    test_window_t window(0, 0, 64, 64);
    umlib::draw_normal_t draw(window.hwnd(), 256, 256);
    umlib::surface_t* plain = draw.create_offscreen(16, 8);
    ASSERT_NE(plain, nullptr);
    plat::surface_desc_t desc;
    plain->surface->get_surface_desc(&desc);
    EXPECT_EQ(desc.caps, plat::ddscaps_offscreenplain | plat::ddscaps_systemmemory | plat::ddscaps_3ddevice);
    EXPECT_EQ(desc.pixel_format.rgb_bit_count, draw.primary->surface->format().rgb_bit_count);
    EXPECT_EQ(draw.create_offscreen(0, 8), nullptr);

    plat::bitmap_info_t info;
    info.header.width = 3;
    info.header.height = 2;
    info.header.bit_count = 32;
    void* bits = nullptr;
    plat::hbitmap_t bitmap = plat::create_dib_section(nullptr, info, plat::dib_rgb_colors, &bits);
    static_cast<uint32_t*>(bits)[2] = 0xFFFFFF; // bottom-right
    umlib::surface_t* copy = draw.create_surface_from_bitmap(bitmap);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->rect.right, 3);
    EXPECT_EQ(copy->rect.bottom, 2);
    plat::hdc_t dc = nullptr;
    copy->surface->get_dc(&dc);
    EXPECT_EQ(plat::get_pixel(dc, 2, 1), plat::rgb(255, 255, 255));
    EXPECT_EQ(plat::get_pixel(dc, 2, 0), 0u);
    copy->surface->release_dc(dc);
    EXPECT_EQ(draw.create_surface_from_bitmap(nullptr), nullptr);
    EXPECT_TRUE(plat::delete_object(bitmap)); // the bitmap stays the caller's

    umlib::clipper_t* clipper = draw.create_clipper();
    EXPECT_NE(clipper, nullptr);
    draw.destroy_object(clipper);
    draw.destroy_object(copy);
    draw.destroy_object(plain);
    draw.destroy_object(nullptr);
}
