#include "tools/sample/worm_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t shot_image = 17;

// A round segment whose nose points along the pattern's heading (32 steps, y up); the bank tints it.
uint32_t segment(double x, double y, int p) {
    const uint32_t tints[4] = {0x60C060, 0x80B040, 0xA09030, 0xC07030};
    const double a = (p % 32) * std::numbers::pi / 16;
    const double u = x * std::cos(a) - y * std::sin(a);
    const double v = x * std::sin(a) + y * std::cos(a);
    const double r = std::hypot(x, y);
    if (u > 2 && u < 7 && std::fabs(v) < 1.5) {
        return 0xFFFFFF;
    }
    return r < 5.5 ? tints[(p / 32) % 4] : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> worm_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {189, 12, 12, 6, 1, 100, worm_image, 0, 0}, // worm001, every part
        {191, 12, 12, 4, 1, 300, worm_image, 0, 0}, // worm002 head, bodies
        {192, 12, 12, 4, 1, 50, worm_image, 0, 0},
        {194, 12, 12, 8, 1, 500, worm_image, 0, 0}, // worm003 head, bodies
        {195, 12, 12, 8, 1, 0, worm_image, 0, 0},
        {197, 12, 12, 8, 1, 800, worm_image, 0, 0}, // worm004 head, bodies
        {198, 12, 12, 8, 1, 100, worm_image, 0, 0},
        {60, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {64, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {74, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {22, 6, 6, 1, 1, 0, shot_image, 0, 0}, // worm005's shot and burst
    };
}

std::vector<stage_group_t> worm_groups() {
    return {
        {"worm001 eight", {place(189, 0, enter_x, 64, 2)}},
        {"worm001 twelve", {place(189, 0, enter_x, 180, 3, 38)}},
        {"worm002", {place(190, 0, enter_x, 200, 0)}}, // on the floor
        {"worm003", {place(193, 0, enter_x, 96)}},
        {"worm004", {place(196, 0, enter_x, 200, 16)}}, // rooted low, pointing up
        {"worm005", {place(199, 0, enter_x, 150, 0, 40)}},
    };
}

bool add_worm_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {worm_image, "image\\worm.bmp", 16, 16, 8, 128, segment},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
