#include "tools/sample/sprite_files.h"

#include "base/binio.h"
#include "screen/sprite_record.h"
#include "tools/sample/bee_stage.h"
#include "tools/sample/boss004_stage.h"
#include "tools/sample/boss006_stage.h"
#include "tools/sample/boss005_stage.h"
#include "tools/sample/cell_stage.h"
#include "tools/sample/chaser_stage.h"
#include "tools/sample/crab_stage.h"
#include "tools/sample/emplacement_stage.h"
#include "tools/sample/formation_stage.h"
#include "tools/sample/fish_stage.h"
#include "tools/sample/big_worm_stage.h"
#include "tools/sample/frontend_pictures.h"
#include "tools/sample/block_stage.h"
#include "tools/sample/gunship_stage.h"
#include "tools/sample/hopper_stage.h"
#include "tools/sample/meteor_stage.h"
#include "tools/sample/tentacle_stage.h"
#include "tools/sample/walker_stage.h"
#include "tools/sample/melvorin_stage.h"
#include "tools/sample/midboss_stage.h"
#include "tools/sample/mode_marks.h"
#include "tools/sample/mothership_stage.h"
#include "tools/sample/object_pictures.h"
#include "tools/sample/overlay_pictures.h"
#include "tools/sample/scorpion_stage.h"
#include "tools/sample/rotator_stage.h"
#include "tools/sample/sample_map_pictures.h"
#include "tools/sample/scenery_stage.h"
#include "tools/sample/shutter_stage.h"
#include "tools/sample/stage_pictures.h"
#include "tools/sample/title_pictures.h"
#include "tools/sample/tripus_stage.h"
#include "tools/sample/turret_stage.h"
#include "tools/sample/twister_stage.h"
#include "tools/sample/worm_stage.h"

#include <cmath>
#include <vector>

namespace {

constexpr uint32_t magenta = 0xFF00FF;
constexpr plat::colorref_t magenta_key = 0x00FF00FF;

// Eight crater patterns of 16 x 16 in a row: a hole (black, which punches through the layer) that
// opens and then settles with a scorched rim, on the transparent magenta.
sample_picture_t hitmark_sheet() {
    constexpr int32_t cell = 16;
    sample_picture_t sheet(cell * 8, cell, magenta);
    for (int32_t p = 0; p < 8; ++p) {
        const double hole = 1.5 + 0.6 * p;
        const double rim = hole + (p < 6 ? 1.5 : 0.8);
        for (int32_t y = 0; y < cell; ++y) {
            for (int32_t x = 0; x < cell; ++x) {
                const double d = std::hypot(x - 7.5, y - 7.5);
                if (d < hole) {
                    sheet.at(p * cell + x, y) = 0x000000;
                } else if (d < rim) {
                    sheet.at(p * cell + x, y) = (x + y + p) % 3 == 0 ? 0x603018 : 0x402010;
                }
            }
        }
    }
    return sheet;
}

// The menus' background: a dusk sky over a grid floor toward the horizon; never pure black, which is
// its key. The settings and the ranking write text over every row, so the grid stays faint and stops
// short of the horizon, where its lines would crowd into a solid band.
bool on_floor_grid(int32_t x, int32_t y) {
    constexpr int32_t horizon = 150;
    constexpr int32_t nearest_depth = 30;
    const int32_t depth = y - horizon;
    if (depth < nearest_depth) {
        return false;
    }
    for (int d = 0; d < 5; ++d) {
        if (depth == int32_t(90 / (1 + 0.5 * d))) {
            return true;
        }
    }
    for (int k = -12; k <= 12; ++k) {
        if (std::abs(x - (128 + 40.0 * k * depth / 90)) < 0.5) {
            return true;
        }
    }
    return false;
}

sample_picture_t title_background() {
    constexpr int32_t width = 256;
    constexpr int32_t height = 240;
    sample_picture_t picture(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t r = uint32_t(16 + y * 80 / height);
            const uint32_t g = uint32_t(8 + y * 24 / height);
            const uint32_t b = uint32_t(72 + (height - y) * 96 / height);
            // A quarter of the grid's light blue over the sky.
            picture.at(x, y) = on_floor_grid(x, y)
                                   ? (3 * r + 0x40) / 4 << 16 | (3 * g + 0xC0) / 4 << 8 | (3 * b + 0xFF) / 4
                                   : r << 16 | g << 8 | b;
        }
    }
    return picture;
}

struct sample_sprite_t {
    int index;
    const char* path;
    plat::colorref_t key;
    int32_t cell_width;
    int32_t cell_height;
    std::vector<uint8_t> file;
};

