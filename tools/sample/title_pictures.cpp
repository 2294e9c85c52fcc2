#include "tools/sample/title_pictures.h"

#include "base/binio.h"
#include "tools/sample/bitmap_writer.h"
#include "tools/sample/font_glyphs.h"
#include "tools/sample/ship_pictures.h"
#include "tools/sample/sprite_files.h"

#include <cmath>
#include <cstring>

namespace {

// Black is every picture's colour key.
constexpr uint32_t black = 0x000000;

// Text in the 5 x 7 font, each font pixel a scale x scale block, 6 x scale apart.
void draw_word(sample_picture_t& p, int32_t x, int32_t y, const char* text, int32_t scale, uint32_t colour) {
    for (int32_t i = 0; text[i] != '\0'; ++i) {
        for (int32_t gy = 0; gy < font_5x7.height; ++gy) {
            const char* row = font_5x7.row(uint8_t(text[i]), gy);
            for (int32_t gx = 0; row != nullptr && gx < font_5x7.width; ++gx) {
                for (int32_t s = 0; row[gx] == '#' && s < scale * scale; ++s) {
                    p.at(x + (6 * i + gx) * scale + s % scale, y + gy * scale + s / scale) = colour;
                }
            }
        }
    }
}

int32_t word_width(const char* text, int32_t scale) {
    return (6 * int32_t(std::strlen(text)) - 1) * scale;
}

void draw_word_centred(sample_picture_t& p, int32_t cx, int32_t y, const char* text, int32_t scale,
                       uint32_t colour) {
    draw_word(p, cx - word_width(text, scale) / 2, y, text, scale, colour);
}

void draw_box(sample_picture_t& p, int32_t left, int32_t top, int32_t w, int32_t h, uint32_t colour) {
    for (int32_t y = top; y < top + h; ++y) {
        for (int32_t x = left; x < left + w; ++x) {
            p.at(x, y) = colour;
        }
    }
}

// A dart pointing right, length long, hull and engine colours given.
void draw_ship(sample_picture_t& p, int32_t left, int32_t cy, int32_t length, uint32_t hull, uint32_t glow) {
    for (int32_t x = 0; x < length; ++x) {
        const int32_t half = (length - x) / 4 + 1;
        for (int32_t y = -half; y <= half; ++y) {
            p.at(left + x, cy + y) = x < length / 5 ? glow : (y == 0 && x > length / 2 ? 0xFFFFFF : hull);
        }
    }
}

sample_picture_t maker_logo() {
    sample_picture_t p(160, 48);
    draw_word_centred(p, 80, 4, "DORVEX", 4, 0x40D0FF);
    draw_box(p, 8, 36, 144, 2, 0xFF8040);
    draw_word_centred(p, 80, 40, "SOFTWARE", 1, 0xC0C0C0);
    return p;
}

// Scattered stars: a pixel's own hash, not a pattern along lines.
bool is_star(int32_t x, int32_t y) {
    uint32_t h = uint32_t(x) * 0x9E3779B1u ^ uint32_t(y) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h % 193 == 0;
}

// Starlit sky over a planet's rim on the right, the name across the top and the ship; the menu's
// corner stays dark so the additive menu reads.
sample_picture_t title_picture() {
    sample_picture_t p(256, 240);
    for (int32_t y = 0; y < 240; ++y) {
        for (int32_t x = 0; x < 256; ++x) {
            const double d = std::hypot(x - 300.0, y - 330.0);
            uint32_t c = 0x000008 + uint32_t(y / 16);
            if (d < 180) {
                c = d > 176 ? 0x80C0FF : 0x102048;
            } else if (is_star(x, y)) {
                c = 0xC0C0E0;
            }
            p.at(x, y) = c;
        }
    }
    draw_word_centred(p, 128 + 2, 30 + 2, "MELVORIN", 4, 0x401010);
    draw_word_centred(p, 128, 30, "MELVORIN", 4, 0xFFC040);
    draw_box(p, 32, 62, 192, 2, 0xFF6020);
    draw_ship(p, 150, 110, 64, 0x80A0D0, 0xFF8020);
    return p;
}

constexpr int32_t menu_cell_width = 96;
constexpr int32_t menu_cell_height = 12;

// Labels in cells 0 to 5, in the sheet's order; their selected forms a row below.
sample_picture_t menu_sheet() {
    constexpr const char* labels[] = {"GAME START", "RECORD PLAY", "REPLAY", "RANKING", "CONFIG", "EXIT"};
    sample_picture_t p(menu_cell_width * 8, menu_cell_height * 2);
    for (int32_t c = 0; c < 6; ++c) {
        const int32_t left = c * menu_cell_width;
        draw_word(p, left + 14, 2, labels[c], 1, 0x405880);
        draw_word(p, left + 14, menu_cell_height + 2, labels[c], 1, 0xFFE060);
        draw_word(p, left + 4, menu_cell_height + 2, ">", 1, 0xFF8040);
    }
    return p;
}

constexpr int32_t panel_width = 176;
constexpr int32_t panel_height = 34;

struct ship_panel_t {
    const char* path;
    const char* name;
    const char* missile;
    const char* laser;
};

constexpr ship_panel_t ship_panels[] = {
    {"image\\typesel_a.bmp", "TYPE A", "SNAKE MISSILE", "LONG LASER"},
    {"image\\typesel_b.bmp", "TYPE B", "DRIP MISSILE", "RIPPLE LASER"},
    {"image\\typesel_c.bmp", "TYPE C", "HOMING MISSILE", "POWER SHOT"},
    {"image\\typesel_d.bmp", "TYPE D", "VERTICAL MISSILE", "ION BLAST"},
};

sample_picture_t ship_panel(const ship_panel_t& s, int32_t type) {
    sample_picture_t p(panel_width, panel_height, 0x101830);
    draw_ship_type(p, 26, panel_height / 2, type);
    draw_word(p, 50, 3, s.name, 1, 0xFFFFFF);
    draw_word(p, 50, 13, s.missile, 1, 0xA0C0FF);
    draw_word(p, 50, 23, s.laser, 1, 0xA0C0FF);
    return p;
}

sample_picture_t panel_frame() {
    sample_picture_t p(panel_width, panel_height);
    draw_box(p, 0, 0, panel_width, 2, 0x60FFFF);
    draw_box(p, 0, panel_height - 2, panel_width, 2, 0x60FFFF);
    draw_box(p, 0, 0, 2, panel_height, 0x60FFFF);
    draw_box(p, panel_width - 2, 0, 2, panel_height, 0x60FFFF);
    return p;
}

constexpr int32_t option_cell_width = 60;
constexpr int32_t option_cell_height = 24;

// Cell 0: multiples trailing the ship's wavy path; cell 1: a straight formation with wide spacing.
sample_picture_t option_sheet() {
    sample_picture_t p(option_cell_width * 2, option_cell_height, 0x182040);
    draw_word_centred(p, option_cell_width / 2, 2, "TRAIL", 1, 0xFFF0A0);
    draw_word_centred(p, option_cell_width + option_cell_width / 2, 2, "FIXED", 1, 0xFFF0A0);
    for (int32_t k = 0; k < 4; ++k) {
        const int32_t x0 = 8 + 12 * k;
        const int32_t y0 = 15 + int32_t(std::lround(3 * std::sin(k * 1.6)));
        draw_box(p, x0, y0, 4, 4, 0xFF8040);
        draw_box(p, option_cell_width + 6 + 14 * k, 15, 4, 4, 0xFF8040);
    }
    return p;
}

struct title_sprite_t {
    int index;
    const char* path;
    int32_t cell_width;
    int32_t cell_height;
    sample_picture_t picture;
};

// Records 48 to 57, after the other front-end pictures.
std::vector<title_sprite_t> title_sprites() {
    std::vector<title_sprite_t> s;
    s.push_back({48, "image\\bootdorvex.bmp", 160, 48, maker_logo()});
    s.push_back({49, "image\\title.bmp", 256, 240, title_picture()});
    s.push_back({50, "image\\titlemenu.bmp", menu_cell_width, menu_cell_height, menu_sheet()});
    sample_picture_t heading(200, 20);
    draw_word_centred(heading, 100, 3, "SELECT SHIP", 2, 0x60E0FF);
    s.push_back({51, "image\\typesel_logo.bmp", 200, 20, heading});
    for (int i = 0; i < 4; ++i) {
        s.push_back({52 + i, ship_panels[i].path, panel_width, panel_height, ship_panel(ship_panels[i], i)});
    }
    s.push_back({56, "image\\typesel_frame.bmp", panel_width, panel_height, panel_frame()});
    s.push_back({57, "image\\muloprsel.bmp", option_cell_width, option_cell_height, option_sheet()});
    return s;
}

} // namespace

bool add_title_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    for (const auto& s : title_sprites()) {
        if (!add_sprite_picture(root, table, s.index, s.path, black, s.cell_width, s.cell_height, s.picture,
                                error)) {
            return false;
        }
    }
    return true;
}
