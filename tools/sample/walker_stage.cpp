#include "tools/sample/walker_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t floor_spider = 250;
constexpr int32_t ceiling_spider = 249;
constexpr int32_t tarantula = 259;

// A round, dark-red body with two eyes on the side its feet are not.
uint32_t spider_body(double x, double y, int p) {
    const double up = p == 1 ? -y : y;
    if (std::hypot(x / 15.0, up / 10.0) > 1) {
        return sheet_key_colour;
    }
    if (up < -2 && up > -5 && std::fabs(std::fabs(x) - 5) < 1.5) {
        return 0xFFE040;
    }
    return std::hypot(x / 15.0, up / 10.0) > 0.8 ? 0x601818 : 0x903030;
}

uint32_t spider_foot(double x, double y, int p) {
    const double up = p == 1 ? -y : y;
    return std::fabs(x) < 3 + up * 0.3 && std::fabs(up) < 3.5 ? 0x502010 : sheet_key_colour;
}

uint32_t spider_leg(double x, double y, int p) {
    const uint32_t shades[4] = {0x704028, 0xA06040, 0xD09060, 0xFFD0A0};
    return std::hypot(x, y) < 2 ? shades[p & 3] : sheet_key_colour;
}

uint32_t spider_egg(double x, double y, int p) {
    const double r = std::hypot(x / 3.5, y / 2.8);
    if (r > 1) {
        return sheet_key_colour;
    }
    const double a = std::atan2(y, x) + p * 1.5708;
    return std::sin(a) > 0.3 ? 0xF0F0C0 : 0xC0C090;
}

// A hairy brown hulk whose legs swing with the cell.
uint32_t tarantula_body(double x, double y, int p) {
    if (std::hypot(x / 24.0, y / 12.0) < 1) {
        return std::fmod(std::fabs(x * 1.7 + y), 5) < 1 ? 0x3A2410 : 0x6A4420;
    }
    const double swing = std::sin(p * 0.6283) * 4;
    for (int leg = 0; leg < 4; ++leg) {
        const double root = -15 + leg * 10;
        const double sway = (leg % 2 == 0 ? swing : -swing);
        const double t = (y - 6) / 12;
        if (t >= 0 && t <= 1 && std::fabs(x - (root + sway * t + 4 * t)) < 1.6) {
            return 0x4A3010;
        }
    }
    return sheet_key_colour;
}

uint32_t tarantula_eye(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 3 ? 0x000000 : (r < 6.5 ? 0xFF3030 : sheet_key_colour);
}

uint32_t tarantula_shot(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 2 ? 0xFFFFFF : (r < 3.5 ? 0xFF8040 : sheet_key_colour);
}

} // namespace

std::vector<objectinfo_t> walker_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {23, 8, 8, 1, 1, 0, spider_egg_image, 0, 0},
        {58, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {251, 28, 20, 60, 1, 3000, spider_body_image, 0, 0},
        {252, 4, 4, 1, 1, 10, spider_leg_image, 0, 0},
        {253, 8, 8, 1, 1, 0, spider_foot_image, 0, 0},
        {259, 48, 28, 120, 1, 5000, tarantula_image, 0, 0},
        {260, 16, 16, 1, 0, 0, tarantula_eye_image, 0, 0},
        {261, 6, 6, 1, 1, 0, tarantula_shot_image, 0, 0},
    };
}

std::vector<stage_group_t> walker_groups() {
    return {
        {"spider floor", {place(floor_spider, 0, enter_x, 120, 0, 39)}}, // drops to the floor and walks in
        {"spider ceiling", {place(ceiling_spider, 0, enter_x, 120, 0, 41)}}, // climbs to the ceiling
        {"tarantula low", {place(tarantula, 0, enter_x + 16, 150)}},         // strides in low
        {"tarantula high", {place(tarantula, 0, enter_x + 16, 100)}},
    };
}

bool add_walker_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {spider_body_image, "image\\spider.bmp", 32, 24, 2, 2, spider_body},
        {spider_foot_image, "image\\spiderft.bmp", 8, 8, 2, 2, spider_foot},
        {spider_leg_image, "image\\spiderlg.bmp", 4, 4, 4, 4, spider_leg},
        {spider_egg_image, "image\\spideregg.bmp", 8, 8, 4, 4, spider_egg},
        {tarantula_image, "image\\tarantula.bmp", 64, 40, 8, 10, tarantula_body},
        {tarantula_eye_image, "image\\tarantey.bmp", 16, 16, 1, 1, tarantula_eye},
        {tarantula_shot_image, "image\\tarantsh.bmp", 8, 8, 1, 1, tarantula_shot},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
