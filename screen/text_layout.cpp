#include "screen/text_layout.h"

#include <climits>

namespace {

bool fits(int64_t v) {
    return v >= INT32_MIN && v <= INT32_MAX;
}

} // namespace

bool place_glyph(uint8_t code, int32_t col, int32_t row, int32_t cell_width, int32_t cell_height,
                 const plat::rect_t& sheet, glyph_placement_t& out) {
    if (cell_width <= 0 || cell_height <= 0) {
        return false;
    }
    // Cell sizes come from the sprite table file, so everything is reckoned wide and checked.
    const int64_t left = int64_t(code % font_cells_per_row) * cell_width;
    const int64_t top = int64_t(code / font_cells_per_row) * cell_height;
    if (left < sheet.left || top < sheet.top || left + cell_width > sheet.right ||
        top + cell_height > sheet.bottom) {
        return false;
    }
    const int64_t x = int64_t(col) * cell_width;
    const int64_t y = int64_t(row) * (int64_t(cell_height) + 1);
    if (!fits(x) || !fits(y) || !fits(x + cell_width) || !fits(y + cell_height)) {
        return false;
    }
    out.source = {int32_t(left), int32_t(top), int32_t(left + cell_width), int32_t(top + cell_height)};
    out.at = {int32_t(x), int32_t(y)};
    return true;
}
