#include "tools/sample/crab_stage.h"

#include "play/stage_events.h"
#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t body_image = 400;
constexpr int32_t eye_image = 401;
constexpr int32_t foot_image = 402;
constexpr int32_t shin_image = 403;
constexpr int32_t thigh_image = 404;
constexpr int32_t ball_image = 405;
constexpr int32_t spark_image = 406;
constexpr int32_t laser_image = 407;

// A round shell with a dark face where the eyes sit.
uint32_t body(double x, double y, int) {
    const double r = std::hypot(x, y * 1.2);
    if (r > 22) {
        return sheet_key_colour;
    }
    return y > 6 && std::fabs(x) < 10 ? 0x302018 : (r > 18 ? 0x803820 : 0xC05830);
}

// A lid over a yellow eye, open by the pattern.
uint32_t eye(double x, double y, int p) {
    if (std::hypot(x, y) > 3) {
        return sheet_key_colour;
    }
    return y > 1.5 - p * 0.5 ? 0xFFE040 : 0x803820;
}

// A claw that grips the wall on its left (pattern 0) or its right (1).
uint32_t foot(double x, double y, int p) {
    const double toward = p == 0 ? -x : x;
    return std::fabs(y) < 4 - toward * 0.3 && std::fabs(x) < 8 ? 0xE07040 : sheet_key_colour;
}

uint32_t shin(double x, double y, int) {
    return std::fabs(x) < 3 && std::fabs(y) < 6 ? 0xA04828 : sheet_key_colour;
}

uint32_t thigh(double x, double y, int) {
    return std::hypot(x, y) < 3 ? 0xB05030 : sheet_key_colour;
}

uint32_t ball(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 4 ? (r < 2 ? 0xFFFFFF : 0x40E0A0) : sheet_key_colour;
}

// A spark that dims through its 4 patterns.
uint32_t spark(double x, double y, int p) {
    return std::hypot(x, y) < 2.5 - p * 0.4 ? (p < 2 ? 0xFFF0A0 : 0xFF8040) : sheet_key_colour;
}

uint32_t laser(double x, double y, int) {
    return std::fabs(x) < 1.5 && std::fabs(y) < 6 ? 0xFF4060 : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> crab_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {278, 40, 36, 160, 1, 20000, body_image, 0, 0}, // body
        {279, 8, 8, 1, 1, 100, ball_image, 0, 0},       // ball
        {280, 16, 16, 8, 0, 0, explosion_image, 0, 0},  // ball explosion
        {281, 6, 6, 1, 0, 0, eye_image, 0, 0},          // eye
        {282, 16, 12, 1, 1, 1000, foot_image, 0, 0},    // foot
        {283, 6, 12, 1, 1, 0, shin_image, 0, 0},        // shin
        {284, 6, 6, 1, 1, 0, thigh_image, 0, 0},        // thigh segment
        {285, 6, 6, 4, 0, 0, spark_image, 0, 0},        // foot spark
        {286, 4, 12, 1, 1, 0, laser_image, 0, 0},       // body laser
        {287, 16, 16, 8, 0, 0, explosion_image, 0, 0},  // body laser's flash
    };
}

std::vector<stage_group_t> crab_groups() {
    // Just below the screen, where its parked balls die at once; held while it climbs, its sway lets the
    // stage go on.
    return {{"crab001", {place(277, 0, 128, 272)}, {{stage_event::scroll_stop, 0, 0, 1}}}};
}

bool add_crab_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {body_image, "image\\crab001.bmp", 48, 48, 1, 1, body},
        {eye_image, "image\\crab001_eye.bmp", 6, 6, 8, 8, eye},
        {foot_image, "image\\crab001_foot.bmp", 16, 12, 2, 2, foot},
        {shin_image, "image\\crab001_shin.bmp", 8, 14, 1, 1, shin},
        {thigh_image, "image\\crab001_thigh.bmp", 8, 8, 1, 1, thigh},
        {ball_image, "image\\crab001_ball.bmp", 10, 10, 1, 1, ball},
        {spark_image, "image\\crab001_spark.bmp", 6, 6, 4, 4, spark},
        {laser_image, "image\\crab001_laser.bmp", 4, 14, 1, 1, laser},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
