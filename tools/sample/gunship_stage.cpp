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

// A broad hull with four barrels, tilted like the twinbarrel.
uint32_t quadbarrel(double x, double y, int p) {
    const int tilt = p < 4 ? p : p - 8;
    const double a = tilt * 0.08;
    const double u = x * std::cos(a) + y * std::sin(a);
    const double v = -x * std::sin(a) + y * std::cos(a);
    if (std::hypot(u - 15, v) < 8) {
        return sheet_key_colour; // the opening over the core, which lies under the hull in the list
    }
    if (u > -12 && u < 30 && std::fabs(v) < 22) {
        return std::fabs(v) > 18 ? 0x504048 : 0x9088A0;
    }
    for (const double b : {-28.0, -12.0, 12.0, 28.0}) {
        if (u >= -34 && u <= -12 && std::fabs(v - b) < 3) {
            return 0x303038;
        }
    }
    return sheet_key_colour;
}

// A round core behind shutters that part over 8 patterns.
uint32_t core(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r > 7.5) {
        return sheet_key_colour;
    }
    return std::fabs(y) < p ? 0xFF3060 : 0x606070;
}

uint32_t straight_laser(double x, double y, int) {
    return std::fabs(y) < 1.5 && std::fabs(x) < 11.5 ? 0x80FFFF : sheet_key_colour;
}

uint32_t bend_segment(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 2 ? 0xFFFFFF : r < 3.5 ? 0x40A0FF : sheet_key_colour;
}

// A dart whose glow turns over 32 patterns.
uint32_t core_missile(double x, double y, int p) {
    const double r = std::hypot(x, y);
    return r < 2.5 ? (p % 8 < 4 ? 0xFFE060 : 0xFF8040) : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> gunship_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {144, 32, 24, 120, 1, 3000, twinbarrel_image, 0, 0}, // twinbarrel
        {145, 12, 4, 1, 1, 0, bolt_image, 0, -1},            // its bolts' pieces
        {146, 64, 48, 1, 0, 5000, quadbarrel_image, 0,
         0}, // quad-barrel body: no contact damage, so that shots reach the core
        {147, 16, 16, 60, 1, 10000, quadbarrel_core_image, 0, 0}, // its core
        {148, 24, 4, 1, 1, 0, straight_laser_image, 0, -1},       // straight laser
        {149, 8, 8, 1, 1, 0, bend_segment_image, 0, -1},          // bending laser segment
        {27, 6, 6, 1, 1, 0, core_missile_image, 0, 0},            // core missile
    };
}

std::vector<stage_group_t> gunship_groups() {
    return {
        {"twinbarrel", {place(144, 0, enter_x, 100, 0, 39)}},
        {"twinbarrel low", {place(144, 0, enter_x, 160)}},
        {"quadbarrel", {place(146, 0, 300, 120, 0, 41)}}, // holds the scroll until it escapes or dies
    };
}

bool add_gunship_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {twinbarrel_image, "image\\twinbarrel.bmp", 48, 32, 8, 8, twinbarrel},
        {bolt_image, "image\\bolt.bmp", 12, 4, 1, 1, bolt},
        {quadbarrel_image, "image\\quadbarrel.bmp", 72, 56, 8, 8, quadbarrel},
        {quadbarrel_core_image, "image\\quadcore.bmp", 16, 16, 8, 8, core},
        {straight_laser_image, "image\\quadlaser.bmp", 24, 4, 1, 1, straight_laser},
        {bend_segment_image, "image\\bendlaser.bmp", 8, 8, 1, 1, bend_segment},
        {core_missile_image, "image\\coremissile.bmp", 8, 8, 8, 32, core_missile},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
