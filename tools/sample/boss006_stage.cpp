#include "tools/sample/boss006_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t body_image = 408;
constexpr int32_t pod_image = 409;
constexpr int32_t bolt_image = 410;
constexpr int32_t beam_image = 411;
constexpr int32_t spark_image = 412;
constexpr double pi = std::numbers::pi;

// A long hull, nose to the left, whose fins flatten and swap as it rolls through its 32 patterns.
uint32_t body(double x, double y, int p) {
    const double fin = 20 * std::cos(p * pi / 16);
    if (std::fabs(y) < 10 - std::max(0.0, -x - 30) * 0.5 && std::fabs(x) < 44) {
        return x < -36 ? 0xFFD060 : 0x6078A0;
    }
    const double reach = std::fabs(fin);
    const bool upper = fin > 0 ? y < 0 : y > 0;
    return upper && std::fabs(y) < reach && x > 4 && x < 30 ? 0x405070 : sheet_key_colour;
}

// A dart pointing along its direction (64 patterns).
uint32_t pod(double x, double y, int p) {
    const double a = p * pi / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    return std::fabs(across) < 3 - (along + 4) * 0.35 && along > -4 && along < 5 ? 0xE0E040
                                                                                 : sheet_key_colour;
}

uint32_t bolt(double x, double y, int) {
    return std::fabs(x) < 6 && std::fabs(y) < 1.5 ? 0x60FFFF : sheet_key_colour;
}

uint32_t beam(double, double y, int) {
    return std::fabs(y) < 4 ? (std::fabs(y) < 2 ? 0xFFFFFF : 0x8060FF) : sheet_key_colour;
}

uint32_t spark(double x, double y, int p) {
    return std::hypot(x, y) < 2.5 - p * 0.4 ? 0xC0E0FF : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> boss006_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {332, 80, 28, 700, 1, 50000, body_image, 0, 0}, // body: its death starts at 500
        {327, 12, 4, 1, 2, 0, bolt_image, 0, 0},        // laser bolt
        {333, 16, 16, 8, 0, 0, explosion_image, 0, 0},  // its muzzle flash
        {334, 8, 8, 1, 1, 0, beam_image, 0, 0},         // beam link
        {335, 10, 10, 2, 1, 200, pod_image, 0, 0},      // homing pod
        {336, 6, 6, 4, 0, 0, spark_image, 0, 0},        // charge spark
        {337, 32, 32, 8, 0, 0, explosion_image, 0, 0},  // charge flash
    };
}

std::vector<stage_group_t> boss006_groups() {
    return {{"boss006", {place(331, 0, 320, 128)}}}; // holds the stage until it dies or escapes
}

bool add_boss006_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {body_image, "image\\boss006.bmp", 96, 48, 8, 32, body},
        {pod_image, "image\\boss006_pod.bmp", 12, 12, 8, 64, pod},
        {bolt_image, "image\\boss006_bolt.bmp", 14, 4, 1, 1, bolt},
        {beam_image, "image\\boss006_beam.bmp", 8, 10, 1, 1, beam},
        {spark_image, "image\\boss006_spark.bmp", 6, 6, 4, 4, spark},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
