#include "base/binio.h"
#include "platform/file.h"
#include "platform/gdi.h"
#include "render/bitmap.h"
#include "tests/render/blend_surfaces.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/bitmap_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

// Six distinct colours, 3 x 2, rows top to bottom.
const std::vector<uint32_t> colours = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x808080, 0x102030};

// The values a depth stores for the colours: palette indices below 16 bits, the colours above.
std::vector<uint32_t> stored_values(uint16_t bits) {
    std::vector<uint32_t> v(colours.size());
    for (size_t i = 0; i < v.size(); ++i) {
        v[i] = bits == 1 ? uint32_t(i % 2) : bits < 16 ? uint32_t(i) : colours[i];
    }
    return v;
}

bmp_layout_t layout_for(uint16_t bits, int32_t height) {
    bmp_layout_t l{3, height, bits, {}, 0};
    if (bits == 1) {
        l.palette = {colours[0], colours[1]};
    } else if (bits < 16) {
        l.palette = colours;
        l.clr_used = uint32_t(colours.size());
    }
    return l;
}

// What the bitmap shows once copied into a 32-bit surface, row by row from the top.
std::vector<uint32_t> shown(plat::hbitmap_t bitmap) {
    blend_test::surfaces_t made;
    auto surface = made.make(blend_test::formats[6], 3, 2);
    EXPECT_TRUE(surface->copy_bitmap(0, 0, bitmap));
    std::vector<uint32_t> p = blend_test::pixels(*surface);
    for (uint32_t& v : p) {
        v &= 0xFFFFFF;
    }
    return p;
}

} // namespace

TEST(bitmap_loader, every_depth_and_row_order_loads_with_its_palette) {
    for (const uint16_t bits : {1, 4, 8, 24, 32}) {
        for (const int32_t height : {2, -2}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, height " << height);
            const bmp_layout_t l = layout_for(bits, height);
            const std::vector<uint8_t> rows = pack_bmp_rows(l, stored_values(bits));
            const std::vector<uint8_t> file = encode_bmp(l, rows);
            plat::hbitmap_t bitmap = load_bmp_bytes(file.data(), file.size());
            ASSERT_NE(bitmap, nullptr);

            plat::bitmap_record_t record;
            ASSERT_TRUE(plat::get_object(bitmap, &record));
            EXPECT_EQ(record.bm_width, 3);
            EXPECT_EQ(record.bm_height, 2);
            EXPECT_EQ(record.bm_bits_pixel, bits);
            EXPECT_EQ(std::memcmp(record.bm_bits, rows.data(), rows.size()), 0);

            std::vector<uint32_t> expected = colours;
            if (bits == 1) {
                for (size_t i = 0; i < expected.size(); ++i) {
                    expected[i] = colours[i % 2];
                }
            }
            EXPECT_EQ(shown(bitmap), expected);
            delete_bmp(bitmap);
        }
    }
}

TEST(bitmap_loader, sixteen_bits_load_the_raw_pixels_after_their_colour_entries) {
    bmp_layout_t l{3, 2, 16, {0}, 1};
    const std::vector<uint32_t> raw = {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x4210, 0x0C63};
    const std::vector<uint8_t> rows = pack_bmp_rows(l, raw);
    const std::vector<uint8_t> file = encode_bmp(l, rows);
    plat::hbitmap_t bitmap = load_bmp_bytes(file.data(), file.size());
    ASSERT_NE(bitmap, nullptr);
    plat::bitmap_record_t record;
    ASSERT_TRUE(plat::get_object(bitmap, &record));
    EXPECT_EQ(std::memcmp(record.bm_bits, rows.data(), rows.size()), 0);
    const std::vector<uint32_t> p = shown(bitmap);
    EXPECT_EQ(p[0] & 0xF8F8F8, 0xF80000u); // 5-5-5 read as red, green, blue
    EXPECT_EQ(p[2] & 0xF8F8F8, 0x0000F8u);
    delete_bmp(bitmap);
}

TEST(bitmap_loader, files_are_read_by_their_game_path_and_bad_ones_give_null) {
    temp_folder_t dir;
    const bmp_layout_t l = layout_for(8, 2);
    std::vector<uint8_t> file = encode_bmp(l, pack_bmp_rows(l, stored_values(8)));
    ASSERT_TRUE(plat::make_directory("Image"));
    ASSERT_TRUE(write_file_bytes("Image/Pic.bmp", file)); // made on a case-blind file system
    plat::hbitmap_t bitmap = load_bmp("image\\pic.bmp");
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(shown(bitmap), colours);
    delete_bmp(bitmap);

    EXPECT_EQ(load_bmp("image\\missing.bmp"), nullptr);
    EXPECT_EQ(load_bmp(nullptr), nullptr);
    file.pop_back(); // pixel bits one byte short of their count
    ASSERT_TRUE(write_file_bytes("Image/short.bmp", file));
    EXPECT_EQ(load_bmp("image\\short.bmp"), nullptr);
    file.resize(85);
    ASSERT_TRUE(write_file_bytes("Image/shorter.bmp", file));
    EXPECT_EQ(load_bmp("image\\shorter.bmp"), nullptr);
    // A good picture followed by more bytes than any picture has is refused unread (a sparse file here).
    std::filesystem::resize_file("Image/Pic.bmp", plat::largest_media_file + 1);
    EXPECT_EQ(load_bmp("image\\pic.bmp"), nullptr);
}