std::vector<sample_sprite_t> sample_sprites() {
    std::vector<sample_sprite_t> s;
    // Record 0 is the name-entry font and record 2 the ranking's: 30 rows of it fit the screen.
    s.push_back({0, "image\\char001.bmp", 0, 8, 8,
                 encode_bmp8(font_sheet(font_5x7, 8, 8, 1, 0, 0xFFF0A0, 0xE0A040))});
    s.push_back({1, "image\\char002.bmp", 0, 8, 8,
                 encode_bmp8(font_sheet(font_5x7, 8, 8, 1, 0, 0xA0FFFF, 0x40A0E0))});
    s.push_back({2, "image\\char003.bmp", 0, 4, 6,
                 encode_bmp8(font_sheet(font_3x5, 4, 6, 0, 0, 0xFFFFFF, 0xC0C0C0))});
    s.push_back({3, "image\\hitmark.bmp", magenta_key, 16, 16, encode_bmp24(hitmark_sheet())});
    s.push_back({4, "image\\title2.bmp", 0, 256, 240, encode_bmp24(title_background())});
    return s;
}

} // namespace

sample_picture_t font_sheet(const glyph_font_t& font, int32_t cell_width, int32_t cell_height, int32_t x,
                            int32_t y, uint32_t colour, uint32_t shade) {
    sample_picture_t sheet(cell_width * 8, cell_height * 16);
    for (int code = 0; code < 128; ++code) {
        const int32_t left = code % 8 * cell_width + x;
        const int32_t top = code / 8 * cell_height + y;
        for (int32_t gy = 0; gy < font.height; ++gy) {
            const char* row = font.row(uint8_t(code), gy);
            for (int32_t gx = 0; row != nullptr && gx < font.width; ++gx) {
                if (row[gx] == '#') {
                    sheet.at(left + gx, top + gy) = gy * 2 < font.height ? colour : shade;
                }
            }
        }
    }
    return sheet;
}

bool add_sprite_picture(const std::string& root, std::vector<sprite_record_t>& table, int index,
                        const char* path, plat::colorref_t key, int32_t cell_width, int32_t cell_height,
                        const sample_picture_t& picture, std::string& error) {
    if (!table.at(size_t(index)).path.empty()) {
        error = std::string(path) + ": sprite record " + std::to_string(index) + " is taken";
        return false;
    }
    if (!write_file_bytes(root + "/" + path, encode_bmp24(picture))) {
        error = std::string(path) + ": cannot write";
        return false;
    }
    table.at(size_t(index)) = {path, nullptr, key, cell_width, cell_height};
    return true;
}

bool add_drawn_sprite(const std::string& root, std::vector<sprite_record_t>& table,
                      const drawn_sprite_t& sprite, std::string& error) {
    return add_sprite_picture(root, table, sprite.index, sprite.path, sprite.key, sprite.cell_width,
                              sprite.cell_height, sprite.draw(), error);
}

bool write_sprite_files(const std::string& root, std::string& error) {
    std::vector<sprite_record_t> table(sprite_table_size);
    for (const sample_sprite_t& s : sample_sprites()) {
        if (!write_file_bytes(root + "/" + s.path, s.file)) {
            error = std::string(s.path) + ": cannot write";
            return false;
        }
        table[s.index] = {s.path, nullptr, s.key, s.cell_width, s.cell_height};
    }
    if (!add_map_sprites(root, table, error) || !add_object_sprites(root, table, error) ||
        !add_frontend_sprites(root, table, error) || !add_stage_sprites(root, table, error) ||
        !add_title_sprites(root, table, error) || !add_formation_sprites(root, table, error) ||
        !add_melvorin_sprites(root, table, error) || !add_overlay_sprites(root, table, error) ||
        !add_midboss_sprites(root, table, error) || !add_turret_sprites(root, table, error) ||
        !add_emplacement_sprites(root, table, error) || !add_shutter_sprites(root, table, error) ||
        !add_worm_sprites(root, table, error) || !add_mode_mark_sprites(root, table, error) ||
        !add_twister_sprites(root, table, error) || !add_rotator_sprites(root, table, error) ||
        !add_scenery_sprites(root, table, error) || !add_cell_sprites(root, table, error) ||
        !add_hopper_sprites(root, table, error) || !add_boss004_sprites(root, table, error) ||
        !add_boss005_sprites(root, table, error) ||
        !add_crab_sprites(root, table, error) || !add_boss006_sprites(root, table, error) ||
        !add_gunship_sprites(root, table, error) || !add_fish_sprites(root, table, error) || !add_chaser_sprites(root, table, error) || !add_meteor_sprites(root, table, error) ||
        !add_tripus_sprites(root, table, error) || !add_mothership_sprites(root, table, error) || !add_block_sprites(root, table, error) ||
        !add_walker_sprites(root, table, error) || !add_tentacle_sprites(root, table, error) || !add_big_worm_sprites(root, table, error) || !add_bee_sprites(root, table, error) ||
        !add_scorpion_sprites(root, table, error)) {
        return false;
    }
    byte_writer_t w;
    for (const sprite_record_t& r : table) {
        write_sprite_record(w, r);
    }
    if (!write_file_bytes(root + "/bin/sptbl.dat", w.data())) {
        error = "bin/sptbl.dat: cannot write";
        return false;
    }
    return true;
}
