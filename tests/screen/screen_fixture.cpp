#include "tests/screen/screen_fixture.h"

#include "platform/display.h"
#include "platform/file.h"
#include "tests/shell/support.h"
#include "tools/sample/sprite_files.h"
#include "umlib/surface.h"

void screen_fixture_t::SetUp() {
    drain_messages();
    for (const char* folder : {"bin", "image", "log"}) {
        plat::make_directory(folder);
    }
    std::string error;
    ASSERT_TRUE(write_sprite_files(".", error)) << error;
}

void screen_fixture_t::TearDown() {
    g_screenctr.destroy();
    window.reset();
    plat::reset_display_for_test();
    drain_messages();
}

bool screen_fixture_t::start(int bits, int32_t mode, bool sprites, int32_t blit_scale) {
    plat::set_desktop_bits_per_pixel_for_test(bits);
    window = std::make_unique<test_window_t>(40, 30, 512, 512);
    if (!g_screenctr.create(window->hwnd(), mode, blit_scale)) {
        return false;
    }
    return !sprites || g_screenctr.load_sprites(".\\bin\\sptbl.dat");
}

std::vector<std::string> screen_fixture_t::log() const {
    return file_lines("log/bootlog.txt");
}

void fill(umlib::surface_t& surface, uint32_t value) {
    for (int32_t y = 0; y < surface.rect.bottom; ++y) {
        for (int32_t x = 0; x < surface.rect.right; ++x) {
            blend_test::put_pixel(surface, x, y, value);
        }
    }
}
