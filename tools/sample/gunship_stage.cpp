#include "tools/sample/gunship_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

// A hull with two barrels pointing left, its nose raised by tilt steps of 6 degrees (patterns 5..7 lower).
uint32_t twinbarrel(double x, double y, int p) {
    const int tilt = p < 4 ? p : p - 8;
    const double a = tilt * 0.1;
    const double u = x * std::cos(a) + y * std::sin(a);
    const double v = -x * std::sin(a) + y * std::cos(a);
    if (u > -4 && u < 18 && std::fabs(v) < 9) {
        return std::fabs(v) > 6 ? 0x405060 : 0x8098B0;
    }
    if (u >= -20 && u <= -4 && (std::fabs(v + 8) < 2 || std::fabs(v - 8) < 2)) {
        return 0x303840;
    }
    return sheet_key_colour;
}

// A hot streak, brighter at its front.
uint32_t bolt(double x, double y, int) {
    if (std::fabs(x) > 5.5 || std::fabs(y) > 1.5) {
        return sheet_key_colour;
    }
    return x < -2 ? 0xFFFFFF : 0xFF6040;
}

} // namespace

std::vector<objectinfo_t> gunship_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {144, 32, 24, 120, 1, 3000, twinbarrel_image, 0, 0}, // twinbarrel
        {145, 12, 4, 1, 1, 0, bolt_image, 0, -1},            // its bolts' pieces
    };
}

std::vector<placement_t> gunship_placements(int32_t stage) {
    if (stage == 1) {
        return {place(144, position(2, 160), enter_x, 100, 0, 39)};
    }
    return {place(144, position(3, 140), enter_x, 160)};
}

bool add_gunship_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {twinbarrel_image, "image\\twinbarrel.bmp", 48, 32, 8, 8, twinbarrel},
        {bolt_image, "image\\bolt.bmp", 12, 4, 1, 1, bolt},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
