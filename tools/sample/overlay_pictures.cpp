#include "tools/sample/overlay_pictures.h"

#include "base/binio.h"
#include "tools/sample/bitmap_writer.h"
#include "tools/sample/font_glyphs.h"
#include "tools/sample/sprite_files.h"

#include <cstring>

namespace {

constexpr uint32_t magenta = 0xFF00FF;
constexpr plat::colorref_t magenta_key = 0x00FF00FF;

constexpr int32_t menu_width = 64, menu_height = 8;
constexpr int32_t life_size = 8;
constexpr int32_t slot_width = 38, slot_height = 9;

// Text in a font at (x, y) of a picture, one colour above the glyph's middle and one below.
void paint_text(sample_picture_t& picture, const glyph_font_t& font, int32_t x, int32_t y, const char* text,
                uint32_t colour, uint32_t shade) {
    for (int32_t i = 0; text[i] != '\0'; ++i) {
        for (int32_t gy = 0; gy < font.height; ++gy) {
            const char* row = font.row(uint8_t(text[i]), gy);
            for (int32_t gx = 0; row != nullptr && gx < font.width; ++gx) {
                if (row[gx] == '#') {
                    picture.at(x + i * (font.width + 1) + gx, y + gy) = gy * 2 < font.height ? colour : shade;
                }
            }
        }
    }
}

int32_t text_width(const glyph_font_t& font, const char* text) {
    return int32_t(std::strlen(text)) * (font.width + 1) - 1;
}

void fill_rect(sample_picture_t& picture, int32_t left, int32_t top, int32_t w, int32_t h, uint32_t colour) {
    for (int32_t y = top; y < top + h; ++y) {
        for (int32_t x = left; x < left + w; ++x) {
            picture.at(x, y) = colour;
        }
    }
}

// Cells 0 and 1: "RESUME" highlighted and plain, each on a bar; cells 8 and 9: "QUIT" likewise; cells 16
// and 17 "TAKE OVER", which only a replay's menu shows.
sample_picture_t pause_menu() {
    const char* labels[] = {"RESUME", "QUIT", "TAKE OVER"};
    sample_picture_t sheet(menu_width * 8, menu_height * 3, magenta);
    for (int32_t entry = 0; entry < 3; ++entry) {
        const int32_t top = entry * menu_height;
        const int32_t x = (menu_width - text_width(font_5x7, labels[entry])) / 2;
        fill_rect(sheet, 0, top, menu_width, menu_height, 0x203080);
        fill_rect(sheet, menu_width, top, menu_width, menu_height, 0x181820);
        paint_text(sheet, font_5x7, x, top, labels[entry], 0xFFFF60, 0xFFA020);
        paint_text(sheet, font_5x7, menu_width + x, top, labels[entry], 0x8090A0, 0x607080);
    }
    return sheet;
}

// A small ship facing right.
sample_picture_t life_mark() {
    sample_picture_t picture(life_size, life_size, magenta);
    const char* rows[life_size] = {"........", "##......", ".###....", ".######.",
                                   ".#######", ".######.", ".###....", "##......"};
    for (int32_t y = 0; y < life_size; ++y) {
        for (int32_t x = 0; x < life_size; ++x) {
            if (rows[y][x] == '#') {
                picture.at(x, y) = y < 4 ? 0xC0D0FF : 0x6080C0;
            }
        }
    }
    return picture;
}

// Cell 0 a slot box, cell 1 the box of an unavailable slot under the cursor.
sample_picture_t gauge_boxes() {
    sample_picture_t sheet(slot_width * 8, slot_height, magenta);
    for (int32_t cell = 0; cell < 2; ++cell) {
        const uint32_t frame = cell == 0 ? 0x80A0FF : 0xFF4040;
        fill_rect(sheet, cell * slot_width, 0, slot_width, slot_height, frame);
        fill_rect(sheet, cell * slot_width + 1, 1, slot_width - 2, slot_height - 2,
                  cell == 0 ? 0x102050 : 0x501010);
    }
    return sheet;
}

// Cells 0..5 the slot labels, 8..13 the same highlighted, 6 and 14 slot 1's "UP" and "DN" beside its label.
sample_picture_t gauge_labels() {
    sample_picture_t sheet(slot_width * 8, slot_height * 2, magenta);
    const char* labels[6] = {"SPD", "MISSILE", "DOUBLE", "LASER", "MULTI", "SHIELD"};
    for (int32_t slot = 0; slot < 6; ++slot) {
        const int32_t x = slot == 0 ? 4 : (slot_width - text_width(font_3x5, labels[slot])) / 2;
        paint_text(sheet, font_3x5, slot * slot_width + x, 2, labels[slot], 0xC0C0D0, 0x9090A0);
        paint_text(sheet, font_3x5, slot * slot_width + x, slot_height + 2, labels[slot], 0xFFFF40, 0xFFC000);
    }
    paint_text(sheet, font_3x5, 6 * slot_width + 22, 2, "UP", 0x60FF60, 0x30C030);
    paint_text(sheet, font_3x5, 6 * slot_width + 22, slot_height + 2, "DN", 0xFF8060, 0xC04030);
    return sheet;
}

} // namespace

bool add_overlay_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const drawn_sprite_t sprites[] = {
        {120, "image\\usrans.bmp", magenta_key, menu_width, menu_height, pause_menu},
        {121, "image\\lifemark.bmp", magenta_key, life_size, life_size, life_mark},
        {122, "image\\gauge_icon.bmp", magenta_key, slot_width, slot_height, gauge_boxes},
        {123, "image\\gauge_text.bmp", magenta_key, slot_width, slot_height, gauge_labels},
    };
    for (const drawn_sprite_t& s : sprites) {
        if (!add_drawn_sprite(root, table, s, error)) {
            return false;
        }
    }
    return true;
}

bool write_gauge_style(const std::string& root, std::string& error) {
    const std::string text = "# layout of the power-up gauge, 0 to 4\n0\n";
    if (!write_file_bytes(root + "/bin/gaugestyle.txt", std::vector<uint8_t>(text.begin(), text.end()))) {
        error = "bin/gaugestyle.txt: cannot write";
        return false;
    }
    return true;
}
