#include "platform/font.h"

#include <gtest/gtest.h>

#include <set>

TEST(font, every_printable_character_has_its_own_glyph_within_the_cell) {
    std::set<std::array<uint8_t, plat::font_glyph_height>> seen;
    for (int c = 0x20; c <= 0x7E; ++c) {
        const auto& rows = plat::glyph_rows(uint8_t(c));
        int lit = 0;
        for (uint8_t row : rows) {
            EXPECT_EQ(row >> plat::font_glyph_width, 0) << char(c) << ": bits beyond the glyph's columns";
            lit += row != 0;
        }
        EXPECT_EQ(lit == 0, c == ' ') << char(c);
        EXPECT_TRUE(seen.insert(rows).second) << char(c) << " looks like another character";
    }
    // Anything else shows as a box, so a missing character is visible rather than silently dropped.
    EXPECT_EQ(plat::glyph_rows(0x7F), plat::glyph_rows(0xE3));
    EXPECT_EQ(seen.count(plat::glyph_rows(0x7F)), 0u);
}
