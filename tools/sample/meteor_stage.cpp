#include "tools/sample/meteor_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979;

// A lumpy rock of radius r turned by the pattern's share of a whole turn, with two craters.
uint32_t rock(double x, double y, int p, int count, double r) {
    const double a = 2 * pi * p / count;
    const double u = x * std::cos(a) - y * std::sin(a);
    const double v = x * std::sin(a) + y * std::cos(a);
    const double t = std::atan2(v, u);
    const double edge = r * (1 + 0.12 * std::sin(3 * t) + 0.06 * std::cos(5 * t));
    const double d = std::hypot(u, v);
    if (d > edge) {
        return sheet_key_colour;
    }
    if (std::hypot(u - r * 0.35, v + r * 0.2) < r * 0.25 ||
        std::hypot(u + r * 0.3, v - r * 0.35) < r * 0.18) {
        return 0x584838;
    }
    return d > edge - 1.5 ? 0x605040 : 0x9C8468;
}

uint32_t small_rock(double x, double y, int p) {
    return rock(x, y, p, 35, 6.5);
}
uint32_t medium_rock(double x, double y, int p) {
    return rock(x, y, p, 48, 13);
}
uint32_t large_rock(double x, double y, int p) {
    return rock(x, y, p, 23, 21);
}

} // namespace

std::vector<objectinfo_t> meteor_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {170, 12, 12, 2, 1, 100, small_meteor_image, 0, 0},
        {171, 24, 24, 6, 1, 300, medium_meteor_image, 0, 0},
        {172, 40, 40, 12, 1, 800, large_meteor_image, 0, 0},
    };
}

std::vector<stage_group_t> meteor_groups() {
    return {
        {"meteor shower", {place(173, 0, 0, 0)}},
        {"meteor stream", {place(174, 0, 0, 0)}}, // to the end of the stage
        {"meteors",
         {place(170, 0, enter_x, 60), place(170, 10, enter_x, 180, 1), place(171, 50, enter_x + 10, 110),
          place(172, 120, enter_x + 20, 150, 1)}},
    };
}

bool add_meteor_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {small_meteor_image, "image\\meteor_s.bmp", 16, 16, 8, 35, small_rock},
        {medium_meteor_image, "image\\meteor_m.bmp", 32, 32, 8, 48, medium_rock},
        {large_meteor_image, "image\\meteor_l.bmp", 48, 48, 8, 23, large_rock},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
