#include "platform/ddraw.h"
#include "platform/display.h"
#include "platform/window.h"
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

namespace {

// Null when the device refuses, with its result in `hr`.
plat::dd_surface_t* make_primary(plat::ddraw_t& device, plat::hresult_t* hr = nullptr) {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps;
    desc.caps = plat::ddscaps_primarysurface;
    plat::dd_surface_t* s = nullptr;
    const plat::hresult_t result = device.create_surface(&desc, &s, nullptr);
    if (hr != nullptr) {
        *hr = result;
    }
    return s;
}

void deliver_focus(plat::hwnd_t window, bool gained) {
    plat::post_focus_event_for_test(window, gained);
    plat::message_t msg;
    while (plat::peek_message(&msg, true)) {
    }
}

// A clock that only moves when the wait sleeps.
uint32_t fake_time = 0;
uint32_t fake_now() {
    return fake_time;
}
void fake_sleep(uint32_t ms) {
    fake_time += ms;
}

} // namespace

TEST(ddraw_device, the_primary_takes_the_desktop_or_the_display_mode) {
    plat::set_desktop_bits_per_pixel_for_test(16);
    test_window_t window(0, 0, 64, 64);
    {
        plat::ddraw_t device;
        plat::dd_surface_t* primary = make_primary(device);
        EXPECT_EQ(primary->width(), uint32_t(plat::screen_width()));
        EXPECT_EQ(primary->height(), uint32_t(plat::screen_height()));
        EXPECT_EQ(primary->format().g_bit_mask, 0x07E0u);
        plat::hresult_t hr = plat::dd_ok;
        EXPECT_EQ(make_primary(device, &hr), nullptr);
        EXPECT_EQ(hr, plat::dderr_primarysurfacealreadyexists);
        primary->release();
    }
    plat::set_desktop_bits_per_pixel_for_test(32);
    {
        plat::ddraw_t device;
        EXPECT_EQ(device.set_display_mode(640, 480, 16, 0, 0), plat::dderr_noexclusivemode);
        const uint32_t exclusive = plat::ddscl_fullscreen | plat::ddscl_exclusive | plat::ddscl_allowreboot;
        EXPECT_EQ(device.set_cooperative_level(nullptr, exclusive), plat::dderr_invalidparams);
        ASSERT_EQ(device.set_cooperative_level(window.hwnd(), exclusive), plat::dd_ok);
        EXPECT_EQ(device.set_display_mode(641, 480, 16, 0, 0), plat::dderr_invalidmode);
        ASSERT_EQ(device.set_display_mode(800, 600, 16, 0, 0), plat::dd_ok);
        plat::rect_t client;
        plat::get_client_rect(window.hwnd(), &client);
        EXPECT_EQ(client.right, 800);
        EXPECT_EQ(client.bottom, 600);
        plat::dd_surface_t* primary = make_primary(device);
        EXPECT_EQ(primary->width(), 800u);
        EXPECT_EQ(primary->height(), 600u);
        EXPECT_EQ(primary->format().rgb_bit_count, 16u);
        EXPECT_EQ(primary->format().r_bit_mask, 0xF800u);
        primary->release();
    }
    // Releasing the device gives the window its own size back.
    plat::rect_t client;
    plat::get_client_rect(window.hwnd(), &client);
    EXPECT_EQ(client.right, 64);
    plat::reset_display_for_test();
}

