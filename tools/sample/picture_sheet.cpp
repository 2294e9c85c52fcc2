#include "tools/sample/picture_sheet.h"

#include "tools/sample/sprite_files.h"

namespace {

constexpr plat::colorref_t sheet_key = 0x00FF00FF;

} // namespace

sample_picture_t sheet(const sheet_sprite_t& s) {
    const int32_t rows = (s.count + s.columns - 1) / s.columns;
    sample_picture_t picture(s.cell_width * s.columns, s.cell_height * rows, sheet_key_colour);
    const double cx = (s.cell_width - 1) / 2.0;
    const double cy = (s.cell_height - 1) / 2.0;
    for (int32_t p = 0; p < s.count; ++p) {
        for (int32_t y = 0; y < s.cell_height; ++y) {
            for (int32_t x = 0; x < s.cell_width; ++x) {
                picture.at(p % s.columns * s.cell_width + x, p / s.columns * s.cell_height + y) =
                    s.shade(x - cx, y - cy, p);
            }
        }
    }
    return picture;
}

bool add_sheet_sprites(const std::string& root, std::vector<sprite_record_t>& table,
                       std::span<const sheet_sprite_t> sprites, std::string& error) {
    for (const sheet_sprite_t& s : sprites) {
        if (!add_sprite_picture(root, table, s.index, s.path, sheet_key, s.cell_width, s.cell_height,
                                sheet(s), error)) {
            return false;
        }
    }
    return true;
}
