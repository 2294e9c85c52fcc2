#include "base/binio.h"
#include "base/strformat.h"
#include "platform/window.h"
#include "screen/bg.h"
#include "tests/screen/screen_fixture.h"
#include "umlib/draw.h"
#include "umlib/surface.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace {

using screenctr = screen_fixture_t;

std::vector<std::pair<plat::hwnd_t, int>> reported;

void record_progress(plat::hwnd_t window, int percent) {
    reported.emplace_back(window, percent);
}

// A sprite table naming the sample font at the given indices.
void write_table_naming(const std::vector<int>& indices) {
    byte_writer_t w;
    for (int i = 0; i < sprite_table_size; ++i) {
        const bool named = std::find(indices.begin(), indices.end(), i) != indices.end();
        write_sprite_record(w, named ? sprite_record_t{"image\\char003.bmp", nullptr, 0, 4, 6}
                                     : sprite_record_t{});
    }
    ASSERT_TRUE(write_file_bytes("bin/sptbl.dat", w.data()));
}

} // namespace

TEST_F(screenctr, creation_makes_the_presenter_and_the_layers_and_logs_the_display) {
    ASSERT_TRUE(start(32, 0, false));
    const screenctr_t& s = g_screenctr;
    ASSERT_NE(s.presenter, nullptr);
    EXPECT_FALSE(s.presenter->is_fullscreen());
    EXPECT_EQ(pixel_format_code, 0xA888);
    EXPECT_EQ(g_sprite_table, s.sprites);
    EXPECT_EQ(s.mg->surface, s.presenter->back);
    EXPECT_EQ(s.mg->clip.top, 8);
    EXPECT_EQ(s.mg->clip.bottom, 248);
    EXPECT_EQ(s.cg->width, 256);
    const int32_t sizes[4][2] = {{512, 512}, {512, 512}, {512, 256}, {256, 256}};
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(s.layers[i], s.saved_layers[i]);
        EXPECT_EQ(s.layers[i]->width, sizes[i][0]);
        EXPECT_EQ(s.layers[i]->height, sizes[i][1]);
        EXPECT_EQ(s.layers[i]->surface->rect.bottom, sizes[i][1]);
    }
    const std::vector<std::string> lines = log();
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ(lines[0], "- " + std::to_string(plat::screen_width()) + "x" +
                            std::to_string(plat::screen_height()) + " 32bpp モードで初期化しました");
    EXPECT_EQ(lines[3], "  bit  R:8 G:8 B:8");
    EXPECT_EQ(lines[4], "  msk  R:0x00FF0000 G:0x0000FF00 B:0x000000FF");
    EXPECT_EQ(lines[5], "  shf  R:16 G:8 B:0");
    EXPECT_EQ(lines[8], "  src:   0,   8, 256, 248");
    // The 512 x 512 client area at (40, 30) shows rows 8 to 247 at scale 2, centred.
    EXPECT_EQ(lines[9], "  dst:  40,  46, 552, 526");
}

TEST_F(screenctr, a_full_screen_mode_takes_its_own_format_and_centres_the_picture) {
    ASSERT_TRUE(start(32, 0x102801E0, false));
    EXPECT_TRUE(g_screenctr.presenter->is_fullscreen());
    EXPECT_EQ(pixel_format_code, 0x565);
    EXPECT_EQ(g_screenctr.presenter->dst.left, 64);
    EXPECT_EQ(g_screenctr.presenter->dst.right, 576);
    EXPECT_EQ(log()[0], "- 640x480 16bpp モードで初期化しました");
}

TEST_F(screenctr, destroy_and_the_operations_that_need_a_presenter_do_nothing_before_creation) {
    g_screenctr.update_view();
    g_screenctr.clear_layers();
    g_screenctr.fade(0, 128);
    g_screenctr.present();
    g_screenctr.scroll_x(5);
    EXPECT_EQ(g_screenctr.scroll_pos_x, 5);
    g_screenctr.destroy(); // resets what was changed, as construction left it
    EXPECT_EQ(g_screenctr.presenter, nullptr);
    EXPECT_EQ(g_screenctr.scroll_pos_x, 0);

    EXPECT_FALSE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
    EXPECT_EQ(log(), (std::vector<std::string>{"* Error: DirectDraw が初期化されていません",
                                               "スプライトテーブルの作成に失敗しました"}));
}

TEST_F(screenctr, sample_sprites_load_with_their_colour_keys_and_are_found_by_exact_path) {
    ASSERT_TRUE(start(32));
    // Menus and fonts, two map pictures, the title, ship-select, settings and game-over pictures, the play
    // overlays, the recording and replay marks, and the sheets the sample writes for each enemy and boss
    // family.
    EXPECT_EQ(g_screenctr.count_sprites(), 172);
    EXPECT_EQ(g_screenctr.find_sprite("image\\hitmark.bmp"), 3);
    EXPECT_EQ(g_screenctr.find_sprite("image\\HITMARK.bmp"), -1);
    EXPECT_EQ(g_screenctr.find_sprite(""), 5); // the first empty record
    EXPECT_EQ(g_screenctr.find_sprite(nullptr), -1);

    const sprite_record_t& craters = g_screenctr.sprites[3];
    ASSERT_NE(craters.surface, nullptr);
    EXPECT_EQ(craters.surface->rect.right, 128);
    plat::color_key_t key;
    ASSERT_EQ(craters.surface->surface->get_color_key(plat::ddckey_srcblt, &key), plat::dd_ok);
    EXPECT_EQ(key.color_space_low_value, 0xFF00FFu);
    EXPECT_EQ(blend_test::get_pixel(*craters.surface, 0, 0), 0xFF00FFu);
}

