#include "tools/sample/ship_pictures.h"

#include "screen/sprite_record.h"
#include "shell/binio.h"
#include "tools/sample/bitmap_writer.h"

#include <cmath>
#include <vector>

namespace {

// As the sample object table names them.
constexpr int ship_sprite = 16;
constexpr int item_sprite = 20;

constexpr int32_t cell = 16;
constexpr uint32_t key_colour = 0xFF00FF;
constexpr plat::colorref_t key = 0x00FF00FF;

// Sixteen cells of a dart pointing right; cell p is tilted by the bank it shows (patterns 13..15 climb,
// 1..3 dive, the rest are the warp-in's spin).
sample_picture_t ship_sheet() {
    sample_picture_t sheet(cell * 8, cell * 2, key_colour);
    for (int32_t p = 0; p < 16; ++p) {
        const double angle = (p < 8 ? p : p - 16) * 3.14159265358979 / 8;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        for (int32_t y = 0; y < cell; ++y) {
            for (int32_t x = 0; x < cell; ++x) {
                // Into the dart's own frame: u along the nose, v across it.
                const double dx = x - 7.5;
                const double dy = y - 7.5;
                const double u = dx * c + dy * s;
                const double v = -dx * s + dy * c;
                if (u > -6 && u < 7 && std::abs(v) < (7 - u) * 0.35) {
                    const bool canopy = u > 0 && u < 3 && std::abs(v) < 1.2;
                    sheet.at(p % 8 * cell + x, p / 8 * cell + y) = canopy ? 0x80E0FF : 0xC0C8D0;
                }
            }
        }
    }
    return sheet;
}

// Sixteen cells of a capsule whose band turns as it animates: red for the first eight patterns, blue for
// the speed item's second eight.
sample_picture_t item_sheet() {
    sample_picture_t sheet(cell * 8, cell * 2, key_colour);
    for (int32_t p = 0; p < 16; ++p) {
        const uint32_t band = p < 8 ? 0xFF4020 : 0x4080FF;
        for (int32_t y = 0; y < cell; ++y) {
            for (int32_t x = 0; x < cell; ++x) {
                if (std::hypot((x - 7.5) * 0.8, y - 7.5) >= 6.5) {
                    continue;
                }
                const bool in_band = (x + p % 8) % 8 < 3;
                sheet.at(p % 8 * cell + x, p / 8 * cell + y) = in_band ? band : 0xE0E0E0;
            }
        }
    }
    return sheet;
}

struct picture_t {
    int index;
    const char* path;
    sample_picture_t picture;
};

} // namespace

bool write_ship_pictures(const std::string& root, std::string& error) {
    const std::string table_path = root + "/bin/sptbl.dat";
    std::vector<uint8_t> bytes;
    std::vector<sprite_record_t> table(sprite_table_size);
    if (!read_file_bytes(table_path, bytes) || !read_sprite_table(bytes.data(), bytes.size(), table.data())) {
        error = "bin/sptbl.dat: cannot read";
        return false;
    }
    const picture_t pictures[] = {{ship_sprite, "image\\ship.bmp", ship_sheet()},
                                  {item_sprite, "image\\item.bmp", item_sheet()}};
    for (const picture_t& p : pictures) {
        if (!write_file_bytes(root + "/" + p.path, encode_bmp24(p.picture))) {
            error = std::string(p.path) + ": cannot write";
            return false;
        }
        table[size_t(p.index)] = {p.path, nullptr, key, cell, cell};
    }
    byte_writer_t w;
    for (const sprite_record_t& r : table) {
        write_sprite_record(w, r);
    }
    if (!write_file_bytes(table_path, w.data())) {
        error = "bin/sptbl.dat: cannot write";
        return false;
    }
    return true;
}
