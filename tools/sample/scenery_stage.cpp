#include "tools/sample/scenery_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t floor_y = 192;
constexpr int32_t roof_y = 48;

// A chevron pointing left, brighter with each pattern of its row.
uint32_t arrow(double x, double y, int p) {
    const double edge = std::fabs(y) * 0.8 - 4;
    if (std::fabs(x) > 7.5 || std::fabs(y) > 7.5 || x < edge || x > edge + 5) {
        return sheet_key_colour;
    }
    const uint32_t level = 0x40 + uint32_t(p % 8) * 0x30;
    return level << 16 | level << 8;
}

// A four-pointed star that shrinks as it flies inward.
uint32_t star(double x, double y, int p) {
    const double size = 7.5 - p;
    if (std::fabs(x) * std::fabs(y) > 2 || std::fabs(x) > size || std::fabs(y) > size) {
        return sheet_key_colour;
    }
    return 0xF0F0FF;
}

// A vertical bolt whose zigzag shifts with the pattern.
uint32_t bolt(double x, double y, int p) {
    const double centre = 3 * std::sin((y + p * 3) * 0.7);
    if (std::fabs(x - centre) > 1.5) {
        return sheet_key_colour;
    }
    return std::fabs(x - centre) < 0.6 ? 0xFFFFFF : 0x60A0FF;
}

// A forked flash that fades from white towards violet over its patterns.
uint32_t flash(double x, double y, int p) {
    const double centre = 4 * std::sin(y * 0.3) + (y > 8 ? (y - 8) * 0.5 : 0);
    if (std::fabs(x - centre) > 1.5 || std::fabs(y) > 31.5) {
        return sheet_key_colour;
    }
    const uint32_t level = 0xFF - uint32_t(p) * 0x18;
    return level << 16 | (level * 3 / 4) << 8 | 0xFF;
}

} // namespace

std::vector<objectinfo_t> scenery_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {43, 16, 16, 1, 0, 0, arrow_image, 0, -1},        // an arrow of the sign
        {95, 16, 16, 1, 0, 0, star002_image, 0, -1},      // star002
        {177, 16, 64, 1, 2, 0, electricity_image, 0, -1}, // electricity
        {242, 16, 64, 1, 2, 0, lightning_image, 0, -1},   // lightning
        {243, 16, 64, 1, 2, 0, lightning_image, 0, -1},   {244, 16, 64, 1, 2, 0, lightning_image, 0, -1},
    };
}

std::vector<stage_group_t> scenery_groups() {
    return {
        {"sign", {place(43, 0, 240, 128)}}, // pointing the way
        {"sign up", {place(43, 0, 240, 64, 1)}},
        {"stars", {place(95, 0, 0, 0), place(95, 0, 0, 0)}},     // flying in
        {"barrier roof", {place(177, 0, enter_x, roof_y + 32)}}, // hanging from the ceiling
        {"barrier floor", {place(177, 0, enter_x, floor_y - 32)}},
        {"lightning", {place(242, 0, 240, 96)}},
        {"lightning pair", {place(243, 0, 200, 80), place(244, 0, 232, 112)}},
    };
}

bool add_scenery_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {arrow_image, "image\\arrow.bmp", 16, 16, 8, 32, arrow},
        {star002_image, "image\\star002.bmp", 16, 16, 8, 6, star},
        {electricity_image, "image\\electricity.bmp", 16, 64, 8, 8, bolt},
        {lightning_image, "image\\lightning.bmp", 16, 64, 8, 8, flash},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