TEST_F(screenctr, a_broken_sprite_table_is_reported_and_leaves_the_table_empty) {
    ASSERT_TRUE(start(32, 0, false));
    std::vector<uint8_t> table;
    ASSERT_TRUE(read_file_bytes("bin/sptbl.dat", table));
    table.pop_back();
    ASSERT_TRUE(write_file_bytes("bin/sptbl.dat", table));
    const size_t before = log().size();
    EXPECT_FALSE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
    EXPECT_EQ(log().back(), "* Error: スプライトテーブルファイル .\\bin\\sptbl.dat を開けませんでした");
    EXPECT_EQ(g_screenctr.count_sprites(), 0);

    EXPECT_FALSE(g_screenctr.load_sprites(".\\bin\\missing.dat"));
    EXPECT_EQ(log().back(), "* Error: スプライトテーブルファイル .\\bin\\missing.dat を開けませんでした");

    // A table without a named record fails without a line.
    write_table_naming({});
    EXPECT_FALSE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
    EXPECT_EQ(log().size(), before + 2);

    // A bitmap that does not load names its record and the reason; what loaded before it is released.
    std::vector<uint8_t> compressed;
    ASSERT_TRUE(read_file_bytes("image/char001.bmp", compressed));
    compressed[32 + 14 + 16] = 1; // biCompression: run-length coded
    ASSERT_TRUE(write_file_bytes("image/rle.bmp", compressed));
    for (const auto& [bad, reason] : {std::pair{"image\\gone.bmp", "No such file or directory"},
                                      std::pair{"image\\rle.bmp", "compressed pictures are not supported"}}) {
        byte_writer_t w;
        for (int i = 0; i < sprite_table_size; ++i) {
            write_sprite_record(w, {i == 0 ? "image\\char001.bmp" : i == 3 ? bad : "", nullptr, 0, 8, 8});
        }
        ASSERT_TRUE(write_file_bytes("bin/sptbl.dat", w.data()));
        EXPECT_FALSE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
        EXPECT_EQ(log().back(),
                  strformat("* Error: スプライト[3:%s] のサーフェス作成に失敗しました (%s)", bad, reason));
        EXPECT_EQ(g_screenctr.count_sprites(), 0);
        EXPECT_EQ(g_screenctr.sprites[0].surface, nullptr);
    }
}

TEST_F(screenctr, progress_is_reported_for_each_named_record_then_100) {
    ASSERT_TRUE(start(32, 0, false));
    g_screenctr.progress = record_progress;
    write_table_naming({0, 1, 2, 3});
    reported.clear();
    ASSERT_TRUE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
    const plat::hwnd_t w = window->hwnd();
    EXPECT_EQ(reported,
              (std::vector<std::pair<plat::hwnd_t, int>>{{w, 0}, {w, 25}, {w, 50}, {w, 75}, {w, 100}}));

    write_table_naming({5});
    reported.clear();
    ASSERT_TRUE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
    EXPECT_EQ(reported, (std::vector<std::pair<plat::hwnd_t, int>>{{w, 0}, {w, 100}}));
    EXPECT_EQ(g_screenctr.find_sprite("image\\char003.bmp"), 5);

    write_table_naming({0, 1, 2});
    reported.clear();
    ASSERT_TRUE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
    EXPECT_EQ(reported, (std::vector<std::pair<plat::hwnd_t, int>>{{w, 0}, {w, 33}, {w, 66}, {w, 100}}));
}

TEST_F(screenctr, restoring_after_a_loss_reloads_every_bitmap) {
    ASSERT_TRUE(start(32));
    std::vector<std::vector<uint32_t>> loaded;
    for (int i = 0; i < 5; ++i) {
        loaded.push_back(blend_test::pixels(*g_screenctr.sprites[i].surface));
        fill(*g_screenctr.sprites[i].surface, 0x123456);
    }
    g_screenctr.presenter->primary->surface->set_lost(true);
    ASSERT_TRUE(g_screenctr.restore_sprites());
    EXPECT_EQ(g_screenctr.presenter->primary->surface->is_lost(), plat::dd_ok);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(blend_test::pixels(*g_screenctr.sprites[i].surface), loaded[i]) << "sprite " << i;
    }

    std::filesystem::remove("image/title2.bmp");
    EXPECT_FALSE(g_screenctr.restore_sprites());
    const std::vector<std::string> lines = log();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "* Error: ビットマップのロードに失敗しました@restore_sprites() "
                                       "(image\\title2.bmp: No such file or directory)");
    EXPECT_EQ(lines.back(), "* Error: スプライトテーブルの復元に失敗しました");
    EXPECT_EQ(g_screenctr.count_sprites(), 0);
}

