#include "tools/sample/block_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t floor_y = 192;
constexpr int32_t roof_y = 48;

// Bricks whose mortar lines and tint change with the cell.
uint32_t brick(double x, double y, int p, double half) {
    const double row = std::floor((y + half) / 8);
    const double shift = std::fmod(row, 2.0) * 4 + p;
    const bool mortar = std::fmod(y + half, 8) < 1 || std::fmod(x + half + shift + 16, 8) < 1;
    if (mortar) {
        return 0x404040;
    }
    const uint32_t tints[8] = {0x8A6A4A, 0x7A7A8A, 0x6A8A6A, 0x8A5A5A,
                               0x9A8A5A, 0x5A6A8A, 0x7A5A8A, 0x6A6A6A};
    return tints[p & 7];
}

uint32_t wall_small(double x, double y, int p) {
    return brick(x, y, p, 8);
}

uint32_t wall_large(double x, double y, int p) {
    return brick(x, y, p, 16);
}

// A cracked crystal block.
uint32_t splitter(double x, double y, int) {
    if (std::fabs(x) + std::fabs(y) > 9) {
        return sheet_key_colour;
    }
    return std::fabs(x - y * 0.5) < 0.8 ? 0x203040 : 0x60B0E0;
}

// A green ring with a cross.
uint32_t oneup(double x, double y, int) {
    const double r = std::hypot(x, y);
    if (r > 7.5) {
        return sheet_key_colour;
    }
    if ((std::fabs(x) < 1.2 && std::fabs(y) < 4.5) || (std::fabs(y) < 1.2 && std::fabs(x) < 4.5)) {
        return 0xFFFFFF;
    }
    return r > 5.5 ? 0x20C040 : 0x106020;
}

} // namespace

std::vector<objectinfo_t> block_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {176, 16, 16, 12, 1, 300, splitter_image, 0, 0}, {270, 16, 16, 1, 0, 0, oneup_image, 0, 0},
        {288, 16, 16, 1, 1, 0, wall_small_image, 0, 0},  {289, 16, 16, 1, 1, 0, wall_small_image, 0, 0},
        {290, 16, 16, 1, 1, 0, wall_small_image, 0, 0},  {291, 32, 32, 1, 1, 0, wall_large_image, 0, 0},
        {292, 32, 32, 1, 1, 0, wall_large_image, 0, 0},  {293, 32, 32, 1, 1, 0, wall_large_image, 0, 0},
    };
}

std::vector<stage_group_t> block_groups() {
    return {
        {"floor block",
         {place(291, 0, enter_x, floor_y - 8, 1), place(288, 16, enter_x, floor_y - 16, 3)}}, // and a brick
        {"roof block", {place(292, 0, enter_x, roof_y + 8, 2), place(289, 16, enter_x, roof_y + 16, 5)}},
        {"wall pillar", {place(293, 0, enter_x, floor_y - 8, 3), place(290, 16, enter_x, floor_y - 16, 6)}},
        {"splitter pair", {place(176, 0, enter_x, 128, 0, 38), place(176, 8, enter_x, 150)}}, // in the open
        {"splitter", {place(176, 0, enter_x, 100)}},
        {"oneup", {place(270, 0, enter_x, 128)}}, // an extra life in the open
    };
}

bool add_block_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {wall_small_image, "image\\wall16.bmp", 16, 16, 8, 8, wall_small},
        {wall_large_image, "image\\wall32.bmp", 32, 32, 4, 4, wall_large},
        {splitter_image, "image\\splitter.bmp", 16, 16, 1, 1, splitter},
        {oneup_image, "image\\oneup.bmp", 16, 16, 1, 1, oneup},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
