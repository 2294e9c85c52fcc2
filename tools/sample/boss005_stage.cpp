#include "tools/sample/boss005_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t hidden = -1;
constexpr int32_t explosion_image = 19;
constexpr int32_t lead_image = 430;
constexpr int32_t trail_image = 431;
constexpr int32_t hand_image = 432;
constexpr int32_t arm_image = 433;
constexpr int32_t shot_image = 434;
constexpr int32_t spark_image = 435;
constexpr int32_t beam_image = 436;
constexpr double pi = std::numbers::pi;

// A rounded hull with a glowing eye toward its front (left for the lead body).
uint32_t hull(double x, double y, bool lead) {
    const double nose = lead ? x : -x;
    if ((x * x) / (30.0 * 30.0) + (y * y) / (20.0 * 20.0) > 1) {
        return sheet_key_colour;
    }
    if (std::hypot(nose + 14, y) < 5) {
        return lead ? 0xFF3030 : 0xFFA030;
    }
    return std::fabs(y) > 12 ? 0x4A5A40 : 0x7A9068;
}

uint32_t lead_body(double x, double y, int) {
    return hull(x, y, true);
}

uint32_t trail_body(double x, double y, int) {
    return hull(x, y, false);
}

// Two pincer jaws opening toward direction pattern + 16.
uint32_t hand(double x, double y, int p) {
    const double a = (p + 16) * pi / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    if (std::hypot(x, y) < 6) {
        return 0x90A0B0;
    }
    const bool jaw = along > 0 && along < 11 && std::fabs(std::fabs(across) - 5) < 2;
    return jaw ? 0xC0C8D0 : sheet_key_colour;
}

// A round joint.
uint32_t arm(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 3.5 ? (r < 1.5 ? 0xB0C0A0 : 0x607050) : sheet_key_colour;
}

// A pellet pointing along the pattern's direction (32 cover the 64).
uint32_t shot(double x, double y, int p) {
    const double a = p * pi / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    return std::fabs(along) < 3.5 && std::fabs(across) < 1.5 ? 0xFFE060 : sheet_key_colour;
}

// A spark that dims through its 4 patterns.
uint32_t spark(double x, double y, int p) {
    return std::hypot(x, y) < 3 - p * 0.5 ? (p < 2 ? 0xFFFFFF : 0xFFB060) : sheet_key_colour;
}

// A beam piece as thick as its width (pattern & 7); the head (patterns 0..7) rounded at its right end.
uint32_t beam(double x, double y, int p) {
    const double half = (p % 8) + 0.5;
    if (p < 8 && x > 8 - half) {
        return std::hypot(x - 8 + half, y) < half ? 0xFFFFFF : sheet_key_colour;
    }
    return std::fabs(y) < half ? (std::fabs(y) < half / 2 ? 0xFFFFFF : 0xC060FF) : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> boss005_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {323, 56, 36, 240, 1, 20000, lead_image, 0, 0}, // lead body
        {324, 56, 36, 1, 1, 0, trail_image, 0, 0},      // trailing body
        {325, 20, 20, 1, 1, 2000, hand_image, 0, 0},    // hand
        {326, 6, 6, 1, 0, 0, arm_image, 0, 0},          // arm segment
        // The hand shots are record 327, which boss006's bolts and the scorpion's hand lasers share.
        {328, 16, 16, 8, 0, 0, explosion_image, 0, -1}, // muzzle flash
        {329, 6, 6, 4, 0, 0, spark_image, 0, -1},       // spark and debris
        {330, 16, 12, 1, 2, 0, beam_image, 0, -1},      // big laser segment
    };
}

std::vector<stage_group_t> boss005_groups() {
    return {{"boss005", {place(322, 0, enter_x + 16, 128, 0, hidden)}}}; // holds the stage until it dies
}

bool add_boss005_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {lead_image, "image\\boss005_lead.bmp", 64, 48, 1, 1, lead_body},
        {trail_image, "image\\boss005_trail.bmp", 64, 48, 1, 1, trail_body},
        {hand_image, "image\\boss005_hand.bmp", 24, 24, 8, 32, hand},
        {arm_image, "image\\boss005_arm.bmp", 8, 8, 1, 1, arm},
        {shot_image, "image\\boss005_shot.bmp", 8, 8, 8, 32, shot},
        {spark_image, "image\\boss005_spark.bmp", 6, 6, 4, 4, spark},
        {beam_image, "image\\boss005_beam.bmp", 16, 16, 8, 16, beam},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