TEST_F(screenctr, scrolling_divides_by_each_layers_shift_and_wraps_by_its_size) {
    ASSERT_TRUE(start(32, 0, false));
    screenctr_t& s = g_screenctr;
    const int32_t shifts[4] = {1, 0, 1, 2};
    for (int i = 0; i < 4; ++i) {
        s.layers[i]->shift = shifts[i];
    }
    s.scroll_x(-3);
    s.scroll_y(-3);
    EXPECT_EQ(s.layers[0]->offset_x, 511); // -3 / 2 = -1
    EXPECT_EQ(s.layers[1]->offset_x, 509);
    EXPECT_EQ(s.layers[2]->offset_y, 255);
    EXPECT_EQ(s.layers[3]->offset_x, 0); // -3 / 4 = 0
    s.scroll_x(0);
    EXPECT_EQ(s.scroll_pos_x, -3);

    // Slots keep their scroll state: each layer moving in takes it, masked by its own size.
    bg_t* first = s.layers[1];
    bg_t* last = s.layers[3];
    s.swap_layers(1, 3);
    EXPECT_EQ(s.layers[3], first);
    EXPECT_EQ(s.layers[1], last);
    EXPECT_EQ(first->offset_x, 0);
    EXPECT_EQ(first->shift, 2);
    EXPECT_EQ(last->offset_x, 509 & 255);
    EXPECT_EQ(last->shift, 0);
    s.swap_layers(1, 7); // a slot beyond the four changes nothing
    EXPECT_EQ(s.layers[1], last);

    s.restore_layers();
    EXPECT_EQ(s.layers[1], first);
    EXPECT_EQ(s.layers[3], last);
    EXPECT_EQ(last->offset_x, 253);

    s.reset_scroll();
    EXPECT_EQ(s.scroll_pos_x, 0);
    EXPECT_EQ(s.layers[0]->offset_x, 0);
    EXPECT_EQ(s.layers[2]->offset_y, 0);
}

TEST_F(screenctr, clear_layers_clears_only_the_layers_drawn_into) {
    ASSERT_TRUE(start(32, 0, false));
    screenctr_t& s = g_screenctr;
    blend_test::put_pixel(*s.cg->surface, 3, 3, 0xFFFFFF);
    blend_test::put_pixel(*s.mg->surface, 3, 20, 0xFFFFFF);
    s.mg->dirty = 1;
    s.clear_layers();
    EXPECT_EQ(blend_test::get_pixel(*s.cg->surface, 3, 3), 0xFFFFFFu); // not marked as drawn
    EXPECT_EQ(blend_test::get_pixel(*s.mg->surface, 3, 20), 0u);
    EXPECT_FALSE(s.mg->is_dirty());
}

TEST_F(screenctr, present_copies_the_visible_rows_to_the_primary_at_the_blit_scale) {
    ASSERT_TRUE(start(32, 0, false));
    screenctr_t& s = g_screenctr;
    blend_test::put_pixel(*s.mg->surface, 0, 8, 0x00FF00);
    blend_test::put_pixel(*s.mg->surface, 255, 247, 0x0000FF);
    s.present();
    const plat::rect_t& d = s.presenter->dst;
    umlib::surface_t& primary = *s.presenter->primary;
    EXPECT_EQ(blend_test::get_pixel(primary, d.left + 1, d.top + 1) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(blend_test::get_pixel(primary, d.right - 1, d.bottom - 1) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(blend_test::get_pixel(primary, d.left + 2, d.top) & 0xFFFFFF, 0u);
}

// Cell sizes at the int limits are bounded by their sheet as the table loads, so text drawn with them
// keeps its arithmetic in range (the sanitizer build checks it).
TEST_F(screenctr, cell_sizes_at_the_int_limits_are_bounded_by_the_sheet) {
    ASSERT_TRUE(start(32, 0, false));
    byte_writer_t w;
    for (int i = 0; i < sprite_table_size; ++i) {
        write_sprite_record(w,
                            i == 0   ? sprite_record_t{"image\\char003.bmp", nullptr, 0, INT32_MAX, INT32_MAX}
                            : i == 1 ? sprite_record_t{"image\\char003.bmp", nullptr, 0, INT32_MIN, INT32_MAX}
                                     : sprite_record_t{});
    }
    ASSERT_TRUE(write_file_bytes("bin/sptbl.dat", w.data()));
    ASSERT_TRUE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
    const plat::rect_t sheet = g_screenctr.sprites[0].surface->rect;
    EXPECT_EQ(g_screenctr.sprites[0].cell_width, sheet.right - sheet.left);
    EXPECT_EQ(g_screenctr.sprites[0].cell_height, sheet.bottom - sheet.top);
    EXPECT_EQ(g_screenctr.sprites[1].cell_width, 0);
    for (const int sprite : {0, 1}) {
        g_screenctr.cg->draw_string(100000, 100000, "AB", sprite);
        g_screenctr.cg->draw_text(3, 2, "AB", sprite, 128);
    }
}
