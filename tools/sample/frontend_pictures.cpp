#include "tools/sample/frontend_pictures.h"

#include "tools/sample/bitmap_writer.h"
#include "tools/sample/font_glyphs.h"
#include "tools/sample/sprite_files.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int32_t icon_width = 32;
constexpr int32_t icon_height = 16;

// Parts of one equipment picture, every cell drawn on the same centre (black is the key): the ship,
// the three shot kinds alone and with multiples, the multiples, the missile and the shield.
void paint_icon_cell(sample_picture_t& sheet, int32_t col, int32_t row) {
    const int32_t left = col * icon_width;
    const int32_t top = row * icon_height;
    const auto put = [&](int32_t x, int32_t y, uint32_t colour) {
        if (x >= 0 && x < icon_width && y >= 0 && y < icon_height) {
            sheet.at(left + x, top + y) = colour;
        }
    };
    const int32_t shot = row == 0 ? col % 4 : 0; // 1 normal, 2 double, 3 laser
    if (row == 0 && col == 0) {
        for (int32_t x = 8; x < 16; ++x) {
            for (int32_t y = 8 - (x - 8) / 3; y <= 8 + (x - 8) / 3; ++y) {
                put(x, y, x == 15 ? 0xFFFFFF : 0xA0A0C0);
            }
        }
    } else if (row == 0 && col == 4) {
        for (const int32_t cy : {3, 13}) {
            for (int32_t y = cy - 1; y <= cy + 1; ++y) {
                for (int32_t x = 9; x <= 11; ++x) {
                    put(x, y, 0xFF8020);
                }
            }
        }
    } else if (shot != 0) {
        const bool with_multiples = col >= 4;
        for (const int32_t y : with_multiples ? std::vector<int32_t>{3, 8, 13} : std::vector<int32_t>{8}) {
            const int32_t length = shot == 3 ? 14 : 4;
            for (int32_t x = 18; x < 18 + length; ++x) {
                put(x, y, shot == 3 ? 0x40FFFF : 0xFFFF40);
                if (shot == 2) {
                    put(x, y - (x - 17), 0xFFFF40);
                }
            }
        }
    } else if (row == 1 && col == 0) {
        for (int32_t x = 10; x < 16; ++x) {
            put(x, 12, 0xFF4040);
        }
        put(16, 12, 0xFFFFFF);
    } else if (row == 1 && col == 1) {
        for (int32_t y = 2; y < 14; ++y) {
            put(17 + int32_t(std::lround(std::sqrt(36.0 - (y - 8) * (y - 8)) / 2)), y, 0x4080FF);
        }
    }
}

sample_picture_t equipment_icons() {
    sample_picture_t sheet(icon_width * 8, icon_height * 2);
    for (int32_t row = 0; row < 2; ++row) {
        for (int32_t col = 0; col < 8; ++col) {
            paint_icon_cell(sheet, col, row);
        }
    }
    return sheet;
}

// "GAME OVER" in the 5 x 7 font, three times enlarged, red fading to orange downward, on the black key.
sample_picture_t game_over_caption() {
    constexpr const char* text = "GAME OVER";
    constexpr int32_t scale = 3;
    const int32_t length = int32_t(std::strlen(text));
    sample_picture_t picture(length * 6 * scale + 2 * scale, font_5x7.height * scale + 2 * scale);
    for (int32_t i = 0; i < length; ++i) {
        for (int32_t gy = 0; gy < font_5x7.height; ++gy) {
            const char* glyph_row = font_5x7.row(uint8_t(text[i]), gy);
            for (int32_t gx = 0; glyph_row != nullptr && gx < font_5x7.width; ++gx) {
                if (glyph_row[gx] != '#') {
                    continue;
                }
                const uint32_t colour = 0xFF2000 + uint32_t(gy * 0x1800);
                for (int32_t k = 0; k < scale * scale; ++k) {
                    picture.at(scale + (i * 6 + gx) * scale + k % scale, scale + gy * scale + k / scale) =
                        colour;
                }
            }
        }
    }
    return picture;
}

} // namespace

bool add_frontend_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sample_picture_t caption = game_over_caption();
    const drawn_sprite_t sprites[] = {
        {40, "image\\eqstate_icon.bmp", 0, icon_width, icon_height, equipment_icons},
        {41, "image\\gameover.bmp", 0, caption.width, caption.height, game_over_caption},
    };
    for (const drawn_sprite_t& s : sprites) {
        if (!add_drawn_sprite(root, table, s, error)) {
            return false;
        }
    }
    return true;
}
