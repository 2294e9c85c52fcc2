#include "tools/sample/turret_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t shot_image = 17;
constexpr int32_t floor_y = turret_floor_y;
constexpr int32_t roof_y = turret_roof_y;

// A dome on the floor (or hanging from the ceiling) with its barrel along direction d (64 steps, y up).
uint32_t dome(double x, double y, double d, bool hanging) {
    const double a = d * std::numbers::pi / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    if (along > 0 && along < 8 && std::fabs(across) < 1.2) {
        return 0xC0C0C0;
    }
    const double base = hanging ? y + 7.5 : 7.5 - y;
    if (base < 2) {
        return 0x606060;
    }
    return std::hypot(x, hanging ? y + 6 : y - 6) < 6 ? 0x508050 : sheet_key_colour;
}

uint32_t battery001(double x, double y, int p) {
    if (p <= 16) {
        return dome(x, y, 2 * p, false);
    }
    return p >= 24 && p <= 40 ? dome(x, y, 32 + 2 * (p - 24), true) : sheet_key_colour;
}

// A round gun whose barrel points along its pattern.
uint32_t gun(double x, double y, int p) {
    const double a = p * std::numbers::pi / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    if (along > 0 && along < 8 && std::fabs(across) < 1.5) {
        return 0xE0E0E0;
    }
    const double r = std::hypot(x, y);
    return r < 3 ? 0xF0A040 : r < 6 ? 0x806070 : sheet_key_colour;
}

// A frame whose shutter slides open over 8 patterns.
uint32_t hatch(double x, double y, int p) {
    if (std::fabs(x) > 11 || std::fabs(y) > 7) {
        return sheet_key_colour;
    }
    if (std::fabs(x) > 9 || std::fabs(y) > 5) {
        return 0x8080A0;
    }
    return std::fabs(x) < p * 9.0 / 7 ? 0x201020 : 0x605040;
}

} // namespace

std::vector<objectinfo_t> turret_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {150, 16, 16, 4, 1, 300, battery001_image, 0, 0}, // battery001 on the floor
        {151, 16, 16, 4, 1, 300, battery001_image, 0, 0}, // and on the ceiling
        {152, 16, 16, 6, 1, 500, gun_image, 0, 0},        // battery002
        {153, 4, 4, 1, 1, 0, shot_image, 0, 0},           // its shots
        {154, 8, 8, 4, 0, 0, explosion_image, 0, 0},      // its muzzle flash
        {166, 16, 16, 8, 1, 700, gun_image, 0, 0},        // battery006
        {245, 24, 16, 16, 1, 1000, hatch_image, 0, 0},    // hatches of the four twister002 kinds
        {246, 24, 16, 16, 1, 1000, hatch_image, 0, 0},    {247, 24, 16, 16, 1, 1000, hatch_image, 0, 0},
        {248, 24, 16, 16, 1, 1000, hatch_image, 0, 0},    {85, 24, 24, 8, 0, 0, explosion_image, 0, 0},
    };
}

std::vector<stage_group_t> turret_groups() {
    return {
        {"floor turret", {place(150, 0, enter_x, floor_y)}},
        {"roof turret", {place(151, 0, enter_x, roof_y, 0, 41)}},
        {"battery002 up", {place(152, 0, enter_x, floor_y, 24)}},      // firing up and left
        {"battery002 down", {place(152, 0, enter_x, roof_y, 40)}},     // firing down and left
        {"battery006 down", {place(166, 0, enter_x, roof_y, 40, 38)}}, // looking down and left
        {"battery006 up", {place(166, 0, enter_x, floor_y, 24, 40)}},  // looking up and left
        {"hatch down", {place(245, 0, enter_x, roof_y, 0, 37)}},       // its chain flies down
        {"hatch down plain", {place(245, 0, enter_x, roof_y)}},
        {"hatch up", {place(246, 0, enter_x, floor_y)}}, // its chain flies up
    };
}

bool add_turret_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {battery001_image, "image\\battery001.bmp", 16, 16, 8, 48, battery001},
        {gun_image, "image\\gun.bmp", 16, 16, 8, 64, gun},
        {hatch_image, "image\\hatch.bmp", 24, 24, 8, 8, hatch},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
