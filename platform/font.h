// The one face every GDI font draws with: 5x7 glyphs of printable ASCII in 6x8 cells, the eighth row
// for descenders.
#pragma once

#include <array>
#include <cstdint>

namespace plat {

constexpr int32_t font_cell_width = 6;
constexpr int32_t font_cell_height = 8;
constexpr int32_t font_glyph_width = 5;
constexpr int32_t font_glyph_height = 8;

// Row bits of a glyph, top row first, bit 4 the leftmost column. Characters outside printable ASCII
// get a hollow box.
const std::array<uint8_t, font_glyph_height>& glyph_rows(uint8_t c);

} // namespace plat
