#include "tools/sample/formation_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t shot_image = 17;

// A small round fighter whose wings spin through 16 patterns.
uint32_t fighter(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r < 2.5) {
        return 0xFFE040;
    }
    const double a = std::atan2(y, x) - p * std::numbers::pi / 8;
    const double blade = std::fmod(std::fabs(a) + 8 * std::numbers::pi, std::numbers::pi / 2);
    return r < 6.5 && blade < 0.5 ? 0x40D0A0 : sheet_key_colour;
}

// A boxy craft pointing along its pattern's direction (64 steps, y up).
uint32_t patroller(double x, double y, int p) {
    const double a = p * std::numbers::pi / 32;
    const double u = x * std::cos(a) - y * std::sin(a);
    const double v = x * std::sin(a) + y * std::cos(a);
    if (std::fabs(u) > 10 || std::fabs(v) > 7) {
        return sheet_key_colour;
    }
    if (u > 4 && std::fabs(v) < 2) {
        return 0xFFFFFF;
    }
    return std::fabs(v) > 5 ? 0x506070 : 0x90A0C0;
}

// A flame flickering over 4 patterns.
uint32_t flame(double x, double y, int p) {
    const double r = std::hypot(x * (1 + 0.2 * (p % 2)), y);
    return r < 2 ? 0xFFFFC0 : (r < 3 + p % 3 ? 0xFF8020 : sheet_key_colour);
}

} // namespace

std::vector<objectinfo_t> formation_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {102, 12, 12, 1, 1, 100, fighter_image, 0, 0},     // zigzag leader and members
        {111, 12, 12, 2, 1, 150, fighter_image, 0, 0},     // twister001
        {114, 12, 12, 1, 1, 100, fighter_image, 0, 0},     // twister002
        {143, 24, 24, 12, 1, 1000, patroller_image, 0, 0}, // patroller001
        {93, 8, 8, 4, 0, 0, flame_image, 0, 0},            // flame
        {69, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {84, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {32, 6, 6, 1, 1, 0, shot_image, 0, 0},
        {33, 8, 8, 4, 0, 0, explosion_image, 0, 0},
    };
}

std::vector<stage_group_t> formation_groups() {
    return {
        {"zigzag A", {place(103, 0, 272, 64)}},
        {"zigzag A mirrored", {place(103, 0, 272, 176, 1)}},
        {"zigzag B", {place(104, 0, 272, 48)}},
        {"zigzag C", {place(105, 0, -16, 200)}},
        {"zigzag D", {place(106, 0, 272, 64)}},
        {"zigzag E", {place(107, 0, 272, 200)}},
        {"zigzag F mirrored", {place(108, 0, 272, 160, 1)}},
        {"twister001 eight", {place(112, 0, 272, 120, 0, 38)}},
        {"twister001 one", {place(111, 0, 272, 64, 90)}},
        {"twister001 B", {place(113, 0, 272, 128, 0, 41)}},
        {"twister002 A down", {place(115, 0, 176, -16, 0, 37)}},
        {"twister002 A one", {place(114, 0, 224, -16)}},
        {"twister002 B up", {place(116, 0, 96, 256, 0, 39)}},
        {"twister002 C", {place(248, 0, 272, 96)}},  // a hatch's runner to the left
        {"twister002 D", {place(247, 0, -16, 200)}}, // a hatch's runner to the right
        {"patroller", {place(143, 0, 272, 128, 0, 40)}},
        {"patroller low", {place(143, 0, 272, 160)}},
        {"patroller pair", {place(143, 0, 272, 96), place(143, 0, 320, 96)}}, // in line
    };
}

bool add_formation_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {fighter_image, "image\\fighter.bmp", 16, 16, 8, 16, fighter},
        {patroller_image, "image\\patroller.bmp", 24, 24, 8, 64, patroller},
        {flame_image, "image\\flame.bmp", 8, 8, 4, 4, flame},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
