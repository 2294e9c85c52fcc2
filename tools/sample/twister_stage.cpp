#include "tools/sample/twister_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t shot_image = 17;
constexpr int32_t fighter_image = 96;
constexpr double pi = std::numbers::pi;

// A broad hull with two gun arms: they turn round the hull in patterns 0..31 and open up to 45 degrees
// in 32..39.
uint32_t gunship(double x, double y, int p) {
    if (std::hypot(x / 14, y / 9) < 1) {
        return std::hypot(x, y) < 4 ? 0xFFF080 : 0x7080B0;
    }
    const double a = p < 32 ? p * pi / 16 : (p - 32) * pi / 32;
    for (const double side : {1.0, -1.0}) {
        const double u = x * std::cos(a) + side * y * std::sin(a);
        const double v = -x * std::sin(a) * side + y * std::cos(a);
        if (std::fabs(v - side * 9) < 2.5 && std::fabs(u) < 20) {
            return 0xC0C8D8;
        }
    }
    return sheet_key_colour;
}

// A small dart whose fins spin through 32 patterns.
uint32_t dasher(double x, double y, int p) {
    if (std::fabs(y) < 2 && x > -7 && x < 7) {
        return x < -4 ? 0xFFFFFF : 0xE06040;
    }
    const double fin = std::cos(p * pi / 16) * 6;
    return std::fabs(x - 2) < 2 && std::fabs(y) < std::fabs(fin) + 1 ? 0xF0A060 : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> twister_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {117, 40, 24, 40, 1, 3000, twister_gunship_image, 0, 0}, // twister003 to the left
        {118, 40, 24, 40, 1, 3000, twister_gunship_image, 0, 0}, // and to the right
        {119, 14, 10, 3, 1, 200, twister_dasher_image, 0, 0},    // twister004
        {120, 12, 12, 2, 1, 150, fighter_image, 0, 0},           // twister005's members: right
        {122, 12, 12, 2, 1, 150, fighter_image, 0, 0},           // left
        {124, 12, 12, 2, 1, 150, fighter_image, 0, 0},           // up
        {126, 12, 12, 2, 1, 150, fighter_image, 0, 0},           // down
        {128, 14, 14, 6, 1, 400, fighter_image, 0, 0},           // twister006
        {129, 14, 14, 8, 1, 500, fighter_image, 0, 0},           // twister007
        {130, 14, 14, 6, 1, 400, fighter_image, 0, 0},           // twister008
        {19, 4, 4, 1, 1, 0, shot_image, 0, 0},                   // the gunship's spread
        {25, 6, 6, 1, 1, 0, shot_image, 0, 0},                   // the diver's missiles
    };
}

std::vector<stage_group_t> twister_groups() {
    return {
        {"twister003 hanging", {place(117, 0, 228, 72, 0, 39)}},  // a gunship hanging before the ship
        {"twister003 crossing", {place(118, 0, 24, 184, 0, 40)}}, // a gunship crossing to the right
        {"twister004", {place(119, 0, enter_x, 150)}},            // a dasher
        {"twister005 up", {place(125, 0, 200, 160, 0, 38)}}, // a formation let out upwards, above the floor
        {"twister005 right", {place(121, 0, 40, 64)}},
        {"twister005 down", {place(127, 0, 140, 8, 0, 37)}},
        {"twister005 left", {place(123, 0, 248, 140)}},
        {"twister006", {place(128, 0, enter_x, 96, 90)}},  // a weaver
        {"twister007 top", {place(129, 0, 180, -8)}},      // a diver from the top
        {"twister007 bottom", {place(129, 0, 200, 250)}},  // and from the bottom
        {"twister008", {place(130, 0, enter_x, 176, 45)}}, // a tracker firing right
    };
}

bool add_twister_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {twister_gunship_image, "image\\gunship2.bmp", 48, 48, 8, 40, gunship},
        {twister_dasher_image, "image\\dasher.bmp", 16, 16, 8, 32, dasher},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