TEST(ddraw_device, losing_the_focus_in_full_screen_loses_the_primary_until_restored) {
    test_window_t window(0, 0, 64, 64);
    plat::ddraw_t device;
    deliver_focus(window.hwnd(), true);
    ASSERT_EQ(device.set_cooperative_level(window.hwnd(), plat::ddscl_fullscreen | plat::ddscl_exclusive),
              plat::dd_ok);
    ASSERT_EQ(device.set_display_mode(640, 480, 32, 0, 0), plat::dd_ok);
    plat::dd_surface_t* primary = make_primary(device);
    EXPECT_EQ(primary->is_lost(), plat::dd_ok);

    deliver_focus(window.hwnd(), false);
    EXPECT_EQ(primary->is_lost(), plat::dderr_surfacelost);
    EXPECT_EQ(device.restore_all_surfaces(), plat::dderr_wrongmode);
    EXPECT_EQ(primary->is_lost(), plat::dderr_surfacelost);

    deliver_focus(window.hwnd(), true);
    EXPECT_EQ(primary->is_lost(), plat::dderr_surfacelost); // still lost until restored
    EXPECT_EQ(device.restore_all_surfaces(), plat::dd_ok);
    EXPECT_EQ(primary->is_lost(), plat::dd_ok);
    primary->release();
}

TEST(ddraw_device, a_windowed_primary_survives_the_focus_going) {
    test_window_t window(0, 0, 64, 64);
    plat::ddraw_t device;
    deliver_focus(window.hwnd(), true);
    ASSERT_EQ(device.set_cooperative_level(nullptr, plat::ddscl_normal), plat::dd_ok);
    plat::dd_surface_t* primary = make_primary(device);
    deliver_focus(window.hwnd(), false);
    EXPECT_EQ(primary->is_lost(), plat::dd_ok);
    primary->release();
}

TEST(ddraw_device, the_vertical_blank_wait_ends_at_the_next_sixtieth_of_a_second) {
    plat::set_vertical_blank_clock_for_test(fake_now, fake_sleep);
    plat::ddraw_t device;
    fake_time = 100; // refresh 6 runs from 100 to 116
    EXPECT_EQ(device.wait_for_vertical_blank(plat::ddwaitvb_blockbegin, nullptr), plat::dd_ok);
    EXPECT_EQ(fake_time, 117u);
    EXPECT_EQ(device.wait_for_vertical_blank(plat::ddwaitvb_blockbegin, nullptr), plat::dd_ok);
    EXPECT_EQ(fake_time, 134u); // 133.3 ms is the boundary
    // Where the 32-bit clock wraps, the wait ends when it does.
    fake_time = 0xFFFFFFFC;
    EXPECT_EQ(device.wait_for_vertical_blank(plat::ddwaitvb_blockbegin, nullptr), plat::dd_ok);
    EXPECT_LT(fake_time, 17u);
    EXPECT_EQ(device.wait_for_vertical_blank(0x80000000, nullptr), plat::dderr_invalidparams);
    plat::set_vertical_blank_clock_for_test(nullptr, nullptr);
}

TEST(ddraw_device, the_creation_limit_fails_devices_surfaces_and_clippers) {
    const int before = plat::live_dd_objects_for_test();
    plat::set_creation_limit_for_test(2);
    plat::ddraw_t* device = nullptr;
    ASSERT_EQ(plat::direct_draw_create_ex(&device), plat::dd_ok);
    plat::dd_clipper_t* clipper = nullptr;
    ASSERT_EQ(device->create_clipper(0, &clipper, nullptr), plat::dd_ok);
    EXPECT_EQ(plat::live_dd_objects_for_test(), before + 2);
    plat::dd_clipper_t* refused = nullptr;
    EXPECT_EQ(device->create_clipper(0, &refused, nullptr), plat::dderr_outofmemory);
    EXPECT_EQ(refused, nullptr);
    plat::hresult_t hr = plat::dd_ok;
    EXPECT_EQ(make_primary(*device, &hr), nullptr);
    EXPECT_EQ(hr, plat::dderr_outofmemory);
    plat::ddraw_t* second = nullptr;
    EXPECT_EQ(plat::direct_draw_create_ex(&second), plat::dderr_outofmemory);
    plat::set_creation_limit_for_test(-1);
    clipper->release();
    device->release();
    EXPECT_EQ(plat::live_dd_objects_for_test(), before);
}
