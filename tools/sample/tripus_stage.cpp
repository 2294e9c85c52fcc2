#include "tools/sample/tripus_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr double degree = 3.14159265358979 / 180;
constexpr int32_t explosion_image = 19;

// A hub with three arms 120 degrees apart, turned 5 degrees a pattern (y grows downwards).
uint32_t tripus(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r < 4.5) {
        return r < 2.5 ? 0xFFE040 : 0x803060;
    }
    for (int k = 0; k < 3; ++k) {
        const double a = (p * 5 + 120 * k) * degree;
        const double along = x * std::cos(a) - y * std::sin(a);
        const double across = x * std::sin(a) + y * std::cos(a);
        if (along > 0 && along < 11.5 && std::fabs(across) < 2.5 - along * 0.12) {
            return along > 9 ? 0xFF80C0 : 0xA04080;
        }
    }
    return sheet_key_colour;
}

// A short streak along its angle; a laser's pattern and its opposite angle show alike.
uint32_t laser(double x, double y, int p) {
    const double a = p * 5 * degree;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    return std::fabs(along) < 4.5 && std::fabs(across) < 1 ? 0xFF60E0 : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> tripus_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {274, 24, 24, 20, 1, 1500, tripus_image, 0, 0},
        {275, 6, 6, 1, 1, 0, tripus_laser_image, 0, 0},
        {276, 8, 8, 4, 0, 0, explosion_image, 0, -1}, // muzzle flash
    };
}

std::vector<stage_group_t> tripus_groups() {
    return {{"tripus", {place(274, 0, enter_x, 100, 0, 38)}}};
}

bool add_tripus_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {tripus_image, "image\\tripus.bmp", 28, 28, 8, 24, tripus},
        {tripus_laser_image, "image\\tripuslaser.bmp", 12, 12, 8, 36, laser},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
