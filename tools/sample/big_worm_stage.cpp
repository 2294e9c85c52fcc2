#include "tools/sample/big_worm_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double step64 = std::numbers::pi / 32;

// A long body, its fins beating over the patterns.
uint32_t swimmer(double x, double y, int p) {
    const double fin = 4 + 3 * std::sin(p * std::numbers::pi / 16);
    if ((x / 22) * (x / 22) + (y / 11) * (y / 11) < 1) {
        return std::fabs(y) < 3 && x > 10 ? 0xFFD040 : 0x3070A0;
    }
    if (x < -12 && x > -22 && std::fabs(y) < 11 + fin && std::fabs(y) > 9) {
        return 0x5090C0;
    }
    return sheet_key_colour;
}

// A round joint with a bar toward the pattern's direction (y up).
uint32_t joint(double x, double y, int p, uint32_t colour, double r) {
    const double a = (p % 64) * step64;
    const double u = x * std::cos(a) - y * std::sin(a);
    const double v = x * std::sin(a) + y * std::cos(a);
    if (std::hypot(x, y) < r) {
        return colour;
    }
    return u > 0 && u < r + 2 && std::fabs(v) < 1.2 ? 0xFFFFFF : sheet_key_colour;
}

uint32_t swimmer_arm(double x, double y, int p) {
    return joint(x, y, p, 0x60A0D0, 3.5);
}

uint32_t core_arm(double x, double y, int p) {
    return joint(x, y, p, 0xC06080, 3.0);
}

// Four spokes around a hub, turned by the pattern in 64ths of a circle.
uint32_t arm_core(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r < 7) {
        return 0x804060;
    }
    const double a = std::atan2(-y, x) - p * step64;
    const double s = std::fabs(std::sin(2 * a));
    return r < 11 && s < 0.3 ? 0xE0A0C0 : sheet_key_colour;
}

// An eye whose lid closes from the top over the patterns.
uint32_t core_eye(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r >= 5) {
        return sheet_key_colour;
    }
    if (y < -5 + p * 10.0 / 7) {
        return 0xA05070;
    }
    return r < 2 ? 0x000000 : 0xFFFFFF;
}

uint32_t core_light(double x, double y, int p) {
    const double r = std::hypot(x, y);
    return r > 6 + p % 4 * 0.5 && r < 7.5 + p % 4 * 0.5 ? 0xFFFF60 : sheet_key_colour;
}

uint32_t wall_worm(double x, double y, int) {
    if ((x / 11) * (x / 11) + (y / 7) * (y / 7) >= 1) {
        return sheet_key_colour;
    }
    return x < -5 && std::fabs(y) < 2 ? 0xFF4040 : 0x907050;
}

uint32_t wall_segment(double x, double y, int p) {
    const double r = std::hypot(x, y);
    return r < 3 + p ? (r < 2 ? 0xB09070 : 0x705030) : sheet_key_colour;
}

uint32_t wall_smoke(double x, double y, int p) {
    const double r = std::hypot(x, y);
    return r < 3.5 - p * 0.4 ? 0xA0A0A0 : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> big_worm_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    // The parts that cannot be hurt are on list 2, so that they do not shield their body from shots.
    return {
        {203, 40, 24, 160, 1, 5000, swimmer_image, 0, 0},  // worm006 body
        {204, 8, 8, 1, 1, 0, swimmer_arm_image, 2, 0},     // its arm segments and hands
        {206, 16, 16, 80, 1, 3000, arm_core_image, 0, 0},  // worm007 core
        {207, 8, 8, 4, 1, 50, core_arm_image, 0, 0},       // its arm segments and hands
        {208, 12, 12, 1, 0, 0, core_eye_image, 2, 0},      // eye
        {209, 16, 16, 1, 0, 0, core_light_image, 2, 0},    // light
        {211, 20, 14, 60, 1, 2000, wall_worm_image, 0, 0}, // worm008 head
        {212, 12, 12, 1, 1, 0, wall_segment_image, 2, 0},  // its segments
        {213, 8, 8, 6, 0, 0, wall_smoke_image, 0, 0},      // its smoke
    };
}

std::vector<stage_group_t> big_worm_groups() {
    return {
        {"worm008", {place(210, 0, enter_x + 60, 96)}}, // jutting from the right
        {"worm006", {place(202, 0, -48, 140, 0, 40)}},  // swimming in from the left
        {"worm007", {place(205, 0, enter_x, 64, 0, 38)}},
    };
}

bool add_big_worm_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {swimmer_image, "image\\swimmer.bmp", 48, 32, 8, 32, swimmer},
        {swimmer_arm_image, "image\\swimmerarm.bmp", 12, 12, 8, 64, swimmer_arm},
        {arm_core_image, "image\\armcore.bmp", 24, 24, 8, 32, arm_core},
        {core_arm_image, "image\\corearm.bmp", 10, 10, 8, 64, core_arm},
        {core_eye_image, "image\\coreeye.bmp", 12, 12, 8, 8, core_eye},
        {core_light_image, "image\\corelight.bmp", 20, 20, 8, 8, core_light},
        {wall_worm_image, "image\\wallworm.bmp", 24, 16, 1, 1, wall_worm},
        {wall_segment_image, "image\\wallsegment.bmp", 16, 16, 8, 8, wall_segment},
        {wall_smoke_image, "image\\wallsmoke.bmp", 8, 8, 8, 8, wall_smoke},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
