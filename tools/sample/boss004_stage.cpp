#include "tools/sample/boss004_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t hidden = -1;
constexpr int32_t explosion_image = 19;
constexpr int32_t body_image = 240;
constexpr int32_t core_image = 241;
constexpr int32_t core_cover_image = 242;
constexpr int32_t shield_image = 243;
constexpr int32_t arm_image = 244;
constexpr int32_t beam_image = 245;
constexpr int32_t spark_image = 246;
constexpr int32_t bolt_image = 247;
constexpr double pi = std::numbers::pi;

// A wedge-nosed hull with a dark bay where the core sits.
uint32_t body(double x, double y, int) {
    if (std::fabs(y) > 40 - std::max(0.0, -x - 20) * 0.9 || std::fabs(x) > 60) {
        return sheet_key_colour;
    }
    if (x > -30 && x < 30 && std::fabs(y) < 10) {
        return 0x202830;
    }
    return std::fabs(y) > 30 ? 0x505870 : 0x8088A0;
}

// A red eye whose lids part through its 8 patterns.
uint32_t core(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r > 8) {
        return sheet_key_colour;
    }
    return std::fabs(y) < p + 1 ? (r < 3 ? 0xFFFFFF : 0xFF2040) : 0x606878;
}

// A ring with a gap that points along the pattern's direction.
uint32_t core_cover(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r < 9 || r > 12) {
        return sheet_key_colour;
    }
    const double a = std::atan2(-y, x) - p * pi / 32;
    return std::cos(a) > 0.9 ? sheet_key_colour : 0xC0A060;
}

// A thin armour plate.
uint32_t shield(double x, double y, int) {
    return std::fabs(x) < 2.5 && std::fabs(y) < 14 ? 0x70C0E0 : sheet_key_colour;
}

// A gun pod with its muzzle to the left, the fin up (pattern 0) or down (1).
uint32_t arm(double x, double y, int p) {
    if (std::fabs(x) < 40 && std::fabs(y) < 6) {
        return x < -32 ? 0xFFE080 : 0x7080A0;
    }
    const double fin = p == 0 ? -y : y;
    return fin > 0 && fin < 14 && x > 10 && x < 30 ? 0x505870 : sheet_key_colour;
}

// A horizontal beam as thick as its width step: row p / 8 of the sheet.
uint32_t beam(double, double y, int p) {
    const double half = (p / 8 + 1) * 1.0;
    return std::fabs(y) < half ? (std::fabs(y) < half / 2 ? 0xFFFFFF : 0x60C0FF) : sheet_key_colour;
}

// A spark that dims through its 4 patterns.
uint32_t spark(double x, double y, int p) {
    return std::hypot(x, y) < 3 - p * 0.5 ? (p < 2 ? 0xFFFFC0 : 0x80C0FF) : sheet_key_colour;
}

// A short bolt at the angle of its pattern (32 cover the 64 directions).
uint32_t bolt(double x, double y, int p) {
    const double a = p * pi / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    return std::fabs(along) < 5 && std::fabs(across) < 1.5 ? 0xFF8040 : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> boss004_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {312, 96, 64, 1, 0, 0, body_image, 0, 0},          // body: shots pass over it to the core
        {313, 1, 1, 1, 0, 0, hidden, 0, 0},                // body cover
        {318, 16, 16, 80, 1, 30000, core_image, 0, 0},     // core
        {319, 24, 24, 1, 0, 5000, core_cover_image, 0, 0}, // core cover
        {320, 6, 28, 24, 1, 1000, shield_image, 0, 0},     // core shield
        {321, 8, 8, 1, 1, 0, bolt_image, 0, 0},            // core laser
        {314, 80, 12, 1, 1, 0, arm_image, 0, 0},           // arm
        {315, 256, 12, 1, 2, 0, beam_image, 0, -1},        // beam
        {316, 16, 16, 1, 0, 0, explosion_image, 0, -1},    // beam flash
        {317, 6, 6, 4, 0, 0, spark_image, 0, -1},          // beam spark
    };
}

std::vector<stage_group_t> boss004_groups() {
    return {{"boss004", {place(311, 0, enter_x + 48, 128, 0, hidden)}}}; // holds the stage until it dies
}

bool add_boss004_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {body_image, "image\\boss004.bmp", 120, 80, 1, 1, body},
        {core_image, "image\\boss004_core.bmp", 16, 16, 8, 8, core},
        {core_cover_image, "image\\boss004_cover.bmp", 24, 24, 8, 64, core_cover},
        {shield_image, "image\\boss004_shield.bmp", 6, 28, 1, 1, shield},
        {arm_image, "image\\boss004_arm.bmp", 80, 32, 2, 2, arm},
        {beam_image, "image\\boss004_beam.bmp", 256, 16, 8, 64, beam},
        {spark_image, "image\\boss004_spark.bmp", 6, 6, 4, 4, spark},
        {bolt_image, "image\\boss004_bolt.bmp", 12, 12, 8, 32, bolt},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
