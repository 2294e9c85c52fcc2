#include "base/binio.h"
#include "render/bitmap_file.h"
#include "tools/sample/bitmap_writer.h"

#include <gtest/gtest.h>

namespace {

bmp_layout_t layout(int32_t width, int32_t height, uint16_t bits, size_t colours = 0, uint32_t clr_used = 0) {
    bmp_layout_t l{width, height, bits, std::vector<uint32_t>(colours), clr_used};
    for (size_t i = 0; i < colours; ++i) {
        l.palette[i] = uint32_t(i * 0x010203);
    }
    return l;
}

std::vector<uint8_t> file_of(const bmp_layout_t& l) {
    const int32_t rows = l.height < 0 ? -l.height : l.height;
    return encode_bmp(l, pack_bmp_rows(l, std::vector<uint32_t>(size_t(l.width) * rows, 1)));
}

bool parse(const std::vector<uint8_t>& file, bmp_image_t& image) {
    std::string error;
    return parse_bmp(file.data(), file.size(), image, error);
}

void put(std::vector<uint8_t>& file, size_t offset, uint32_t v, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) {
        file[offset + i] = uint8_t(v >> (8 * i));
    }
}

// Offsets of header fields in the prefixed file.
constexpr size_t bf_size = 34, bf_off_bits = 42, bi_width = 50, bi_height = 54, bi_bit_count = 60,
                 bi_compression = 62, bi_clr_used = 78;

} // namespace

TEST(bitmap_file, colour_table_follows_the_depth_and_the_used_count) {
    bmp_image_t image;
    ASSERT_TRUE(parse(file_of(layout(3, 2, 8, 256, 0)), image));
    EXPECT_EQ(image.colors.size(), 256u);
    EXPECT_EQ(image.colors[2], 0x020406u);
    ASSERT_TRUE(parse(file_of(layout(3, 2, 8, 16, 16)), image));
    EXPECT_EQ(image.colors.size(), 16u);
    EXPECT_EQ(image.image_bytes, 8u); // 4-byte rows, 2 of them

    // 24 and 32 bits read no table whatever biClrUsed says.
    ASSERT_TRUE(parse(file_of(layout(3, 2, 24, 0, 77)), image));
    EXPECT_TRUE(image.colors.empty());
    ASSERT_TRUE(parse(file_of(layout(3, -2, 32, 0, 9)), image));
    EXPECT_TRUE(image.colors.empty());

    // 16 bits are direct colours: only the biClrUsed entries come before them.
    ASSERT_TRUE(parse(file_of(layout(2, 2, 16, 0, 0)), image));
    EXPECT_TRUE(image.colors.empty());
    ASSERT_TRUE(parse(file_of(layout(2, 2, 16, 3, 3)), image));
    EXPECT_EQ(image.colors.size(), 3u);
}

TEST(bitmap_file, pixel_bits_follow_the_table_without_a_seek_and_are_counted_by_the_file_header) {
    std::vector<uint8_t> file = file_of(layout(4, 2, 8, 4, 4));
    // A wrong offset changes where nothing is read from; only the count bfSize - bfOffBits matters.
    put(file, bf_off_bits, 60);
    put(file, bf_size, 68);
    file[32] = 'X'; // and the signature is not tested
    bmp_image_t image;
    ASSERT_TRUE(parse(file, image));
    EXPECT_EQ(image.pixels, file.data() + 86 + 16);
    EXPECT_EQ(image.pixel_bytes, 8u);
}

TEST(bitmap_file, a_count_beyond_the_rows_is_cut_and_one_beyond_the_file_is_refused) {
    std::vector<uint8_t> file = file_of(layout(4, 2, 8, 4, 4)); // rows hold 8 bytes
    file.resize(file.size() + 100, 0xEE);
    put(file, bf_size, 54 + 16 + 108);
    bmp_image_t image;
    ASSERT_TRUE(parse(file, image));
    EXPECT_EQ(image.pixel_bytes, 8u);

    put(file, bf_size, 54 + 16 + 109);
    EXPECT_FALSE(parse(file, image));
}

TEST(bitmap_file, headers_that_cannot_describe_a_picture_safely_are_refused) {
    const std::vector<uint8_t> good = file_of(layout(4, 2, 8, 4, 4));
    bmp_image_t image;
    ASSERT_TRUE(parse(good, image));

    auto refused = [&](size_t offset, uint32_t value, int bytes = 4) {
        std::vector<uint8_t> file = good;
        put(file, offset, value, bytes);
        return !parse(file, image);
    };
    EXPECT_TRUE(refused(bi_clr_used, 257));         // more colours than 8 bits index
    EXPECT_TRUE(refused(bf_off_bits, 0xFFFFFFF0u)); // offset beyond the size
    EXPECT_TRUE(refused(bf_size, 70));              // size equal to offset: no pixel bytes
    EXPECT_TRUE(refused(bi_width, 0));
    EXPECT_TRUE(refused(bi_width, uint32_t(-4)));
    EXPECT_TRUE(refused(bi_height, 0));
    EXPECT_TRUE(refused(bi_height, 0x80000000u));
    EXPECT_TRUE(refused(bi_compression, 1));        // run-length coded
    EXPECT_TRUE(refused(bi_bit_count, 12, 2));      // 12 bits a pixel
    EXPECT_TRUE(refused(bi_height, 0x40000000u));   // the rows overflow
    EXPECT_FALSE(refused(bi_height, uint32_t(-2))); // top-down is fine

    std::vector<uint8_t> short_file = good;
    short_file.resize(85);
    EXPECT_FALSE(parse(short_file, image));
    short_file = good;
    short_file.pop_back(); // pixel bits one byte short of the count
    EXPECT_FALSE(parse(short_file, image));
}