TEST(bitmap_loader, pixel_bytes_beyond_the_rows_are_cut_and_a_header_the_bitmap_refuses_gives_null) {
    const bmp_layout_t l = layout_for(24, 2);
    std::vector<uint8_t> rows = pack_bmp_rows(l, stored_values(24));
    rows.resize(rows.size() + 64, 0xEE);
    std::vector<uint8_t> file = encode_bmp(l, rows);
    plat::hbitmap_t bitmap = load_bmp_bytes(file.data(), file.size());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(shown(bitmap), colours);
    delete_bmp(bitmap);

    file[32 + 14 + 12] = 0; // biPlanes 0: the header parses, the bitmap cannot be made
    EXPECT_EQ(load_bmp_bytes(file.data(), file.size()), nullptr);
}

namespace {

// A picture as other tools save it: the game's prefix, then a BMP whose info header is info_size bytes
// (the fields past the first 40 zero), the palette and the rows, the offset pointing at the rows.
std::vector<uint8_t> tool_file(uint32_t info_size, uint16_t bits, uint32_t compression,
                               const std::vector<uint32_t>& palette, const std::vector<uint8_t>& rows) {
    const uint32_t off_bits = 14 + info_size + uint32_t(palette.size()) * 4;
    byte_writer_t w;
    w.zeros(32);
    w.bytes("BM", 2);
    w.u32(off_bits + uint32_t(rows.size()));
    w.u32(0);
    w.u32(off_bits);
    w.u32(info_size);
    w.i32(3);
    w.i32(2);
    w.u16(1);
    w.u16(bits);
    w.u32(compression);
    w.u32(uint32_t(rows.size()));
    w.zeros(8);
    w.u32(uint32_t(palette.size()));
    w.u32(0);
    w.zeros(info_size > 40 ? info_size - 40 : 0);
    for (uint32_t c : palette) {
        w.u32(c);
    }
    w.bytes(rows.data(), rows.size());
    return w.data();
}

} // namespace

TEST(bitmap_loader, longer_info_headers_and_sixteen_bits_decode_to_the_same_pixels) {
    std::vector<uint32_t> raw555;
    for (uint32_t c : colours) {
        raw555.push_back((c >> 19 & 31) << 10 | (c >> 11 & 31) << 5 | (c >> 3 & 31));
    }
    for (const uint32_t info_size : {40u, 108u, 124u}) {
        for (const uint16_t bits : {4, 8, 16, 24}) {
            SCOPED_TRACE(testing::Message() << info_size << "-byte header, " << bits << " bits");
            const bmp_layout_t l = layout_for(bits, 2);
            const std::vector<uint8_t> rows = pack_bmp_rows(l, bits == 16 ? raw555 : stored_values(bits));
            const std::vector<uint8_t> file = tool_file(info_size, bits, plat::bi_rgb, l.palette, rows);
            std::string error;
            plat::hbitmap_t bitmap = load_bmp_bytes(file.data(), file.size(), &error);
            ASSERT_NE(bitmap, nullptr) << error;
            const uint32_t kept = bits == 16 ? 0xF8F8F8 : 0xFFFFFF; // five bits a channel
            std::vector<uint32_t> got = shown(bitmap);
            for (size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i] & kept, colours[i] & kept) << i;
            }
            delete_bmp(bitmap);
        }
    }
}

TEST(bitmap_loader, a_refused_picture_names_its_reason) {
    const std::vector<uint8_t> rows(16, 0);
    const std::vector<std::pair<std::vector<uint8_t>, const char*>> cases = {
        {tool_file(124, 32, plat::bi_bitfields, {}, rows), "bit masks are not supported"},
        {tool_file(40, 8, 1, std::vector<uint32_t>(256), rows), "compressed pictures are not supported"},
        {tool_file(40, 12, plat::bi_rgb, {}, rows), "unsupported bits per pixel"},
        {tool_file(12, 24, plat::bi_rgb, {}, rows), "unsupported info header size"},
    };
    for (const auto& [file, reason] : cases) {
        std::string error;
        EXPECT_EQ(load_bmp_bytes(file.data(), file.size(), &error), nullptr) << reason;
        EXPECT_EQ(error, reason);
    }
}
