#include "tools/sample/cell_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t roof_y = 48;
constexpr int32_t explosion_image = 19;

// A round cell whose nucleus swells with the pattern.
uint32_t cell(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r > 7.5) {
        return sheet_key_colour;
    }
    if (r < 2 + p * 0.4) {
        return 0x802040;
    }
    return r > 6.5 ? 0x40A060 : 0x80E0A0;
}

// A small seed that breaks into a ring as it bursts.
uint32_t group(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r > 3.5 || (p > 0 && r < p)) {
        return sheet_key_colour;
    }
    return p == 0 ? 0xE0F060 : 0xF08040;
}

} // namespace

std::vector<objectinfo_t> cell_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {52, 16, 16, 8, 0, 0, explosion_image, 0, 0}, // a link's death explosion
        {76, 16, 16, 8, 0, 0, explosion_image, 0, 0}, // cell001's
        {237, 16, 16, 12, 1, 300, cell_image, 0, 0},  // cell001
        {238, 4, 4, 1, 1, 0, cell_group_image, 0, 0}, // its shot
        {239, 12, 12, 3, 1, 50, cell_image, 0, 0},    // cell002's root and links
        {241, 4, 4, 1, 1, 0, cell_group_image, 0, 0}, // a link's group
    };
}

std::vector<stage_group_t> cell_groups() {
    return {
        {"cell001 pair", {place(237, 0, enter_x, 100, 0, 39), place(237, 30, enter_x, 150)}}, // in the open
        {"cell001", {place(237, 0, enter_x, 128)}},
        {"cell002", {place(240, 0, enter_x, roof_y)}}, // chains hanging from the ceiling
    };
}

bool add_cell_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {cell_image, "image\\cell.bmp", 16, 16, 8, 8, cell},
        {cell_group_image, "image\\cellgroup.bmp", 8, 8, 8, 4, group},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
