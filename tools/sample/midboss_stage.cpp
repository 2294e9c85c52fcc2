#include "tools/sample/midboss_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t shot_image = 17;
constexpr int32_t explosion_image = 19;
constexpr int32_t gunship_image = 232;
constexpr int32_t wing_image = 233;
constexpr int32_t carrier_image = 234;
constexpr int32_t laser_image = 235;
constexpr int32_t ball_image = 236;
constexpr int32_t cruiser_image = 237;
constexpr double pi = std::numbers::pi;

// A gunship nosed left with a lit cockpit.
uint32_t gunship(double x, double y, int) {
    if (std::fabs(y) > 4 + (x + 20) * 0.2 || x < -20 || x > 20) {
        return sheet_key_colour;
    }
    if (x < -10 && std::fabs(y) < 2) {
        return 0xFFE060;
    }
    return std::fabs(y) > 5 ? 0x604050 : 0xB07090;
}

// An armoured wing plate, its edge toward the body at the bottom (pattern 0) or the top (1).
uint32_t wing(double x, double y, int p) {
    if (std::fabs(x) > 15 || std::fabs(y) > 5) {
        return sheet_key_colour;
    }
    const double edge = p == 0 ? y : -y;
    return edge > 2 ? 0xE0C0D0 : 0x8090A0;
}

// A broad carrier whose fins flap with its 32 patterns.
uint32_t carrier(double x, double y, int p) {
    const double s = std::cos(p * 5.625 * pi / 180);
    if (std::fabs(x) < 22 && std::fabs(y) < 12 - std::fabs(x) * 0.2) {
        return x < -14 ? 0xFF4040 : 0x607090;
    }
    const double fin = std::fabs(y) - std::fabs(s) * 20;
    return x > -4 && x < 16 && std::fabs(fin) < 3 ? 0x90A0B0 : sheet_key_colour;
}

// A laser bar at the angle of its pattern (a line looks the same both ways, so 32 cover 64 directions).
uint32_t laser(double x, double y, int p) {
    const double a = p * pi / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    return std::fabs(along) < 7 && std::fabs(across) < 1.5 ? (std::fabs(across) < 0.6 ? 0xFFFFFF : 0x40FF80)
                                                           : sheet_key_colour;
}

// A round ball with a spot that spins through 8 patterns.
uint32_t ball(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r > 5) {
        return sheet_key_colour;
    }
    const double a = p * pi / 4;
    return std::hypot(x - 3 * std::cos(a), y - 3 * std::sin(a)) < 1.5 ? 0xFFFFFF : 0x4060FF;
}

// A long cruiser whose running light circles with its 64 patterns.
uint32_t cruiser(double x, double y, int p) {
    if (std::fabs(y) > 10 - std::fabs(x) * 0.15 || std::fabs(x) > 27) {
        return sheet_key_colour;
    }
    const double a = p * pi / 32;
    if (std::hypot(x - 8, y - 6 * std::cos(a)) < 2) {
        return 0xFFFF80;
    }
    return x < -18 ? 0x40C0C0 : 0x507060;
}

} // namespace

std::vector<objectinfo_t> midboss_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {263, 40, 24, 40, 1, 3000, gunship_image, 0, 0}, // midboss001 body
        {264, 32, 12, 1, 1, 0, wing_image, 0, 0},        // its wings
        {265, 4, 4, 1, 1, 0, shot_image, 0, 0},          // spread shot
        {28, 8, 4, 1, 1, 0, shot_image, 0, 0},           // beam shot; its flash 29 comes with the final boss
        {266, 48, 32, 160, 2, 10000, carrier_image, 0, 0},
        {234, 6, 6, 1, 1, 0, shot_image, 0, 0}, // carrier's ball
        {235, 8, 8, 4, 0, 0, explosion_image, 0, -1},
        {30, 14, 4, 1, 1, 0, laser_image, 0, 0}, // laser
        {31, 8, 8, 4, 0, 0, explosion_image, 0, -1},
        {267, 48, 24, 120, 2, 8000, cruiser_image, 0, 0},
        {269, 10, 10, 2, 1, 50, ball_image, 0, 0}, // cruiser's ball
        {51, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {268, 16, 16, 4, 0, 0, explosion_image, 0, -1}, // muzzle flash
    };
}

std::vector<stage_group_t> midboss_groups() {
    return {
        {"midboss001", {place(262, 0, 272, 40, 3, 38)}},  // a column of three gunships
        {"midboss002", {place(266, 0, 300, 120, 0, 41)}}, // the carrier
        {"midboss003", {place(267, 0, 300, 128, 0, 40)}}, // the cruiser
    };
}

bool add_midboss_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {gunship_image, "image\\midboss001.bmp", 44, 28, 1, 1, gunship},
        {wing_image, "image\\midboss001_wing.bmp", 32, 12, 2, 2, wing},
        {carrier_image, "image\\midboss002.bmp", 48, 48, 8, 32, carrier},
        {laser_image, "image\\midboss_laser.bmp", 16, 16, 8, 32, laser},
        {ball_image, "image\\midboss003_ball.bmp", 12, 12, 8, 8, ball},
        {cruiser_image, "image\\midboss003.bmp", 56, 24, 8, 64, cruiser},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
