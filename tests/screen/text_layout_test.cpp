#include "screen/text_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The number field as a string of the columns col .. col + width - 1: '.' where nothing is drawn.
std::string number_field(int32_t value, int32_t digits, char pad, int32_t width, int32_t col = 0) {
    std::string field(size_t(width), '.');
    layout_number(col, 0, value, digits, pad, [&](int32_t c, int32_t r, uint8_t code, number_glyph_t) {
        EXPECT_EQ(r, 0);
        ASSERT_GE(c, 0);
        ASSERT_LT(c, width);
        field[size_t(c)] = char(code);
    });
    return field;
}

} // namespace

TEST(text_layout, glyphs_come_from_eight_cells_a_row_and_rows_of_text_lie_a_pixel_apart) {
    const plat::rect_t sheet{0, 0, 64, 128};
    glyph_placement_t g;
    // A at column 2, row 3 of 8 x 8 cells: sheet cell (1, 8), layer pixel (16, 27); B one row down at 36.
    ASSERT_TRUE(place_glyph('A', 2, 3, 8, 8, sheet, g));
    EXPECT_EQ(g.source.left, 8);
    EXPECT_EQ(g.source.top, 64);
    EXPECT_EQ(g.source.right, 16);
    EXPECT_EQ(g.source.bottom, 72);
    EXPECT_EQ(g.at.x, 16);
    EXPECT_EQ(g.at.y, 27);
    ASSERT_TRUE(place_glyph('B', 2, 4, 8, 8, sheet, g));
    EXPECT_EQ(g.at.y, 36);

    // Cells that do not lie wholly on the sheet draw nothing, whatever the sizes in the table say.
    EXPECT_FALSE(place_glyph(200, 0, 0, 8, 8, sheet, g));
    EXPECT_FALSE(place_glyph('G', 0, 0, 9, 8, sheet, g)); // column 7 of 9-pixel cells: 63..72
    EXPECT_FALSE(place_glyph('A', 0, 0, 0, 8, sheet, g));
    EXPECT_FALSE(place_glyph('A', 0, 0, 8, -1, sheet, g));
    EXPECT_FALSE(place_glyph(1, 0, 0, 0x40000000, 8, {0, 0, 0x7FFFFFFF, 128}, g));
    EXPECT_FALSE(place_glyph('A', 0x7FFFFFFF, 0, 8, 8, sheet, g));
}

TEST(text_layout, numbers_end_at_col_plus_digits_with_pad_and_sign) {
    EXPECT_EQ(number_field(123, 8, '0', 10), ".00000123.");
    EXPECT_EQ(number_field(123, 8, ' ', 10), "......123.");
    EXPECT_EQ(number_field(-45, 4, ' ', 6), "..-45.");
    EXPECT_EQ(number_field(-45, 4, '*', 6), "-**45.");
    EXPECT_EQ(number_field(0, 3, ' ', 5), "...0.");
    // More digits than the field continue leftward past col.
    EXPECT_EQ(number_field(12345, 2, ' ', 6, 3), ".12345");
    // The most negative value keeps its digits.
    EXPECT_EQ(number_field(INT32_MIN, 11, ' ', 12), ".-2147483648");
}
